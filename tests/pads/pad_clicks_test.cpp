// Pad clicks on the real window: each pad's place and colour, the ordered
// log of instrument, note-offs, paints, note-ons and the LastPitch store for
// each of the 37 pads, and colours across clicks.
#include "support/fixture.h"

#include <QTest>
#include <QWidget>

#include <map>
#include <sstream>

namespace nalvo {
namespace {

// Base and highlight colour of each pitch class ("#" for every sharp).
const std::map<std::string, std::pair<Color, Color>> kClassColours = {
    {"C", {RGB(255, 128, 128), RGB(255, 0, 0)}},     {"D", {RGB(255, 192, 255), RGB(255, 128, 192)}},
    {"E", {RGB(128, 0, 255), RGB(160, 32, 255)}},    {"F", {RGB(0, 128, 128), RGB(0, 192, 192)}},
    {"G", {RGB(128, 128, 255), RGB(192, 192, 255)}}, {"A", {RGB(0, 64, 128), RGB(0, 96, 160)}},
    {"B", {RGB(0, 0, 128), RGB(0, 0, 255)}},         {"#", {RGB(255, 255, 128), RGB(255, 255, 64)}},
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
    int left, top, size;
};

// The step sequences of the four kinds of pad (and their quirks).
const char* const kNatural = "instr reset off on lit store";
const char* const kSharp = "off reset on lit store";
const char* const kSharpTwice = "off reset off on lit store";
const char* const kOuter = "instr off reset off on lit store";
const char* const kOuterSh = "off reset lit on base store";
const char* const kOuterSh60 = "off60 reset lit off on base store";

const PadCase kPads[] = {  // name, offset, pitch class, replaced centre pad, steps, left, top, size
    {"Oval1", 60, "C", "", kNatural, 312, 270, 72}, {"Oval2", 62, "D", "", kNatural, 382, 241, 72},
    {"Oval3", 64, "E", "", kNatural, 437, 294, 72}, {"Oval4", 65, "F", "", kNatural, 501, 247, 72},
    {"Oval5", 67, "G", "", kNatural, 559, 294, 72}, {"Oval6", 69, "A", "", kNatural, 621, 241, 72},
    {"Oval7", 71, "B", "", kNatural, 674, 294, 72}, {"Oval8", 72, "C", "", kNatural, 746, 270, 72},
    {"miniOval1", 61, "#", "", kSharpTwice, 342, 228, 42}, {"miniOval2", 63, "#", "", kSharp, 455, 228, 42},
    {"miniOval3", 66, "#", "", kSharp, 548, 210, 42}, {"miniOval4", 68, "#", "", kSharp, 595, 210, 42},
    {"miniOval5", 70, "#", "", kSharp, 692, 242, 42}, {"Oval19", 48, "C", "Oval1", kOuter, 132, -1, 48},
    {"Oval18", 50, "D", "Oval2", kOuter, 138, 50, 48}, {"Oval17", 52, "E", "Oval3", kOuter, 148, 100, 48},
    {"Oval16", 53, "F", "Oval4", kOuter, 148, 150, 48}, {"Oval14", 55, "G", "Oval4", kOuter, 180, 194, 48},
    {"Oval10", 57, "A", "Oval7", kOuter, 231, 210, 48}, {"Oval9", 59, "B", "Oval7", kOuter, 267, 247, 48},
    {"Oval11", 74, "D", "Oval2", kOuter, 789, 230, 48}, {"Oval12", 76, "E", "Oval4", kOuter, 838, 247, 48},
    {"Oval13", 77, "F", "Oval4", kOuter, 880, 219, 48}, {"Oval15", 79, "G", "Oval6", kOuter, 899, 170, 48},
    {"Oval20", 81, "A", "Oval7", kOuter, 909, 117, 48}, {"Oval21", 83, "B", "Oval7", kOuter, 940, 75, 48},
    {"Oval22", 84, "C", "Oval8", kOuter, 940, 24, 48}, {"miniOval111", 49, "#", "", kOuterSh60, 180, 28, 30},
    {"miniOval211", 51, "#", "", kOuterSh, 189, 68, 30}, {"miniOval311", 54, "#", "", kOuterSh, 198, 126, 30},
    {"miniOval411", 56, "#", "", kOuterSh, 231, 170, 30}, {"miniOval511", 58, "#", "", kOuterSh, 285, 210, 30},
    {"miniOval11", 73, "#", "", kOuterSh60, 758, 236, 30}, {"miniOval21", 75, "#", "", kOuterSh, 838, 219, 30},
    {"miniOval31", 78, "#", "", kOuterSh, 865, 194, 30}, {"miniOval41", 80, "#", "", kOuterSh, 880, 143, 30},
    {"miniOval51", 82, "#", "", kOuterSh, 909, 84, 30},
};

// Every value different and non-zero, none equal to 60 or to any pad's note.
constexpr Playing kStart{.instrument = 7, .pitch = 24, .velocity = 50, .lastPitch = 33};

Lines expectedLog(const PadCase& c, const Playing& s = kStart) {
    const auto [base, highlight] = kClassColours.at(c.pitchClass);
    const std::int64_t note = s.pitch + c.offset;
    Lines log;
    std::istringstream steps(c.steps);
    for (std::string step; steps >> step;) {
        if (step == "instr") log.push_back("instrument " + std::to_string(s.instrument));
        else if (step == "off") log.push_back("off " + std::to_string(s.lastPitch));
        else if (step == "off60") log.push_back("off 60");
        else if (step == "on") log.push_back("on " + std::to_string(note) + " " + std::to_string(s.velocity));
        else if (step == "lit") log.push_back(paintLine(c.pad, highlight));
        else if (step == "base") log.push_back(paintLine(c.pad, base));
        else if (step == "store") log.push_back("store " + std::to_string(note));
        else if (step == "reset") {
            const Lines reset = centreResetLog(c.replaces, c.pad);
            log.insert(log.end(), reset.begin(), reset.end());
        }
    }
    return log;
}

class PadClicks : public WindowFixture {};

TEST_F(PadClicks, EachPadInItsPlaceAndColourLogsItsStepsInOrder) {
    for (const PadCase& c : kPads) {
        SCOPED_TRACE(c.pad);
        const Oval& pad = control<Oval>(c.pad);
        EXPECT_EQ((std::vector<std::int64_t>{pad.Left(), pad.Top(), pad.Width(), pad.Height()}),
                  (std::vector<std::int64_t>{c.left, c.top, c.size, c.size}));
        EXPECT_EQ(pad.FillColor(), kClassColours.at(c.pitchClass).first);
        start(kStart);
        EXPECT_FALSE(mouseDown(c.pad));
        EXPECT_EQ(take(), expectedLog(c));
    }
    start(kStart);  // a click through Qt, inside the disc
    QTest::mouseClick(control<Oval>("Oval19").widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 24));
    EXPECT_EQ(take(), expectedLog(kPads[13]));
    EXPECT_TRUE(reports.empty());
}

// The first note after start-up silences note 0, and LastPitch keeps any value.
TEST_F(PadClicks, FirstClickSilencesNoteZeroAndNotesAreNotLimited) {
    const Playing afterStart = playing();
    mouseDown("miniOval21");
    EXPECT_EQ(take(), expectedLog(kPads[33], afterStart));
    start({1, 48, 154, 0});
    mouseDown("Oval22");
    EXPECT_EQ(app().LastPitch, 132);
}

// Colours that stay or go across several clicks.
TEST_F(PadClicks, ColoursAcrossClicks) {
    const std::pair<const char*, std::vector<std::pair<const char*, Color>>> steps[] = {
        {"Oval4", {{"Oval4", RGB(0, 192, 192)}}},
        {"Oval14", {{"Oval4", RGB(0, 192, 192)}, {"Oval5", RGB(128, 128, 255)}, {"Oval14", RGB(192, 192, 255)}}},
        {"Oval16", {{"Oval4", RGB(0, 192, 192)}, {"Oval16", RGB(0, 192, 192)}}},  // two F pads lit
        {"Oval12", {{"Oval3", RGB(128, 0, 255)}, {"Oval12", RGB(160, 32, 255)}}},
        {"Oval7", {{"Oval4", RGB(0, 128, 128)}}},  // a centre pad: full reset
        {"Oval10", {{"Oval7", RGB(0, 0, 255)}, {"Oval6", RGB(0, 64, 128)}}},
        {"miniOval4", {{"Oval7", RGB(0, 0, 128)}, {"miniOval4", RGB(255, 255, 64)}}},
        {"miniOval41", {{"miniOval4", RGB(255, 255, 128)}, {"miniOval41", RGB(255, 255, 128)}}},
    };
    for (const auto& [clicked, colours] : steps) {
        mouseDown(clicked);
        for (const auto& [pad, want] : colours) EXPECT_EQ(colour(pad), want) << clicked << ": " << pad;
    }
    // Outer natural pads stay lit; the rest show their base colour after an outer sharp pad.
    for (const PadCase& c : kPads) mouseDown(c.pad);
    for (const PadCase& c : kPads) {
        const auto [base, highlight] = kClassColours.at(c.pitchClass);
        EXPECT_EQ(colour(c.pad), *c.replaces ? highlight : base) << c.pad;
    }
}

}  // namespace
}  // namespace nalvo
