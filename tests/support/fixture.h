// What the suites share: one ordered log of what the program did, test
// doubles for the script runner and Rnd, the real window as a fixture, and
// the notes a real synthesizer holds.
//
// The log holds the note output's calls, the pads' FillColor writes and every
// change of App.LastPitch, as lines:
//   "instrument 5", "off 7", "on 84 100", "all off", "paint Oval1 255,128,128", "store 84"
// A store is noticed at the next line after it, or by take().
#pragma once

#include "app/App.h"
#include "platform/fluidsynth_output.h"
#include "platform/script.h"
#include "window/NALVO.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

class QWidget;

namespace nalvo {

using Lines = std::vector<std::string>;

// Starts the offscreen QApplication if none exists; it lives until the end.
void ensureQApplication();

struct Playing {
    std::int64_t instrument = 0, pitch = 0, velocity = 0, lastPitch = 0;
    friend bool operator==(const Playing&, const Playing&) = default;
};
void PrintTo(const Playing& p, std::ostream* os);

// The base and highlight colour of a note offset's pitch class; all sharps share theirs.
std::pair<Color, Color> classColours(int offset);

// A note block of a pad or key. `steps` lists what it logs, in order: instr (the
// instrument), off (note-off of LastPitch), off60, reset (the centre reset, with
// `pad` painted in `replaces`' place), on (MyPitch + offset at MyVelocity), lit or
// base (`pad` in the colours of its pitch class), store (LastPitch := that note).
struct NoteBlock {
    const char* pad = "";
    int offset = 0;
    const char* replaces = "";  // "" for a full reset
    const char* steps = "";
    Lines log(const Playing& s) const;
};

class EventLog final : public NoteOutput {
public:
    void setInstrument(std::int64_t instrument) override { add("instrument " + std::to_string(instrument)); }
    void playNote(std::int64_t note, std::int64_t velocity) override;
    void allNotesOff() override { add("all off"); }
    void paint(const Oval& pad, Color c);
    // The log so far (with a final store if LastPitch changed); starts a new one.
    Lines take();
    // When set, its non-empty result is logged before every note-off.
    std::function<std::string()> beforeNoteOff;

private:
    void add(std::string line);
    void noticeStore();
    Lines lines_;
    std::int64_t seen_ = 0;
};

// The notice and report lines while in scope.
struct Notices {
    Lines lines;
    Notices() { setErrorSink([this](std::string_view l) { lines.emplace_back(l); }); }
    Notices(const Notices&) = delete;  // the sink holds this one
    ~Notices() { setErrorSink({}); }
};

class RecordingScriptRunner final : public ScriptRunner {
public:
    void run(const std::optional<std::filesystem::path>& file, const std::vector<std::string>& args) override {
        runs.push_back(file ? file->string() : "");
        arguments.insert(arguments.end(), args.begin(), args.end());
    }
    std::vector<std::string> runs;  // "" when no item was given
    std::vector<std::string> arguments;
};

// Every test starts afresh: a new App, the log and a recording script runner
// installed, the default window built and shown, the Open events delivered.
// What the start-up logged is in startupLog.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    NALVO& window() const { return defaultWindow(); }
    App& app() const { return theApp(); }
    Lines take() { return log_->take(); }
    EventLog& log() { return *log_; }
    // Sets the playing state and starts a new log.
    void start(const Playing& p);
    Playing playing() const;

    template <class T = RectControl>
    T& control(const std::string& name) const {
        return notNil(checkCast<T>(window()._ControlByName(name)), name);
    }
    // A left click in the middle of the widget, through Qt.
    static void click(QWidget& widget);
    void click(const std::string& name) { click(*control(name).widget()); }
    // MouseDown raised through the control's registrations (and the event guard); the result.
    bool mouseDown(const std::string& name);

    Lines startupLog;
    Notices notices;
    Lines& reports = notices.lines;  // unhandled-exception reports and notices
    std::shared_ptr<RecordingScriptRunner> scripts = std::make_shared<RecordingScriptRunner>();

private:
    std::shared_ptr<EventLog> log_;
};

// A window holding only the controls added to it, none opened, no handler bound.
class SparseWindow {
public:
    template <class T>
    T& add(const std::string& name) {
        std::unique_ptr<Object> object = window.__New(T::__Lookup());
        T& control = *checkCast<T>(object.get());
        if constexpr (std::is_base_of_v<RectControl, T>) control.Constructor();
        control.Name = name;
        window._AddControl(name, std::move(object));
        return control;
    }
    NALVO window;
};

// The small GM SoundFont of the sound tests.
std::filesystem::path testSoundFont();
// The notes the synthesizer holds (voices on, not released): key -> velocity.
std::map<int, int> heldNotes(const FluidSynthOutput& synth);

}  // namespace nalvo
