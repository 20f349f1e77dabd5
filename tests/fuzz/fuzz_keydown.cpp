// Feeds the fuzzer's bytes, as they stand, as the key string to the real
// window's key-down handling, on a note output that records what the window
// asks to sound. A crash, two notes sounding at once, or a note still
// sounding after Space is a finding. The window lives from run to run.
#include "app/startup.h"
#include "platform/noteoutput.h"
#include "window/NALVO.h"

#include <QApplication>

#include <cstdlib>
#include <set>

using namespace nalvo;

namespace {

struct Recording final : NoteOutput {
    void setInstrument(std::int64_t) override {}
    void playNote(std::int64_t note, std::int64_t velocity) override {
        if (velocity > 0) sounding.insert(note);
        else sounding.erase(note);
    }
    void allNotesOff() override { sounding.clear(); }
    std::set<std::int64_t> sounding;
};

const auto recording = std::make_shared<Recording>();

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_keydown";
    static char* argv[] = {name, nullptr};
    newAppInstance();
    new QApplication(argc, argv);
    setErrorSink([](std::string_view) {});
    setNoteOutput(recording);
    deliverOpenEvents(defaultWindow());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string key(reinterpret_cast<const char*>(data), size);
    defaultWindow().keyDown(key);
    if (recording->sounding.size() > 1 || (key == " " && !recording->sounding.empty())) std::abort();
    return 0;
}
