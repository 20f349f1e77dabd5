// Event stubs, delegates, delegate invokers and event registrations.
#include "platform/events.h"

#include "platform/controls.h"
#include "platform/window.h"

#include <array>
#include <vector>

namespace nalvo {

namespace {

const Control::Registration& registrationOf(Control& control, int eventNumber) {
    const Control::Registration* reg = control.registrationFor(eventNumber);
    if (!reg || !reg->delegate) throw NilObjectException("no delegate for event " + std::to_string(eventNumber));
    return *reg;
}

// Calls the delegate's method on its target: the sender first, then the
// event's arguments, through the method's reflection invoker.
Value callDelegate(const Delegate& delegate, Control& sender, Args eventArgs) {
    if (!delegate.target) throw NilObjectException("delegate target is nil");
    if (!delegate.method) throw NilObjectException("delegate method is nil");
    std::vector<Value> args;
    args.reserve(eventArgs.size() + 1);
    args.emplace_back(static_cast<Object*>(&sender));
    args.insert(args.end(), eventArgs.begin(), eventArgs.end());
    const MemberRecord& m = *delegate.method;
    if (m.invoker) return m.invoker(m, *delegate.target, args);
    checkArguments(m.signature, args);
    if (!m.implementation) throw FunctionNotFoundException(m.name + " has no implementation");
    return m.implementation(*delegate.target, args);
}

template <class Sender, bool HasResult>
Value invokeFor(const Delegate& delegate, Control& sender, Args eventArgs) {
    checkCast<Sender>(&sender);
    Value result = callDelegate(delegate, sender, eventArgs);
    if constexpr (HasResult) {
        if (auto* b = std::get_if<bool>(&result)) return *b;
        return false;
    } else {
        return {};
    }
}

struct SenderClass {
    std::string_view name;
    DelegateInvoker invoker;
    std::string_view signature;
};

const std::array<SenderClass, 7> kSenderClasses{{
    {"Oval", &invokeFor<Oval, true>, "( Oval, Integer, Integer ) as Boolean"},
    {"Rectangle", &invokeFor<Rectangle, true>, "( Rectangle, Integer, Integer ) as Boolean"},
    {"PushButton", &invokeFor<PushButton, false>, "( PushButton )"},
    {"PopupMenu", &invokeFor<PopupMenu, false>, "( PopupMenu )"},
    {"Slider", &invokeFor<Slider, false>, "( Slider )"},
    {"ScrollBar", &invokeFor<ScrollBar, false>, "( ScrollBar )"},
    {"NotePlayer", &invokeFor<NotePlayer, false>, "( NotePlayer )"},
}};

const SenderClass& senderClass(std::string_view name) {
    for (const SenderClass& s : kSenderClasses)
        if (s.name == name) return s;
    throw FunctionNotFoundException("no delegate invoker for sender class " + std::string(name));
}

}  // namespace

Value stubMouseDown(Control& control, int eventNumber, Args eventArgs) {
    const auto& reg = registrationOf(control, eventNumber);
    if (!reg.delegate->invoker) throw NilObjectException("delegate without invoker");
    Value result = reg.delegate->invoker(*reg.delegate, control, eventArgs);
    if (auto* b = std::get_if<bool>(&result)) return *b;
    return false;
}

Value stubNoArguments(Control& control, int eventNumber, Args eventArgs) {
    const auto& reg = registrationOf(control, eventNumber);
    if (!reg.delegate->invoker) throw NilObjectException("delegate without invoker");
    reg.delegate->invoker(*reg.delegate, control, eventArgs);
    return {};
}

DelegateInvoker delegateInvokerFor(std::string_view senderClassName) { return senderClass(senderClassName).invoker; }

std::string delegateSignatureFor(std::string_view senderClassName) {
    return std::string(senderClass(senderClassName).signature);
}

std::shared_ptr<Delegate> RuntimeCreateDelegate(DelegateInvoker invoker, const MemberRecord* method, Window* target,
                                                std::string signature, int flag) {
    auto d = std::make_shared<Delegate>();
    d->invoker = invoker;
    d->method = method;
    d->target = target;
    d->signature = std::move(signature);
    d->flag = flag;
    return d;
}

void RuntimeAddEventHandler(Control& control, int eventNumber, EventStub stub, std::shared_ptr<Delegate> delegate) {
    if (!stub) throw NilObjectException("event stub is nil");
    if (!delegate) throw NilObjectException("delegate is nil");
    control.addEventHandler(eventNumber, stub, std::move(delegate));
}

// ---- Control's side of events ----

void Control::addEventHandler(int eventNumber, EventStub stub, std::shared_ptr<Delegate> delegate) {
    for (Registration& r : registrations_) {
        if (r.eventNumber == eventNumber) {  // a later binding replaces an earlier one
            r.stub = stub;
            r.delegate = std::move(delegate);
            return;
        }
    }
    registrations_.push_back(Registration{eventNumber, stub, std::move(delegate)});
}

const Control::Registration* Control::registrationFor(int eventNumber) const {
    for (const Registration& r : registrations_)
        if (r.eventNumber == eventNumber) return &r;
    return nullptr;
}

Value Control::raiseEvent(int eventNumber, Args eventArgs, Value fallback) noexcept {
    const Registration* reg = registrationFor(eventNumber);
    if (!reg || !reg->stub) return fallback;
    std::string where;
    try {
        const Delegate* d = reg->delegate.get();
        const Object* owner = d && d->target ? static_cast<const Object*>(d->target)
                                             : static_cast<const Object*>(window());
        where = owner ? owner->classTable().name : std::string("Window");
        where += '.';
        where += d && d->method ? d->method->name : Name + "_" + std::to_string(eventNumber);
    } catch (...) {
        where = "event handler";
    }
    return guarded<Value>(where, fallback, [&]() -> Value {
        Value result = reg->stub(*this, eventNumber, eventArgs);
        if (std::holds_alternative<std::monostate>(result)) return fallback;
        return result;
    });
}

}  // namespace nalvo
