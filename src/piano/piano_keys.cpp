// The piano keys' mouse-down handlers: one form, the note offset per key.
#include "piano/piano_keys.h"

#include "controls/play.h"
#include "window/NALVO.h"

namespace nalvo {

bool pressPianoKey(NALVO& w, std::int64_t noteOffset) {
    setInstrumentFromApp(w);
    playStep(w, noteOffset);
    return false;
}

#define NALVO_PIANO_HANDLER(name, offset) \
    bool NALVO::name##_MouseDown(Rectangle&, std::int64_t, std::int64_t) { return pressPianoKey(*this, offset); }
NALVO_PIANO_KEYS(NALVO_PIANO_HANDLER)
#undef NALVO_PIANO_HANDLER

}  // namespace nalvo
