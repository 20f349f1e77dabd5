// Fuzzes the window's key-down handling with arbitrary key strings, on the
// real window with every handler bound.
//
// Input: a sequence of keys, each [how][length][bytes]. `how` picks the road:
// the handler directly (any bytes, valid UTF-8 or not), a key press through
// Qt with that text, an arrow key, or text committed by an input method.
// After every key at most one note may sound, and after Space none; a
// violation or a crash is a finding.
#include "app/App.h"
#include "app/startup.h"
#include "platform/noteoutput.h"
#include "platform/script.h"
#include "window/NALVO.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMainWindow>

#include <bitset>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace nalvo;

namespace {

// What FluidSynth would be sounding: the output's own range policy applied.
class SoundingNotes final : public NoteOutput {
public:
    void setInstrument(std::int64_t) override {}
    void playNote(std::int64_t note, std::int64_t velocity) override {
        if (note < 0 || note > 127) return;
        notes.set(static_cast<std::size_t>(note), velocity > 0);
    }
    void allNotesOff() override { notes.reset(); }
    std::bitset<128> notes;
};

class NoScripts final : public ScriptRunner {
public:
    void run(const std::optional<std::filesystem::path>&, const std::vector<std::string>&) override {}
};

std::shared_ptr<SoundingNotes> sounding;
NALVO* window = nullptr;
std::int64_t startPitchSlider = 0, startVelocitySlider = 0;
struct PlayingState {
    std::int64_t MyInstrument = 0, MyPitch = 0, MyVelocity = 0, LastPitch = 0;
} startApp;

void fail(const char* what, const std::string& key) {
    std::fprintf(stderr, "key-down fuzz: %s after key of %zu bytes (%zu notes sounding)\n", what, key.size(),
                 sounding->notes.count());
    std::abort();
}

void restoreStart() {
    window->PitchSlider().setValue(startPitchSlider);
    window->VelocitySlider().setValue(startVelocitySlider);
    App& app = theApp();
    app.MyInstrument = startApp.MyInstrument;
    app.MyPitch = startApp.MyPitch;
    app.MyVelocity = startApp.MyVelocity;
    app.LastPitch = startApp.LastPitch;
    sounding->notes.reset();
}

void press(std::uint8_t how, const std::string& bytes) {
    QWidget& target = window->qtWindow();
    switch (how % 4) {
    case 0: window->keyDown(bytes); break;
    case 1: {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(bytes));
        QApplication::sendEvent(&target, &down);
        break;
    }
    case 2: {
        static const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        const Qt::Key key = arrows[bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) % 4];
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&target, &down);
        break;
    }
    case 3: {
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8(bytes));
        QApplication::sendEvent(&target, &commit);
        break;
    }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_keydown";
    static char* argv[] = {name, nullptr};
    newAppInstance();
    new QApplication(argc, argv);
    setErrorSink([](std::string_view) {});
    sounding = std::make_shared<SoundingNotes>();
    setNoteOutput(sounding);
    setScriptRunner(std::make_shared<NoScripts>());
    window = &defaultWindow();
    deliverOpenEvents(*window);
    startPitchSlider = window->PitchSlider().Value();
    startVelocitySlider = window->VelocitySlider().Value();
    const App& app = theApp();
    startApp.MyInstrument = app.MyInstrument;
    startApp.MyPitch = app.MyPitch;
    startApp.MyVelocity = app.MyVelocity;
    startApp.LastPitch = app.LastPitch;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    restoreStart();
    std::size_t p = 0;
    while (p + 2 <= size) {
        const std::uint8_t how = data[p];
        const std::size_t length = std::min<std::size_t>(data[p + 1] % 16, size - p - 2);
        const std::string key(reinterpret_cast<const char*>(data) + p + 2, length);
        p += 2 + length;
        press(how, key);
        if (sounding->notes.count() > 1) fail("more than one note sounding", key);
    }
    window->keyDown(" ");
    if (sounding->notes.any()) fail("a note still sounding after Space", " ");
    return 0;
}
