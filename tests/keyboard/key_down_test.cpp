// The key-down handler: every key's exact log, the arrows through the hidden
// sliders and a missing control; then real Qt key presses and input-method
// commits, which reach it whichever control was clicked last.
#include "support/fixture.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTest>

#include <tuple>

namespace nalvo {
namespace {

// All four values different and non-zero, so each note shows its source.
constexpr Playing kStart{.instrument = 5, .pitch = 24, .velocity = 100, .lastPitch = 7};

// The note keys' step sequences: with or without the instrument, and the
// note-off of LastPitch (or of 60) before the reset, after it, or both.
const char* const kInstr = "instr reset off on store lit";
const char* const kLate = "reset off on store lit";
const char* const kEarly = "off reset on store lit";
const char* const kTwice = "off reset off on store lit";
const char* const k60 = "off60 reset off on store lit";

// Keys act by their first character; keys not listed do nothing.
const std::pair<std::string, NoteBlock> kKeys[] = {
    {"z", {"Oval9", 59, "Oval7", kInstr}}, {"x", {"Oval1", 60, "", kInstr}}, {"c", {"Oval2", 62, "", kInstr}},
    {"v", {"Oval3", 64, "", kLate}}, {"b", {"Oval4", 65, "", kInstr}}, {"n", {"Oval5", 67, "", kInstr}},
    {"m", {"Oval6", 69, "", kLate}}, {",", {"Oval7", 71, "", kInstr}}, {".", {"Oval8", 72, "", kInstr}},
    {"/", {"Oval11", 74, "Oval2", kInstr}}, {"\u00DB", {"Oval12", 76, "Oval3", kInstr}},
    {"d", {"miniOval1", 61, "", kTwice}}, {"f", {"miniOval2", 63, "", kEarly}}, {"h", {"miniOval3", 66, "", kEarly}},
    {"j", {"miniOval4", 68, "", kEarly}}, {"k", {"miniOval5", 70, "", kEarly}}, {";", {"miniOval1", 73, "", k60}},
    {"]", {"miniOval2", 75, "", kEarly}}, {"q", {"Oval1", 72, "", kInstr}}, {"w", {"Oval2", 74, "", kInstr}},
    {"e", {"Oval3", 76, "", kLate}}, {"r", {"Oval4", 77, "", kInstr}}, {"t", {"Oval5", 79, "", kInstr}},
    {"y", {"Oval6", 81, "", kLate}}, {"u", {"Oval7", 83, "", kInstr}}, {"i", {"Oval8", 84, "", kInstr}},
    {"o", {"Oval2", 86, "", kInstr}}, {"p", {"Oval3", 88, "", kInstr}}, {"2", {"miniOval1", 73, "", kTwice}},
    {"3", {"miniOval2", 75, "", kEarly}}, {"5", {"miniOval3", 78, "", kEarly}}, {"6", {"miniOval4", 80, "", kEarly}},
    {"7", {"miniOval5", 82, "", kEarly}}, {"9", {"miniOval1", 85, "", k60}}, {"0", {"miniOval2", 87, "", kEarly}},
    {" ", {"", 0, "", "instr reset off"}}, {"zx", {"Oval9", 59, "Oval7", kInstr}},
    {"\u00DBa", {"Oval12", 76, "Oval3", kInstr}}, {"; ", {"miniOval1", 73, "", k60}},
    {"Z", {}}, {"Q", {}}, {"a", {}}, {"s", {}}, {"g", {}}, {"l", {}}, {"1", {}}, {"4", {}}, {"8", {}}, {"-", {}},
    {"[", {}}, {"'", {}}, {"", {}}, {"\U0001D11E", {}}, {"\xDB", {}}, {{"\0z", 2}, {}},
};

using KeyDown = WindowFixture;

TEST_F(KeyDown, EveryKeyRunsItsNoteBlockOrNothing) {
    for (const auto& [key, block] : kKeys) {
        start(kStart);
        EXPECT_TRUE(window().Event_KeyDown(key));
        EXPECT_EQ(take(), block.log(kStart)) << ::testing::PrintToString(key);
        const bool stores = std::string(block.steps).find("store") != std::string::npos;
        const std::int64_t last = stores ? kStart.pitch + block.offset : kStart.lastPitch;
        EXPECT_EQ(playing(), (Playing{5, 24, 100, last})) << ::testing::PrintToString(key);
    }
}

// The hidden sliders run from 1 to 9 and 1 to 20 and start at 5 and 8.
TEST_F(KeyDown, ArrowsStepTheHiddenSlidersToTheirLimits) {
    // Key code, presses, then MyPitch and MyVelocity.
    const std::tuple<char, int, std::int64_t, std::int64_t> steps[] = {
        {28, 1, -12, 64},   {29, 2, 12, 64},   {30, 1, 12, 118}, {31, 2, 12, 106},
        {28, 10, -48, 106}, {29, 10, 48, 106}, {31, 25, 48, 40}, {30, 25, 48, 154}};
    start({0, 0, 64, 0});
    for (const auto& [code, presses, pitch, velocity] : steps) {
        for (int i = 0; i < presses; ++i) EXPECT_TRUE(window().Event_KeyDown(std::string(1, code)));
        EXPECT_EQ(playing(), (Playing{0, pitch, velocity, 0})) << int(code) << " x" << presses;
    }
    EXPECT_EQ(take(), Lines{});
}

// Without Oval5 the reset stops there; "z" paints Oval9 in Oval7's place, so
// without Oval9 it stops at that place. Each failure is reported once.
TEST_F(KeyDown, AMissingPadStopsTheKeyWhereTheResetReachesIt) {
    SparseWindow w;
    w.add<NotePlayer>("NotePlayer1");
    for (int i = 1; i <= 4; ++i) w.add<Oval>("Oval" + std::to_string(i));
    start(kStart);
    reports.clear();
    const Lines x = NoteBlock{"Oval1", 60, "", "instr reset"}.log(kStart);
    const Lines fourPaints(x.begin(), x.begin() + 5), sixPaints(x.begin(), x.begin() + 7);
    EXPECT_FALSE(w.window.keyDown("x"));
    EXPECT_EQ(take(), fourPaints);
    EXPECT_FALSE(w.window.keyDown(" "));  // as far, and no note-off
    EXPECT_EQ(take(), fourPaints);
    EXPECT_TRUE(w.window.keyDown("a"));
    EXPECT_FALSE(w.window.keyDown("\x1C"));  // no PitchSlider
    for (int i = 5; i <= 7; ++i) w.add<Oval>("Oval" + std::to_string(i));
    EXPECT_FALSE(w.window.keyDown("z"));
    EXPECT_EQ(take(), sixPaints);
    EXPECT_EQ(app().LastPitch, 7);
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_NE(reports[0].find("NilObjectException"), std::string::npos) << reports[0];
}

// Where the platform sends a key press: an open popup, else the focus widget, else the window.
QWidget* keyTarget(QWidget& window) {
    QWidget* popup = QApplication::activePopupWidget();
    return popup ? popup : QApplication::focusWidget() ? QApplication::focusWidget() : &window;
}

// Before any click and after a click on any control of the bar, keys play: Space
// starts no button, the arrows move no bar and no popup row; a commit plays its
// key, an auto-repeat plays again, a pre-edit plays nothing, and a modifier
// alone is no key-down: nothing takes it, and it goes on as usual.
TEST_F(KeyDown, QtKeysAndCommitsPlayAfterClickingEachControl) {
    QMainWindow& qt = window().qtWindow();
    QApplication::setActiveWindow(&qt);
    const auto shown = [this] {
        return std::vector<std::int64_t>{window().REC, std::int64_t(scripts->runs.size()), window().PitchBar().Value(),
                                         window().VeclotityBar().Value(), window().MusicPopupMenu().ListIndex()};
    };
    for (const char* clicked : {"", "PushButton1", "PushButton2", "MusicPopupMenu", "PitchBar", "VeclotityBar"}) {
        if (*clicked) click(clicked);
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        const auto before = shown();
        start(kStart);
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8("\u00DB"));
        QApplication::sendEvent(keyTarget(qt), &commit);
        EXPECT_EQ(app().LastPitch, 100) << clicked;
        QInputMethodEvent preEdit(QStringLiteral("z"), {});
        QApplication::sendEvent(keyTarget(qt), &preEdit);
        QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
        QApplication::sendEvent(keyTarget(qt), &shift);
        EXPECT_FALSE(shift.isAccepted()) << clicked;
        for (Qt::Key k : {Qt::Key_Space, Qt::Key_Z, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right,
                          Qt::Key_Up, Qt::Key_Down, Qt::Key_Down})
            QTest::keyClick(keyTarget(qt), k);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z", true);
        QApplication::sendEvent(keyTarget(qt), &repeat);
        // The commit, Space, "z", the arrows (no line), the repeated "z".
        const Playing afterCommit{5, 24, 100, 100}, afterArrows{5, 12, 106, 83};
        Lines expected;
        for (const Lines& part : {NoteBlock{"Oval12", 76, "Oval3", kInstr}.log(kStart),
                                  NoteBlock{"", 0, "", "instr reset off"}.log(afterCommit),
                                  NoteBlock{"Oval9", 59, "Oval7", kInstr}.log(afterCommit),
                                  NoteBlock{"Oval9", 59, "Oval7", kInstr}.log(afterArrows)})
            expected.insert(expected.end(), part.begin(), part.end());
        EXPECT_EQ(take(), expected) << clicked;
        EXPECT_EQ(playing(), (Playing{5, 12, 106, 71})) << clicked;
        EXPECT_EQ(shown(), before) << clicked;
        window().PitchSlider().setValue(5);
        window().VelocitySlider().setValue(8);
    }
}

}  // namespace
}  // namespace nalvo
