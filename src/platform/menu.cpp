// Menu items, the menu bar and its Qt presentation.
#include "platform/menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QString>

#include <functional>
#include <tuple>

namespace nalvo {

void MenuItem::Append(std::unique_ptr<MenuItem> item) {
    notNil(item.get(), "menu item");
    if (beforeAppend) beforeAppend(*item);
    children_.push_back(std::move(item));
}

MenuItem* MenuItem::Child(std::string_view name) const {
    for (const auto& child : children_)
        if (child->Name == name) return child.get();
    return nullptr;
}

MenuItem* MenuItem::_Lookup(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name == name) return child.get();
        if (MenuItem* found = child->_Lookup(name)) return found;
    }
    return nullptr;
}

void QuitMenuItem::activate() {
    // Queued, so the handler that chose the item returns before the loop ends.
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}

namespace {

// "Cmd+Q" -> Ctrl+Q. Empty or unreadable texts give no shortcut.
QKeySequence shortcutFor(const std::string& text) {
    if (text.empty()) return {};
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"), Qt::CaseInsensitive);
    return QKeySequence(s, QKeySequence::PortableText);
}

// One Qt action for `item`. Its shortcut is also registered on the window, so
// it works while the menu that holds the item is hidden.
QAction* makeAction(MenuItem& item, QMainWindow& window, QObject* parent) {
    auto* action = new QAction(QString::fromStdString(item.Text), parent);
    action->setObjectName(QString::fromStdString(item.Name));
    action->setVisible(item.Visible);
    if (item.Text == "-") action->setSeparator(true);
    if (QKeySequence keys = shortcutFor(item.KeyboardShortcut); !keys.isEmpty()) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
    }
    MenuItem* target = &item;
    QObject::connect(action, &QAction::triggered, action, [target] {
        guarded(target->Name + ".Action", [target] { target->activate(); });
    });
    return action;
}

void fillMenu(QMenu& menu, MenuItem& item, QMainWindow& window) {
    for (std::size_t i = 0; i < item.Count(); ++i) {
        MenuItem& child = item.Item(i);
        if (child.Count() > 0) {
            auto* sub = menu.addMenu(QString::fromStdString(child.Text));
            sub->setObjectName(QString::fromStdString(child.Name));
            sub->menuAction()->setVisible(child.Visible);
            fillMenu(*sub, child, window);
        } else {
            menu.addAction(makeAction(child, window, &menu));
        }
    }
}

}  // namespace

void MenuBar::installOn(QMainWindow& window) {
    // Shortcut actions of an earlier installation go with their old menus.
    auto* bar = new QMenuBar(&window);
    bool shows = false;  // a visible top item with a text
    for (std::size_t i = 0; i < Count(); ++i) {
        MenuItem& top = Item(i);
        shows = shows || (top.Visible && !top.Text.empty());
        if (top.Count() > 0) {
            auto* menu = bar->addMenu(QString::fromStdString(top.Text));
            menu->setObjectName(QString::fromStdString(top.Name));
            menu->menuAction()->setVisible(top.Visible);
            fillMenu(*menu, top, window);
        } else {
            bar->addAction(makeAction(top, window, bar));
        }
    }
    window.setMenuBar(bar);  // deletes the previous bar and its actions
    // A bar with nothing to show is not drawn and takes no room; its
    // shortcuts, registered on the window, keep working.
    bar->setVisible(shows);
}

