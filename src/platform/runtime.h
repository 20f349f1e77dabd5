// The runtime of our small application framework: objects, boxed values,
// exceptions and the guard through which every event reaches system code.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace nalvo {

class ClassTable;

// Every framework and system object. Ownership is plain C++ ownership: the
// window owns its controls, the framework owns the application object.
class Object {
public:
    virtual ~Object() = default;
    // The class table of the object's most derived class.
    virtual const ClassTable& classTable() const = 0;
    // True when the object's class is `cls` or a subclass of it.
    bool isA(const ClassTable& cls) const;
};

// 24-bit colour with the stored alpha byte. Alpha 0 is the opaque colour of
// every layout record; it is never used as transparency.
struct Color {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    friend bool operator==(const Color&, const Color&) = default;
};
constexpr Color RGB(int r, int g, int b) {
    return Color{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b), 0};
}

// A boxed argument or result of a reflective call.
using Value = std::variant<std::monostate, std::int64_t, bool, double, Color, std::string, Object*>;

// The runtime's exceptions. `typeName()` is the class name shown in reports.
class RuntimeException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual const char* typeName() const noexcept { return "RuntimeException"; }
};
#define NALVO_EXCEPTION(Name)                                                      \
    class Name : public RuntimeException {                                         \
    public:                                                                        \
        using RuntimeException::RuntimeException;                                  \
        const char* typeName() const noexcept override { return #Name; }           \
    };
NALVO_EXCEPTION(NilObjectException)
NALVO_EXCEPTION(IllegalCastException)
NALVO_EXCEPTION(TypeMismatchException)
NALVO_EXCEPTION(OutOfBoundsException)
NALVO_EXCEPTION(UnsupportedFormatException)
NALVO_EXCEPTION(FunctionNotFoundException)
NALVO_EXCEPTION(KeyNotFoundException)
NALVO_EXCEPTION(StackOverflowException)
NALVO_EXCEPTION(ThreadAccessingUIException)
#undef NALVO_EXCEPTION

// Checked cast in place of the runtime's class-testing cast: nil stays nil,
// an object of another class raises IllegalCastException.
template <class T>
T* checkCast(Object* object) {
    if (!object) return nullptr;
    if (auto* typed = dynamic_cast<T*>(object)) return typed;
    throw IllegalCastException("object is not a " + std::string(T::className()));
}

// Raises NilObjectException when `p` is null; returns *p otherwise.
template <class T>
T& notNil(T* p, std::string_view what = {}) {
    if (!p) throw NilObjectException(what.empty() ? std::string("nil object") : std::string(what) + " is nil");
    return *p;
}

// A class-table builder: builds its class's table unless it is built already.
using ClassTableBuilder = void (*)();
// Runs the program's start-up list of class-table builders, in order, before
// the application starts. A table still missing later is built on first use.
void RuntimePerformInitializers(std::span<const ClassTableBuilder> builders);

// The report of an exception that no handler caught: one line on the error
// sink (stderr unless a test replaces it), naming where it surfaced.
void reportUnhandled(std::string_view where, const std::exception& e) noexcept;
void reportUnhandled(std::string_view where) noexcept;  // non-standard exception
// Replaces where reports and other one-line messages go; an empty function restores stderr.
void setErrorSink(std::function<void(std::string_view line)> sink);
// Prints one line of the framework's own (a missing SoundFont, a missing script).
void printNotice(std::string_view line) noexcept;

// Runs `f`; if it throws, reports the exception once and returns `fallback`.
// Every event that enters system code from Qt goes through here, so no
// exception ever crosses the event loop.
template <class R, class F>
R guarded(std::string_view where, R fallback, F&& f) noexcept {
    try {
        return f();
    } catch (const std::exception& e) {
        reportUnhandled(where, e);
    } catch (...) {
        reportUnhandled(where);
    }
    return fallback;
}
template <class F>
void guarded(std::string_view where, F&& f) noexcept {
    guarded<int>(where, 0, [&] { f(); return 0; });
}

}  // namespace nalvo
