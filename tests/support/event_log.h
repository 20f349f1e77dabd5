// One ordered log of what a click or key press did: the note output's calls,
// the pads' FillColor writes and every change of App.LastPitch, as lines:
//   "instrument 5", "off 7", "on 84 100", "paint Oval1 255,128,128", "store 84"
// A store is noticed at the next call or paint after it, or by take().
//
//   class MyTest : public nalvo::LoggedWindow {};
//   TEST_F(MyTest, Something) {
//       start({.instrument = 5, .pitch = 24, .velocity = 100, .lastPitch = 7});
//       mouseDown("Oval1");
//       EXPECT_EQ(take(), (Lines{"instrument 5", ...}));
//   }
#pragma once

#include "support/window_fixture.h"

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace nalvo {

using Lines = std::vector<std::string>;

// "paint Oval1 255,128,128".
std::string paintLine(const std::string& pad, Color c);

// The centre reset's 13 paints in order; with `replaced`, that pad's entry
// paints `by` instead.
Lines centreResetLog(const std::string& replaced = "", const std::string& by = "");

// A note output that logs each call and forwards it to `forward` as well.
class EventLog final : public NoteOutput {
public:
    explicit EventLog(RecordingOutput& forward) : forward_(forward) {}

    void setInstrument(std::int64_t instrument) override;
    void playNote(std::int64_t note, std::int64_t velocity) override;
    void allNotesOff() override;
    void paint(const Oval& pad, Color c) { add(paintLine(pad.Name, c)); }

    // Starts a new log from the current App.LastPitch.
    void restart();
    // The log so far, with a final store if LastPitch changed since the last line.
    Lines take();

private:
    void noticeStore();
    void add(std::string line);

    RecordingOutput& forward_;
    Lines lines_;
    std::int64_t seen_ = 0;
};

// The window fixture with the event log installed.
class LoggedWindow : public WindowFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets the playing state and starts a new log.
    void start(const Playing& p);
    Lines take() { return log_->take(); }

    // The window's control of that name and class.
    template <class T>
    T& control(const std::string& name) const {
        return notNil(checkCast<T>(window()._ControlByName(name)), name);
    }
    Color colour(const std::string& pad) const { return control<Oval>(pad).FillColor(); }
    // The control's MouseDown raised through its registrations (and so through
    // the event guard) at the middle of its box; the handler's result.
    bool mouseDown(const std::string& name);

private:
    std::shared_ptr<EventLog> log_;
};

// A window holding only the controls added to it, none opened and no handler
// bound unless asked: for a handler whose control is missing.
class SparseWindow {
public:
    template <class T>
    T& add(const std::string& name) {
        std::unique_ptr<Object> object = window_.__New(T::__Lookup());
        T& control = *checkCast<T>(object.get());
        if constexpr (std::is_base_of_v<RectControl, T>) control.Constructor();
        control.Name = name;
        window_._AddControl(name, std::move(object));
        return control;
    }
    // Binds the control's MouseDown to the window's "<name>_MouseDown" as the window does.
    void bindMouseDown(RectControl& control, const char* senderClass);
    NALVO& window() { return window_; }

private:
    NALVO window_;
};

}  // namespace nalvo
