// Menu items and menu bars. A menu bar is installed on the application and
// on windows; on a window it becomes the Qt window's menu bar.
#pragma once

#include "classtable.h"
#include "runtime.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QMainWindow;

namespace nalvo {

class MenuItem : public Object {
public:
    static const char* className() { return "MenuItem"; }
    // The operations of a menu item (26, shared by every subclass), and its
    // properties Name, Text, KeyboardShortcut, Visible.
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }

    std::string Name;
    std::string Text;
    bool Visible = true;
    // Enabled automatically while its window is in front; every item here is enabled.
    bool AutoEnable = false;
    // Shortcut as written at design time, Cmd for the command key ("Cmd+Q");
    // on this platform Cmd becomes Ctrl.
    std::string KeyboardShortcut;

    void Append(std::unique_ptr<MenuItem> item);
    // Called with each item before it is appended; what it raises, Append
    // raises, and the item is not kept (tests make a build fail here).
    static inline std::function<void(const MenuItem& item)> beforeAppend;
    std::size_t Count() const { return children_.size(); }
    MenuItem& Item(std::size_t i) const { return *children_.at(i); }
    // The direct child of that name, or null.
    MenuItem* Child(std::string_view name) const;
    // The item of that name at any depth below this one, or null.
    MenuItem* _Lookup(std::string_view name) const;
    // What choosing the item does (the framework's own items only).
    virtual void activate() {}

private:
    std::vector<std::unique_ptr<MenuItem>> children_;
};

// Choosing it quits the application.
class QuitMenuItem : public MenuItem {
public:
    static const char* className() { return "QuitMenuItem"; }
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }
    void activate() override;
};

class AppleMenuItem : public MenuItem {
public:
    static const char* className() { return "AppleMenuItem"; }
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }
};

class MenuBar : public MenuItem {
public:
    static const char* className() { return "MenuBar"; }
    static const ClassTable& __Lookup();
    const ClassTable& classTable() const override { return __Lookup(); }
    // Builds the Qt menu bar of `window` from the items: texts, visibility,
    // shortcuts (Cmd -> Ctrl). A hidden menu's shortcuts still work. With no
    // visible top item that has a text, the bar is hidden and takes no room.
    void installOn(QMainWindow& window);
};

}  // namespace nalvo
