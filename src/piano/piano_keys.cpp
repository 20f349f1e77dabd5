// The piano keys' mouse-down handlers: one form, the note offset per key.
#include "piano/piano_keys.h"

#include "app/App.h"
#include "window/NALVO.h"

namespace nalvo {

bool pressPianoKey(NALVO& w, std::int64_t noteOffset) {
    w.NotePlayer1().setInstrument(theApp().MyInstrument);
    w.NotePlayer1().PlayNote(theApp().LastPitch, 0);
    w.NotePlayer1().PlayNote(theApp().MyPitch + noteOffset, theApp().MyVelocity);
    theApp().LastPitch = theApp().MyPitch + noteOffset;
    return false;
}

#define NALVO_PIANO_HANDLER(name, offset) \
    bool NALVO::name##_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return pressPianoKey(*this, offset); }
NALVO_PIANO_KEYS(NALVO_PIANO_HANDLER)
#undef NALVO_PIANO_HANDLER

}  // namespace nalvo
