// Pad clicks on the real window: the ordered log of instrument, note-offs,
// paints, note-ons and the LastPitch store for each of the 37 pads, colours
// across sequences of clicks, real rendering, and a pad whose accessor finds
// no control.
#include "pads/pad_test_support.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace nalvo {
namespace {

// ---- The expected behaviour, spelled out pad by pad ------------------------

struct Rgb {
    int r, g, b;
};

// Base and highlight colour of each pitch class ("#" for every sharp).
const std::map<std::string, std::pair<Rgb, Rgb>> kClassColours = {
    {"C", {{255, 128, 128}, {255, 0, 0}}},     {"D", {{255, 192, 255}, {255, 128, 192}}},
    {"E", {{128, 0, 255}, {160, 32, 255}}},    {"F", {{0, 128, 128}, {0, 192, 192}}},
    {"G", {{128, 128, 255}, {192, 192, 255}}}, {"A", {{0, 64, 128}, {0, 96, 160}}},
    {"B", {{0, 0, 128}, {0, 0, 255}}},         {"#", {{255, 255, 128}, {255, 255, 64}}},
};

// The centre reset: pad and the base colour it is painted, in order.
const std::vector<std::pair<std::string, Rgb>> kCentreReset = {
    {"Oval1", {255, 128, 128}},     {"Oval2", {255, 192, 255}},     {"Oval3", {128, 0, 255}},
    {"Oval4", {0, 128, 128}},       {"Oval5", {128, 128, 255}},     {"Oval6", {0, 64, 128}},
    {"Oval7", {0, 0, 128}},         {"Oval8", {255, 128, 128}},     {"miniOval1", {255, 255, 128}},
    {"miniOval2", {255, 255, 128}}, {"miniOval3", {255, 255, 128}}, {"miniOval4", {255, 255, 128}},
    {"miniOval5", {255, 255, 128}},
};

// Steps: instr = instrument set to MyInstrument; off = note-off of LastPitch;
// off60 = note-off of note 60; reset = centre reset (the pad in `replaces`
// left out and the clicked pad painted its base colour in its place);
// on = note-on of MyPitch + offset at MyVelocity; lit = the clicked pad in
// its highlight colour; base = the clicked pad back in its base colour;
// store = LastPitch := MyPitch + offset.
struct PadCase {
    const char* pad;
    int offset;
    const char* pitchClass;
    const char* replaces;  // "" for a full reset
    const char* steps;
};

const PadCase kPads[] = {
    // centre naturals
    {"Oval1", 60, "C", "", "instr reset off on lit store"},
    {"Oval2", 62, "D", "", "instr reset off on lit store"},
    {"Oval3", 64, "E", "", "instr reset off on lit store"},
    {"Oval4", 65, "F", "", "instr reset off on lit store"},
    {"Oval5", 67, "G", "", "instr reset off on lit store"},
    {"Oval6", 69, "A", "", "instr reset off on lit store"},
    {"Oval7", 71, "B", "", "instr reset off on lit store"},
    {"Oval8", 72, "C", "", "instr reset off on lit store"},
    // centre sharps
    {"miniOval1", 61, "#", "", "off reset off on lit store"},
    {"miniOval2", 63, "#", "", "off reset on lit store"},
    {"miniOval3", 66, "#", "", "off reset on lit store"},
    {"miniOval4", 68, "#", "", "off reset on lit store"},
    {"miniOval5", 70, "#", "", "off reset on lit store"},
    // outer naturals, low octave
    {"Oval19", 48, "C", "Oval1", "instr off reset off on lit store"},
    {"Oval18", 50, "D", "Oval2", "instr off reset off on lit store"},
    {"Oval17", 52, "E", "Oval3", "instr off reset off on lit store"},
    {"Oval16", 53, "F", "Oval4", "instr off reset off on lit store"},
    {"Oval14", 55, "G", "Oval4", "instr off reset off on lit store"},
    {"Oval10", 57, "A", "Oval7", "instr off reset off on lit store"},
    {"Oval9", 59, "B", "Oval7", "instr off reset off on lit store"},
    // outer naturals, high octave
    {"Oval11", 74, "D", "Oval2", "instr off reset off on lit store"},
    {"Oval12", 76, "E", "Oval4", "instr off reset off on lit store"},
    {"Oval13", 77, "F", "Oval4", "instr off reset off on lit store"},
    {"Oval15", 79, "G", "Oval6", "instr off reset off on lit store"},
    {"Oval20", 81, "A", "Oval7", "instr off reset off on lit store"},
    {"Oval21", 83, "B", "Oval7", "instr off reset off on lit store"},
    {"Oval22", 84, "C", "Oval8", "instr off reset off on lit store"},
    // outer sharps
    {"miniOval111", 49, "#", "", "off60 reset lit off on base store"},
    {"miniOval211", 51, "#", "", "off reset lit on base store"},
    {"miniOval311", 54, "#", "", "off reset lit on base store"},
    {"miniOval411", 56, "#", "", "off reset lit on base store"},
    {"miniOval511", 58, "#", "", "off reset lit on base store"},
    {"miniOval11", 73, "#", "", "off60 reset lit off on base store"},
    {"miniOval21", 75, "#", "", "off reset lit on base store"},
    {"miniOval31", 78, "#", "", "off reset lit on base store"},
    {"miniOval41", 80, "#", "", "off reset lit on base store"},
    {"miniOval51", 82, "#", "", "off reset lit on base store"},
};

std::string paintLine(const std::string& pad, Rgb c) {
    std::ostringstream s;
    s << "paint " << pad << ' ' << c.r << ',' << c.g << ',' << c.b;
    return s.str();
}

// Start state: every value different and non-zero, none equal to 60 or to
// any pad's note, so each number in the log names its source.
constexpr std::int64_t kInstrument = 7, kPitch = 24, kVelocity = 50, kLastPitch = 33;

std::vector<std::string> expectedLog(const PadCase& c) {
    const auto [base, highlight] = kClassColours.at(c.pitchClass);
    const std::int64_t note = kPitch + c.offset;
    std::vector<std::string> log;
    std::istringstream steps(c.steps);
    for (std::string step; steps >> step;) {
        if (step == "instr") log.push_back("instrument " + std::to_string(kInstrument));
        else if (step == "off") log.push_back("off " + std::to_string(kLastPitch));
        else if (step == "off60") log.push_back("off 60");
        else if (step == "on") log.push_back("on " + std::to_string(note) + " " + std::to_string(kVelocity));
        else if (step == "lit") log.push_back(paintLine(c.pad, highlight));
        else if (step == "base") log.push_back(paintLine(c.pad, base));
        else if (step == "store") log.push_back("store " + std::to_string(note));
        else if (step == "reset")
            for (const auto& [pad, colour] : kCentreReset)
                log.push_back(paintLine(pad == c.replaces ? c.pad : pad, colour));
        else ADD_FAILURE() << "unknown step " << step;
    }
    return log;
}

// ---- Tests ------------------------------------------------------------------

class PadClicks : public PadTest {};

TEST_F(PadClicks, EachPadLogsItsStepsInOrderAndReturnsFalse) {
    for (const PadCase& c : kPads) {
        SCOPED_TRACE(c.pad);
        setState(kInstrument, kPitch, kVelocity, kLastPitch);
        startLog();
        const bool handled = click(c.pad);
        EXPECT_EQ(stopLog(), expectedLog(c));
        EXPECT_FALSE(handled);
        EXPECT_EQ(theApp().LastPitch, kPitch + c.offset);
        EXPECT_EQ(theApp().MyPitch, kPitch);
        EXPECT_EQ(theApp().MyVelocity, kVelocity);
        EXPECT_EQ(theApp().MyInstrument, kInstrument);
    }
}

TEST_F(PadClicks, AMouseClickOnTheWidgetRunsTheHandler) {
    setState(kInstrument, kPitch, kVelocity, kLastPitch);
    startLog();
    mouseClick("Oval19", QPoint(5, 24));  // off centre: the position does not matter
    EXPECT_EQ(stopLog(), expectedLog(kPads[13]));
}

TEST_F(PadClicks, FirstClickAfterStartSilencesNoteZero) {
    setState(0, 0, 64, 0);
    startLog();
    click("miniOval21");
    const auto log = stopLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.front(), "off 0");
    EXPECT_EQ(log[log.size() - 3], "on 75 64");
    EXPECT_EQ(theApp().LastPitch, 75);
    EXPECT_EQ(colour("miniOval21"), RGB(255, 255, 128));
}

