// The pads' pitch-class colours and the centre reset.
//
// Every pad rests in the base colour of its pitch class and is painted the
// highlight colour of that class when its note plays. The centre reset paints
// the 13 pads of the middle octave their base colours, always in the same
// order; the pad handlers and the computer keyboard run it before lighting a
// pad.
#pragma once

#include "platform/runtime.h"
#include "window/pitch_colours.h"

#include <cstdint>

namespace nalvo {

class NALVO;
class Oval;

// The 13 centre pads; the enumerator's value is the pad's position in the
// centre reset (0 = first painted): naturals rising, then sharps rising.
enum class CentrePad : std::uint8_t {
    Oval1, Oval2, Oval3, Oval4, Oval5, Oval6, Oval7, Oval8,
    miniOval1, miniOval2, miniOval3, miniOval4, miniOval5,
};
inline constexpr int centrePadCount = 13;

// The centre pad's name, pitch class and control accessor.
const char* centrePadName(CentrePad pad) noexcept;
PitchClass centrePadClass(CentrePad pad) noexcept;
Oval& centrePadControl(NALVO& window, CentrePad pad);  // through its accessor

// Paints a pad: sets its FillColor.
void paintPad(Oval& pad, Color colour);

// A replaced reset entry: at `centre`'s position another pad is painted
// `centre`'s base colour, and `centre` itself is not painted. That pad is
// either the clicked pad itself (`sender`) or reached through its control
// accessor at that moment of the reset (`accessor`).
struct ReplacedEntry {
    CentrePad centre;
    Oval* sender = nullptr;
    Oval& (NALVO::*accessor)() = nullptr;
};

// Paints the 13 centre pads their base colours in reset order, each fetched
// afresh through its control accessor on `window`. With `replaced`, that
// entry's painter takes its centre pad's place. An exception from an
// accessor ends the reset there: pads already painted keep their new colour.
void centreReset(NALVO& window, const ReplacedEntry* replaced = nullptr);

}  // namespace nalvo
