// The control bar on the real widgets: pitch and velocity bars and sliders,
// the instrument popup, and the text sizes of the bar's controls.
#include "support/fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QScrollBar>
#include <QTest>

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
// the bar's end changes nothing and reports nothing. The bars and the sliders
// never follow each other.
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
    EXPECT_EQ(app().MyVelocity, 40);
    clickTowardsMinimum(window().VeclotityBar());
    EXPECT_EQ(app().MyVelocity, 40);

    for (int i = 0; i < 4; ++i) window().keyDown(right);
    clickTowardsMinimum(window().PitchBar());
    EXPECT_EQ(app().MyPitch, -12);
    window().keyDown(right);
    EXPECT_EQ(app().MyPitch, 48);
    EXPECT_EQ((std::vector<std::int64_t>{window().VelocitySlider().Value(), window().VeclotityBar().Value(),
                                         window().PitchSlider().Value(), window().PitchBar().Value()}),
              (std::vector<std::int64_t>{20, 1, 9, 4}));
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

// The layout's text sizes are pixels: the popup's and the text field's 12, the
// random button's 10 in bold; the record button's 0 is the system's own size.
TEST_F(LevelsTest, TextSizesArePixelsAndZeroIsTheApplicationsOwn) {
    // Control, pixels (0: the application's own font size), bold.
    const std::tuple<RectControl&, int, bool> cases[] = {
        {window().MusicPopupMenu(), 12, false}, {window().textfield(), 12, false},
        {window().PushButton1(), 10, true}, {window().PushButton2(), 0, false}};
    for (const auto& [control, pixels, bold] : cases) {
        const QFont font = control.widget()->font();
        const QFont own = QApplication::font(control.widget());
        EXPECT_EQ(font.pixelSize(), pixels ? pixels : own.pixelSize()) << control.Name;
        EXPECT_EQ(font.pointSizeF(), pixels ? -1.0 : own.pointSizeF()) << control.Name;
        EXPECT_EQ(font.bold(), bold) << control.Name;
    }
}

}  // namespace
}  // namespace nalvo
