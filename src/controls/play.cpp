#include "controls/play.h"

#include "app/App.h"
#include "window/NALVO.h"

namespace nalvo {

void setInstrumentFromApp(NALVO& window) { window.NotePlayer1().setInstrument(theApp().MyInstrument); }

void noteOffLastPitch(NALVO& window) { window.NotePlayer1().PlayNote(theApp().LastPitch, 0); }

void noteOnAt(NALVO& window, std::int64_t offset) {
    NotePlayer& player = window.NotePlayer1();
    const std::int64_t note = theApp().MyPitch + offset;
    player.PlayNote(note, theApp().MyVelocity);
}

void rememberNote(std::int64_t offset) {
    const std::int64_t note = theApp().MyPitch + offset;
    theApp().LastPitch = note;
}

void playStep(NALVO& window, std::int64_t offset) {
    noteOffLastPitch(window);
    noteOnAt(window, offset);
    rememberNote(offset);
}

}  // namespace nalvo
