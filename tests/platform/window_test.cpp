// The Window: its class table, recorded settings, build hooks, stacking of
// controls, Open events and the key filter.
#include "platform/controls.h"
#include "platform/record.h"
#include "platform/window.h"
#include "platform_test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <set>

namespace nalvo {
namespace {

using testing::bind;
using testing::CapturedErrors;
using testing::TestWindowClass;

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { testing::qtApp(); }
};

TEST_F(WindowTest, ClassTableMembers) {
    const ClassTable& cls = Window::__Lookup();
    EXPECT_EQ(&cls, &Window::__Lookup());
    const std::vector<std::string> names{
        "AcceptFileDrop", "AcceptMacDataDrop", "AcceptPictureDrop", "AcceptRawDataDrop", "AcceptTextDrop",
        "BitmapForCaching", "Close", "Constructor", "Control", "DrawInto", "FocusNext", "FocusPrevious", "Hide",
        "Invalidate", "Invalidate", "Maximize", "Minimize", "Operator_Convert", "Refresh", "RefreshRect", "Restore",
        "SetFocus", "Show", "ShowModal", "ShowModalWithin", "ShowWithin", "TrueWindow", "UpdateNow", "Window",
        "_AddControl", "_AddMenuHandler", "_ControlByName", "_ControlByNameIndex", "_DependencyList", "_GetControl",
        "_GetControlArray", "_Move", "__Exit", "__Init", "__New"};
    ASSERT_EQ(cls.members.size(), names.size());
    const std::set<std::string> slotless{"_GetControl", "_GetControlArray", "__Exit", "__Init"};
    std::vector<const MemberRecord*> slotted;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const MemberRecord& m = cls.members[i];
        EXPECT_EQ(m.name, names[i]);
        const std::uint32_t flags = slotless.count(m.name) ? 0x40u : m.name == "Window" ? 0x120u : 0x101u;
        EXPECT_EQ(m.flags, flags) << m.name;
        EXPECT_TRUE(m.attributes.empty());
        EXPECT_TRUE(m.invoker) << m.name;
        if (m.hasSlot()) {
            EXPECT_EQ(m.slot, slotted.size()) << m.name;
            slotted.push_back(&m);
        }
    }
    EXPECT_EQ(cls.methodTable, slotted);
    EXPECT_EQ(cls.methodTable.size(), 36u);

    // Members of one signature share a routine; different signatures do not.
    auto member = [&](const char* n, const char* sig = "") { return cls.findMember(n, sig); };
    EXPECT_EQ(member("AcceptFileDrop")->invoker, member("AcceptRawDataDrop")->invoker);
    EXPECT_NE(member("Invalidate", "%%b")->invoker, member("Invalidate", "%%i8i8i8i8b")->invoker);
    EXPECT_EQ(member("_ControlByName")->signature, "%o<Object>%s");
    EXPECT_EQ(member("__New")->signature, "%o<Object>%p");
}

TEST_F(WindowTest, ClassTableEventsAndProperties) {
    const ClassTable& cls = Window::__Lookup();
    EXPECT_EQ(cls.events.size(), 34u);
    for (const char* e : {"Close", "CreateControls", "KeyDown", "Layout", "Open"}) EXPECT_TRUE(cls.findEvent(e)) << e;
    for (const EventEntry& e : cls.events) EXPECT_EQ(e.implementation, nullptr);
    EXPECT_EQ(cls.properties.size(), 48u);
    std::set<std::string> unique;
    for (const PropertyRecord& p : cls.properties) unique.insert(p.name);
    EXPECT_EQ(unique.size(), 48u);
    EXPECT_EQ(cls.findProperty("MenuBar")->type, PropertyType::Object);
}

std::string windowRecord() {
    return RecordWriter()
        .integer("Width", 1050).integer("Height", 500).integer("MinWidth", 64).integer("MinHeight", 64)
        .integer("MaxWidth", 32000).integer("MaxHeight", 32000).integer("Frame", 11).string("Title", "NALVO PRO 2018")
        .boolean("CloseButton", true).boolean("Resizeable", false).boolean("MaximizeButton", false)
        .boolean("MinimizeButton", false).boolean("FullScreenButton", true).boolean("Composite", false)
        .integer("MacProcID", 0).integer("Placement", 0).boolean("Visible", true).boolean("LiveResize", false)
        .boolean("FullScreen", false).boolean("HasBackColor", true).color("BackColor", RGB(0, 0, 0))
        .boolean("MenuBarVisible", true)
        .content();
}

