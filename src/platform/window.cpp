// The framework's Window on a QMainWindow, its key filter and class table.
#include "platform/window.h"

#include "platform/controls.h"
#include "platform/menu.h"
#include "platform/property_helpers.h"
#include "platform/ui_thread.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QPalette>
#include <QWidget>

#include <array>

namespace nalvo {

// Sees every key press and input-method commit of the application first and
// hands those aimed at this window to its KeyDown hook. Shortcut events are
// left alone, so menu shortcuts keep working. F11, after the hook has had
// it, takes a window with a full-screen button to full screen and back; a
// maximise from the window manager takes it to full screen.
class Window::KeyFilter : public QObject {
public:
    explicit KeyFilter(Window& w) : window_(w) {}

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::WindowStateChange && receiver == &window_.qtWindow()) {
            windowStateChanged();
            return false;
        }
        if (type != QEvent::KeyPress && type != QEvent::InputMethod) return false;
        auto* widget = qobject_cast<QWidget*>(receiver);
        if (!widget || widget->window() != &window_.qtWindow()) return false;

        if (type == QEvent::InputMethod) {
            const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
            if (commit.isEmpty()) return false;
            return window_.keyDown(commit.toStdString());
        }
        auto* key = static_cast<QKeyEvent*>(event);
        if (redelivering_ || isModifierOnly(key->key())) return false;
        const bool handled = window_.keyDown(keyString(*key));
        if (key->key() == Qt::Key_F11 && key->modifiers() == Qt::NoModifier && !key->isAutoRepeat() &&
            window_.fullScreenButton_)
            window_.setFullScreen(!window_.qt_->isFullScreen());
        if (handled) return true;
        // Not handled: the widget gets the key as usual, travelling up to its
        // parents, without a second visit to the KeyDown hook on the way.
        redelivering_ = true;
        QCoreApplication::sendEvent(receiver, event);
        redelivering_ = false;
        event->accept();  // delivered: the outer delivery stops here
        return true;
    }

private:
    // The state may also change from outside (the window manager), and
    // reports of it may come late: each one is taken as it stands.
    void windowStateChanged() {
        Window& w = window_;
        const Qt::WindowStates state = w.qt_->windowState();
        w.fullScreen_ = state.testFlag(Qt::WindowFullScreen);
        if (!w.fullScreen_ && state.testFlag(Qt::WindowMaximized) && w.fullScreenButton_ && !w.maximizeButton_) {
            // Once this state change is over, if the window is still maximised then.
            QMetaObject::invokeMethod(
                w.qt_.get(),
                [&w] {
                    if (w.qt_->windowState() == Qt::WindowMaximized) w.setFullScreen(true);
                },
                Qt::QueuedConnection);
        } else if (!w.resizeable_) {
            w.applySize();  // a fixed size, lifted in full screen
        }
    }

    static std::string keyString(const QKeyEvent& e) {
        switch (e.key()) {
        case Qt::Key_Left: return "\x1C";
        case Qt::Key_Right: return "\x1D";
        case Qt::Key_Up: return "\x1E";
        case Qt::Key_Down: return "\x1F";
        default: return e.text().toStdString();
        }
    }

    static bool isModifierOnly(int key) {
        switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock: return true;
        default: return false;
        }
    }

    Window& window_;
    bool redelivering_ = false;
};

Window::Window(const ClassTable& cls) : class_(&cls), qt_(std::make_unique<QMainWindow>()) {
    // The content area lies on a stage of the background colour, as large as
    // the content area in a window of fixed size, and larger in full screen,
    // where the content area stays at its middle. Both are owned by the Qt window.
    stage_ = new QWidget;
    stage_->setAutoFillBackground(true);
    auto* stageLayout = new QGridLayout(stage_);
    stageLayout->setContentsMargins(0, 0, 0, 0);
    content_ = new QWidget;
    content_->setAutoFillBackground(true);
    // The content area holds the keyboard focus (every control refuses it),
    // so typed keys and input-method text arrive in this window.
    content_->setFocusPolicy(Qt::StrongFocus);
    content_->setAttribute(Qt::WA_InputMethodEnabled);
    stageLayout->addWidget(content_, 0, 0);
    qt_->setCentralWidget(stage_);
    keyFilter_ = std::make_unique<KeyFilter>(*this);
    if (auto* app = QCoreApplication::instance()) app->installEventFilter(keyFilter_.get());
}

