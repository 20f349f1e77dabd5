// Pitch and velocity controls, and the instrument popup, on the real widgets.
#include "support/window_fixture.h"

#include <QComboBox>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <string>

namespace nalvo {
namespace {

class LevelsTest : public WindowFixture {
protected:
    // Moves a bar as the user does: through its Qt widget.
    static void drag(ScrollBar& bar, int value) {
        auto* qbar = qobject_cast<QScrollBar*>(bar.widget());
        ASSERT_NE(qbar, nullptr);
        qbar->setValue(value);
    }
    // An arrow key through the window's key-down handler (28 left .. 31 down).
    void arrow(char code) { window().keyDown(std::string(1, code)); }
};

TEST_F(LevelsTest, EveryBarValue) {
    for (int value = 1; value <= 20; ++value) {
        if (value <= 9) {
            drag(window().PitchBar(), value);
            EXPECT_EQ(app().MyPitch, 12 * (value - 5)) << value;
        }
        drag(window().VeclotityBar(), value);
        EXPECT_EQ(app().MyVelocity, 160 - 6 * value) << value;
    }
    // The hidden twins do not follow.
    EXPECT_EQ(window().PitchSlider().Value(), 5);
    EXPECT_EQ(window().VelocitySlider().Value(), 8);
}

TEST_F(LevelsTest, BarsAndArrowKeysMixedTheLastChangeDecides) {
    EXPECT_EQ(app().MyVelocity, 64);  // after start-up, whatever the controls show
    arrow(29);
    arrow(29);
    EXPECT_EQ(app().MyPitch, 24);
    drag(window().PitchBar(), 3);
    EXPECT_EQ(app().MyPitch, -24);
    arrow(29);  // the slider goes on from its own 7
    EXPECT_EQ(window().PitchSlider().Value(), 8);
    EXPECT_EQ(app().MyPitch, 36);
    EXPECT_EQ(window().PitchBar().Value(), 3);

    drag(window().VeclotityBar(), 1);
    EXPECT_EQ(app().MyVelocity, 154);
    arrow(31);
    EXPECT_EQ(window().VelocitySlider().Value(), 9);
    EXPECT_EQ(app().MyVelocity, 106);
    EXPECT_EQ(window().VeclotityBar().Value(), 1);
    arrow(30);
    arrow(30);
    EXPECT_EQ(app().MyVelocity, 118);
    arrow(28);
    EXPECT_EQ(app().MyPitch, 24);
    EXPECT_TRUE(notes().calls().empty());
    EXPECT_TRUE(reports().empty());
}

class InstrumentTest : public WindowFixture {};

TEST_F(InstrumentTest, RowSilencesTheNoteAndReachesThePlayerWithTheNextRandomHit) {
    for (int row : {0, 40, 127}) {
        SCOPED_TRACE(row);
        window().MusicPopupMenu().setListIndex(row == 0 ? 1 : 0);  // so that picking `row` is a change
        setPlaying({.instrument = 5, .pitch = 0, .velocity = 70, .lastPitch = 66});
        window().NotePlayer1().setInstrument(5);
        notes().clear();

        auto* combo = qobject_cast<QComboBox*>(window().MusicPopupMenu().widget());
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(row);  // as the user picks it
        EXPECT_EQ(notes().calls(), (NoteCalls{NoteOff(66)}));
        EXPECT_EQ(playing(), (Playing{row, 0, 70, 66}));
        EXPECT_EQ(window().NotePlayer1().Instrument(), 5);  // not yet

        notes().clear();
        {
            ScriptedRnd rnd({0, 0, 0, 0, 0.5, 0.9});
            click(window().PushButton1());
        }
        EXPECT_EQ(notes().calls(), (NoteCalls{Instrument(row), NoteOff(66), NoteOn(61, 70)}));
        EXPECT_EQ(window().NotePlayer1().Instrument(), row);
    }
    EXPECT_TRUE(reports().empty());
}

TEST_F(InstrumentTest, OpenHandlersOnTheirOwn) {
    window().MusicPopupMenu().setListIndex(127);
    setPlaying({.instrument = 0, .pitch = 0, .velocity = 64, .lastPitch = 50});
    notes().clear();

    app().Event_Open();  // the only handler that stores row + 1
    EXPECT_EQ(notes().calls(), (NoteCalls{NoteOff(50)}));
    EXPECT_EQ(app().MyInstrument, 128);

    notes().clear();
    window().NotePlayer1_Open(window().NotePlayer1());
    EXPECT_EQ(notes().calls(), (NoteCalls{Instrument(128)}));

    notes().clear();
    window().Event_Open();
    EXPECT_EQ(notes().calls(), (NoteCalls{Instrument(127)}));  // no note-off
    EXPECT_EQ(app().MyInstrument, 127);

    notes().clear();
    window().MusicPopupMenu_Open(window().MusicPopupMenu());
    EXPECT_EQ(notes().calls(), (NoteCalls{NoteOff(50)}));
    EXPECT_EQ(playing(), (Playing{127, 0, 64, 50}));
}

}  // namespace
}  // namespace nalvo
