// The class table of the main window: members, flags, signatures, method
// table, event hooks and the REC property.
#include "support/window_fixture.h"
#include "window/NALVO.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace nalvo {
namespace {

// The 199 own members with their signatures, in member order.
std::vector<std::pair<std::string, std::string>> ownMembers() {
    std::vector<std::pair<std::string, std::string>> m = {{"Layout", "%%"},
                                                          {"CreateControls", "%%"},
                                                          {"_CreateControls0", "%%"},
                                                          {"_CreateControls1", "%%"},
                                                          {"_CreateControls2", "%%"}};
#define NALVO_TEST_ACCESSOR(name, cls, chunk) m.emplace_back(#name, "%o<" #cls ">%");
    NALVO_CONTROLS(NALVO_TEST_ACCESSOR)
#undef NALVO_TEST_ACCESSOR
#define NALVO_TEST_HANDLER(name, event, number, cls) \
    m.emplace_back(#name "_" #event, std::string(#event) == "MouseDown" ? "%b%o<" #cls ">i8i8" : "%%o<" #cls ">");
    NALVO_HANDLERS(NALVO_TEST_HANDLER)
#undef NALVO_TEST_HANDLER
    const std::pair<const char*, const char*> menu[] = {
        {"UntitledMenu2", "MenuItem"}, {"EditMenu", "MenuItem"},     {"UntitledMenu3", "AppleMenuItem"},
        {"UntitledMenu4", "MenuItem"}, {"EditClear", "MenuItem"},    {"EditPaste", "MenuItem"},
        {"EditCopy", "MenuItem"},      {"EditCut", "MenuItem"},      {"UntitledMenu0", "MenuItem"},
        {"EditUndo", "MenuItem"},      {"FileMenu", "MenuItem"},     {"UntitledMenu5", "MenuItem"},
        {"FileQuit", "QuitMenuItem"},  {"UntitledMenu1", "MenuItem"}};
    for (const auto& [name, cls] : menu) m.emplace_back(name, std::string("%o<") + cls + ">%");
    m.insert(m.end(), {{"Event_KeyDown", "%b%s"}, {"Event_Open", "%%"}, {"Onpu", "%i8%i8i8i8"}, {"pxx", "%%i8"}});
    return m;
}

TEST(NalvoClassTable, MembersInOrder) {
    const ClassTable& t = NALVO::__Lookup();
    const ClassTable& window = Window::__Lookup();
    EXPECT_EQ(t.name, "NALVO");
    EXPECT_EQ(t.superclass, &window);
    ASSERT_EQ(window.members.size(), 40u);
    ASSERT_EQ(t.members.size(), 239u);
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(t.members[i].name, window.members[i].name) << i;
        EXPECT_EQ(t.members[i].signature, window.members[i].signature) << i;
        EXPECT_EQ(t.members[i].flags, window.members[i].flags) << i;
    }
    const auto own = ownMembers();
    ASSERT_EQ(own.size(), 199u);
    for (std::size_t i = 0; i < own.size(); ++i) {
        EXPECT_EQ(t.members[40 + i].name, own[i].first) << "member " << 40 + i;
        EXPECT_EQ(t.members[40 + i].signature, own[i].second) << own[i].first;
        EXPECT_TRUE(static_cast<bool>(t.members[40 + i].implementation)) << own[i].first;
    }
    EXPECT_EQ(t.members[40].name, "Layout");
    EXPECT_EQ(t.members.back().name, "pxx");
    EXPECT_EQ(t.findMember("Mytimer")->signature, "%o<Timer>%");
    EXPECT_EQ(t.findMember("FileQuit")->signature, "%o<QuitMenuItem>%");
}

TEST(NalvoClassTable, FlagsAndHiddenAttributes) {
    const ClassTable& t = NALVO::__Lookup();
    std::map<std::uint32_t, int> counts;
    std::vector<std::string> withAttributes;
    for (const MemberRecord& m : t.members) {
        ++counts[m.flags];
        if (!m.attributes.empty()) {
            withAttributes.push_back(m.name);
            ASSERT_EQ(m.attributes.size(), 1u);
            EXPECT_EQ(m.attributes[0].name, "Hidden");
            EXPECT_EQ(m.attributes[0].value, "");
            EXPECT_EQ(m.attributes[0].flag, 0);
            EXPECT_EQ(m.flags, 385u);
        }
    }
    EXPECT_EQ(counts, (std::map<std::uint32_t, int>{{64, 4}, {257, 231}, {288, 1}, {385, 3}}));
    EXPECT_EQ(withAttributes, (std::vector<std::string>{"_CreateControls0", "_CreateControls1", "_CreateControls2"}));
    EXPECT_EQ(t.findMember("Window")->flags, 288u);
    for (const char* slotless : {"_GetControl", "_GetControlArray", "__Exit", "__Init"})
        EXPECT_EQ(t.findMember(slotless)->flags, 64u) << slotless;
}

TEST(NalvoClassTable, MethodTableFollowsMemberOrderWithoutSlotlessMembers) {
    const ClassTable& t = NALVO::__Lookup();
    ASSERT_EQ(t.methodTable.size(), 235u);
    std::size_t slot = 0;
    for (const MemberRecord& m : t.members) {
        if (!m.hasSlot()) continue;
        ASSERT_LT(slot, t.methodTable.size());
        EXPECT_EQ(t.methodTable[slot], &m) << m.name;
        EXPECT_EQ(m.slot, slot) << m.name;
        ++slot;
    }
    EXPECT_EQ(t.methodTable[36]->name, "Layout");
    EXPECT_EQ(t.methodTable.back()->name, "pxx");
    // Every inherited slot keeps Window's own implementation.
    EXPECT_EQ(t.findMember("Constructor")->implementation.target_type(),
              Window::__Lookup().findMember("Constructor")->implementation.target_type());
}

TEST(NalvoClassTable, FourEventHooks) {
    const ClassTable& t = NALVO::__Lookup();
    ASSERT_EQ(t.events.size(), 34u);
    std::map<std::string, std::string> implemented;
    for (std::size_t i = 0; i < t.events.size(); ++i) {
        EXPECT_EQ(t.events[i].name, Window::__Lookup().events[i].name);
        if (t.events[i].implementation) implemented[t.events[i].name] = t.events[i].implementation->name;
    }
    EXPECT_EQ(implemented, (std::map<std::string, std::string>{{"CreateControls", "CreateControls"},
                                                                {"KeyDown", "Event_KeyDown"},
                                                                {"Layout", "Layout"},
                                                                {"Open", "Event_Open"}}));
}

TEST(NalvoClassTable, PropertiesEndWithRec) {
    const ClassTable& t = NALVO::__Lookup();
    ASSERT_EQ(t.properties.size(), 49u);
    for (std::size_t i = 0; i < 48; ++i) EXPECT_EQ(t.properties[i].name, Window::__Lookup().properties[i].name);
    const PropertyRecord& rec = t.properties.back();
    EXPECT_EQ(rec.name, "REC");
    EXPECT_EQ(rec.flags, 5u);
    EXPECT_EQ(rec.type, PropertyType::Boolean);
    EXPECT_TRUE(rec.attributes.empty());
    EXPECT_EQ(t.instanceBytes, Window::__Lookup().instanceBytes + 1);
    EXPECT_EQ(&NALVO::__Lookup(), &t);  // built once
}

// ---- on a window ----

class NalvoReflection : public WindowFixture {};

TEST_F(NalvoReflection, PropertiesAndMethodsByNameAreTypeChecked) {
    EXPECT_THROW(window().classTable().invoke(window(), "Onpu", std::vector<Value>{Value{std::int64_t{1}}}),
                 TypeMismatchException);
    const PropertyRecord& rec = NALVO::__Lookup().properties.back();
    EXPECT_FALSE(window().REC);
    EXPECT_EQ(std::get<bool>(rec.get(window())), false);
    rec.set(window(), Value{true});
    EXPECT_TRUE(window().REC);
    EXPECT_THROW(rec.set(window(), Value{std::int64_t{1}}), TypeMismatchException);
}

TEST_F(NalvoReflection, HandlerCalledByNameDoesWhatAClickDoes) {
    std::vector<std::pair<std::string, Object*>> seen;
    NALVO::handlerObserver = [&seen](std::string_view handler, Object& sender) { seen.emplace_back(handler, &sender); };
    Oval& pad = window().Oval1();

    setPlaying({.instrument = 3, .pitch = 0, .velocity = 90, .lastPitch = 50});
    const Value byName = window().classTable().invoke(window(), "Oval1_MouseDown",
                                                      std::vector<Value>{Value{static_cast<Object*>(&pad)},
                                                                         Value{std::int64_t{5}}, Value{std::int64_t{6}}});
    const NoteCalls calledByName = notes().calls();
    const Playing afterByName = playing();
    notes().clear();

    setPlaying({.instrument = 3, .pitch = 0, .velocity = 90, .lastPitch = 50});
    click(pad);
    NALVO::handlerObserver = nullptr;

    EXPECT_EQ(byName, Value{false});
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(std::string("Oval1_MouseDown"), static_cast<Object*>(&pad)));
    EXPECT_EQ(seen[1], seen[0]);
    EXPECT_EQ(notes().calls(), calledByName);
    EXPECT_EQ(playing(), afterByName);
}

}  // namespace
}  // namespace nalvo
