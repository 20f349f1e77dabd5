// The main window's class table: members, flags, method table, event hooks,
// the REC property, and calls by name.
#include "support/fixture.h"

#include <map>
#include <set>

namespace nalvo {
namespace {

// Window's 40 members in member-record order: name and signature.
const std::pair<const char*, const char*> kWindowMembers[] = {
    {"AcceptFileDrop", "%%s"}, {"AcceptMacDataDrop", "%%s"}, {"AcceptPictureDrop", "%%"}, {"AcceptRawDataDrop", "%%s"},
    {"AcceptTextDrop", "%%"}, {"BitmapForCaching", "%o<Picture>%i8i8"}, {"Close", "%%"}, {"Constructor", "%%"},
    {"Control", "%o<Control>%i8"}, {"DrawInto", "%%o<Graphics>i8i8b"}, {"FocusNext", "%%"}, {"FocusPrevious", "%%"},
    {"Hide", "%%"}, {"Invalidate", "%%b"}, {"Invalidate", "%%i8i8i8i8b"}, {"Maximize", "%%"}, {"Minimize", "%%"},
    {"Operator_Convert", "%?<WindowPtr>%"}, {"Refresh", "%%b"}, {"RefreshRect", "%%i8i8i8i8b"}, {"Restore", "%%"},
    {"SetFocus", "%%"}, {"Show", "%%"}, {"ShowModal", "%%"}, {"ShowModalWithin", "%%o<Window>"},
    {"ShowWithin", "%%o<Window>i8"}, {"TrueWindow", "%o<Window>%"}, {"UpdateNow", "%%"}, {"Window", "%%"},
    {"_AddControl", "%%so<Object>"}, {"_AddMenuHandler", "%%sp"}, {"_ControlByName", "%o<Object>%s"},
    {"_ControlByNameIndex", "%o<Object>%si8"}, {"_DependencyList", "%%"}, {"_GetControl", "%o<Object>%s"},
    {"_GetControlArray", "%o<Object>%si8"}, {"_Move", "%%i8i8i8i8"}, {"__Exit", "%%"}, {"__Init", "%%"},
    {"__New", "%o<Object>%p"}};

TEST(NalvoClassTable, MembersFlagsMethodTableEventHooksAndRec) {
    const ClassTable& t = NALVO::__Lookup();
    const ClassTable& window = Window::__Lookup();
    EXPECT_EQ(t.name, "NALVO");
    EXPECT_EQ(t.superclass, &window);
    ASSERT_EQ(t.members.size(), 239u);
    ASSERT_EQ(window.members.size(), 40u);
    for (const ClassTable* table : {&window, &t})
        for (std::size_t i = 0; i < 40; ++i) {
            const MemberRecord& m = table->members[i];
            EXPECT_EQ(m.name, kWindowMembers[i].first) << i;
            EXPECT_EQ(m.signature, kWindowMembers[i].second) << m.name;
            const bool slotless = std::set<std::string>{"_GetControl", "_GetControlArray", "__Exit", "__Init"}.count(m.name);
            EXPECT_EQ(m.flags, m.name == "Window" ? 288u : slotless ? 64u : 257u) << m.name;
        }
    // Own members: chunks, accessors in creation order, handlers in binding order, menu items, the rest.
    const std::pair<std::size_t, std::pair<const char*, const char*>> samples[] = {
        {40, {"Layout", "%%"}}, {42, {"_CreateControls0", "%%"}}, {89, {"Mytimer", "%o<Timer>%"}},
        {132, {"Rectangle23_MouseDown", "%b%o<Rectangle>i8i8"}}, {134, {"VelocitySlider_Open", "%%o<Slider>"}},
        {220, {"PitchBar_ValueChanged", "%%o<ScrollBar>"}}, {233, {"FileQuit", "%o<QuitMenuItem>%"}},
        {235, {"Event_KeyDown", "%b%s"}}, {237, {"Onpu", "%i8%i8i8i8"}}, {238, {"pxx", "%%i8"}},
    };
    for (const auto& [i, m] : samples) {
        EXPECT_EQ(t.members[i].name, m.first) << "member " << i;
        EXPECT_EQ(t.members[i].signature, m.second) << m.first;
    }
    std::map<std::uint32_t, int> flags;
    std::size_t slot = 0;
    for (const MemberRecord& m : t.members) {
        ++flags[m.flags];
        EXPECT_TRUE(m.implementation && m.invoker) << m.name;
        EXPECT_EQ(m.attributes.size(), m.flags == 385u ? 1u : 0u) << m.name;
        if (!m.hasSlot()) continue;
        ASSERT_LT(slot, t.methodTable.size());
        EXPECT_EQ(t.methodTable[slot++], &m) << m.name;
    }
    EXPECT_EQ(slot, 235u);
    EXPECT_EQ(flags, (std::map<std::uint32_t, int>{{64, 4}, {257, 231}, {288, 1}, {385, 3}}));
    EXPECT_EQ(t.findMember("_CreateControls1")->attributes[0].name, "Hidden");

    ASSERT_EQ(t.events.size(), 34u);
    std::map<std::string, std::string> hooks;
    for (const EventEntry& e : t.events)
        if (e.implementation) hooks[e.name] = e.implementation->name;
    EXPECT_EQ(hooks, (std::map<std::string, std::string>{{"CreateControls", "CreateControls"}, {"KeyDown", "Event_KeyDown"},
                                                         {"Layout", "Layout"}, {"Open", "Event_Open"}}));
    ASSERT_EQ(t.properties.size(), 49u);
    const PropertyRecord& rec = t.properties.back();
    EXPECT_EQ(rec.name, "REC");
    EXPECT_EQ(rec.flags, 5u);
    EXPECT_EQ(rec.type, PropertyType::Boolean);
    EXPECT_EQ(t.instanceBytes, Window::__Lookup().instanceBytes + 1);
}

class NalvoReflection : public WindowFixture {};

TEST_F(NalvoReflection, ByName) {
    const ClassTable& t = window().classTable();
    EXPECT_THROW(t.invoke(window(), "Onpu", std::vector<Value>{Value{std::int64_t{1}}}), TypeMismatchException);
    EXPECT_THROW(t.invoke(window(), "NoSuchMember"), FunctionNotFoundException);
    t.properties.back().set(window(), Value{true});
    EXPECT_TRUE(window().REC);
    EXPECT_THROW(t.properties.back().set(window(), Value{std::int64_t{1}}), TypeMismatchException);
}

}  // namespace
}  // namespace nalvo
