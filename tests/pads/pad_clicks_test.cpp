// Pad clicks on the real window: the ordered log of instrument, note-offs,
// paints, note-ons and the LastPitch store for each of the 37 pads, colours
// across clicks, real rendering, and a pad whose centre pad is missing.
#include "support/event_log.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

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

// Every value different and non-zero, none equal to 60 or to any pad's note,
// so each number in the log names its source.
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
        } else ADD_FAILURE() << "unknown step " << step;
    }
    return log;
}

class PadClicks : public LoggedWindow {
protected:
    // The rendered window's pixel at the middle of the pad.
    QColor pixelAtCentre(const std::string& name) const {
        const Oval& oval = control<Oval>(name);
        const QImage image = window().contentArea().grab().toImage();
        const double ratio = image.devicePixelRatio();
        return image.pixelColor(QPoint(static_cast<int>((oval.Left() + oval.Width() / 2) * ratio),
                                       static_cast<int>((oval.Top() + oval.Height() / 2) * ratio)));
    }
};

TEST_F(PadClicks, EachPadLogsItsStepsInOrderAndReturnsFalse) {
    for (const PadCase& c : kPads) {
        SCOPED_TRACE(c.pad);
        start(kStart);
        EXPECT_FALSE(mouseDown(c.pad));
        EXPECT_EQ(take(), expectedLog(c));
        EXPECT_EQ(playing(), (Playing{7, 24, 50, kStart.pitch + c.offset}));
    }
    EXPECT_TRUE(reports().empty());
}

TEST_F(PadClicks, AMouseClickOnTheWidgetRunsTheHandler) {
    start(kStart);
    QTest::mouseClick(control<Oval>("Oval19").widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 24));
    EXPECT_EQ(take(), expectedLog(kPads[13]));
}

TEST_F(PadClicks, FirstClickAfterStartSilencesNoteZeroAndNotesAreNotLimited) {
    const Playing afterStart = playing();
    start(afterStart);
    mouseDown("miniOval21");
    EXPECT_EQ(take(), expectedLog(kPads[33], afterStart));

    start({1, 48, 154, 0});
    mouseDown("Oval22");
    EXPECT_EQ(app().LastPitch, 132);
    start({1, -48, 40, 5});
    mouseDown("Oval19");
    EXPECT_EQ(app().LastPitch, 0);
}

// Colours that stay or go across several clicks.
TEST_F(PadClicks, ReplacedEntryLeavesItsCentrePadAsItWas) {
    struct Step {
        const char* click;
        std::vector<std::pair<const char*, Color>> colours;
    };
    const Step steps[] = {
        {"Oval4", {{"Oval4", RGB(0, 192, 192)}}},
        {"Oval14", {{"Oval4", RGB(0, 192, 192)}, {"Oval5", RGB(128, 128, 255)}, {"Oval14", RGB(192, 192, 255)}}},
        {"Oval16", {{"Oval4", RGB(0, 192, 192)}, {"Oval16", RGB(0, 192, 192)}}},  // two F pads lit
        {"Oval12", {{"Oval4", RGB(0, 192, 192)}, {"Oval3", RGB(128, 0, 255)}, {"Oval12", RGB(160, 32, 255)}}},
        {"Oval7", {{"Oval4", RGB(0, 128, 128)}}},  // a centre pad: full reset
        {"Oval10", {{"Oval7", RGB(0, 0, 255)}, {"Oval6", RGB(0, 64, 128)}}},
        {"miniOval4", {{"Oval7", RGB(0, 0, 128)}, {"miniOval4", RGB(255, 255, 64)}}},
        {"miniOval41", {{"miniOval4", RGB(255, 255, 128)}, {"miniOval41", RGB(255, 255, 128)}}},
    };
    for (const Step& s : steps) {
        mouseDown(s.click);
        for (const auto& [pad, want] : s.colours) EXPECT_EQ(colour(pad), want) << s.click << ": " << pad;
    }
}

TEST_F(PadClicks, OuterNaturalPadsStayLitOuterSharpPadsDoNot) {
    for (const PadCase& c : kPads) mouseDown(c.pad);
    for (const PadCase& c : kPads) {
        const auto [base, highlight] = kClassColours.at(c.pitchClass);
        const bool outerNatural = c.replaces[0] != '\0';
        EXPECT_EQ(colour(c.pad), outerNatural ? highlight : base) << c.pad;  // the last click was an outer sharp
    }
}

// What the user sees: the offscreen window rendered, pixel at the pad's centre.
TEST_F(PadClicks, TheClickedPadIsDrawnInItsNewColour) {
    EXPECT_EQ(pixelAtCentre("Oval2"), QColor(255, 192, 255));
    EXPECT_EQ(pixelAtCentre("Oval13"), QColor(0, 128, 128));
    mouseDown("Oval2");
    EXPECT_EQ(pixelAtCentre("Oval2"), QColor(255, 128, 192));
    mouseDown("Oval13");
    EXPECT_EQ(pixelAtCentre("Oval13"), QColor(0, 192, 192));
    EXPECT_EQ(pixelAtCentre("Oval2"), QColor(255, 192, 255));
    mouseDown("miniOval31");
    EXPECT_EQ(pixelAtCentre("miniOval31"), QColor(255, 255, 128));
}

// A window holding only NotePlayer1, the centre pads Oval1 to Oval4 and the
// clicked pad, its MouseDown bound: the reset stops at Oval5.
TEST_F(PadClicks, AMissingCentrePadEndsTheHandlerAndIsReportedOnce) {
    const struct {
        const char* pad;
        Lines log;
    } cases[] = {
        {"Oval19", {"instrument 7", "off 33", paintLine("Oval19", RGB(255, 128, 128)), "paint Oval2 255,192,255",
                    "paint Oval3 128,0,255", "paint Oval4 0,128,128"}},
        {"miniOval311", {"off 33", "paint Oval1 255,128,128", "paint Oval2 255,192,255", "paint Oval3 128,0,255",
                         "paint Oval4 0,128,128"}},  // stops before its note
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pad);
        SparseWindow sparse;
        sparse.add<NotePlayer>("NotePlayer1");
        for (const char* name : {"Oval1", "Oval2", "Oval3", "Oval4"}) sparse.add<Oval>(name);
        Oval& pad = sparse.add<Oval>(c.pad);
        sparse.bindMouseDown(pad, "Oval");
        start(kStart);
        clearReports();
        const Value args[] = {std::int64_t{1}, std::int64_t{1}};
        EXPECT_EQ(pad.raiseEvent(event_number::MouseDown, args, Value{false}), Value{false});
        EXPECT_EQ(take(), c.log);
        ASSERT_EQ(reports().size(), 1u);
        EXPECT_NE(reports()[0].find(std::string(c.pad) + "_MouseDown"), std::string::npos) << reports()[0];
        EXPECT_NE(reports()[0].find("NilObjectException"), std::string::npos) << reports()[0];
        EXPECT_EQ(app().LastPitch, 33);
    }
    // The program goes on: the real window's pads still play.
    mouseDown("Oval5");
    EXPECT_EQ(take().back(), "store 91");
}

}  // namespace
}  // namespace nalvo
