// Real key events on the offscreen window: Qt key presses and input-method
// commits reach the key-down handler whichever control was clicked last.
#include "support/fixture.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTest>

namespace nalvo {
namespace {

class KeyEvents : public WindowFixture {
protected:
    // Where the platform sends a key press: an open popup, else the focus widget, else the window.
    QWidget* target() {
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        if (QWidget* focus = QApplication::focusWidget()) return focus;
        return &window().qtWindow();
    }
    void type(Qt::Key k) { QTest::keyClick(target(), k); }
    void send(QEvent&& e) { QApplication::sendEvent(target(), &e); }
};

TEST_F(KeyEvents, CommitsRepeatsAndModifiers) {
    QApplication::setActiveWindow(&window().qtWindow());
    start({.instrument = 5, .pitch = 24, .velocity = 100, .lastPitch = 7});
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("\u00DB"));
    send(std::move(commit));
    EXPECT_EQ(app().LastPitch, 100);
    EXPECT_EQ(window().Oval12().FillColor(), RGB(160, 32, 255));
    send(QInputMethodEvent(QStringLiteral("^"), {}));  // no commit: nothing
    type(Qt::Key_Shift);                               // a modifier alone is no key
    EXPECT_EQ(take().size(), 18u);
    send(QKeyEvent(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z", true));  // auto-repeat plays too
    EXPECT_EQ(app().LastPitch, 83);
}

// Before any click and after a click on any control of the bar, keys play:
// Space starts no button, the arrows move no bar and no popup row.
TEST_F(KeyEvents, KeysStillPlayAfterClickingEachControl) {
    QApplication::setActiveWindow(&window().qtWindow());
    for (const char* clicked : {"", "PushButton1", "PushButton2", "MusicPopupMenu", "PitchBar", "VeclotityBar"}) {
        if (*clicked) click(clicked);
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        const auto shown = [this] {
            return std::vector<std::int64_t>{window().REC, std::int64_t(scripts->runs.size()), window().PitchBar().Value(),
                                             window().VeclotityBar().Value(), window().MusicPopupMenu().ListIndex()};
        };
        const auto before = shown();
        start({.instrument = 5, .pitch = 24, .velocity = 100, .lastPitch = 7});
        for (Qt::Key k : {Qt::Key_Space, Qt::Key_Z, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                          Qt::Key_Down})
            type(k);
        EXPECT_EQ(take().size(), 15u + 18u) << clicked;  // Space, then "z": no random notes
        EXPECT_EQ(playing(), (Playing{5, 12, 106, 83})) << clicked;
        EXPECT_EQ(shown(), before) << clicked;
        window().PitchSlider().setValue(5);
        window().VelocitySlider().setValue(8);
    }
}

}  // namespace
}  // namespace nalvo
