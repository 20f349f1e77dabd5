#include "pads/colours.h"

#include "window/NALVO.h"

#include <array>

namespace nalvo {

namespace {

struct CentreRow {
    const char* name;
    PitchClass pitchClass;
    Oval& (NALVO::*accessor)();
};

// In reset order.
const std::array<CentreRow, centrePadCount> kCentrePads = {{
    {"Oval1", PitchClass::C, &NALVO::Oval1},
    {"Oval2", PitchClass::D, &NALVO::Oval2},
    {"Oval3", PitchClass::E, &NALVO::Oval3},
    {"Oval4", PitchClass::F, &NALVO::Oval4},
    {"Oval5", PitchClass::G, &NALVO::Oval5},
    {"Oval6", PitchClass::A, &NALVO::Oval6},
    {"Oval7", PitchClass::B, &NALVO::Oval7},
    {"Oval8", PitchClass::C, &NALVO::Oval8},
    {"miniOval1", PitchClass::Sharp, &NALVO::miniOval1},
    {"miniOval2", PitchClass::Sharp, &NALVO::miniOval2},
    {"miniOval3", PitchClass::Sharp, &NALVO::miniOval3},
    {"miniOval4", PitchClass::Sharp, &NALVO::miniOval4},
    {"miniOval5", PitchClass::Sharp, &NALVO::miniOval5},
}};

const CentreRow& row(CentrePad pad) { return kCentrePads[static_cast<std::size_t>(pad)]; }

}  // namespace

const char* centrePadName(CentrePad pad) noexcept { return row(pad).name; }
PitchClass centrePadClass(CentrePad pad) noexcept { return row(pad).pitchClass; }
Oval& centrePadControl(NALVO& window, CentrePad pad) { return (window.*row(pad).accessor)(); }

void paintPad(Oval& pad, Color colour) { pad.setFillColor(colour); }

namespace {
Oval& replacingPad(NALVO& window, const ReplacedEntry& entry) {
    if (entry.sender) return *entry.sender;
    if (!entry.accessor) throw NilObjectException("replacing pad is nil");
    return (window.*entry.accessor)();
}
}  // namespace

void centreReset(NALVO& window, const ReplacedEntry* replaced) {
    for (int i = 0; i < centrePadCount; ++i) {
        const auto pad = static_cast<CentrePad>(i);
        Oval& target = (replaced && replaced->centre == pad) ? replacingPad(window, *replaced)
                                                             : centrePadControl(window, pad);
        paintPad(target, baseColour(centrePadClass(pad)));
    }
}

}  // namespace nalvo
