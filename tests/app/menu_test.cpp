// The menu bar: the item tree as built, lookups at any depth, what Qt shows.
#include "support/fixture.h"

#include "app/MenuBar1.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

namespace nalvo {
namespace {

class MenuTest : public WindowFixture {};

TEST_F(MenuTest, TreeHoldsTheFourteenItemsInBuildOrder) {
    const struct {
        const char *name, *parent, *cls, *text, *shortcut;  // parent "" for the bar
        bool visible;
    } items[] = {  // in the order each parent holds them
        {"UntitledMenu1", "", "MenuItem", "", "", true},   {"FileMenu", "", "MenuItem", "ファイル(&F)", "", false},
        {"EditMenu", "", "MenuItem", "編集(&E)", "", false}, {"UntitledMenu2", "", "MenuItem", "", "", true},
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
    MenuBar& bar = MenuBar1();
    std::map<std::string, std::size_t> position;
    for (const auto& c : items) {
        SCOPED_TRACE(c.name);
        const MenuItem* parent = *c.parent ? bar.Child(c.parent) : &bar;
        ASSERT_NE(parent, nullptr);
        const MenuItem& item = parent->Item(position[c.parent]++);
        EXPECT_EQ(item.Name, c.name);
        EXPECT_EQ(item.classTable().name, c.cls);
        EXPECT_EQ(item.Text, c.text);
        EXPECT_EQ(item.KeyboardShortcut, c.shortcut);
        EXPECT_EQ(item.Visible, c.visible);
        EXPECT_TRUE(item.AutoEnable);
        EXPECT_EQ(bar._Lookup(c.name), &item);  // found from the bar at any depth
    }
    EXPECT_EQ(position, (std::map<std::string, std::size_t>{
                            {"", bar.Count()}, {"EditMenu", bar.Child("EditMenu")->Count()}, {"FileMenu", 2}}));
    EXPECT_EQ(bar.Child("FileQuit"), nullptr);  // Child looks one level down only
    EXPECT_EQ(&window().FileQuit(), bar._Lookup("FileQuit"));
}

TEST_F(MenuTest, QtShowsOnlyTheUntitledTopItemsAndEditShortcutsDoNothing) {
    QMainWindow& qt = window().qtWindow();
    const auto top = qt.menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(top[i]->isVisible(), i == 0 || i == 3) << i;
    EXPECT_EQ(qt.findChild<QAction*>("FileQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(qt.findChild<QAction*>("UntitledMenu0")->isSeparator());
    qt.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&qt, 5000));
    for (Qt::Key key : {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V}) QTest::keyClick(&qt, key, Qt::ControlModifier);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(take(), Lines{});
}

}  // namespace
}  // namespace nalvo
