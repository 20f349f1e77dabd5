// Helpers that build the framework's class tables: typed property records
// over accessors or fields, stored properties, and table assembly.
#pragma once

#include "platform/classtable.h"
#include "platform/runtime.h"

#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace nalvo::props {

using StoredMap = std::map<std::string, Value, std::less<>>;
// The map of settings stored without effect on `object` (control or window).
StoredMap& storedOf(Object& object);
const StoredMap& storedOf(const Object& object);

constexpr std::uint32_t kPropertyFlags = 21;  // the framework's own properties

// Converts a boxed value to the C++ type of a property; TypeMismatchException otherwise.
template <class V>
V from(const Value& v, std::string_view name) {
    if constexpr (std::is_same_v<V, std::int64_t>) {
        if (auto* i = std::get_if<std::int64_t>(&v)) return *i;
    } else if constexpr (std::is_same_v<V, bool>) {
        if (auto* b = std::get_if<bool>(&v)) return *b;
    } else if constexpr (std::is_same_v<V, double>) {
        if (auto* d = std::get_if<double>(&v)) return *d;
    } else if constexpr (std::is_same_v<V, Color>) {
        if (auto* c = std::get_if<Color>(&v)) return *c;
    } else if constexpr (std::is_same_v<V, std::string>) {
        if (auto* s = std::get_if<std::string>(&v)) return *s;
    } else {
        static_assert(std::is_pointer_v<V>);
        if (auto* o = std::get_if<Object*>(&v)) return *o;
        if (std::holds_alternative<std::monostate>(v)) return nullptr;
    }
    throw TypeMismatchException("wrong type of value for property " + std::string(name));
}

// The value a property of that type holds before anything sets it.
Value defaultOf(PropertyType type);
// Checks that `v` fits `type` (Enum8 and Integer take Integers, Single takes numbers).
Value canonical(PropertyType type, const Value& v, std::string_view name);

template <class T>
T& as(Object& o, std::string_view property) {
    if (auto* t = dynamic_cast<T*>(&o)) return *t;
    throw IllegalCastException("object has no property " + std::string(property));
}
template <class T>
const T& as(const Object& o, std::string_view property) {
    if (auto* t = dynamic_cast<const T*>(&o)) return *t;
    throw IllegalCastException("object has no property " + std::string(property));
}

// A property over a getter and a setter of class T.
template <class T, class G, class S>
PropertyRecord accessor(const char* name, PropertyType type, G (T::*get)() const, void (T::*set)(S)) {
    using V = std::remove_cvref_t<S>;
    PropertyRecord p;
    p.name = name;
    p.flags = kPropertyFlags;
    p.type = type;
    p.get = [get, name](const Object& o) -> Value { return Value(V((as<T>(o, name).*get)())); };
    p.set = [set, name](Object& o, const Value& v) { (as<T>(o, name).*set)(from<V>(v, name)); };
    return p;
}

// A property over a public field of class T.
template <class T, class F>
PropertyRecord field(const char* name, PropertyType type, F T::*member) {
    PropertyRecord p;
    p.name = name;
    p.flags = kPropertyFlags;
    p.type = type;
    p.get = [member, name](const Object& o) -> Value { return Value(as<T>(o, name).*member); };
    p.set = [member, name](Object& o, const Value& v) { as<T>(o, name).*member = from<F>(v, name); };
    return p;
}

// A property kept in the object's stored settings; `after` runs after each set.
PropertyRecord keep(const char* name, PropertyType type, void (*after)(Object&) = nullptr);

struct MemberSpec {
    const char* name;
    std::uint32_t flags;
    const char* signature;
    Implementation implementation;
};

// Assembles a class table: inherited members, events and properties first,
// then the own ones; slots numbered over the slotted members in order.
ClassTable* makeTable(const char* name, const ClassTable* superclass, std::vector<MemberSpec> members,
                      std::vector<std::string> events, std::vector<PropertyRecord> properties, std::size_t instanceBytes,
                      std::function<std::unique_ptr<Object>()> factory);

}  // namespace nalvo::props
