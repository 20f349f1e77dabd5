// The framework's Window: a QMainWindow with a fixed content area in which
// the controls are sibling widgets stacked in the order they were added.
#pragma once

#include "classtable.h"
#include "runtime.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QMainWindow;
class QWidget;

namespace nalvo {

class Control;
class MenuBar;

class Window : public Object {
public:
    static const char* className() { return "Window"; }
    // The class table of Window: 40 members, 34 events, 48 properties.
    static const ClassTable& __Lookup();

    // A window whose class is `cls` (Window or a subclass's table).
    explicit Window(const ClassTable& cls);
    ~Window() override;
    const ClassTable& classTable() const override { return *class_; }

    // Builds the window: runs the class's Layout hook, then its
    // CreateControls hook, through the event table. An exception from a hook
    // ends the build and passes to the caller; what was made stays.
    void Constructor();

    // A new, unconstructed object of `cls` for this window.
    std::unique_ptr<Object> __New(const ClassTable& cls);
    // Keeps the control under `name`, above every control added before it.
    void _AddControl(std::string name, std::unique_ptr<Object> control);
    // The control of that name, or null.
    Object* _ControlByName(std::string_view name) const;

    std::size_t controlCount() const { return controls_.size(); }
    Object& controlAt(std::size_t i) const { return *controls_[i].object; }
    const std::string& controlNameAt(std::size_t i) const { return controls_[i].name; }

    MenuBar* menuBar() const { return menuBar_; }
    void setMenuBar(MenuBar* bar);  // installs it on the Qt window

    // Recorded settings.
    std::int64_t Width() const { return width_; }
    std::int64_t Height() const { return height_; }
    void setWidth(std::int64_t v);
    void setHeight(std::int64_t v);
    const std::string& Title() const { return title_; }
    void setTitle(std::string t);
    Color BackColor() const { return backColor_; }
    void setBackColor(Color c);
    bool HasBackColor() const { return hasBackColor_; }
    void setHasBackColor(bool v);
    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Resizeable() const { return resizeable_; }
    void setResizeable(bool v);
    // Title-bar buttons. The full-screen button becomes the desktop's usual
    // ways to full screen: F11, and the maximise button where the window
    // manager shows one; either leads to full screen, F11 back again.
    bool CloseButton() const { return closeButton_; }
    void setCloseButton(bool v);
    bool MinimizeButton() const { return minimizeButton_; }
    void setMinimizeButton(bool v);
    bool MaximizeButton() const { return maximizeButton_; }
    void setMaximizeButton(bool v);
    bool FullScreenButton() const { return fullScreenButton_; }
    void setFullScreenButton(bool v);
    // Full screen: the content area keeps its size at the middle of the
    // screen, the rest in the background colour. Set before the window is
    // built, it takes effect when the window shows.
    bool FullScreen() const { return fullScreen_; }
    void setFullScreen(bool v);
    // Settings stored without effect here (frame, placement, buttons, ...).
    std::map<std::string, Value, std::less<>> stored;

    // Raises the controls' Open events in creation order, then the window's
    // own Open hook. Each handler runs guarded.
    void openControls();
    void openWindow();

    // Delivers a key press to the KeyDown hook: the key string is the
    // event's text. Returns the hook's result (false without a hook or when
    // the hook throws; the exception is reported).
    bool keyDown(const std::string& key) noexcept;

    QMainWindow& qtWindow() const { return *qt_; }
    QWidget& contentArea() const { return *content_; }

    // Called with each control's name just before its constructor runs
    // (tests inject creation failures through it). The framework does not
    // call it itself: the system's creation step calls it, right before it
    // runs a control's constructor.
    static inline std::function<void(std::string_view name)> beforeConstruct;

    // The hook of the window's event table with that name, or null.
    const MemberRecord* hook(std::string_view eventName) const;

private:
    struct Entry {
        std::string name;
        std::unique_ptr<Object> object;
    };
    const ClassTable* class_;
    std::vector<Entry> controls_;
    MenuBar* menuBar_ = nullptr;
    std::unique_ptr<QMainWindow> qt_;
    QWidget* stage_ = nullptr;    // central widget: holds the content area
    QWidget* content_ = nullptr;
    std::int64_t width_ = 0, height_ = 0;
    std::string title_;
    Color backColor_{};
    bool hasBackColor_ = false, visible_ = false, resizeable_ = true;
    bool closeButton_ = true, minimizeButton_ = true, maximizeButton_ = true;
    bool fullScreenButton_ = false, fullScreen_ = false;
    void applyButtons();
    void applyFullScreen();
    bool built_ = false;  // Constructor has run: Visible now shows and hides
    void applySize();
    class KeyFilter;
    std::unique_ptr<KeyFilter> keyFilter_;
};

}  // namespace nalvo
