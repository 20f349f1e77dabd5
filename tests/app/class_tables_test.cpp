// The class tables of the application object and the menu bar, and the
// runtime's start-up list of class-table builders.
#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/startup.h"
#include "window/NALVO.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nalvo {
namespace {

std::vector<std::string> names(const std::vector<MemberRecord>& members) {
    std::vector<std::string> n;
    for (const MemberRecord& m : members) n.push_back(m.name);
    return n;
}

std::vector<std::string> names(const std::vector<const MemberRecord*>& slots) {
    std::vector<std::string> n;
    for (const MemberRecord* m : slots) n.push_back(m->name);
    return n;
}

const std::vector<std::string> kApplicationOperations = {
    "AddTrayItem",     "DoEvents",        "NewDocument",     "OpenDocument",          "RemoveTrayItem",
    "SleepCurrentThread", "YieldToNextThread", "_AddMenuHandler", "_AddPollableObject", "_DependencyList",
    "_DoSingleEvent",  "_RemovePollableObject", "_x_SetVersionData"};

TEST(AppClassTable, ApplicationsThirteenThenEventOpenAndConstructor) {
    const ClassTable& app = App::__Lookup();
    EXPECT_EQ(app.name, "App");
    EXPECT_EQ(app.superclass, &Application::__Lookup());
    EXPECT_EQ(names(Application::__Lookup().members), kApplicationOperations);
    std::vector<std::string> expected = kApplicationOperations;
    expected.insert(expected.end(), {"Event_Open", "Constructor"});
    EXPECT_EQ(names(app.members), expected);
    EXPECT_EQ(names(app.methodTable), expected);
    for (std::size_t i = 0; i < app.methodTable.size(); ++i) EXPECT_EQ(app.methodTable[i]->slot, i);
    // The Open event's hook is the class's own Event_Open.
    const EventEntry* open = app.findEvent("Open");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->implementation, &app.members[13]);
}

TEST(AppClassTable, FourPublicIntegerPropertiesOverTheFields) {
    const ClassTable& table = App::__Lookup();
    const char* expected[] = {"MyInstrument", "MyPitch", "MyVelocity", "LastPitch"};
    ASSERT_GE(table.properties.size(), 4u);
    const std::size_t first = table.properties.size() - 4;
    EXPECT_EQ(first, Application::__Lookup().properties.size());
    App app;
    for (std::size_t i = 0; i < 4; ++i) {
        const PropertyRecord& p = table.properties[first + i];
        EXPECT_EQ(p.name, expected[i]);
        EXPECT_EQ(p.flags, 5u);
        EXPECT_EQ(p.type, PropertyType::Integer);
        EXPECT_EQ(p.get(app), Value{std::int64_t{0}});
        p.set(app, Value{std::int64_t(10 + i)});
    }
    EXPECT_EQ(app.MyInstrument, 10);
    EXPECT_EQ(app.MyPitch, 11);
    EXPECT_EQ(app.MyVelocity, 12);
    EXPECT_EQ(app.LastPitch, 13);
}

TEST(MenuBar1ClassTable, MenuBarsOperationsInSlotOrderThenTheFourBuilders) {
    const ClassTable& table = MenuBar1::__Lookup();
    EXPECT_EQ(table.superclass, &MenuBar::__Lookup());
    const std::vector<std::string> expected = {
        "Append",  "Child",  "Clone",  "Close",  "Constructor", "Constructor", "Constructor", "Count",
        "Enable",  "Handle", "Insert", "Item",   "MenuItem",    "MenuItem",    "PopUp",       "PopUp",
        "Remove",  "Remove", "Remove", "_DependencyList", "_DisableEntirely", "_Lookup", "_Lookup",
        "_SelfEnable", "_Swap", "_InstallClone", "Untitled0", "Untitled1", "Untitled2", "Untitled3"};
    EXPECT_EQ(names(table.members), expected);
    EXPECT_EQ(names(table.methodTable), expected);
    // Slot 4, the no-argument Constructor, is the class's own: it builds the
    // four top-level items.
    EXPECT_EQ(table.members[4].signature, "%%");
    class MenuBar1 bar;
    table.methodTable[4]->implementation(bar, {});
    ASSERT_EQ(bar.Count(), 4u);
    EXPECT_EQ(bar.Item(1).Name, "FileMenu");
    EXPECT_EQ(bar.Item(3).Name, "UntitledMenu2");
}

TEST(StartupList, TimerClassThenNalvoThenMenuBar1ThenApp) {
    const std::vector<ClassTableBuilder> expected = {&NALVOTimer::__ctblinit, &NALVO::__ctblinit,
                                                     &MenuBar1::__ctblinit, &App::__ctblinit};
    const auto list = classTableBuilders();
    EXPECT_EQ(std::vector<ClassTableBuilder>(list.begin(), list.end()), expected);
}

}  // namespace
}  // namespace nalvo
