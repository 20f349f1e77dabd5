// The full-screen button on this desktop: F11 and a maximise from the window
// manager take the window to full screen, its content area unchanged at the
// middle of a black stage; F11 brings it back.
#include "support/fixture.h"

#include <QImage>
#include <QMainWindow>
#include <QTest>

namespace nalvo {
namespace {

class FullScreen : public WindowFixture {
protected:
    QMainWindow& qt() const { return window().qtWindow(); }
    QWidget& content() const { return window().contentArea(); }
    void f11() const { QTest::keyClick(&content(), Qt::Key_F11); }
    bool isNormal1050x500() const {
        return QTest::qWaitFor([&] { return !qt().isFullScreen() && qt().size() == QSize(1050, 500); }, 2000);
    }
};

TEST_F(FullScreen, F11AndMaximiseGoToFullScreenWithTheContentCentredOnBlackAndF11Back) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&qt()));
    ASSERT_TRUE(isNormal1050x500());
    EXPECT_TRUE(qt().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    for (const bool byKey : {true, false}) {
        SCOPED_TRACE(byKey ? "F11" : "maximise");
        if (byKey)
            f11();
        else
            qt().setWindowState(Qt::WindowMaximized);  // what the title bar's button asks for
        ASSERT_TRUE(QTest::qWaitFor([&] { return qt().isFullScreen(); }, 2000));
        EXPECT_TRUE(window().FullScreen());
        QWidget& stage = *content().parentWidget();
        EXPECT_TRUE(QTest::qWaitFor([&] { return stage.size() != content().size(); }, 2000));
        EXPECT_EQ(content().size(), QSize(1050, 500));
        // The suite's screen is 1280 x 800: room on every side.
        EXPECT_EQ(stage.size(), QSize(1280, 800));
        EXPECT_EQ(content().geometry(), QRect(115, 150, 1050, 500));
        const QImage shown = stage.grab().toImage();
        for (const QPoint outside : {QPoint(640, 1), QPoint(1, 400), QPoint(1278, 400), QPoint(640, 798)})
            EXPECT_EQ(shown.pixelColor(outside), QColor(0, 0, 0));
        f11();
        EXPECT_TRUE(isNormal1050x500());
        EXPECT_FALSE(window().FullScreen());
    }
    EXPECT_EQ(take(), Lines{});  // F11 plays nothing
}

}  // namespace
}  // namespace nalvo
