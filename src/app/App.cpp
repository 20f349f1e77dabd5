// The application class table and the accessor of the application object.
#include "app/App.h"

namespace nalvo {

const ClassTable& App::__Lookup() {
    static const std::unique_ptr<ClassTable> table = [] {
        const ClassTable& super = Application::__Lookup();
        auto t = std::make_unique<ClassTable>();
        t->name = "App";
        t->superclass = &super;
        t->members = super.members;  // none overridden
        auto own = [&t](const char* name, void (App::*method)()) {
            t->members.push_back(methodMember(name, "%%", [method](Object& self, Args) {
                (notNil(checkCast<App>(&self), "App").*method)();
                return Value{};
            }));
        };
        own("Event_Open", &App::Event_Open);
        own("Constructor", &App::Constructor);
        numberSlots(*t);
        t->events = super.events;
        for (auto& e : t->events)
            if (e.name == "Open") e.implementation = t->findMember("Event_Open");

        // The shared playing state: public Integer fields, no accessors of their own.
        t->properties = super.properties;
        for (const auto& entry : {std::pair{"MyInstrument", &App::MyInstrument}, std::pair{"MyPitch", &App::MyPitch},
                                  std::pair{"MyVelocity", &App::MyVelocity}, std::pair{"LastPitch", &App::LastPitch}}) {
            std::int64_t App::*field = entry.second;  // a plain variable: lambdas capture it
            PropertyRecord p;
            p.name = entry.first;
            p.flags = 5;
            p.type = PropertyType::Integer;
            p.get = [field](const Object& o) -> Value {
                const auto* app = dynamic_cast<const App*>(&o);
                if (!app) throw IllegalCastException("object is not an App");
                return Value{app->*field};
            };
            p.set = [field](Object& o, const Value& v) {
                const auto* i = std::get_if<std::int64_t>(&v);
                if (!i) throw TypeMismatchException("an App property takes an Integer");
                notNil(checkCast<App>(&o), "App").*field = *i;
            };
            t->properties.push_back(std::move(p));
        }
        t->factory = [] { return std::unique_ptr<Object>(new App); };
        t->instanceBytes = sizeof(App);
        return t;
    }();
    return *table;
}

App& theApp() {
    return notNil(checkCast<App>(_GetAppObject()), "App");
}

}  // namespace nalvo