TEST_F(WindowTest, RecordGivesAFixedBlackTitledContentArea) {
    Window w(Window::__Lookup());
    const std::string record = windowRecord();
    EXPECT_EQ(record.size(), 336u);
    _SetProperties(w, record);
    EXPECT_EQ(w.Width(), 1050);
    EXPECT_EQ(w.Title(), "NALVO PRO 2018");
    EXPECT_FALSE(w.Resizeable());
    EXPECT_TRUE(w.HasBackColor());
    EXPECT_EQ(w.stored.at("Frame"), Value(std::int64_t{11}));
    EXPECT_EQ(w.qtWindow().windowTitle(), "NALVO PRO 2018");
    // A close button, but no minimize or maximize button (the hints only
    // count with CustomizeWindowHint; without it Qt gives the default buttons).
    const Qt::WindowFlags flags = w.qtWindow().windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMaximizeButtonHint));  // stands in for the full-screen button
    w.qtWindow().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.qtWindow()));
    EXPECT_EQ(w.contentArea().size(), QSize(1050, 500));
    EXPECT_EQ(w.qtWindow().minimumSize(), w.qtWindow().maximumSize());
    const QImage image = w.contentArea().grab().toImage();
    EXPECT_EQ(image.pixelColor(500, 250), QColor(0, 0, 0));
}

TEST_F(WindowTest, ConstructorRunsLayoutThenCreateControls) {
    TestWindowClass cls;
    std::vector<std::string> calls;
    cls.hook("Layout", cls.add("Layout", "%%", [&](Object& self, Args) -> Value {
        calls.push_back("Layout");
        _SetProperties(self, windowRecord());
        return {};
    }));
    cls.hook("CreateControls", cls.add("CreateControls", "%%", [&](Object&, Args) -> Value {
        calls.push_back("CreateControls");
        return {};
    }));
    Window w(cls.table);
    w.Constructor();
    EXPECT_EQ(calls, (std::vector<std::string>{"Layout", "CreateControls"}));
    EXPECT_TRUE(w.qtWindow().isVisible());

    // A failing Layout ends the build and passes to the caller.
    TestWindowClass failing;
    bool created = false;
    failing.hook("Layout", failing.add("Layout", "%%", [](Object&, Args) -> Value { throw NilObjectException("x"); }));
    failing.hook("CreateControls", failing.add("CreateControls", "%%", [&](Object&, Args) -> Value {
        created = true;
        return {};
    }));
    Window broken(failing.table);
    EXPECT_THROW(broken.Constructor(), NilObjectException);
    EXPECT_FALSE(created);
}

// A window with two overlapping rectangles and handlers that log clicks.
struct StackedWindow {
    StackedWindow() {
        for (const char* name : {"Lower", "Upper"}) {
            members.push_back(&cls.add(std::string(name) + "_MouseDown", "%b%o<Rectangle>i8i8",
                                       [this, name](Object&, Args) -> Value {
                                           clicks.push_back(name);
                                           return false;
                                       }));
        }
        cls.hook("Open", cls.add("Event_Open", "%%", [this](Object&, Args) -> Value {
            opens.push_back("window");
            return {};
        }));
        window = std::make_unique<Window>(cls.table);
        _SetProperties(*window, windowRecord());
        const std::int64_t lefts[] = {100, 120};
        for (int i = 0; i < 2; ++i) {
            auto object = window->__New(Rectangle::__Lookup());
            checkCast<RectControl>(object.get())->Constructor();
            const std::string name = i == 0 ? "Lower" : "Upper";
            window->_AddControl(name, std::move(object));
            auto* r = checkCast<Rectangle>(window->_ControlByName(name));
            _SetProperties(*r, RecordWriter()
                                   .string("Name", name)
                                   .integer("Left", lefts[i])
                                   .integer("Top", 100)
                                   .integer("Width", 40)
                                   .integer("Height", 40)
                                   .color("FillColor", i == 0 ? RGB(255, 255, 255) : RGB(0, 0, 0))
                                   .content());
            bind(*r, event_number::MouseDown, *members[static_cast<std::size_t>(i)], *window, "Rectangle");
        }
        window->qtWindow().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window->qtWindow()));
    }
    void click(QPoint inContent) {
        QWidget& content = window->contentArea();
        QTest::mouseClick(window->qtWindow().windowHandle(), Qt::LeftButton, {},
                          content.mapTo(&window->qtWindow(), inContent));
    }
    TestWindowClass cls;
    std::vector<const MemberRecord*> members;
    std::unique_ptr<Window> window;
    std::vector<std::string> clicks, opens;
};

