// One ordered log of what a key press or click did: the note output's calls,
// the pads' FillColor writes and every change of App.LastPitch, as lines:
//   "instrument 5", "off 7", "on 84 100", "paint Oval1 255,128,128", "store 84"
// A store is noticed at the next call or paint after it, or by take().
#pragma once

#include "support/window_fixture.h"

#include <memory>
#include <type_traits>
#include <string>
#include <vector>

namespace nalvo {

using Lines = std::vector<std::string>;

// Forwards every call to the fixture's recording output as well.
class EventLog final : public NoteOutput {
public:
    explicit EventLog(RecordingOutput& forward) : forward_(forward) {}

    void setInstrument(std::int64_t instrument) override {
        add(toString(Instrument(instrument)));
        forward_.setInstrument(instrument);
    }
    void playNote(std::int64_t note, std::int64_t velocity) override {
        add(toString(velocity > 0 ? NoteOn(note, velocity) : NoteOff(note)));
        forward_.playNote(note, velocity);
    }
    void allNotesOff() override {
        add(toString(AllNotesOff()));
        forward_.allNotesOff();
    }
    void paint(const Oval& pad, Color c) {
        add("paint " + pad.Name + " " + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b));
    }

    // Starts a new log from the current App.LastPitch.
    void restart() {
        lines_.clear();
        seen_ = theApp().LastPitch;
    }
    // The log so far, with a final store if LastPitch changed since the last line.
    Lines take() {
        noticeStore();
        Lines out = std::move(lines_);
        restart();
        return out;
    }

private:
    void noticeStore() {
        if (theApp().LastPitch != seen_) {
            seen_ = theApp().LastPitch;
            lines_.push_back("store " + std::to_string(seen_));
        }
    }
    void add(std::string line) {
        noticeStore();
        lines_.push_back(std::move(line));
    }

    RecordingOutput& forward_;
    Lines lines_;
    std::int64_t seen_ = 0;
};

// The window fixture with the event log installed.
class LoggedWindow : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        log_ = std::make_shared<EventLog>(notes());
        setNoteOutput(log_);
        Oval::paintObserver = [log = log_.get()](const Oval& pad, Color c) { log->paint(pad, c); };
        log_->restart();
    }
    void TearDown() override {
        Oval::paintObserver = nullptr;
        WindowFixture::TearDown();
    }
    // Sets the playing state and starts a new log.
    void start(const Playing& p) {
        setPlaying(p);
        log_->restart();
    }
    Lines take() { return log_->take(); }

private:
    std::shared_ptr<EventLog> log_;
};

// A window holding only the named controls, none opened, no handler bound:
// for the failures of a handler whose control is missing.
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
    NALVO& window() { return window_; }

private:
    NALVO window_;
};

// Equal, or equal once the last two lines (the store and the lit pad's paint,
// which may come in either order) are swapped.
inline bool sameLog(const Lines& actual, const Lines& expected) {
    if (actual == expected) return true;
    if (actual.size() != expected.size() || actual.size() < 2) return false;
    Lines swapped = actual;
    std::swap(swapped[swapped.size() - 1], swapped[swapped.size() - 2]);
    return swapped == expected;
}

}  // namespace nalvo
