// The instrument popup and the Open handlers that set the starting
// instrument. The popup's row r is instrument r, which the note output plays
// as General MIDI program r (0-based).
#include "app/App.h"
#include "window/NALVO.h"

namespace nalvo {

void NALVO::MusicPopupMenu_Change(PopupMenu&) {
    NotePlayer1().PlayNote(theApp().LastPitch, 0);
    theApp().MyInstrument = defaultWindow().MusicPopupMenu().ListIndex();
}

void NALVO::MusicPopupMenu_Open(PopupMenu& sender) {
    NotePlayer1().PlayNote(theApp().LastPitch, 0);
    theApp().MyInstrument = sender.ListIndex();
}

void NALVO::NotePlayer1_Open(NotePlayer&) { NotePlayer1().setInstrument(theApp().MyInstrument); }

void NALVO::Event_Open() {
    NotePlayer1().setInstrument(defaultWindow().MusicPopupMenu().ListIndex());
    theApp().MyInstrument = defaultWindow().MusicPopupMenu().ListIndex();
}

// Stores the row + 1. The application opens before the window's controls and
// the window, whose Open handlers then store the row itself, so the playing
// instrument is the row.
void App::Event_Open() {
    defaultWindow().NotePlayer1().PlayNote(theApp().LastPitch, 0);
    theApp().MyInstrument = defaultWindow().MusicPopupMenu().ListIndex() + 1;
}

}  // namespace nalvo