TEST_F(WindowTest, LaterControlsLieAboveAndTakeTheMouseDown) {
    StackedWindow s;
    ASSERT_EQ(s.window->controlCount(), 2u);
    EXPECT_EQ(s.window->controlNameAt(0), "Lower");
    auto* lower = checkCast<Rectangle>(s.window->_ControlByName("Lower"));
    EXPECT_EQ(lower->window(), s.window.get());
    EXPECT_EQ(lower->widget()->parentWidget(), &s.window->contentArea());
    EXPECT_EQ(s.window->_ControlByName("Nobody"), nullptr);

    s.click({130, 120});  // the shared area
    s.click({105, 120});  // the lower one alone
    s.click({155, 120});  // the upper one alone
    s.click({300, 300});  // the background
    EXPECT_EQ(s.clicks, (std::vector<std::string>{"Upper", "Lower", "Upper"}));
}

TEST_F(WindowTest, OpenEventsInCreationOrderThenTheWindow) {
    StackedWindow s;
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string name = s.window->controlNameAt(i);
        auto& member = s.cls.add(name + "_Open", "%%o<Rectangle>", [&s, name](Object&, Args) -> Value {
            s.opens.push_back(name);
            return {};
        });
        // Rectangles bind Open through a stub without arguments.
        RuntimeAddEventHandler(*checkCast<Control>(&s.window->controlAt(i)), event_number::Open, &stubNoArguments,
                               RuntimeCreateDelegate(delegateInvokerFor("Rectangle"), &member, s.window.get(),
                                                     delegateSignatureFor("Rectangle"), 1));
    }
    s.window->openControls();
    s.window->openWindow();
    EXPECT_EQ(s.opens, (std::vector<std::string>{"Lower", "Upper", "window"}));
}

TEST_F(WindowTest, CallsByNameThroughTheClassTable) {
    StackedWindow s;
    const ClassTable& cls = s.window->classTable();
    const Value name[] = {std::string("Upper")};
    EXPECT_EQ(cls.invoke(*s.window, "_ControlByName", name), Value(s.window->_ControlByName("Upper")));
    const Value index[] = {std::int64_t{0}};
    EXPECT_EQ(cls.invoke(*s.window, "Control", index), Value(s.window->_ControlByName("Lower")));
    EXPECT_THROW(cls.invoke(*s.window, "NoSuchMember"), FunctionNotFoundException);
    const Value wrong[] = {std::int64_t{1}};
    EXPECT_THROW(cls.invoke(*s.window, "_ControlByName", wrong), TypeMismatchException);
    // Overloads: the one whose arguments fit.
    const Value rect[] = {std::int64_t{0}, std::int64_t{0}, std::int64_t{5}, std::int64_t{5}, false};
    EXPECT_NO_THROW(cls.invoke(*s.window, "Invalidate", rect));
    // __New and _AddControl by name hand the object's ownership along.
    const Value table[] = {static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(&Oval::__Lookup()))};
    Value made = cls.invoke(*s.window, "__New", table);
    ASSERT_TRUE(std::get<Object*>(made));
    const Value add[] = {std::string("Third"), made};
    cls.invoke(*s.window, "_AddControl", add);
    EXPECT_EQ(s.window->_ControlByName("Third"), std::get<Object*>(made));
}

