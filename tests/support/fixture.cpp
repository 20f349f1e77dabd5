#include "support/fixture.h"

#include "app/startup.h"
#include "platform/application.h"
#include "platform/random.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>

#include <fluidsynth.h>

#include <cstdlib>
#include <stdexcept>

namespace nalvo {

void ensureQApplication() {
    if (QApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "nalvo-tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

std::string paintLine(const std::string& pad, Color c) {
    return "paint " + pad + " " + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

Lines centreResetLog(const std::string& replaced, const std::string& by) {
    static const std::pair<const char*, Color> reset[] = {
        {"Oval1", RGB(255, 128, 128)},     {"Oval2", RGB(255, 192, 255)},     {"Oval3", RGB(128, 0, 255)},
        {"Oval4", RGB(0, 128, 128)},       {"Oval5", RGB(128, 128, 255)},     {"Oval6", RGB(0, 64, 128)},
        {"Oval7", RGB(0, 0, 128)},         {"Oval8", RGB(255, 128, 128)},     {"miniOval1", RGB(255, 255, 128)},
        {"miniOval2", RGB(255, 255, 128)}, {"miniOval3", RGB(255, 255, 128)}, {"miniOval4", RGB(255, 255, 128)},
        {"miniOval5", RGB(255, 255, 128)},
    };
    Lines log;
    for (const auto& [pad, colour] : reset) log.push_back(paintLine(pad == replaced ? by : pad, colour));
    return log;
}

void EventLog::playNote(std::int64_t note, std::int64_t velocity) {
    if (velocity <= 0 && beforeNoteOff)
        if (std::string line = beforeNoteOff(); !line.empty()) add(std::move(line));
    add(velocity > 0 ? "on " + std::to_string(note) + " " + std::to_string(velocity) : "off " + std::to_string(note));
}

void EventLog::add(std::string line) {
    noticeStore();
    lines_.push_back(std::move(line));
}

void EventLog::noticeStore() {
    if (!_GetAppObject() || theApp().LastPitch == seen_) return;
    seen_ = theApp().LastPitch;
    lines_.push_back("store " + std::to_string(seen_));
}

Lines EventLog::take() {
    noticeStore();
    return std::exchange(lines_, {});
}

ScriptedRnd::ScriptedRnd(std::vector<double> draws) : next_(std::make_shared<std::size_t>(0)) {
    setRndSource([draws = std::move(draws), next = next_]() -> double {
        if (*next >= draws.size()) throw std::out_of_range("Rnd drawn more often than the test scripted");
        return draws[(*next)++];
    });
}

ScriptedRnd::~ScriptedRnd() { setRndSource({}); }

void PrintTo(const Playing& p, std::ostream* os) {
    *os << "{MyInstrument " << p.instrument << ", MyPitch " << p.pitch << ", MyVelocity " << p.velocity
        << ", LastPitch " << p.lastPitch << "}";
}

void WindowFixture::SetUp() {
    ensureQApplication();
    resetDefaultWindow();
    _RuntimeUnregisterAppObject();
    setErrorSink([this](std::string_view line) { reports.emplace_back(line); });
    log_ = std::make_shared<EventLog>();
    setNoteOutput(log_);
    setScriptRunner(scripts);
    newAppInstance();
    deliverOpenEvents(defaultWindow());
    defaultWindow().qtWindow().show();
    startupLog = take();
    Oval::paintObserver = [log = log_.get()](const Oval& pad, Color c) { log->paint(pad, c); };
}

void WindowFixture::TearDown() {
    Oval::paintObserver = nullptr;
    resetDefaultWindow();
    _RuntimeUnregisterAppObject();
    Application::executableOverride = nullptr;
    setRndSource(nullptr);
    setNoteOutput(nullptr);
    setScriptRunner(nullptr);
    setErrorSink(nullptr);
}

void WindowFixture::start(const Playing& p) {
    App& a = theApp();
    a.MyInstrument = p.instrument;
    a.MyPitch = p.pitch;
    a.MyVelocity = p.velocity;
    a.LastPitch = p.lastPitch;
    take();  // the store of the new LastPitch is no event
}

Playing WindowFixture::playing() const {
    const App& a = theApp();
    return {a.MyInstrument, a.MyPitch, a.MyVelocity, a.LastPitch};
}

void WindowFixture::click(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, widget.rect().center());
}

bool WindowFixture::mouseDown(const std::string& name) {
    RectControl& c = control(name);
    const Value args[] = {std::int64_t{c.Width() / 2}, std::int64_t{c.Height() / 2}};
    const Value result = c.raiseEvent(event_number::MouseDown, args, Value{false});
    const bool* handled = std::get_if<bool>(&result);
    EXPECT_NE(handled, nullptr) << name << "_MouseDown gave no Boolean";
    return handled && *handled;
}

std::filesystem::path testSoundFont() {
    const char* env = std::getenv("NALVO_TEST_SOUNDFONT");
    return env && *env ? env : "/usr/share/sounds/sf2/TimGM6mb.sf2";
}

std::map<int, int> heldNotes(const FluidSynthOutput& synth) {
    fluid_voice_t* voices[256] = {};
    fluid_synth_get_voicelist(synth.synth(), voices, 256, -1);
    std::map<int, int> held;
    for (fluid_voice_t* v : voices)
        if (v && fluid_voice_is_on(v)) held[fluid_voice_get_key(v)] = fluid_voice_get_velocity(v);
    return held;
}

}  // namespace nalvo
