#include "support/fixture.h"

#include "app/startup.h"
#include "platform/application.h"
#include "platform/random.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>

#include <fluidsynth.h>

#include <cstdlib>
#include <sstream>

namespace nalvo {

void ensureQApplication() {
    if (QApplication::instance()) return;
    // The same offscreen platform and 1280 x 800 screen as under CTest.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" NALVO_TEST_SCREEN);
    static int argc = 1;
    static char name[] = "nalvo-tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

namespace {

std::string paintLine(const std::string& pad, Color c) {
    return "paint " + pad + " " + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

}  // namespace

std::pair<Color, Color> classColours(int offset) {
    const std::pair<Color, Color> sharp{RGB(255, 255, 128), RGB(255, 255, 64)};
    const std::pair<Color, Color> octave[12] = {
        {RGB(255, 128, 128), RGB(255, 0, 0)}, sharp, {RGB(255, 192, 255), RGB(255, 128, 192)}, sharp,  // C, D
        {RGB(128, 0, 255), RGB(160, 32, 255)}, {RGB(0, 128, 128), RGB(0, 192, 192)}, sharp,             // E, F
        {RGB(128, 128, 255), RGB(192, 192, 255)}, sharp, {RGB(0, 64, 128), RGB(0, 96, 160)}, sharp,     // G, A
        {RGB(0, 0, 128), RGB(0, 0, 255)}};                                                              // B
    return octave[offset % 12];
}

Lines NoteBlock::log(const Playing& s) const {
    const std::int64_t note = s.pitch + offset;
    const auto [base, highlight] = classColours(offset);
    Lines log;
    std::istringstream in(steps);
    for (std::string step; in >> step;) {
        if (step == "instr") log.push_back("instrument " + std::to_string(s.instrument));
        else if (step == "off") log.push_back("off " + std::to_string(s.lastPitch));
        else if (step == "off60") log.push_back("off 60");
        else if (step == "on") log.push_back("on " + std::to_string(note) + " " + std::to_string(s.velocity));
        else if (step == "lit" || step == "base") log.push_back(paintLine(pad, step == "lit" ? highlight : base));
        else if (step == "store") log.push_back("store " + std::to_string(note));
        else if (step != "reset") ADD_FAILURE() << "unknown step " << step;
        else  // Oval1 to Oval8, then miniOval1 to miniOval5, each in its base colour
            for (int i = 0; i < 13; ++i) {
                const std::string centre = i < 8 ? "Oval" + std::to_string(i + 1) : "miniOval" + std::to_string(i - 7);
                const int offsets[] = {60, 62, 64, 65, 67, 69, 71, 72, 61, 63, 66, 68, 70};
                log.push_back(paintLine(centre == replaces ? pad : centre, classColours(offsets[i]).first));
            }
    }
    return log;
}

void EventLog::paint(const Oval& pad, Color c) { add(paintLine(pad.Name, c)); }

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

void PrintTo(const Playing& p, std::ostream* os) {
    *os << "{MyInstrument " << p.instrument << ", MyPitch " << p.pitch << ", MyVelocity " << p.velocity
        << ", LastPitch " << p.lastPitch << "}";
}

void WindowFixture::SetUp() {
    ensureQApplication();
    resetDefaultWindow();
    _RuntimeUnregisterAppObject();
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
