// Window and control operations called from a thread other than the user-interface
// thread raise ThreadAccessingUIException and leave the window as it was.
#include "support/fixture.h"

#include <QMainWindow>

#include <thread>

namespace nalvo {
namespace {

// Runs `f` on a second thread; the type name of what it raised ("" for nothing).
template <class F>
std::string raisedOnAnotherThread(F f) {
    std::string raised;
    std::thread([&] {
        try {
            f();
        } catch (const RuntimeException& e) {
            raised = e.typeName();
        }
    }).join();
    return raised;
}

TEST(UIThread, AddControlConstructorMenuBarAndPaintingRaiseOffTheUIThread) {
    ensureQApplication();
    Window w(Window::__Lookup());
    MenuBar bar;
    QWidget* qtMenu = w.qtWindow().menuWidget();

    Oval unmade;
    EXPECT_EQ(raisedOnAnotherThread([&] { unmade.Constructor(); }), "ThreadAccessingUIException");
    EXPECT_FALSE(unmade.constructed());
    EXPECT_EQ(raisedOnAnotherThread([&] { unmade.setFillColor(RGB(1, 2, 3)); }), "ThreadAccessingUIException");
    EXPECT_NE(unmade.FillColor(), RGB(1, 2, 3));

    auto made = std::make_unique<Oval>();
    made->Constructor();
    QWidget* widget = made->widget();
    EXPECT_EQ(raisedOnAnotherThread([&] { w._AddControl("Oval1", std::move(made)); }), "ThreadAccessingUIException");
    EXPECT_EQ(w.controlCount(), 0u);
    EXPECT_EQ(widget->parentWidget(), nullptr);  // never attached to the window

    EXPECT_EQ(raisedOnAnotherThread([&] { w.setMenuBar(&bar); }), "ThreadAccessingUIException");
    EXPECT_EQ(w.menuBar(), nullptr);
    EXPECT_EQ(w.qtWindow().menuWidget(), qtMenu);
}

}  // namespace
}  // namespace nalvo
