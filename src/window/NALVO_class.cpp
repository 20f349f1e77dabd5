// The class table of NALVO: 239 member records (Window's 40, then the 199 own
// members), the method table, the four event hooks and the REC property.
// Built once, by the start-up pass or the first lookup, never changed.
#include "window/NALVO.h"

#include <utility>

namespace nalvo {
namespace {

constexpr std::uint32_t kOwnMethod = member_flags::Slot | member_flags::Method;  // 257
constexpr std::uint32_t kChunk = kOwnMethod | member_flags::Hidden;             // 385
constexpr std::uint32_t kRecFlags = 5;

// ---- unboxing ----

NALVO& asWindow(Object& self) { return notNil(checkCast<NALVO>(&self), "window"); }

template <class T>
T& senderArg(Args args) {
    if (args.empty()) throw TypeMismatchException("missing sender");
    Object* const* object = std::get_if<Object*>(&args[0]);
    if (!object) throw TypeMismatchException("sender is not an object");
    return notNil(checkCast<T>(*object), "sender");
}

std::int64_t intArg(Args args, std::size_t i) {
    const std::int64_t* v = i < args.size() ? std::get_if<std::int64_t>(&args[i]) : nullptr;
    if (!v) throw TypeMismatchException("argument " + std::to_string(i + 1) + " is not an Integer");
    return *v;
}

const std::string& stringArg(Args args, std::size_t i) {
    const std::string* v = i < args.size() ? std::get_if<std::string>(&args[i]) : nullptr;
    if (!v) throw TypeMismatchException("argument " + std::to_string(i + 1) + " is not a String");
    return *v;
}

void notifyHandler(std::string_view handler, Object& sender) {
    if (NALVO::handlerObserver) NALVO::handlerObserver(handler, sender);
}

template <void (NALVO::*Method)()>
Value callNoArguments(Object& self, Args) {
    (asWindow(self).*Method)();
    return {};
}

std::string accessorSignature(const char* cls) { return std::string("%o<") + cls + ">%"; }

// Per event kind: the handler's signature and the implementation that unboxes
// the sender (and X, Y) and calls the handler.
#define NALVO_SIGNATURE_MouseDown(cls) std::string("%b%o<" #cls ">i8i8")
#define NALVO_SIGNATURE_SENDER(cls) std::string("%%o<" #cls ">")
#define NALVO_SIGNATURE_Open NALVO_SIGNATURE_SENDER
#define NALVO_SIGNATURE_ValueChanged NALVO_SIGNATURE_SENDER
#define NALVO_SIGNATURE_Change NALVO_SIGNATURE_SENDER
#define NALVO_SIGNATURE_Action NALVO_SIGNATURE_SENDER

#define NALVO_IMPL_MouseDown(name, event, cls)                                                   \
    [](Object& self, Args args) -> Value {                                                       \
        NALVO& window = asWindow(self);                                                          \
        cls& sender = senderArg<cls>(args);                                                      \
        const std::int64_t x = intArg(args, 1), y = intArg(args, 2);                             \
        notifyHandler(#name "_" #event, sender);                                                 \
        return Value{window.name##_##event(sender, x, y)};                                       \
    }
#define NALVO_IMPL_SENDER(name, event, cls)                                                      \
    [](Object& self, Args args) -> Value {                                                       \
        NALVO& window = asWindow(self);                                                          \
        cls& sender = senderArg<cls>(args);                                                      \
        notifyHandler(#name "_" #event, sender);                                                 \
        window.name##_##event(sender);                                                           \
        return {};                                                                               \
    }
#define NALVO_IMPL_Open NALVO_IMPL_SENDER
#define NALVO_IMPL_ValueChanged NALVO_IMPL_SENDER
#define NALVO_IMPL_Change NALVO_IMPL_SENDER
#define NALVO_IMPL_Action NALVO_IMPL_SENDER

std::unique_ptr<ClassTable> buildClassTable() {
    const ClassTable& super = Window::__Lookup();

    auto table = std::make_unique<ClassTable>();
    table->name = "NALVO";
    table->superclass = &super;
    table->instanceBytes = super.instanceBytes + 1;  // the REC byte

    auto& members = table->members;
    members.reserve(super.members.size() + 199);
    // Window's members with Window's own implementations: NALVO overrides none.
    members.insert(members.end(), super.members.begin(), super.members.end());

    auto add = [&members](std::string name, std::uint32_t flags, std::string signature, Implementation impl) {
        MemberRecord m;
        m.name = std::move(name);
        m.flags = flags;
        m.signature = std::move(signature);
        m.implementation = std::move(impl);
        m.invoker = invokerFor(m.signature);  // one routine per signature, shared
        if (flags & member_flags::Hidden) m.attributes.push_back(AttributeEntry{"Hidden", "", 0});
        members.push_back(std::move(m));
    };

    // Build hooks and creation chunks.
    add("Layout", kOwnMethod, "%%", callNoArguments<&NALVO::Layout>);
    add("CreateControls", kOwnMethod, "%%", callNoArguments<&NALVO::CreateControls>);
    add("_CreateControls0", kChunk, "%%", callNoArguments<&NALVO::_CreateControls0>);
    add("_CreateControls1", kChunk, "%%", callNoArguments<&NALVO::_CreateControls1>);
    add("_CreateControls2", kChunk, "%%", callNoArguments<&NALVO::_CreateControls2>);

    // The 87 control accessors, in creation order.
#define NALVO_ADD_ACCESSOR(name, cls, chunk)                                              \
    add(#name, kOwnMethod, accessorSignature(cls::className()), [](Object& self, Args) -> Value { \
        return Value{static_cast<Object*>(&asWindow(self).name())};                       \
    });
    NALVO_CONTROLS(NALVO_ADD_ACCESSOR)
#undef NALVO_ADD_ACCESSOR

    // The 89 handlers, in binding order.
#define NALVO_ADD_HANDLER(name, event, number, cls) \
    add(#name "_" #event, kOwnMethod, NALVO_SIGNATURE_##event(cls), NALVO_IMPL_##event(name, event, cls));
    NALVO_HANDLERS(NALVO_ADD_HANDLER)
#undef NALVO_ADD_HANDLER

    // The 14 menu-item accessors.
#define NALVO_ADD_MENU_ACCESSOR(name, cls)                                                \
    add(#name, kOwnMethod, accessorSignature(cls::className()), [](Object& self, Args) -> Value { \
        return Value{static_cast<Object*>(&asWindow(self).name())};                       \
    });
    NALVO_MENU_ITEMS(NALVO_ADD_MENU_ACCESSOR)
#undef NALVO_ADD_MENU_ACCESSOR

    add("Event_KeyDown", kOwnMethod, "%b%s",
        [](Object& self, Args args) -> Value { return Value{asWindow(self).Event_KeyDown(stringArg(args, 0))}; });
    add("Event_Open", kOwnMethod, "%%", callNoArguments<&NALVO::Event_Open>);
    add("Onpu", kOwnMethod, "%i8%i8i8i8", [](Object& self, Args args) -> Value {
        return Value{asWindow(self).Onpu(intArg(args, 0), intArg(args, 1), intArg(args, 2))};
    });
    add("pxx", kOwnMethod, "%%i8", [](Object& self, Args args) -> Value {
        asWindow(self).pxx(intArg(args, 0));
        return {};
    });

    // The method table: every slotted member, in member order.
    for (auto& m : members) {
        if (!m.hasSlot()) continue;
        m.slot = static_cast<std::uint32_t>(table->methodTable.size());
        table->methodTable.push_back(&m);
    }

    // Window's events; NALVO implements four of them.
    table->events = super.events;
    const std::pair<std::string_view, std::string_view> hooks[] = {
        {"CreateControls", "CreateControls"}, {"KeyDown", "Event_KeyDown"}, {"Layout", "Layout"}, {"Open", "Event_Open"}};
    for (const auto& [event, member] : hooks) {
        bool found = false;
        for (auto& e : table->events) {
            if (e.name != event) continue;
            e.implementation = table->findMember(member);
            found = e.implementation != nullptr;
        }
        if (!found) throw FunctionNotFoundException("Window has no event " + std::string(event));
    }

    // Window's properties, then REC: a plain stored Boolean.
    table->properties = super.properties;
    PropertyRecord rec;
    rec.name = "REC";
    rec.flags = kRecFlags;
    rec.type = PropertyType::Boolean;
    rec.get = [](const Object& o) -> Value {
        const auto* w = dynamic_cast<const NALVO*>(&o);
        if (!w) throw IllegalCastException("object is not a NALVO");
        return Value{w->REC};
    };
    rec.set = [](Object& o, const Value& v) {
        const bool* b = std::get_if<bool>(&v);
        if (!b) throw TypeMismatchException("REC takes a Boolean");
        asWindow(o).REC = *b;
    };
    table->properties.push_back(std::move(rec));

    table->factory = [] { return std::unique_ptr<Object>(std::make_unique<NALVO>()); };
    return table;
}

std::unique_ptr<ClassTable>& tableSlot() {
    static std::unique_ptr<ClassTable> table;
    return table;
}

}  // namespace

void NALVO::__ctblinit() {
    auto& slot = tableSlot();
    if (slot) return;  // built already: the first build stays in force
    slot = buildClassTable();
}

const ClassTable& NALVO::__Lookup() {
    __ctblinit();
    return *tableSlot();
}

}  // namespace nalvo