// A window whose KeyDown hook records the key strings.
struct KeyWindow {
    explicit KeyWindow(bool result = true) {
        cls.hook("KeyDown", cls.add("Event_KeyDown", "%b%s", [this, result](Object&, Args a) -> Value {
            keys.push_back(std::get<std::string>(a[0]));
            if (fail) throw NilObjectException("no window");
            return result;
        }));
        window = std::make_unique<Window>(cls.table);
        _SetProperties(*window, RecordWriter().integer("Width", 200).integer("Height", 100).boolean("Visible", true).content());
        auto object = window->__New(PushButton::__Lookup());
        checkCast<RectControl>(object.get())->Constructor();
        window->_AddControl("Button", std::move(object));
        window->Constructor();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window->qtWindow()));
    }
    QWidget& button() { return *checkCast<PushButton>(window->_ControlByName("Button"))->widget(); }
    TestWindowClass cls;
    std::unique_ptr<Window> window;
    std::vector<std::string> keys;
    bool fail = false;
};

TEST_F(WindowTest, EveryKeyPressReachesTheKeyDownHookFirst) {
    KeyWindow k;
    QTest::keyClick(&k.window->contentArea(), Qt::Key_A, Qt::NoModifier);
    QTest::keyClick(&k.button(), Qt::Key_Q, Qt::NoModifier);  // whatever widget has focus
    QTest::keyClick(&k.window->qtWindow(), Qt::Key_Space, Qt::NoModifier);
    QTest::keyClick(&k.window->contentArea(), Qt::Key_Left);
    QTest::keyClick(&k.window->contentArea(), Qt::Key_Right);
    QTest::keyClick(&k.window->contentArea(), Qt::Key_Up);
    QTest::keyClick(&k.window->contentArea(), Qt::Key_Down);
    QKeyEvent shifted(QEvent::KeyPress, Qt::Key_Q, Qt::ShiftModifier, "Q");
    QCoreApplication::sendEvent(&k.window->contentArea(), &shifted);
    QTest::keyClick(&k.window->contentArea(), Qt::Key_Shift);  // a modifier alone is no key
    // Auto-repeat is not filtered.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_S, Qt::NoModifier, "s", true);
    QCoreApplication::sendEvent(&k.window->contentArea(), &repeat);
    EXPECT_EQ(k.keys, (std::vector<std::string>{"a", "q", " ", "\x1C", "\x1D", "\x1E", "\x1F", "Q", "s"}));
}

TEST_F(WindowTest, InputMethodTextIsDeliveredLikeAKey) {
    KeyWindow k;
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("\xC3\x9B"));
    QCoreApplication::sendEvent(&k.window->contentArea(), &commit);
    QInputMethodEvent preedit(QStringLiteral("^"), {});
    QCoreApplication::sendEvent(&k.window->contentArea(), &preedit);  // no commit: nothing
    EXPECT_EQ(k.keys, (std::vector<std::string>{"\xC3\x9B"}));
}

TEST_F(WindowTest, UnhandledKeysReachTheHookOnce) {
    KeyWindow k(false);
    QTest::keyClick(&k.button(), Qt::Key_B);
    QTest::keyClick(&k.button(), Qt::Key_B);
    QTest::keyClick(&k.window->contentArea(), Qt::Key_C);
    EXPECT_EQ(k.keys, (std::vector<std::string>{"b", "b", "c"}));
}

TEST_F(WindowTest, ShortcutsAreNotSwallowed) {
    KeyWindow k;
    QAction quit(&k.window->qtWindow());
    quit.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit.setShortcutContext(Qt::ApplicationShortcut);
    k.window->qtWindow().addAction(&quit);
    int triggered = 0;
    QObject::connect(&quit, &QAction::triggered, [&] { ++triggered; });
    QTest::keyClick(&k.window->contentArea(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(triggered, 1);
    EXPECT_TRUE(k.keys.empty());
}

TEST_F(WindowTest, KeyDownFailureIsReportedOnceAndReturnsFalse) {
    KeyWindow k;
    k.fail = true;
    CapturedErrors errors;
    EXPECT_FALSE(k.window->keyDown("x"));
    ASSERT_EQ(errors.lines.size(), 1u);
    EXPECT_EQ(errors.lines[0], "Unhandled NilObjectException in TestWindow.Event_KeyDown: no window");
    Window plain(Window::__Lookup());
    EXPECT_FALSE(plain.keyDown("x"));  // no hook
}

}  // namespace
}  // namespace nalvo
