// The program's one menu bar: hidden File and Edit menus, and the shared
// instance that the application and the window both install.
#pragma once

#include "platform/menu.h"

namespace nalvo {

// The shared instance, built on first request. If building raises, nothing
// is kept and the exception passes to the caller.
MenuBar& MenuBar1();

class MenuBar1 : public MenuBar {
public:
    static const char* className() { return "MenuBar1"; }
    // The class table: MenuBar's operations in slot order, the no-argument
    // Constructor replaced by this class's own, then Untitled0 .. Untitled3.
    // Built once, by the start-up pass or the first lookup.
    static const ClassTable& __Lookup();
    static void __ctblinit() { (void)__Lookup(); }
    const ClassTable& classTable() const override { return __Lookup(); }

    // Builds the fourteen items: Untitled0 .. Untitled3, in this order.
    void Constructor();
    void Untitled0();
    void Untitled1();
    void Untitled2();
    void Untitled3();

private:
    void build(int builder);
};

// Forgets the shared instance (tests only; the caller makes sure nothing
// still uses it).
void resetMenuBar1ForTests();

}  // namespace nalvo
