// The 37 pad handlers: four kinds of pad, each one function over its table.
//
// Every value of the shared playing state is read through theApp() at the
// moment its step needs it, and every control is fetched through its accessor
// at each use. A step that throws ends the handler; what earlier steps did
// stays done, and the exception goes to the event guard.
#include "controls/play.h"
#include "pads/colours.h"
#include "window/NALVO.h"

#include <cstdint>

namespace nalvo {

namespace {

using PadAccessor = Oval& (NALVO::*)();

// The play step's pieces (instrument, note-off of LastPitch, note-on,
// remembering the note) are shared with every way of playing; the pads put
// their paints and extra note-offs between them.
void noteOff(NALVO& w, std::int64_t note) { w.NotePlayer1().PlayNote(note, 0); }

// ---- The four kinds ------------------------------------------------------

// Centre natural pads: instrument, centre reset, note-off, note-on, the pad
// lit through its own accessor, store.
struct CentreNaturalPad {
    PadAccessor pad;
    std::int64_t offset;
    PitchClass pitchClass;
};

bool centreNaturalPad(NALVO& w, const CentreNaturalPad& row) {
    setInstrumentFromApp(w);
    centreReset(w);
    noteOffLastPitch(w);
    noteOnAt(w, row.offset);
    paintPad((w.*row.pad)(), highlightColour(row.pitchClass));
    rememberNote(row.offset);
    return false;
}

// Centre sharp pads never set the instrument: note-off, centre reset, (for
// one pad a second note-off), note-on, the pad lit through its own accessor,
// store.
struct CentreSharpPad {
    PadAccessor pad;
    std::int64_t offset;
    bool secondNoteOff;
};

bool centreSharpPad(NALVO& w, const CentreSharpPad& row) {
    noteOffLastPitch(w);
    centreReset(w);
    if (row.secondNoteOff) noteOffLastPitch(w);
    noteOnAt(w, row.offset);
    paintPad((w.*row.pad)(), highlightColour(PitchClass::Sharp));
    rememberNote(row.offset);
    return false;
}

// Outer natural pads: instrument, note-off, centre reset in which the clicked
// pad takes one centre pad's place (not always of its own pitch class),
// note-off again, note-on, the pad lit, store. Nothing paints an outer
// natural pad back, so it stays lit.
struct OuterNaturalPad {
    std::int64_t offset;
    PitchClass pitchClass;
    CentrePad replaced;
};

bool outerNaturalPad(NALVO& w, Oval& sender, const OuterNaturalPad& row) {
    setInstrumentFromApp(w);
    noteOffLastPitch(w);
    const ReplacedEntry entry{row.replaced, &sender};
    centreReset(w, &entry);
    noteOffLastPitch(w);
    noteOnAt(w, row.offset);
    paintPad(sender, highlightColour(row.pitchClass));
    rememberNote(row.offset);
    return false;
}

// Outer sharp pads never set the instrument: note-off (of the constant note
// 60 for the two C-sharp pads), centre reset, the pad lit, (for the C-sharp
// pads the note-off of LastPitch), note-on, the pad back to its base colour,
// store.
struct OuterSharpPad {
    std::int64_t offset;
    bool silences60First;
};

bool outerSharpPad(NALVO& w, Oval& sender, const OuterSharpPad& row) {
    if (row.silences60First)
        noteOff(w, 60);
    else
        noteOffLastPitch(w);
    centreReset(w);
    paintPad(sender, highlightColour(PitchClass::Sharp));
    if (row.silences60First) noteOffLastPitch(w);
    noteOnAt(w, row.offset);
    paintPad(sender, baseColour(PitchClass::Sharp));
    rememberNote(row.offset);
    return false;
}

}  // namespace

// ---- The tables: one row per pad ----------------------------------------

//  pad      offset  pitch class
#define CENTRE_NATURAL_PADS(X) \
    X(Oval1, 60, C)            \
    X(Oval2, 62, D)            \
    X(Oval3, 64, E)            \
    X(Oval4, 65, F)            \
    X(Oval5, 67, G)            \
    X(Oval6, 69, A)            \
    X(Oval7, 71, B)            \
    X(Oval8, 72, C)

//  pad          offset  second note-off after the reset
#define CENTRE_SHARP_PADS(X) \
    X(miniOval1, 61, true)   \
    X(miniOval2, 63, false)  \
    X(miniOval3, 66, false)  \
    X(miniOval4, 68, false)  \
    X(miniOval5, 70, false)

//  pad       offset  pitch class  centre pad it replaces in the reset
#define OUTER_NATURAL_PADS(X) \
    X(Oval19, 48, C, Oval1)   \
    X(Oval18, 50, D, Oval2)   \
    X(Oval17, 52, E, Oval3)   \
    X(Oval16, 53, F, Oval4)   \
    X(Oval14, 55, G, Oval4)   \
    X(Oval10, 57, A, Oval7)   \
    X(Oval9, 59, B, Oval7)    \
    X(Oval11, 74, D, Oval2)   \
    X(Oval12, 76, E, Oval4)   \
    X(Oval13, 77, F, Oval4)   \
    X(Oval15, 79, G, Oval6)   \
    X(Oval20, 81, A, Oval7)   \
    X(Oval21, 83, B, Oval7)   \
    X(Oval22, 84, C, Oval8)

//  pad            offset  silences note 60 first
#define OUTER_SHARP_PADS(X)    \
    X(miniOval111, 49, true)   \
    X(miniOval211, 51, false)  \
    X(miniOval311, 54, false)  \
    X(miniOval411, 56, false)  \
    X(miniOval511, 58, false)  \
    X(miniOval11, 73, true)    \
    X(miniOval21, 75, false)   \
    X(miniOval31, 78, false)   \
    X(miniOval41, 80, false)   \
    X(miniOval51, 82, false)

#define DEFINE_CENTRE_NATURAL(pad, offset, cls)                                   \
    bool NALVO::pad##_MouseDown(Oval&, std::int64_t, std::int64_t) {              \
        return centreNaturalPad(*this, {&NALVO::pad, offset, PitchClass::cls});   \
    }
#define DEFINE_CENTRE_SHARP(pad, offset, second)                                  \
    bool NALVO::pad##_MouseDown(Oval&, std::int64_t, std::int64_t) {              \
        return centreSharpPad(*this, {&NALVO::pad, offset, second});              \
    }
#define DEFINE_OUTER_NATURAL(pad, offset, cls, centre)                                          \
    bool NALVO::pad##_MouseDown(Oval& sender, std::int64_t, std::int64_t) {                     \
        return outerNaturalPad(*this, sender, {offset, PitchClass::cls, CentrePad::centre});    \
    }
#define DEFINE_OUTER_SHARP(pad, offset, silences60)                               \
    bool NALVO::pad##_MouseDown(Oval& sender, std::int64_t, std::int64_t) {       \
        return outerSharpPad(*this, sender, {offset, silences60});                \
    }

CENTRE_NATURAL_PADS(DEFINE_CENTRE_NATURAL)
CENTRE_SHARP_PADS(DEFINE_CENTRE_SHARP)
OUTER_NATURAL_PADS(DEFINE_OUTER_NATURAL)
OUTER_SHARP_PADS(DEFINE_OUTER_SHARP)

}  // namespace nalvo
