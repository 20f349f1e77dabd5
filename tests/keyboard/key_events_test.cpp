// Real key events on the offscreen window: Qt key presses and input-method
// commits reach the key-down handler whichever control was clicked last.
#include "support/event_log.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QMainWindow>
#include <QTest>

#include <gtest/gtest.h>

namespace nalvo {
namespace {

constexpr Playing kStart{.instrument = 5, .pitch = 24, .velocity = 100, .lastPitch = 7};

class KeyEvents : public LoggedWindow {
protected:
    void SetUp() override {
        LoggedWindow::SetUp();
        QApplication::setActiveWindow(&window().qtWindow());
    }
    // Where the platform sends a key press: an open popup, else the focus
    // widget, else the window.
    QWidget* target() {
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        if (QWidget* focus = QApplication::focusWidget()) return focus;
        return &window().qtWindow();
    }
    void type(char c) { QTest::keyClick(target(), c); }
    void type(Qt::Key k) { QTest::keyClick(target(), k); }
};

TEST_F(KeyEvents, AnInputMethodCommitIsAKey) {
    start(kStart);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("\u00DB"));
    QApplication::sendEvent(target(), &commit);
    EXPECT_EQ(app().LastPitch, 100);
    EXPECT_EQ(window().Oval12().FillColor(), RGB(160, 32, 255));
}

// Before any click and after a click on any control of the bar, keys play:
// Space starts no button, the arrows move no bar and no popup row.
TEST_F(KeyEvents, KeysStillPlayAfterClickingEachControl) {
    for (const char* clicked : {"", "PushButton1", "PushButton2", "MusicPopupMenu", "PitchBar", "VeclotityBar"}) {
        SCOPED_TRACE(clicked);
        if (*clicked) click(control<RectControl>(clicked));
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        QApplication::processEvents();

        const std::string caption = window().PushButton2().Caption();
        const bool rec = window().REC;
        const std::size_t scriptRuns = scripts().runs().size();
        const std::int64_t pitchBar = window().PitchBar().Value();
        const std::int64_t velocityBar = window().VeclotityBar().Value();
        const std::int64_t row = window().MusicPopupMenu().ListIndex();
        window().PitchSlider().setValue(5);
        window().VelocitySlider().setValue(8);

        start(kStart);
        type(' ');
        EXPECT_EQ(take().size(), 15u);  // instrument, 13 paints, note-off: no random notes
        EXPECT_EQ(window().PushButton2().Caption(), caption);
        EXPECT_EQ(window().REC, rec);
        EXPECT_EQ(scripts().runs().size(), scriptRuns);

        type('z');
        EXPECT_EQ(app().LastPitch, kStart.pitch + 59);
        type('p');
        EXPECT_EQ(app().LastPitch, kStart.pitch + 88);

        for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down})
            type(k);
        EXPECT_EQ(window().PitchSlider().Value(), 6);
        EXPECT_EQ(window().VelocitySlider().Value(), 9);
        EXPECT_EQ(app().MyPitch, 12);
        EXPECT_EQ(app().MyVelocity, 106);
        EXPECT_EQ(window().PitchBar().Value(), pitchBar);
        EXPECT_EQ(window().VeclotityBar().Value(), velocityBar);
        EXPECT_EQ(window().MusicPopupMenu().ListIndex(), row);
    }
}

}  // namespace
}  // namespace nalvo