Window::~Window() {
    // Controls first: their widgets sit in the content area that the Qt window deletes.
    controls_.clear();
    if (auto* app = QCoreApplication::instance()) app->removeEventFilter(keyFilter_.get());
    keyFilter_.reset();
    qt_.reset();
}

void Window::Constructor() {
    for (const char* name : {"Layout", "CreateControls"})
        if (const MemberRecord* m = hook(name); m && m->implementation) m->implementation(*this, {});
    built_ = true;
    if (visible_) {
        qt_->show();
        content_->setFocus();
        applyFullScreen();
    }
}

const MemberRecord* Window::hook(std::string_view eventName) const {
    const EventEntry* e = class_->findEvent(eventName);
    return e ? e->implementation : nullptr;
}

std::unique_ptr<Object> Window::__New(const ClassTable& cls) {
    if (!cls.factory) throw FunctionNotFoundException("class " + cls.name + " cannot be made by name");
    auto object = cls.factory();
    if (!object) throw NilObjectException("class " + cls.name + " made no object");
    return object;
}

void Window::_AddControl(std::string name, std::unique_ptr<Object> control) {
    checkUIThread("Window._AddControl");
    Object& object = notNil(control.get(), "control");
    if (auto* c = dynamic_cast<Control*>(&object)) {
        c->setWindow(this);
        if (auto* r = dynamic_cast<RectControl*>(c)) r->attachTo(*content_);
    }
    controls_.push_back(Entry{std::move(name), std::move(control)});
}

Object* Window::_ControlByName(std::string_view name) const {
    for (const Entry& e : controls_)
        if (e.name == name) return e.object.get();
    return nullptr;
}

void Window::setMenuBar(MenuBar* bar) {
    checkUIThread("Window.MenuBar");
    menuBar_ = bar;
    if (bar)
        bar->installOn(*qt_);
    else
        qt_->setMenuWidget(nullptr);
}

void Window::applySize() {
    const int w = static_cast<int>(std::clamp<std::int64_t>(width_, 0, QWIDGETSIZE_MAX));
    const int h = static_cast<int>(std::clamp<std::int64_t>(height_, 0, QWIDGETSIZE_MAX));
    if (!resizeable_) {
        content_->setFixedSize(w, h);
        stage_->layout()->setAlignment(content_, Qt::AlignCenter);
        if (!qt_->isFullScreen()) {
            qt_->layout()->setSizeConstraint(QLayout::SetFixedSize);
        } else if (qt_->layout()->sizeConstraint() == QLayout::SetFixedSize) {
            // In full screen a window of fixed size may grow; the content area keeps its size.
            qt_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
            qt_->setMinimumSize(0, 0);
            qt_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
    } else {
        content_->setMinimumSize(0, 0);
        content_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        stage_->layout()->setAlignment(content_, Qt::Alignment());
        qt_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        const QWidget* bar = qt_->menuWidget();
        const int menu = bar && !bar->isHidden() ? bar->sizeHint().height() : 0;
        qt_->resize(w, h + menu);
    }
}

void Window::setWidth(std::int64_t v) { width_ = v; applySize(); }
void Window::setHeight(std::int64_t v) { height_ = v; applySize(); }
void Window::setResizeable(bool v) { resizeable_ = v; applySize(); }
void Window::setCloseButton(bool v) { closeButton_ = v; applyButtons(); }
void Window::setMinimizeButton(bool v) { minimizeButton_ = v; applyButtons(); }
void Window::setMaximizeButton(bool v) { maximizeButton_ = v; applyButtons(); }
void Window::setFullScreenButton(bool v) { fullScreenButton_ = v; applyButtons(); }

void Window::setFullScreen(bool v) {
    fullScreen_ = v;
    applyFullScreen();
}

void Window::applyFullScreen() {
    if (!built_ || !qt_->isVisible() || fullScreen_ == qt_->isFullScreen()) return;
    if (fullScreen_)
        qt_->showFullScreen();
    else
        qt_->showNormal();
    if (!resizeable_) applySize();
}

void Window::applyButtons() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (closeButton_) flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton_ || fullScreenButton_) flags |= Qt::WindowMaximizeButtonHint;
    if (qt_->windowFlags() == flags) return;
    const bool shown = qt_->isVisible();  // changing the flags hides a shown window
    qt_->setWindowFlags(flags);
    if (shown) qt_->show();
}

