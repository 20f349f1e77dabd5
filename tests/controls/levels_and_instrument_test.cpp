// Pitch and velocity bars, and the instrument popup, on the real widgets.
#include "support/fixture.h"

#include <QComboBox>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <tuple>

namespace nalvo {
namespace {

class LevelsTest : public WindowFixture {};

TEST_F(LevelsTest, EveryBarValue) {
    // Moves a bar as the user does: through its Qt widget.
    auto drag = [](ScrollBar& bar, int value) { qobject_cast<QScrollBar*>(bar.widget())->setValue(value); };
    const std::int64_t pitches[] = {-48, -36, -24, -12, 0, 12, 24, 36, 48};
    for (int value = 1; value <= 20; ++value) {
        if (value <= 9) {
            drag(window().PitchBar(), value);
            EXPECT_EQ(app().MyPitch, pitches[value - 1]) << value;
        }
        drag(window().VeclotityBar(), value);
        EXPECT_EQ(app().MyVelocity, 160 - 6 * value) << value;
    }
    // The hidden twins do not follow, and the next arrow goes on from the slider's own value.
    EXPECT_EQ(window().PitchSlider().Value(), 5);
    window().keyDown("\x1D");
    EXPECT_EQ(app().MyPitch, 12);
    EXPECT_EQ(window().PitchBar().Value(), 9);
    EXPECT_EQ(take(), Lines{});
}

// A value set from code, by the accessor or the property, is clamped and
// reported once every time, also when it is the one the slider holds; a new
// Maximum reports only a value it moves.
TEST_F(LevelsTest, HiddenSlidersClampAndReportEverySetValue) {
    Slider& slider = window().PitchSlider();
    EXPECT_FALSE(slider.widget()->isVisible() || slider.widget()->isEnabled());
    const PropertyRecord& value = notNil(slider.classTable().findProperty("Value"));
    // Value set, through the property, then MyPitch.
    const std::tuple<std::int64_t, bool, std::int64_t> steps[] = {
        {42, false, 48}, {9, true, 48}, {9, false, 48}, {-3, true, -48}, {1, false, -48}, {6, true, 12}};
    for (const auto& [v, byProperty, pitch] : steps) {
        app().MyPitch = 7;  // stays when nothing is reported
        if (byProperty)
            value.set(slider, Value{v});
        else
            slider.setValue(v);
        EXPECT_EQ(app().MyPitch, pitch) << v;
    }
    for (const auto& [maximum, pitch] : {std::pair{8, 7}, std::pair{5, 0}}) {
        app().MyPitch = 7;
        slider.setMaximum(maximum);
        EXPECT_EQ(app().MyPitch, pitch) << maximum;
    }
    PopupMenu& popup = window().MusicPopupMenu();
    EXPECT_EQ(popup.ListCount(), 128);
    EXPECT_EQ(popup.List(127), "@Gunshot Table");
    EXPECT_THROW(popup.List(128), OutOfBoundsException);
    EXPECT_THROW(popup.setListIndex(128), OutOfBoundsException);
    EXPECT_THROW(popup.setListIndex(-2), OutOfBoundsException);
}

// A click on the bar's arrow towards its Minimum: the top one of an upright
// bar, the left one of a lying bar.
void clickTowardsMinimum(ScrollBar& bar) {
    QWidget& w = *bar.widget();
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier,
                      w.height() > w.width() ? QPoint(w.width() / 2, 4) : QPoint(4, w.height() / 2));
}

// An arrow key at its slider's end still runs the slider's handler, so it takes
// the value back from the bar that set it last; a click on a bar's arrow at
// the bar's end changes nothing and reports nothing.
TEST_F(LevelsTest, AnArrowKeyAtItsSlidersEndTakesTheValueBackFromTheBar) {
    const std::string down = "\x1F", right = "\x1D";
    for (int i = 0; i < 14; ++i) window().keyDown(down);
    EXPECT_EQ(app().MyVelocity, 40);
    for (std::int64_t value = 7; value >= 1; --value) {
        clickTowardsMinimum(window().VeclotityBar());
        ASSERT_EQ(window().VeclotityBar().Value(), value);
    }
    EXPECT_EQ(app().MyVelocity, 154);
    window().keyDown(down);
    EXPECT_EQ(window().VelocitySlider().Value(), 20);
    EXPECT_EQ(app().MyVelocity, 40);
    clickTowardsMinimum(window().VeclotityBar());
    EXPECT_EQ(app().MyVelocity, 40);

    for (int i = 0; i < 4; ++i) window().keyDown(right);
    EXPECT_EQ(app().MyPitch, 48);
    clickTowardsMinimum(window().PitchBar());
    ASSERT_EQ(window().PitchBar().Value(), 4);
    EXPECT_EQ(app().MyPitch, -12);
    window().keyDown(right);
    EXPECT_EQ(window().PitchSlider().Value(), 9);
    EXPECT_EQ(app().MyPitch, 48);
    take();
    window().keyDown("x");
    const Lines x = take();
    EXPECT_NE(std::find(x.begin(), x.end(), "on 108 40"), x.end()) << ::testing::PrintToString(x);
}

TEST_F(LevelsTest, PopupRowSilencesTheNoteAndReachesThePlayerWithTheNextNaturalNote) {
    auto* combo = qobject_cast<QComboBox*>(window().MusicPopupMenu().widget());
    for (int row : {40, 0, 127}) {
        SCOPED_TRACE(row);
        start({.instrument = 5, .pitch = 0, .velocity = 70, .lastPitch = 66});
        combo->setCurrentIndex(row);  // as the user picks it
        EXPECT_EQ(take(), (Lines{"off 66"}));
        EXPECT_EQ(playing(), (Playing{row, 0, 70, 66}));
        mouseDown("Rectangle1");
        EXPECT_EQ(take(), (Lines{"instrument " + std::to_string(row), "off 66", "on 60 70", "store 60"}));
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(LevelsTest, OpenHandlersOnTheirOwn) {
    window().MusicPopupMenu().setListIndex(127);
    start({.instrument = 0, .pitch = 0, .velocity = 64, .lastPitch = 50});
    app().Event_Open();  // the only one that stores row + 1
    EXPECT_EQ(app().MyInstrument, 128);
    window().NotePlayer1_Open(window().NotePlayer1());
    window().Event_Open();
    EXPECT_EQ(app().MyInstrument, 127);
    window().MusicPopupMenu_Open(window().MusicPopupMenu());
    EXPECT_EQ(take(), (Lines{"off 50", "instrument 128", "instrument 127", "off 50"}));
    EXPECT_EQ(playing(), (Playing{127, 0, 64, 50}));
}

}  // namespace
}  // namespace nalvo
