// Pitch and velocity bars, and the instrument popup, on the real widgets.
#include "support/fixture.h"

#include <QComboBox>
#include <QScrollBar>

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

// The hidden sliders clamp to their range and report each change once, though hidden and disabled.
TEST_F(LevelsTest, HiddenSlidersClampAndReportEachChange) {
    Slider& slider = window().PitchSlider();
    EXPECT_FALSE(slider.widget()->isVisible() || slider.widget()->isEnabled());
    const std::pair<std::int64_t, std::int64_t> steps[] = {{42, 48}, {9, 7}, {-3, -48}, {1, 7}, {6, 12}};
    for (const auto& [value, pitch] : steps) {
        app().MyPitch = 7;  // stays when no change is reported
        slider.setValue(value);
        EXPECT_EQ(app().MyPitch, pitch) << value;
    }
    PopupMenu& popup = window().MusicPopupMenu();
    EXPECT_EQ(popup.ListCount(), 128);
    EXPECT_EQ(popup.List(127), "@Gunshot Table");
    EXPECT_THROW(popup.List(128), OutOfBoundsException);
    EXPECT_THROW(popup.setListIndex(128), OutOfBoundsException);
    EXPECT_THROW(popup.setListIndex(-2), OutOfBoundsException);
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
