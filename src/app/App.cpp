// The application class table and the accessor of the application object.
#include "app/App.h"

namespace nalvo {

const ClassTable& App::__Lookup() {
    static const ClassTable table = [] {
        ClassTable t;
        t.name = "App";
        t.superclass = &Application::__Lookup();
        t.members.push_back(MemberRecord{
            .name = "Event_Open",
            .flags = member_flags::Method | member_flags::Slot,
            .attributes = {},
            .signature = "%%",
            .implementation = [](Object& self, Args) {
                static_cast<App&>(self).Event_Open();
                return Value{};
            },
        });
        t.members.push_back(MemberRecord{
            .name = "Constructor",
            .flags = member_flags::Method | member_flags::Slot,
            .attributes = {},
            .signature = "%%",
            .implementation = [](Object& self, Args) {
                static_cast<App&>(self).Constructor();
                return Value{};
            },
        });
        for (auto& m : t.members) m.invoker = invokerFor(m.signature);
        std::uint32_t slot = 0;
        for (auto& m : t.members) m.slot = slot++;
        for (auto& m : t.members) t.methodTable.push_back(&m);
        // The application's Open event is implemented by Event_Open.
        t.events.push_back(EventEntry{"Open", &t.members[0]});
        t.factory = [] { return std::unique_ptr<Object>(new App); };
        t.instanceBytes = sizeof(App);
        return t;
    }();
    return table;
}

App& theApp() {
    return notNil(checkCast<App>(_GetAppObject()), "App");
}

}  // namespace nalvo
