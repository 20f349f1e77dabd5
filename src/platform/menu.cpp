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

namespace nalvo {

void MenuItem::Append(std::unique_ptr<MenuItem> item) {
    notNil(item.get(), "menu item");
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

ClassTable menuItemTable(const char* name, const ClassTable* super, std::function<std::unique_ptr<Object>()> factory) {
    ClassTable t;
    t.name = name;
    t.superclass = super;
    t.factory = std::move(factory);
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
    return t;
}

}  // namespace

const ClassTable& MenuItem::__Lookup() {
    static const ClassTable table =
        menuItemTable("MenuItem", nullptr, [] { return std::unique_ptr<Object>(new MenuItem); });
    return table;
}

const ClassTable& QuitMenuItem::__Lookup() {
    static const ClassTable table =
        menuItemTable("QuitMenuItem", &MenuItem::__Lookup(), [] { return std::unique_ptr<Object>(new QuitMenuItem); });
    return table;
}

const ClassTable& AppleMenuItem::__Lookup() {
    static const ClassTable table = menuItemTable("AppleMenuItem", &MenuItem::__Lookup(),
                                                  [] { return std::unique_ptr<Object>(new AppleMenuItem); });
    return table;
}

const ClassTable& MenuBar::__Lookup() {
    static const ClassTable table =
        menuItemTable("MenuBar", &MenuItem::__Lookup(), [] { return std::unique_ptr<Object>(new MenuBar); });
    return table;
}

}  // namespace nalvo