TEST_F(PadClicks, NotesAreNotLimited) {
    setState(1, 48, 154, 0);
    click("Oval22");
    EXPECT_EQ(theApp().LastPitch, 132);
    setState(1, -48, 40, 5);
    click("Oval19");
    EXPECT_EQ(theApp().LastPitch, 0);
}

// Colours that stay or go across several clicks.
TEST_F(PadClicks, ReplacedEntryLeavesItsCentrePadAsItWas) {
    setState(kInstrument, 0, kVelocity, 0);
    click("Oval4");
    EXPECT_EQ(colour("Oval4"), RGB(0, 192, 192));
    click("Oval14");  // replaces Oval4
    EXPECT_EQ(colour("Oval4"), RGB(0, 192, 192));
    EXPECT_EQ(colour("Oval5"), RGB(128, 128, 255));
    EXPECT_EQ(colour("Oval14"), RGB(192, 192, 255));
    click("Oval16");  // replaces Oval4 too: two F pads lit
    EXPECT_EQ(colour("Oval4"), RGB(0, 192, 192));
    EXPECT_EQ(colour("Oval16"), RGB(0, 192, 192));
    click("Oval12");  // E pad replacing the F pad
    EXPECT_EQ(colour("Oval4"), RGB(0, 192, 192));
    EXPECT_EQ(colour("Oval3"), RGB(128, 0, 255));
    EXPECT_EQ(colour("Oval12"), RGB(160, 32, 255));
    click("Oval5");  // a centre pad: full reset
    EXPECT_EQ(colour("Oval4"), RGB(0, 128, 128));
}