void Window::setTitle(std::string t) {
    title_ = std::move(t);
    qt_->setWindowTitle(QString::fromStdString(title_));
}

namespace {
void paintBackground(QWidget& content, bool has, Color c) {
    QPalette palette = content.palette();
    palette.setColor(QPalette::Window, has ? QColor(c.r, c.g, c.b) : QApplication::palette().color(QPalette::Window));
    content.setPalette(palette);
}
}  // namespace

void Window::setBackColor(Color c) {
    backColor_ = c;
    for (QWidget* w : {stage_, content_}) paintBackground(*w, hasBackColor_, backColor_);
}
void Window::setHasBackColor(bool v) {
    hasBackColor_ = v;
    for (QWidget* w : {stage_, content_}) paintBackground(*w, hasBackColor_, backColor_);
}

void Window::setVisible(bool v) {
    visible_ = v;
    if (built_) qt_->setVisible(v);
}

void Window::openControls() {
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (auto* c = dynamic_cast<Control*>(controls_[i].object.get())) c->raiseEvent(event_number::Open);
}

void Window::openWindow() {
    const MemberRecord* m = hook("Open");
    if (!m || !m->implementation) return;
    guarded(class_->name + "." + m->name, [&] { m->implementation(*this, {}); });
}

bool Window::keyDown(const std::string& key) noexcept {
    const MemberRecord* m = hook("KeyDown");
    if (!m || !m->implementation) return false;
    std::string where;
    try {
        where = class_->name + "." + m->name;
    } catch (...) {
    }
    return guarded<bool>(where, false, [&] {
        const Value arg = key;
        const Value result = m->implementation(*this, Args(&arg, 1));
        const bool* b = std::get_if<bool>(&result);
        return b && *b;
    });
}

// ---- class table ----

