// The full-screen button on this desktop: F11, after the window's KeyDown
// hook has had it, and a maximise from the window manager take a window of
// fixed size to full screen, its content area unchanged at the middle of a
// black stage; F11 brings it back.
#include "platform/record.h"
#include "platform/window.h"
#include "platform_test_support.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QMainWindow>
#include <QTest>

namespace nalvo {
namespace {

// A shown 1050x500 black window, with or without the full-screen button,
// whose KeyDown hook records the keys.
struct KeyedWindow {
    explicit KeyedWindow(bool fullScreenButton) {
        testing::qtApp();
        cls.hook("KeyDown", cls.add("Event_KeyDown", "%b%s", [this](Object&, Args a) -> Value {
            keys.push_back(std::get<std::string>(a[0]));
            return true;
        }));
        window = std::make_unique<Window>(cls.table);
        _SetProperties(*window, RecordWriter()
                                    .integer("Width", 1050).integer("Height", 500).boolean("Resizeable", false)
                                    .boolean("MaximizeButton", false)
                                    .boolean("FullScreenButton", fullScreenButton).boolean("Visible", true)
                                    .boolean("FullScreen", false).boolean("HasBackColor", true)
                                    .color("BackColor", RGB(0, 0, 0))
                                    .content());
        window->Constructor();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&qt()));
    }
    QMainWindow& qt() const { return window->qtWindow(); }
    QWidget& content() const { return window->contentArea(); }
    void f11() const { QTest::keyClick(&content(), Qt::Key_F11); }
    bool isNormal1050x500() const {
        return QTest::qWaitFor([&] { return !qt().isFullScreen() && qt().size() == QSize(1050, 500); }, 2000);
    }

    testing::TestWindowClass cls;
    std::vector<std::string> keys;
    std::unique_ptr<Window> window;
};

TEST(FullScreen, F11AndMaximiseGoToFullScreenWithTheContentCentredOnBlackAndF11Back) {
    KeyedWindow k(true);
    ASSERT_TRUE(k.isNormal1050x500());
    EXPECT_TRUE(k.qt().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    for (const char* way : {"F11", "maximise"}) {
        SCOPED_TRACE(way);
        if (std::string(way) == "F11")
            k.f11();
        else
            k.qt().setWindowState(Qt::WindowMaximized);  // what the title bar's button asks for
        ASSERT_TRUE(QTest::qWaitFor([&] { return k.qt().isFullScreen(); }, 2000));
        EXPECT_TRUE(k.window->FullScreen());

        QWidget& stage = *k.content().parentWidget();
        EXPECT_TRUE(QTest::qWaitFor([&] { return stage.size() != k.content().size(); }, 2000));
        EXPECT_EQ(k.content().size(), QSize(1050, 500));
        // Centred along each side on which the screen is larger than the content area.
        const QRect content = k.content().geometry();
        if (stage.width() > content.width()) EXPECT_LE(std::abs(content.center().x() - stage.rect().center().x()), 1);
        if (stage.height() > content.height()) EXPECT_LE(std::abs(content.center().y() - stage.rect().center().y()), 1);
        const QPoint outside = stage.height() > 500 ? QPoint(stage.width() / 2, 1) : QPoint(1, stage.height() / 2);
        EXPECT_EQ(stage.grab().toImage().pixelColor(outside), QColor(0, 0, 0));

        k.f11();
        EXPECT_TRUE(k.isNormal1050x500());
        EXPECT_FALSE(k.window->FullScreen());
    }
    // F11 went to the KeyDown hook each time, as every key does: it has no text.
    EXPECT_EQ(k.keys, (std::vector<std::string>{"", "", ""}));
}

TEST(FullScreen, WithoutTheButtonF11OnlyReachesTheHook) {
    KeyedWindow k(false);
    EXPECT_FALSE(k.qt().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    k.f11();
    QTest::qWait(50);
    EXPECT_FALSE(k.qt().isFullScreen());
    EXPECT_EQ(k.qt().size(), QSize(1050, 500));
    EXPECT_EQ(k.keys, (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace nalvo
