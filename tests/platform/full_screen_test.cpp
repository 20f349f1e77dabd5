// The full-screen button on this desktop: F11 and a maximise from the window
// manager take the window to full screen, its content area unchanged at the
// middle of a black stage; F11 brings it back.
#include "support/fixture.h"

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
        const QRect box = content().geometry();
        if (stage.width() > box.width()) EXPECT_LE(std::abs(box.center().x() - stage.rect().center().x()), 1);
        if (stage.height() > box.height()) EXPECT_LE(std::abs(box.center().y() - stage.rect().center().y()), 1);
        const QPoint outside = stage.height() > 500 ? QPoint(stage.width() / 2, 1) : QPoint(1, stage.height() / 2);
        EXPECT_EQ(stage.grab().toImage().pixelColor(outside), QColor(0, 0, 0));
        f11();
        EXPECT_TRUE(isNormal1050x500());
        EXPECT_FALSE(window().FullScreen());
    }
    EXPECT_EQ(take(), Lines{});  // F11 plays nothing
}

}  // namespace
}  // namespace nalvo