namespace {

using props::as;
using props::kPropertyFlags;
using props::keep;
using PT = PropertyType;

constexpr std::uint32_t kSlotted = member_flags::Slot | member_flags::Method;          // 0x101
constexpr std::uint32_t kSuperclassMember = member_flags::Slot | member_flags::SuperclassMember;  // 0x120
constexpr std::uint32_t kSlotless = member_flags::NoSlot;                                // 0x40

Window& win(Object& self) { return as<Window>(self, "Window"); }
std::int64_t intArg(Args a, std::size_t i) { return std::get<std::int64_t>(a[i]); }
const std::string& strArg(Args a, std::size_t i) { return std::get<std::string>(a[i]); }

Value nothing(Object&, Args) { return {}; }

Value controlByNameIndex(Object& self, Args a) {
    Window& w = win(self);
    for (std::size_t i = 0; i < w.controlCount(); ++i) {
        auto* c = dynamic_cast<Control*>(&w.controlAt(i));
        if (c && w.controlNameAt(i) == strArg(a, 0) && c->Index == intArg(a, 1)) return static_cast<Object*>(c);
    }
    return static_cast<Object*>(nullptr);
}

Value controlByName(Object& self, Args a) { return win(self)._ControlByName(strArg(a, 0)); }

std::vector<props::MemberSpec> windowMembers() {
    auto qt = [](void (*f)(Window&)) {
        return [f](Object& self, Args) -> Value {
            f(win(self));
            return {};
        };
    };
    return {
        {"AcceptFileDrop", kSlotted, "%%s", nothing},
        {"AcceptMacDataDrop", kSlotted, "%%s", nothing},
        {"AcceptPictureDrop", kSlotted, "%%", nothing},
        {"AcceptRawDataDrop", kSlotted, "%%s", nothing},
        {"AcceptTextDrop", kSlotted, "%%", nothing},
        {"BitmapForCaching", kSlotted, "%o<Picture>%i8i8", [](Object&, Args) -> Value { return static_cast<Object*>(nullptr); }},
        {"Close", kSlotted, "%%", qt([](Window& w) { w.qtWindow().close(); })},
        {"Constructor", kSlotted, "%%", qt([](Window& w) { w.Constructor(); })},
        {"Control", kSlotted, "%o<Control>%i8",
         [](Object& self, Args a) -> Value {
             Window& w = win(self);
             const std::int64_t i = intArg(a, 0);
             if (i < 0 || static_cast<std::size_t>(i) >= w.controlCount())
                 throw OutOfBoundsException("window has no control " + std::to_string(i));
             return &w.controlAt(static_cast<std::size_t>(i));
         }},
        {"DrawInto", kSlotted, "%%o<Graphics>i8i8b", nothing},
        {"FocusNext", kSlotted, "%%", nothing},
        {"FocusPrevious", kSlotted, "%%", nothing},
        {"Hide", kSlotted, "%%", qt([](Window& w) { w.setVisible(false); })},
        {"Invalidate", kSlotted, "%%b", qt([](Window& w) { w.contentArea().update(); })},
        {"Invalidate", kSlotted, "%%i8i8i8i8b", qt([](Window& w) { w.contentArea().update(); })},
        {"Maximize", kSlotted, "%%", qt([](Window& w) { w.qtWindow().showMaximized(); })},
        {"Minimize", kSlotted, "%%", qt([](Window& w) { w.qtWindow().showMinimized(); })},
        {"Operator_Convert", kSlotted, "%?<WindowPtr>%",
         [](Object& self, Args) -> Value { return static_cast<std::int64_t>(win(self).qtWindow().winId()); }},
        {"Refresh", kSlotted, "%%b", qt([](Window& w) { w.contentArea().update(); })},
        {"RefreshRect", kSlotted, "%%i8i8i8i8b",
         [](Object& self, Args a) -> Value {
             win(self).contentArea().update(static_cast<int>(intArg(a, 0)), static_cast<int>(intArg(a, 1)),
                                            static_cast<int>(intArg(a, 2)), static_cast<int>(intArg(a, 3)));
             return {};
         }},
        {"Restore", kSlotted, "%%", qt([](Window& w) { w.qtWindow().showNormal(); })},
        {"SetFocus", kSlotted, "%%", qt([](Window& w) { w.qtWindow().activateWindow(); })},
        {"Show", kSlotted, "%%", qt([](Window& w) { w.setVisible(true); w.qtWindow().show(); })},
        {"ShowModal", kSlotted, "%%", qt([](Window& w) { w.setVisible(true); w.qtWindow().show(); })},
        {"ShowModalWithin", kSlotted, "%%o<Window>", qt([](Window& w) { w.setVisible(true); w.qtWindow().show(); })},
        {"ShowWithin", kSlotted, "%%o<Window>i8", qt([](Window& w) { w.setVisible(true); w.qtWindow().show(); })},
        {"TrueWindow", kSlotted, "%o<Window>%", [](Object& self, Args) -> Value { return &self; }},
        {"UpdateNow", kSlotted, "%%", qt([](Window& w) { w.contentArea().repaint(); })},
        {"Window", kSuperclassMember, "%%", nothing},
        // By name, the new object's ownership passes from __New to its caller
        // and from the caller to _AddControl.
        {"_AddControl", kSlotted, "%%so<Object>",
         [](Object& self, Args a) -> Value {
             Object* control = std::holds_alternative<Object*>(a[1]) ? std::get<Object*>(a[1]) : nullptr;
             win(self)._AddControl(strArg(a, 0), std::unique_ptr<Object>(control));
             return {};
         }},
        {"_AddMenuHandler", kSlotted, "%%sp", nothing},
        {"_ControlByName", kSlotted, "%o<Object>%s", controlByName},
        {"_ControlByNameIndex", kSlotted, "%o<Object>%si8", controlByNameIndex},
        {"_DependencyList", kSlotted, "%%", nothing},
        {"_GetControl", kSlotless, "%o<Object>%s", controlByName},
        {"_GetControlArray", kSlotless, "%o<Object>%si8", controlByNameIndex},
        {"_Move", kSlotted, "%%i8i8i8i8",
         [](Object& self, Args a) -> Value {
             Window& w = win(self);
             w.qtWindow().move(static_cast<int>(intArg(a, 0)), static_cast<int>(intArg(a, 1)));
             w.setWidth(intArg(a, 2));
             w.setHeight(intArg(a, 3));
             return {};
         }},
        {"__Exit", kSlotless, "%%", nothing},
        {"__Init", kSlotless, "%%", nothing},
        // The pointer argument is the address of a class table, as an Integer.
        {"__New", kSlotted, "%o<Object>%p",
         [](Object& self, Args a) -> Value {
             const auto* address = std::get_if<std::int64_t>(&a[0]);
             if (!address || *address == 0) throw NilObjectException("class table is nil");
             const auto* cls = reinterpret_cast<const ClassTable*>(static_cast<std::intptr_t>(*address));
             return win(self).__New(*cls).release();
         }},
    };
}

const std::vector<std::string> kWindowEvents{
    "Activate",  "AppearanceChanged", "CancelClose", "Close",      "ConstructContextualMenu", "ContextualMenuAction",
    "ContentsChanged", "CreateControls", "Deactivate", "DragEnter", "DragExit",  "DragOver",
    "DropObject", "EnableMenuItems", "KeyDown",   "KeyUp",      "Layout",    "Maximize",
    "Minimize",  "MouseDown",  "MouseDrag",  "MouseEnter", "MouseExit", "MouseMove",
    "MouseUp",   "MouseWheel", "Moved",      "Open",       "Paint",     "Resized",
    "Resizing",  "Restore",    "ScaleFactorChanged", "Shown",
};

std::vector<PropertyRecord> windowProperties() {
    using props::accessor;
    std::vector<PropertyRecord> p{
        accessor("Width", PT::Integer, &Window::Width, &Window::setWidth),
        accessor("Height", PT::Integer, &Window::Height, &Window::setHeight),
        keep("MinWidth", PT::Integer),
        keep("MinHeight", PT::Integer),
        keep("MaxWidth", PT::Integer),
        keep("MaxHeight", PT::Integer),
        keep("Frame", PT::Integer),
        accessor("Title", PT::String, &Window::Title, &Window::setTitle),
        accessor("CloseButton", PT::Boolean, &Window::CloseButton, &Window::setCloseButton),
        accessor("Resizeable", PT::Boolean, &Window::Resizeable, &Window::setResizeable),
        accessor("MaximizeButton", PT::Boolean, &Window::MaximizeButton, &Window::setMaximizeButton),
        accessor("MinimizeButton", PT::Boolean, &Window::MinimizeButton, &Window::setMinimizeButton),
        accessor("FullScreenButton", PT::Boolean, &Window::FullScreenButton, &Window::setFullScreenButton),
        keep("Composite", PT::Boolean),
        keep("MacProcID", PT::Integer),
        keep("Placement", PT::Integer),
        accessor("Visible", PT::Boolean, &Window::Visible, &Window::setVisible),
        keep("LiveResize", PT::Boolean),
        accessor("FullScreen", PT::Boolean, &Window::FullScreen, &Window::setFullScreen),
        accessor("HasBackColor", PT::Boolean, &Window::HasBackColor, &Window::setHasBackColor),
        accessor("BackColor", PT::Color, &Window::BackColor, &Window::setBackColor),
        keep("MenuBarVisible", PT::Boolean),
    };
    PropertyRecord menu;
    menu.name = "MenuBar";
    menu.flags = kPropertyFlags;
    menu.type = PT::Object;
    menu.get = [](const Object& o) -> Value { return static_cast<Object*>(as<Window>(o, "MenuBar").menuBar()); };
    menu.set = [](Object& o, const Value& v) {
        as<Window>(o, "MenuBar").setMenuBar(checkCast<MenuBar>(props::from<Object*>(v, "MenuBar")));
    };
    p.push_back(std::move(menu));

    PropertyRecord count;
    count.name = "ControlCount";
    count.flags = kPropertyFlags;
    count.type = PT::Integer;
    count.get = [](const Object& o) -> Value {
        return static_cast<std::int64_t>(as<Window>(o, "ControlCount").controlCount());
    };
    p.push_back(std::move(count));

    for (const char* i : {"Left", "Top", "MouseX", "MouseY", "Handle", "Type", "DefaultLocation", "Index"})
        p.push_back(keep(i, PT::Integer));
    for (const char* b : {"ContentsChanged", "ImplicitInstance", "UseGDIPlus", "Transparent", "Enabled", "AcceptFocus",
                          "Shadow", "Modified"})
        p.push_back(keep(b, PT::Boolean));
    for (const char* o : {"Backdrop", "Bounds", "DockItem", "Focus", "Graphics", "MouseCursor"})
        p.push_back(keep(o, PT::Object));
    p.push_back(keep("ScaleFactor", PT::Single));
    p.push_back(keep("Name", PT::String));
    return p;
}

}  // namespace

const ClassTable& Window::__Lookup() {
    static const ClassTable* t = props::makeTable("Window", nullptr, windowMembers(), kWindowEvents, windowProperties(),
                                                  sizeof(Window),
                                                  [] { return std::make_unique<Window>(Window::__Lookup()); });
    return *t;
}

}  // namespace nalvo