// Class tables.
namespace {

PropertyRecord stringProperty(const char* name, std::string MenuItem::*field) {
    PropertyRecord p;
    p.name = name;
    p.type = PropertyType::String;
    p.get = [field](const Object& o) { return Value(static_cast<const MenuItem&>(o).*field); };
    p.set = [field](Object& o, const Value& v) { static_cast<MenuItem&>(o).*field = std::get<std::string>(v); };
    return p;
}

MenuItem& item(Object& self) { return notNil(checkCast<MenuItem>(&self), "menu item"); }
const std::string& text(Args a, std::size_t i) { return std::get<std::string>(a[i]); }

// The operations of MenuItem in slot order. Those that this platform does
// not offer (cloning, inserting, removing, pop-up menus, native handles)
// raise FunctionNotFoundException rather than pretend to work.
std::vector<MemberRecord> menuItemMembers() {
    const Implementation nothing = [](Object&, Args) -> Value { return {}; };
    const Implementation setText = [](Object& self, Args a) -> Value {
        item(self).Text = text(a, 0);
        return {};
    };
    const Implementation find = [](Object& self, Args a) -> Value { return static_cast<Object*>(item(self)._Lookup(text(a, 0))); };
    const Implementation append = [](Object& self, Args a) -> Value {
        // Ownership of the boxed item passes to the menu.
        Object* child = std::holds_alternative<Object*>(a[0]) ? std::get<Object*>(a[0]) : nullptr;
        item(self).Append(std::unique_ptr<MenuItem>(checkCast<MenuItem>(child)));
        return {};
    };
    const Implementation child = [](Object& self, Args a) -> Value { return static_cast<Object*>(item(self).Child(text(a, 0))); };
    const Implementation count = [](Object& self, Args) -> Value { return static_cast<std::int64_t>(item(self).Count()); };
    const Implementation at = [](Object& self, Args a) -> Value {
        const std::int64_t i = std::get<std::int64_t>(a[0]);
        if (i < 0 || static_cast<std::size_t>(i) >= item(self).Count())
            throw OutOfBoundsException("menu item has no item " + std::to_string(i));
        return static_cast<Object*>(&item(self).Item(static_cast<std::size_t>(i)));
    };
    auto unavailable = [](const char* name) -> Implementation {
        return [name](Object&, Args) -> Value {
            throw FunctionNotFoundException(std::string("MenuItem.") + name + " is not available on this platform");
        };
    };
    const std::tuple<const char*, const char*, Implementation> rows[] = {
        {"Append", "%%o<MenuItem>", append},
        {"Child", "%o<MenuItem>%s", child},
        {"Clone", "%o<MenuItem>%", unavailable("Clone")},
        {"Close", "%%", nothing},
        {"Constructor", "%%", nothing},
        {"Constructor", "%%o<MenuItem>", nothing},
        {"Constructor", "%%sv", setText},
        {"Count", "%i8%", count},
        {"Enable", "%%", nothing},  // every item is enabled
        {"Handle", "%p%i8", unavailable("Handle")},
        {"Insert", "%%i8o<MenuItem>", unavailable("Insert")},
        {"Item", "%o<MenuItem>%i8", at},
        {"MenuItem", "%%", nothing},
        {"MenuItem", "%%sv", setText},
        {"PopUp", "%o<MenuItem>%", unavailable("PopUp")},
        {"PopUp", "%o<MenuItem>%i8i8", unavailable("PopUp")},
        {"Remove", "%%i8", unavailable("Remove")},
        {"Remove", "%%o<MenuItem>", unavailable("Remove")},
        {"Remove", "%%s", unavailable("Remove")},
        {"_DependencyList", "%%", nothing},
        {"_DisableEntirely", "%%", nothing},
        {"_Lookup", "%o<MenuItem>%s", find},
        {"_Lookup", "%o<MenuItem>%si8", find},
        {"_SelfEnable", "%%", nothing},
        {"_Swap", "%%o<MenuItem>", unavailable("_Swap")},
        {"_InstallClone", "%%o<MenuItem>", unavailable("_InstallClone")},
    };
    std::vector<MemberRecord> members;
    for (const auto& [name, signature, implementation] : rows) members.push_back(methodMember(name, signature, implementation));
    return members;
}

std::unique_ptr<ClassTable> menuItemTable(const char* name, const ClassTable* super,
                                          std::function<std::unique_ptr<Object>()> factory) {
    auto table = std::make_unique<ClassTable>();
    ClassTable& t = *table;
    t.name = name;
    t.superclass = super;
    t.factory = std::move(factory);
    t.members = super ? super->members : menuItemMembers();
    numberSlots(t);
    if (!super) {
        t.properties.push_back(stringProperty("Name", &MenuItem::Name));
        t.properties.push_back(stringProperty("Text", &MenuItem::Text));
        t.properties.push_back(stringProperty("KeyboardShortcut", &MenuItem::KeyboardShortcut));
        PropertyRecord visible;
        visible.name = "Visible";
        visible.type = PropertyType::Boolean;
        visible.get = [](const Object& o) { return Value(static_cast<const MenuItem&>(o).Visible); };
        visible.set = [](Object& o, const Value& v) { static_cast<MenuItem&>(o).Visible = std::get<bool>(v); };
        t.properties.push_back(std::move(visible));
    } else {
        t.properties = super->properties;
    }
    t.instanceBytes = sizeof(MenuItem);
    return table;
}

}  // namespace

const ClassTable& MenuItem::__Lookup() {
    static const std::unique_ptr<ClassTable> table =
        menuItemTable("MenuItem", nullptr, [] { return std::unique_ptr<Object>(new MenuItem); });
    return *table;
}

const ClassTable& QuitMenuItem::__Lookup() {
    static const std::unique_ptr<ClassTable> table =
        menuItemTable("QuitMenuItem", &MenuItem::__Lookup(), [] { return std::unique_ptr<Object>(new QuitMenuItem); });
    return *table;
}

const ClassTable& AppleMenuItem::__Lookup() {
    static const std::unique_ptr<ClassTable> table = menuItemTable("AppleMenuItem", &MenuItem::__Lookup(),
                                                  [] { return std::unique_ptr<Object>(new AppleMenuItem); });
    return *table;
}

const ClassTable& MenuBar::__Lookup() {
    static const std::unique_ptr<ClassTable> table =
        menuItemTable("MenuBar", &MenuItem::__Lookup(), [] { return std::unique_ptr<Object>(new MenuBar); });
    return *table;
}

}  // namespace nalvo
