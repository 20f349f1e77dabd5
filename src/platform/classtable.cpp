// Class-table look-ups, calls by name and the reflection invokers.
#include "platform/classtable.h"

#include <array>
#include <map>
#include <mutex>
#include <utility>

namespace nalvo {

bool ClassTable::derivesFrom(const ClassTable& other) const {
    for (const ClassTable* c = this; c; c = c->superclass)
        if (c == &other) return true;
    return false;
}

const MemberRecord* ClassTable::findMember(std::string_view memberName, std::string_view signature) const {
    for (const ClassTable* c = this; c; c = c->superclass)
        for (const MemberRecord& m : c->members)
            if (m.name == memberName && (signature.empty() || m.signature == signature)) return &m;
    return nullptr;
}

const PropertyRecord* ClassTable::findProperty(std::string_view propertyName) const {
    for (const ClassTable* c = this; c; c = c->superclass)
        for (const PropertyRecord& p : c->properties)
            if (p.name == propertyName) return &p;
    return nullptr;
}

const EventEntry* ClassTable::findEvent(std::string_view eventName) const {
    for (const EventEntry& e : events)
        if (e.name == eventName) return &e;
    return nullptr;
}

Value ClassTable::invoke(Object& self, std::string_view memberName, Args args) const {
    // Overloads share a name: the first whose arguments fit is called.
    const MemberRecord* chosen = nullptr;
    const MemberRecord* first = nullptr;
    for (const ClassTable* c = this; c && !chosen; c = c->superclass) {
        for (const MemberRecord& m : c->members) {
            if (m.name != memberName) continue;
            if (!first) first = &m;
            try {
                checkArguments(m.signature, args);
                chosen = &m;
                break;
            } catch (const TypeMismatchException&) {
            }
        }
    }
    if (!first) throw FunctionNotFoundException(name + "." + std::string(memberName) + " does not exist");
    if (!chosen) chosen = first;  // its invoker reports the mismatch
    if (chosen->invoker) return chosen->invoker(*chosen, self, args);
    checkArguments(chosen->signature, args);
    if (!chosen->implementation) throw FunctionNotFoundException(name + "." + chosen->name + " has no implementation");
    return chosen->implementation(self, args);
}

MemberRecord methodMember(std::string name, std::string signature, Implementation implementation) {
    MemberRecord m;
    m.name = std::move(name);
    m.flags = member_flags::Slot | member_flags::Method;
    m.signature = std::move(signature);
    m.implementation = std::move(implementation);
    m.invoker = invokerFor(m.signature);
    return m;
}

void numberSlots(ClassTable& table) {
    table.methodTable.clear();
    for (auto& m : table.members) {
        if (!m.hasSlot()) continue;
        m.slot = static_cast<std::uint32_t>(table.methodTable.size());
        table.methodTable.push_back(&m);
    }
}

namespace {

bool classNamed(const Object* object, std::string_view className) {
    if (className == "Object") return true;
    for (const ClassTable* c = &object->classTable(); c; c = c->superclass)
        if (c->name == className) return true;
    return false;
}

[[noreturn]] void mismatch(std::string_view signature, std::size_t argument, std::string_view what) {
    throw TypeMismatchException("argument " + std::to_string(argument + 1) + " of " + std::string(signature) +
                                " is not " + std::string(what));
}

}  // namespace

void checkArguments(std::string_view signature, Args args) {
    if (signature.size() < 2 || signature[0] != '%') throw TypeMismatchException("malformed signature " + std::string(signature));
    const std::size_t split = signature.find('%', 1);
    if (split == std::string_view::npos) throw TypeMismatchException("malformed signature " + std::string(signature));
    std::string_view codes = signature.substr(split + 1);
    std::size_t i = 0;
    while (!codes.empty()) {
        if (i >= args.size()) throw TypeMismatchException("too few arguments for " + std::string(signature));
        const Value& v = args[i];
        if (codes.starts_with("i8")) {
            if (!std::holds_alternative<std::int64_t>(v)) mismatch(signature, i, "an Integer");
            codes.remove_prefix(2);
        } else if (codes.starts_with("f4") || codes.starts_with("f8")) {
            if (!std::holds_alternative<double>(v)) mismatch(signature, i, "a number");
            codes.remove_prefix(2);
        } else if (codes[0] == 'b') {
            if (!std::holds_alternative<bool>(v)) mismatch(signature, i, "a Boolean");
            codes.remove_prefix(1);
        } else if (codes[0] == 's') {
            if (!std::holds_alternative<std::string>(v)) mismatch(signature, i, "a String");
            codes.remove_prefix(1);
        } else if (codes[0] == 'c') {
            if (!std::holds_alternative<Color>(v)) mismatch(signature, i, "a Color");
            codes.remove_prefix(1);
        } else if (codes[0] == 'v') {  // a Variant: any value
            codes.remove_prefix(1);
        } else if (codes[0] == 'p') {
            if (!std::holds_alternative<Object*>(v) && !std::holds_alternative<std::int64_t>(v) &&
                !std::holds_alternative<std::monostate>(v))
                mismatch(signature, i, "a pointer");
            codes.remove_prefix(1);
        } else if ((codes[0] == 'o' || codes[0] == '?') && codes.size() > 1 && codes[1] == '<') {
            const std::size_t close = codes.find('>');
            if (close == std::string_view::npos) throw TypeMismatchException("malformed signature " + std::string(signature));
            const std::string_view cls = codes.substr(2, close - 2);
            if (codes[0] == 'o') {
                if (std::holds_alternative<Object*>(v)) {
                    Object* o = std::get<Object*>(v);
                    if (o && !classNamed(o, cls)) mismatch(signature, i, "a " + std::string(cls));
                } else if (!std::holds_alternative<std::monostate>(v)) {
                    mismatch(signature, i, "a " + std::string(cls));
                }
            }
            codes.remove_prefix(close + 1);
        } else {
            throw TypeMismatchException("malformed signature " + std::string(signature));
        }
        ++i;
    }
    if (i != args.size()) throw TypeMismatchException("too many arguments for " + std::string(signature));
}

namespace {

// One routine per distinct signature: a pool of identical routines handed
// out one per signature, so members of one signature share theirs.
template <std::size_t N>
Value pooledInvoker(const MemberRecord& member, Object& self, Args args) {
    checkArguments(member.signature, args);
    if (!member.implementation) throw FunctionNotFoundException(member.name + " has no implementation");
    return member.implementation(self, args);
}

constexpr std::size_t kPoolSize = 96;

template <std::size_t... I>
constexpr std::array<ReflectionInvoker, sizeof...(I)> makePool(std::index_sequence<I...>) {
    return {&pooledInvoker<I>...};
}

constexpr auto kPool = makePool(std::make_index_sequence<kPoolSize>{});

}  // namespace

ReflectionInvoker invokerFor(std::string_view signature) {
    static std::mutex lock;
    static std::map<std::string, std::size_t, std::less<>> assigned;
    std::lock_guard guard(lock);
    if (auto it = assigned.find(signature); it != assigned.end()) return kPool[it->second];
    // With the pool used up, further signatures share the last routine;
    // every routine checks against the member's own signature anyway.
    const std::size_t index = std::min(assigned.size(), kPoolSize - 1);
    assigned.emplace(std::string(signature), index);
    return kPool[index];
}

}  // namespace nalvo
