// The class tables of the application object and the menu bar, and the
// runtime's start-up list of class-table builders.
#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/startup.h"
#include "window/NALVO.h"

#include <gtest/gtest.h>

namespace nalvo {
namespace {

// The members' names, each checked to sit in the method table at its own slot.
std::vector<std::string> names(const ClassTable& t) {
    std::vector<std::string> n;
    EXPECT_EQ(t.methodTable.size(), t.members.size()) << t.name;
    for (std::size_t i = 0; i < t.members.size() && i < t.methodTable.size(); ++i) {
        EXPECT_EQ(t.methodTable[i], &t.members[i]) << t.name << " slot " << i;
        EXPECT_EQ(t.members[i].slot, i) << t.name;
        n.push_back(t.members[i].name);
    }
    return n;
}

TEST(AppClassTable, ApplicationsThirteenThenEventOpenAndConstructorAndFourIntegers) {
    const ClassTable& t = App::__Lookup();
    EXPECT_EQ(t.superclass, &Application::__Lookup());
    std::vector<std::string> expected = {"AddTrayItem",       "DoEvents",        "NewDocument",
                                         "OpenDocument",      "RemoveTrayItem",  "SleepCurrentThread",
                                         "YieldToNextThread", "_AddMenuHandler", "_AddPollableObject",
                                         "_DependencyList",   "_DoSingleEvent",  "_RemovePollableObject",
                                         "_x_SetVersionData"};
    EXPECT_EQ(names(Application::__Lookup()), expected);
    expected.insert(expected.end(), {"Event_Open", "Constructor"});
    EXPECT_EQ(names(t), expected);
    ASSERT_NE(t.findEvent("Open"), nullptr);
    EXPECT_EQ(t.findEvent("Open")->implementation, &t.members[13]);

    // Public Integer properties over the fields, after Application's own.
    const std::pair<const char*, std::int64_t App::*> fields[] = {{"MyInstrument", &App::MyInstrument},
                                                                  {"MyPitch", &App::MyPitch},
                                                                  {"MyVelocity", &App::MyVelocity},
                                                                  {"LastPitch", &App::LastPitch}};
    ASSERT_EQ(t.properties.size(), Application::__Lookup().properties.size() + 4);
    App app;
    for (std::size_t i = 0; i < 4; ++i) {
        const PropertyRecord& p = t.properties[t.properties.size() - 4 + i];
        EXPECT_EQ(p.name, fields[i].first);
        EXPECT_EQ(p.flags, 5u);
        EXPECT_EQ(p.type, PropertyType::Integer);
        p.set(app, Value{std::int64_t(10 + i)});
        EXPECT_EQ(app.*fields[i].second, 10 + i) << p.name;
        EXPECT_EQ(p.get(app), Value{std::int64_t(10 + i)}) << p.name;
    }
}

TEST(MenuBar1ClassTable, MenuBarsOperationsInSlotOrderThenTheFourBuilders) {
    const ClassTable& table = MenuBar1::__Lookup();
    EXPECT_EQ(table.superclass, &MenuBar::__Lookup());
    EXPECT_EQ(
        names(table),
        (std::vector<std::string>{
            "Append",    "Child",    "Clone",       "Close",  "Constructor",   "Constructor",     "Constructor",
            "Count",     "Enable",   "Handle",      "Insert", "Item",          "MenuItem",        "MenuItem",
            "PopUp",     "PopUp",    "Remove",      "Remove", "Remove",        "_DependencyList", "_DisableEntirely",
            "_Lookup",   "_Lookup",  "_SelfEnable", "_Swap",  "_InstallClone", "Untitled0",       "Untitled1",
            "Untitled2", "Untitled3"}));
    // Slot 4, the no-argument Constructor, is the class's own: it builds the four top-level items.
    EXPECT_EQ(table.members[4].signature, "%%");
    class MenuBar1 bar;
    table.methodTable[4]->implementation(bar, {});
    EXPECT_EQ(bar.Count(), 4u);  // the items themselves are the menu test's
}

TEST(StartupList, TimerClassThenNalvoThenMenuBar1ThenApp) {
    const std::vector<ClassTableBuilder> expected = {&NALVOTimer::__ctblinit, &NALVO::__ctblinit, &MenuBar1::__ctblinit,
                                                     &App::__ctblinit};
    const auto list = classTableBuilders();
    EXPECT_EQ(std::vector<ClassTableBuilder>(list.begin(), list.end()), expected);
}

}  // namespace
}  // namespace nalvo
