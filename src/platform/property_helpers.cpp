// Class-table assembly and stored properties.
#include "platform/property_helpers.h"

#include "platform/controls.h"
#include "platform/window.h"

namespace nalvo::props {

StoredMap& storedOf(Object& object) {
    if (auto* c = dynamic_cast<Control*>(&object)) return c->stored;
    if (auto* w = dynamic_cast<Window*>(&object)) return w->stored;
    throw IllegalCastException("object keeps no stored settings");
}

const StoredMap& storedOf(const Object& object) { return storedOf(const_cast<Object&>(object)); }

Value defaultOf(PropertyType type) {
    switch (type) {
    case PropertyType::Integer:
    case PropertyType::Enum8: return std::int64_t{0};
    case PropertyType::Boolean: return false;
    case PropertyType::Single: return 0.0;
    case PropertyType::Color: return Color{};
    case PropertyType::String: return std::string();
    case PropertyType::Object: return static_cast<Object*>(nullptr);
    }
    return {};
}

Value canonical(PropertyType type, const Value& v, std::string_view name) {
    switch (type) {
    case PropertyType::Integer:
    case PropertyType::Enum8: return from<std::int64_t>(v, name);
    case PropertyType::Boolean: return from<bool>(v, name);
    case PropertyType::Single:
        if (auto* i = std::get_if<std::int64_t>(&v)) return static_cast<double>(*i);
        return from<double>(v, name);
    case PropertyType::Color: return from<Color>(v, name);
    case PropertyType::String: return from<std::string>(v, name);
    case PropertyType::Object: return from<Object*>(v, name);
    }
    return {};
}

PropertyRecord keep(const char* name, PropertyType type, void (*after)(Object&)) {
    PropertyRecord p;
    p.name = name;
    p.flags = kPropertyFlags;
    p.type = type;
    p.get = [name, type](const Object& o) -> Value {
        const StoredMap& m = storedOf(o);
        auto it = m.find(name);
        return it == m.end() ? defaultOf(type) : it->second;
    };
    p.set = [name, type, after](Object& o, const Value& v) {
        Value c = canonical(type, v, name);
        storedOf(o)[name] = std::move(c);
        if (after) after(o);
    };
    return p;
}

ClassTable* makeTable(const char* name, const ClassTable* superclass, std::vector<MemberSpec> members,
                      std::vector<std::string> events, std::vector<PropertyRecord> properties, std::size_t instanceBytes,
                      std::function<std::unique_ptr<Object>()> factory) {
    auto* t = new ClassTable;  // class tables live as long as the program
    t->name = name;
    t->superclass = superclass;
    if (superclass) {
        t->members = superclass->members;
        for (const EventEntry& e : superclass->events) t->events.push_back(EventEntry{e.name, nullptr});
        t->properties = superclass->properties;
    }
    for (MemberSpec& m : members) {
        MemberRecord r;
        r.name = m.name;
        r.flags = m.flags;
        r.signature = m.signature;
        r.implementation = std::move(m.implementation);
        r.invoker = invokerFor(r.signature);
        t->members.push_back(std::move(r));
    }
    std::uint32_t slot = 0;
    for (MemberRecord& r : t->members)
        if (r.hasSlot()) r.slot = slot++;
    for (const MemberRecord& r : t->members)
        if (r.hasSlot()) t->methodTable.push_back(&r);
    for (std::string& e : events) t->events.push_back(EventEntry{std::move(e), nullptr});
    for (PropertyRecord& p : properties) t->properties.push_back(std::move(p));
    t->instanceBytes = instanceBytes;
    t->factory = std::move(factory);
    return t;
}

}  // namespace nalvo::props
