// The window fixture with one ordered log of what a pad click does: note
// output calls, pad paints and the LastPitch store, interleaved as they happen.
#pragma once

#include "support/window_fixture.h"

#include <QColor>
#include <QPoint>

#include <cstdint>
#include <string>
#include <vector>

namespace nalvo {

class PadTest : public WindowFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    void setState(std::int64_t instrument, std::int64_t pitch, std::int64_t velocity, std::int64_t lastPitch) {
        setPlaying({instrument, pitch, velocity, lastPitch});
    }

    // Starts a fresh log: "instrument 7", "off 33", "on 84 50",
    // "paint Oval1 255,128,128", and "store 84" where LastPitch has changed
    // since the previous entry.
    void startLog();
    std::vector<std::string> stopLog();

    // The pad's mouse-down raised through its control (and so through the
    // event guard) at the middle of the pad; returns the handler's result.
    bool click(const std::string& pad);
    // A real mouse press on the pad's widget at `at` (widget coordinates).
    void mouseClick(const std::string& pad, QPoint at);

    Oval& pad(const std::string& name) const;
    Color colour(const std::string& name) const { return pad(name).FillColor(); }
    std::int64_t notePlayerInstrument() const { return window().NotePlayer1().Instrument(); }
    // The rendered window's pixel at the middle of the pad.
    QColor pixelAtCentre(const std::string& name) const;

private:
    void noteLastPitch();
    bool logging_ = false;
    std::size_t notesSeen_ = 0;
    std::int64_t lastPitchSeen_ = 0;
    std::vector<std::string> log_;
};

}  // namespace nalvo
