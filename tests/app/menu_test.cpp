// The menu bar: the item tree as built, lookups at any depth, what Qt shows,
// and Ctrl+Q quitting through the hidden File menu.
#include "support/window_fixture.h"

#include "app/MenuBar1.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace nalvo {
namespace {

struct ItemCase {
    const char* name;
    const char* parent;  // "" for the bar
    const char* cls;
    const char* text;
    const char* shortcut;
    bool visible;
};

// Every item, in the order each parent holds them.
const ItemCase kItems[] = {
    {"UntitledMenu1", "", "MenuItem", "", "", true},
    {"FileMenu", "", "MenuItem", "ファイル(&F)", "", false},
    {"EditMenu", "", "MenuItem", "編集(&E)", "", false},
    {"UntitledMenu2", "", "MenuItem", "", "", true},
    {"FileQuit", "FileMenu", "QuitMenuItem", "終了(&X)", "Cmd+Q", true},
    {"UntitledMenu5", "FileMenu", "MenuItem", "", "", true},
    {"EditUndo", "EditMenu", "MenuItem", "取り消し", "Cmd+Z", true},
    {"UntitledMenu0", "EditMenu", "MenuItem", "-", "", true},
    {"EditCut", "EditMenu", "MenuItem", "カット", "Cmd+X", true},
    {"EditCopy", "EditMenu", "MenuItem", "コピー", "Cmd+C", true},
    {"EditPaste", "EditMenu", "MenuItem", "貼り付け", "Cmd+V", true},
    {"EditClear", "EditMenu", "MenuItem", "クリア", "", true},
    {"UntitledMenu4", "EditMenu", "MenuItem", "", "", true},
    {"UntitledMenu3", "EditMenu", "AppleMenuItem", "", "", true},
};

class MenuTest : public WindowFixture {};

TEST_F(MenuTest, TreeHoldsTheFourteenItemsInBuildOrder) {
    MenuBar& bar = MenuBar1();
    std::map<std::string, std::size_t> position;
    for (const ItemCase& c : kItems) {
        SCOPED_TRACE(c.name);
        const MenuItem* parent = *c.parent ? bar.Child(c.parent) : &bar;
        ASSERT_NE(parent, nullptr);
        const std::size_t at = position[c.parent]++;
        ASSERT_LT(at, parent->Count());
        const MenuItem& item = parent->Item(at);
        EXPECT_EQ(item.Name, c.name);
        EXPECT_EQ(item.classTable().name, c.cls);
        EXPECT_EQ(item.Text, c.text);
        EXPECT_EQ(item.KeyboardShortcut, c.shortcut);
        EXPECT_EQ(item.Visible, c.visible);
        EXPECT_TRUE(item.AutoEnable);
        // Found from the bar at any depth, and through the window's accessor table.
        EXPECT_EQ(bar._Lookup(c.name), &item);
    }
    EXPECT_EQ(bar.Count(), 4u);
    EXPECT_EQ(bar.Child("FileMenu")->Count(), 2u);
    EXPECT_EQ(bar.Child("EditMenu")->Count(), 8u);
    EXPECT_EQ(bar.Child("FileQuit"), nullptr);  // Child looks one level down only
    EXPECT_EQ(bar._Lookup("NoSuchItem"), nullptr);
    EXPECT_EQ(&window().FileQuit(), bar._Lookup("FileQuit"));
    EXPECT_EQ(&window().UntitledMenu3(), bar._Lookup("UntitledMenu3"));
}

TEST_F(MenuTest, QtShowsOnlyTheUntitledTopItemsAndKeepsShortcuts) {
    QMenuBar* qbar = window().qtWindow().menuBar();
    ASSERT_NE(qbar, nullptr);
    const auto top = qbar->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_TRUE(top[0]->isVisible());
    EXPECT_FALSE(top[1]->isVisible());  // File
    EXPECT_FALSE(top[2]->isVisible());  // Edit
    EXPECT_TRUE(top[3]->isVisible());
    EXPECT_EQ(top[1]->text(), QString::fromUtf8("ファイル(&F)"));
    auto* quit = window().qtWindow().findChild<QAction*>("FileQuit");
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    auto* separator = window().qtWindow().findChild<QAction*>("UntitledMenu0");
    ASSERT_NE(separator, nullptr);
    EXPECT_TRUE(separator->isSeparator());
}

TEST_F(MenuTest, CtrlQQuitsTheEventLoopThoughTheFileMenuIsHidden) {
    QMainWindow& qt = window().qtWindow();
    qt.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&qt, 5000));

    bool timedOut = false;
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [&] { timedOut = true; QApplication::exit(7); });
    safety.start(5000);
    QTimer::singleShot(0, &qt, [&qt] { QTest::keyClick(&qt, Qt::Key_Q, Qt::ControlModifier); });

    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
    EXPECT_TRUE(notes().calls().empty());  // Ctrl+Q is no note key
}

TEST_F(MenuTest, EditShortcutsDoNothing) {
    QMainWindow& qt = window().qtWindow();
    qt.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&qt, 5000));
    for (Qt::Key key : {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V}) QTest::keyClick(&qt, key, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(reports().empty());
    EXPECT_EQ(playing(), (Playing{.instrument = 0, .pitch = 0, .velocity = 64, .lastPitch = 0}));
}

}  // namespace
}  // namespace nalvo