TEST_F(PadClicks, ReplacedEntriesOfAnotherPitchClass) {
    setState(kInstrument, 0, kVelocity, 0);
    click("Oval7");
    click("Oval10");  // A pad replacing the B pad
    EXPECT_EQ(colour("Oval7"), RGB(0, 0, 255));
    EXPECT_EQ(colour("Oval6"), RGB(0, 64, 128));
    click("Oval20");
    EXPECT_EQ(colour("Oval7"), RGB(0, 0, 255));
    click("Oval6");
    click("Oval15");  // G pad replacing the A pad
    EXPECT_EQ(colour("Oval6"), RGB(0, 96, 160));
    EXPECT_EQ(colour("Oval5"), RGB(128, 128, 255));
    EXPECT_EQ(colour("Oval15"), RGB(192, 192, 255));
    click("Oval1");
    click("Oval22");  // replaces Oval8, resets Oval1
    EXPECT_EQ(colour("Oval1"), RGB(255, 128, 128));
    click("Oval8");
    click("Oval19");  // replaces Oval1, resets Oval8
    EXPECT_EQ(colour("Oval8"), RGB(255, 128, 128));
}

TEST_F(PadClicks, OuterNaturalPadsStayLitOuterSharpPadsDoNot) {
    setState(kInstrument, 0, kVelocity, 0);
    const char* outerNaturals[] = {"Oval19", "Oval18", "Oval17", "Oval16", "Oval14", "Oval10", "Oval9",
                                   "Oval11", "Oval12", "Oval13", "Oval15", "Oval20", "Oval21", "Oval22"};
    for (const char* pad : outerNaturals) click(pad);
    for (const PadCase& c : kPads) click(c.pad);  // every pad once more
    for (const PadCase& c : kPads) {
        SCOPED_TRACE(c.pad);
        const auto [base, highlight] = kClassColours.at(c.pitchClass);
        const bool outerNatural = c.replaces[0] != '\0';
        const Rgb want = outerNatural ? highlight : base;  // the last click was an outer sharp
        EXPECT_EQ(colour(c.pad), RGB(want.r, want.g, want.b));
    }
}

TEST_F(PadClicks, CentrePadLitUntilTheNextReset) {
    setState(kInstrument, 0, kVelocity, 0);
    click("Oval3");
    click("Oval3");
    EXPECT_EQ(colour("Oval3"), RGB(160, 32, 255));
    click("miniOval4");
    EXPECT_EQ(colour("Oval3"), RGB(128, 0, 255));
    EXPECT_EQ(colour("miniOval4"), RGB(255, 255, 64));
    click("miniOval41");  // outer sharp: full reset, ends in its base colour
    EXPECT_EQ(colour("miniOval4"), RGB(255, 255, 128));
    EXPECT_EQ(colour("miniOval41"), RGB(255, 255, 128));
}

TEST_F(PadClicks, SharpPadsSoundWithTheInstrumentLastSet) {
    setState(3, 0, kVelocity, 0);
    click("Oval1");
    EXPECT_EQ(notePlayerInstrument(), 3);
    theApp().MyInstrument = 9;
    click("miniOval2");
    click("miniOval51");
    EXPECT_EQ(notePlayerInstrument(), 3);
    click("Oval11");
    EXPECT_EQ(notePlayerInstrument(), 9);
}

// What the user sees: the offscreen window rendered, pixel at the pad's centre.
TEST_F(PadClicks, TheClickedPadIsDrawnInItsNewColour) {
    setState(kInstrument, 0, kVelocity, 0);
    EXPECT_EQ(pixelAtCentre("Oval2"), QColor(255, 192, 255));
    EXPECT_EQ(pixelAtCentre("Oval13"), QColor(0, 128, 128));
    click("Oval2");
    EXPECT_EQ(pixelAtCentre("Oval2"), QColor(255, 128, 192));
    click("Oval13");
    EXPECT_EQ(pixelAtCentre("Oval13"), QColor(0, 192, 192));
    EXPECT_EQ(pixelAtCentre("Oval2"), QColor(255, 192, 255));
    click("miniOval31");
    EXPECT_EQ(pixelAtCentre("miniOval31"), QColor(255, 255, 128));
}

}  // namespace
}  // namespace nalvo
