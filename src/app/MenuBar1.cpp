// The menu bar's items, one row per item in build order.
#include "app/MenuBar1.h"

#include <array>
#include <optional>

namespace nalvo {

namespace {

enum class ItemKind { Plain, Quit, Apple };

struct ItemRow {
    const char* name;
    ItemKind kind;
    const char* parent;  // null: the bar itself
    const char* text;
    const char* shortcut;  // null: never set (the separator)
    bool visible;
    int builder;  // which UntitledN builds it
};

constexpr std::array<ItemRow, 14> kItems{{
    {"UntitledMenu1", ItemKind::Plain, nullptr, "", "", true, 0},
    {"FileMenu", ItemKind::Plain, nullptr, "ファイル(&F)", "", false, 1},
    {"FileQuit", ItemKind::Quit, "FileMenu", "終了(&X)", "Cmd+Q", true, 1},
    {"UntitledMenu5", ItemKind::Plain, "FileMenu", "", "", true, 1},
    {"EditMenu", ItemKind::Plain, nullptr, "編集(&E)", "", false, 2},
    {"EditUndo", ItemKind::Plain, "EditMenu", "取り消し", "Cmd+Z", true, 2},
    {"UntitledMenu0", ItemKind::Plain, "EditMenu", "-", nullptr, true, 2},
    {"EditCut", ItemKind::Plain, "EditMenu", "カット", "Cmd+X", true, 2},
    {"EditCopy", ItemKind::Plain, "EditMenu", "コピー", "Cmd+C", true, 2},
    {"EditPaste", ItemKind::Plain, "EditMenu", "貼り付け", "Cmd+V", true, 2},
    {"EditClear", ItemKind::Plain, "EditMenu", "クリア", "", true, 2},
    {"UntitledMenu4", ItemKind::Plain, "EditMenu", "", "", true, 2},
    {"UntitledMenu3", ItemKind::Apple, "EditMenu", "", "", true, 2},
    {"UntitledMenu2", ItemKind::Plain, nullptr, "", "", true, 3},
}};

std::unique_ptr<MenuItem> newItem(ItemKind kind) {
    switch (kind) {
    case ItemKind::Quit: return std::make_unique<QuitMenuItem>();
    case ItemKind::Apple: return std::make_unique<AppleMenuItem>();
    case ItemKind::Plain: break;
    }
    return std::make_unique<MenuItem>();
}

std::unique_ptr<class MenuBar1>& slot() {
    static std::unique_ptr<class MenuBar1> instance;
    return instance;
}

}  // namespace

void MenuBar1::build(int builder) {
    for (const ItemRow& row : kItems) {
        if (row.builder != builder) continue;
        auto item = newItem(row.kind);
        item->Name = row.name;
        item->AutoEnable = true;
        item->Text = row.text;
        item->Visible = row.visible;
        if (row.shortcut) item->KeyboardShortcut = row.shortcut;
        if (!row.parent)
            Append(std::move(item));
        else
            notNil(Child(row.parent), row.parent).Append(std::move(item));
    }
}

void MenuBar1::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}
void MenuBar1::Untitled0() { build(0); }
void MenuBar1::Untitled1() { build(1); }
void MenuBar1::Untitled2() { build(2); }
void MenuBar1::Untitled3() { build(3); }

const ClassTable& MenuBar1::__Lookup() {
    static const std::unique_ptr<ClassTable> table = [] {
        const ClassTable& super = MenuBar::__Lookup();
        auto t = std::make_unique<ClassTable>();
        t->name = "MenuBar1";
        t->superclass = &super;
        t->members = super.members;
        auto own = [](void (MenuBar1::*method)()) -> Implementation {
            return [method](Object& self, Args) {
                (notNil(checkCast<class MenuBar1>(&self), "MenuBar1").*method)();
                return Value{};
            };
        };
        for (MemberRecord& m : t->members)
            if (m.name == "Constructor" && m.signature == "%%") m.implementation = own(&MenuBar1::Constructor);
        const std::pair<const char*, void (MenuBar1::*)()> builders[] = {{"Untitled0", &MenuBar1::Untitled0},
                                                                         {"Untitled1", &MenuBar1::Untitled1},
                                                                         {"Untitled2", &MenuBar1::Untitled2},
                                                                         {"Untitled3", &MenuBar1::Untitled3}};
        for (const auto& [name, method] : builders) t->members.push_back(methodMember(name, "%%", own(method)));
        numberSlots(*t);
        t->properties = super.properties;
        t->factory = [] { return std::unique_ptr<Object>(new class MenuBar1); };
        t->instanceBytes = sizeof(class MenuBar1);
        return t;
    }();
    return *table;
}

MenuBar& MenuBar1() {
    auto& instance = slot();
    if (!instance) {
        auto bar = std::make_unique<class MenuBar1>();
        bar->Constructor();  // on failure the slot stays empty
        instance = std::move(bar);
    }
    return *instance;
}

void resetMenuBar1ForTests() { slot().reset(); }

}  // namespace nalvo
