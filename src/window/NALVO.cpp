// The main window: its build hooks, the creation of its 87 controls with
// their event bindings, the control and menu-item accessors, the window's
// timer class and the default window.
#include "window/NALVO.h"

#include "app/MenuBar1.h"
#include "platform/record.h"

#include <array>
#include <span>

namespace nalvo {
namespace {

// ---- what the creation step needs, per control ----

enum class Construct { RectControl, TimerClass, None };

// Creation class and constructor by the class of the table of controls: a
// visible control is made from its own class and constructed by
// RectControl.Constructor; the timer is made from the window's timer class
// and gets that class's empty constructor; the note player gets none.
template <class C>
struct Creation {
    static const ClassTable& lookup() { return C::__Lookup(); }
    static constexpr Construct construct = Construct::RectControl;
};
template <>
struct Creation<Timer> {
    static const ClassTable& lookup() { return NALVOTimer::__Lookup(); }
    static constexpr Construct construct = Construct::TimerClass;
};
template <>
struct Creation<NotePlayer> {
    static const ClassTable& lookup() { return NotePlayer::__Lookup(); }
    static constexpr Construct construct = Construct::None;
};

struct ControlRow {
    const char* name;
    const ClassTable& (*creationClass)();
    const ClassTable& (*castClass)();
    Construct construct;
    int chunk;
};

constexpr std::array<ControlRow, 87> kControls{{
#define NALVO_CONTROL_ROW(name, cls, chunk) \
    {#name, &Creation<cls>::lookup, &cls::__Lookup, Creation<cls>::construct, chunk},
    NALVO_CONTROLS(NALVO_CONTROL_ROW)
#undef NALVO_CONTROL_ROW
}};

struct BindingRow {
    const char* control;
    const char* handler;
    int eventNumber;
    const char* senderClass;
    EventStub stub;
};

#define NALVO_STUB_MouseDown &stubMouseDown
#define NALVO_STUB_Open &stubNoArguments
#define NALVO_STUB_ValueChanged &stubNoArguments
#define NALVO_STUB_Change &stubNoArguments
#define NALVO_STUB_Action &stubNoArguments

constexpr std::array<BindingRow, 89> kBindings{{
#define NALVO_BINDING_ROW(name, event, number, cls) {#name, #name "_" #event, number, #cls, NALVO_STUB_##event},
    NALVO_HANDLERS(NALVO_BINDING_ROW)
#undef NALVO_BINDING_ROW
}};

// One control's creation step, resolved once: its record and, per binding,
// the handler's method-table slot.
struct Step {
    const ControlRow* row;
    std::string_view record;
    struct Bind {
        const BindingRow* row;
        std::uint32_t slot;
    };
    std::vector<Bind> bindings;
};

std::vector<Step> buildPlan() {
    const ClassTable& cls = NALVO::__Lookup();
    std::vector<Step> plan;
    plan.reserve(kControls.size());
    for (const ControlRow& row : kControls) {
        Step step{&row, layoutRecord(row.name), {}};
        for (const BindingRow& b : kBindings) {
            if (std::string_view(b.control) != row.name) continue;
            const MemberRecord* handler = cls.findMember(b.handler);
            if (!handler || !handler->hasSlot())
                throw FunctionNotFoundException(std::string("no handler method ") + b.handler);
            step.bindings.push_back({&b, handler->slot});
        }
        plan.push_back(std::move(step));
    }
    return plan;
}

const std::vector<Step>& plan() {
    static const std::vector<Step> steps = buildPlan();
    return steps;
}

Object& castTo(Object* found, const ClassTable& cls, std::string_view name) {
    Object& object = notNil(found, name);
    if (!object.isA(cls)) throw IllegalCastException(std::string(name) + " is not a " + cls.name);
    return object;
}

// The window operations the creation step uses, read from the window's
// method table once.
struct WindowOperations {
    const MemberRecord* newObject;
    const MemberRecord* addControl;
    const MemberRecord* controlByName;
};

const MemberRecord& slotted(const ClassTable& cls, std::string_view name) {
    const MemberRecord* member = cls.findMember(name);
    if (!member || !member->hasSlot()) throw FunctionNotFoundException("no method " + std::string(name));
    return *cls.methodTable.at(member->slot);
}

const WindowOperations& windowOperations() {
    static const WindowOperations ops = [] {
        const ClassTable& cls = NALVO::__Lookup();
        return WindowOperations{&slotted(cls, "__New"), &slotted(cls, "_AddControl"), &slotted(cls, "_ControlByName")};
    }();
    return ops;
}

Object* controlByName(NALVO& window, std::string_view name) {
    const Value args[] = {std::string(name)};
    return std::get<Object*>(windowOperations().controlByName->implementation(window, args));
}

// The creation step of one control. An exception ends it where it is
// raised; what was added to the window stays, an object not yet added is
// dropped. The window's own operations are called through its method table.
void createControl(NALVO& window, const Step& step) {
    const ControlRow& row = *step.row;
    const WindowOperations& ops = windowOperations();

    const Value classArg[] = {static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(&row.creationClass()))};
    std::unique_ptr<Object> object(std::get<Object*>(ops.newObject->implementation(window, classArg)));
    if (Window::beforeConstruct) Window::beforeConstruct(row.name);
    switch (row.construct) {
        case Construct::RectControl: notNil(checkCast<RectControl>(object.get()), row.name).Constructor(); break;
        case Construct::TimerClass: notNil(checkCast<NALVOTimer>(object.get()), row.name).Constructor(); break;
        case Construct::None: break;
    }
    const Value addArgs[] = {std::string(row.name), object.release()};
    ops.addControl->implementation(window, addArgs);

    // The record is applied before any event is bound, so applying it runs
    // no handler.
    _SetProperties(castTo(controlByName(window, row.name), row.castClass(), row.name), step.record);

    for (const Step::Bind& bind : step.bindings) {
        Object& cast = castTo(controlByName(window, row.name), row.castClass(), row.name);
        Control& control = notNil(checkCast<Control>(&cast), row.name);
        const MemberRecord* method = window.classTable().methodTable.at(bind.slot);
        auto delegate = RuntimeCreateDelegate(delegateInvokerFor(bind.row->senderClass), method, &window,
                                              delegateSignatureFor(bind.row->senderClass), 1);
        RuntimeAddEventHandler(control, bind.row->eventNumber, bind.row->stub, std::move(delegate));
    }
}

void runChunk(NALVO& window, int chunk) {
    for (const Step& step : plan())
        if (step.row->chunk == chunk) createControl(window, step);
}

// Calls a method of the window without arguments through its method table.
void callThroughMethodTable(NALVO& window, std::string_view name) {
    slotted(window.classTable(), name).implementation(window, {});
}

std::unique_ptr<NALVO>& defaultSlot() {
    static std::unique_ptr<NALVO> window;
    return window;
}

}  // namespace

NALVO::NALVO() : Window(__Lookup()) {}

void NALVO::Layout() {
    // The shared menu bar first, then the window's own design settings.
    setMenuBar(&MenuBar1());
    _SetProperties(*this, windowRecord());
}

void NALVO::CreateControls() {
    // The chunks run in order; the first that throws ends the creation.
    callThroughMethodTable(*this, "_CreateControls0");
    callThroughMethodTable(*this, "_CreateControls1");
    callThroughMethodTable(*this, "_CreateControls2");
}

void NALVO::_CreateControls0() { runChunk(*this, 0); }
void NALVO::_CreateControls1() { runChunk(*this, 1); }
void NALVO::_CreateControls2() { runChunk(*this, 2); }

#define NALVO_DEFINE_ACCESSOR(name, cls, chunk) \
    cls& NALVO::name() { return notNil(checkCast<cls>(_ControlByName(#name)), #name); }
NALVO_CONTROLS(NALVO_DEFINE_ACCESSOR)
#undef NALVO_DEFINE_ACCESSOR

#define NALVO_DEFINE_MENU_ACCESSOR(name, cls)                    \
    cls& NALVO::name() {                                         \
        MenuBar& bar = notNil(menuBar(), "menu bar");            \
        return notNil(checkCast<cls>(bar._Lookup(#name)), #name); \
    }
NALVO_MENU_ITEMS(NALVO_DEFINE_MENU_ACCESSOR)
#undef NALVO_DEFINE_MENU_ACCESSOR

const ClassTable& NALVOTimer::__Lookup() {
    static const std::unique_ptr<ClassTable> table = [] {
        const ClassTable& super = Timer::__Lookup();
        auto t = std::make_unique<ClassTable>();
        t->name = className();
        t->superclass = &super;
        t->instanceBytes = super.instanceBytes;
        t->members = super.members;
        MemberRecord ctor;
        ctor.name = "Constructor";
        ctor.flags = member_flags::Slot | member_flags::Method;
        ctor.signature = "%%";
        ctor.implementation = [](Object& self, Args) -> Value {
            notNil(checkCast<NALVOTimer>(&self)).Constructor();
            return {};
        };
        ctor.invoker = [](const MemberRecord& m, Object& self, Args args) -> Value {
            checkArguments(m.signature, args);
            return m.implementation(self, args);
        };
        t->members.push_back(std::move(ctor));
        for (auto& m : t->members) {
            if (!m.hasSlot()) continue;
            m.slot = static_cast<std::uint32_t>(t->methodTable.size());
            t->methodTable.push_back(&m);
        }
        t->events = super.events;
        t->properties = super.properties;
        t->factory = [] { return std::unique_ptr<Object>(std::make_unique<NALVOTimer>()); };
        return t;
    }();
    return *table;
}

NALVO* existingDefaultWindow() { return defaultSlot().get(); }

NALVO& defaultWindow() {
    auto& slot = defaultSlot();
    if (slot) return *slot;
    const ClassTable& cls = NALVO::__Lookup();
    std::unique_ptr<Object> object = cls.factory();
    NALVO& window = notNil(checkCast<NALVO>(object.get()), "default window");
    object.release();
    // Registered before it is built, so that anything asking for the
    // default window while it is being built finds this one.
    slot.reset(&window);
    try {
        window.Constructor();
    } catch (...) {
        // A window that failed to build is not handed out later as if whole.
        slot.reset();
        throw;
    }
    return window;
}

void resetDefaultWindow() { defaultSlot().reset(); }

}  // namespace nalvo
