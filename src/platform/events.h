// Control events: event numbers, delegates, event stubs and registrations.
//
// A control raises an event by number; the stub registered for that number
// takes the delegate the control holds and calls its invoker, which calls the
// window's handler method with the control as sender.
#pragma once

#include "classtable.h"
#include "runtime.h"

#include <memory>
#include <string>

namespace nalvo {

class Control;
class Window;

// Positions in the event lists of the control classes. 15 means MouseDown on
// the two shapes, Action on a push button and Change on a popup menu.
namespace event_number {
constexpr int Close = 0;
constexpr int CreatePane = 1;
constexpr int Open = 2;
constexpr int KeyDown = 9;
constexpr int MouseDown = 15;  // Oval, Rectangle
constexpr int Action = 15;     // PushButton
constexpr int Change = 15;     // PopupMenu
constexpr int ValueChanged = 20;  // Slider, ScrollBar
}  // namespace event_number

struct Delegate;
// Calls the delegate's method on its target with the sender and the event's
// arguments. Raises NilObjectException when the target is gone.
using DelegateInvoker = Value (*)(const Delegate& delegate, Control& sender, Args eventArgs);

struct Delegate {
    DelegateInvoker invoker = nullptr;
    const MemberRecord* method = nullptr;
    Window* target = nullptr;
    std::string signature;  // e.g. "( Oval, Integer, Integer ) as Boolean"
    int flag = 1;
};

// Called when a control raises an event: reaches the delegate through the
// control and calls its invoker.
using EventStub = Value (*)(Control& control, int eventNumber, Args eventArgs);

// The four stubs: number 15 with X, Y and a Boolean result; number 15, 20 and
// 2 without arguments.
Value stubMouseDown(Control& control, int eventNumber, Args eventArgs);
Value stubNoArguments(Control& control, int eventNumber, Args eventArgs);

// The delegate invoker and delegate signature for a sender class ("Oval",
// "Rectangle", "PushButton", "PopupMenu", "Slider", "ScrollBar", "NotePlayer").
// FunctionNotFoundException for any other class.
DelegateInvoker delegateInvokerFor(std::string_view senderClass);
std::string delegateSignatureFor(std::string_view senderClass);

std::shared_ptr<Delegate> RuntimeCreateDelegate(DelegateInvoker invoker, const MemberRecord* method, Window* target,
                                                std::string signature, int flag);
void RuntimeAddEventHandler(Control& control, int eventNumber, EventStub stub, std::shared_ptr<Delegate> delegate);

}  // namespace nalvo
