// Class tables: the data that describes a class to the framework. They are
// real data, built once, and the window's methods are called through them
// (event hooks, creation chunks, handler binding, calls by name).
#pragma once

#include "runtime.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nalvo {

using Args = std::span<const Value>;

struct AttributeEntry {
    std::string name;
    std::string value;
    std::uint8_t flag = 0;
};

struct MemberRecord;
// The code run for a member, called on `self` with boxed arguments.
using Implementation = std::function<Value(Object& self, Args args)>;
// The generic routine that calls a member of one signature from boxed
// arguments: it checks count and types against the signature, then calls the
// implementation. One routine per distinct signature, shared by its members.
using ReflectionInvoker = Value (*)(const MemberRecord& member, Object& self, Args args);

namespace member_flags {
constexpr std::uint32_t Slot = 0x100;       // has a method-table slot
constexpr std::uint32_t Hidden = 0x80;      // carries the "Hidden" attribute
constexpr std::uint32_t NoSlot = 0x40;      // has no slot
constexpr std::uint32_t Method = 0x1;
constexpr std::uint32_t SuperclassMember = 0x20;
}  // namespace member_flags

struct MemberRecord {
    std::string name;
    std::uint32_t flags = 0;
    std::vector<AttributeEntry> attributes;
    std::string signature;  // "%result%args", e.g. "%b%o<Oval>i8i8"
    Implementation implementation;
    ReflectionInvoker invoker = nullptr;
    std::uint32_t slot = 0;  // valid when flags & Slot
    bool hasSlot() const { return (flags & member_flags::Slot) != 0; }
};

// The type of a property, which fixes its width in a layout record.
enum class PropertyType : std::uint8_t { Integer, Boolean, Enum8, Single, Color, String, Object };

struct PropertyRecord {
    std::string name;
    std::uint32_t flags = 0;
    std::vector<AttributeEntry> attributes;
    PropertyType type = PropertyType::Integer;
    std::function<Value(const Object&)> get;
    std::function<void(Object&, const Value&)> set;
};

// One entry of the event table: an event of the class's framework base
// class and, where the class implements it, the member that does.
struct EventEntry {
    std::string name;
    const MemberRecord* implementation = nullptr;
};

class ClassTable {
public:
    std::string name;
    const ClassTable* superclass = nullptr;
    std::vector<MemberRecord> members;             // in declaration order
    std::vector<const MemberRecord*> methodTable;  // slotted members in member order
    std::vector<EventEntry> events;
    std::vector<PropertyRecord> properties;  // inherited first, then own
    std::size_t instanceBytes = 0;
    // Makes an unconstructed instance; empty for classes that cannot be made by name.
    std::function<std::unique_ptr<Object>()> factory;

    bool derivesFrom(const ClassTable& other) const;
    // Finds a member by name (and signature when given); null when absent.
    const MemberRecord* findMember(std::string_view name, std::string_view signature = {}) const;
    // Finds a property by name, own or inherited; null when absent.
    const PropertyRecord* findProperty(std::string_view name) const;
    const EventEntry* findEvent(std::string_view name) const;
    // Calls a member by name with boxed arguments through its reflection
    // invoker. FunctionNotFoundException when no member has that name.
    Value invoke(Object& self, std::string_view name, Args args = {}) const;
};

// Slot numbers and the method table: every member with a slot, in member order.
void numberSlots(ClassTable& table);

// A method with a slot, called through the reflection invoker of its signature.
MemberRecord methodMember(std::string name, std::string signature, Implementation implementation);

// Reflection invokers for the signatures the framework knows. The system
// registers its own per signature with `invokerFor`.
ReflectionInvoker invokerFor(std::string_view signature);

// Tests that `args` match the argument part of `signature`; throws
// TypeMismatchException otherwise. Shared by all reflection invokers.
void checkArguments(std::string_view signature, Args args);

}  // namespace nalvo
