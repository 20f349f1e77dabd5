// Shared pieces of the framework's tests: the Qt application, a captured
// error sink, and a test window class with handler members.
#pragma once

#include "platform/classtable.h"
#include "platform/events.h"
#include "platform/runtime.h"
#include "platform/window.h"

#include <QApplication>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace nalvo::testing {

inline QApplication& qtApp() {
    static QApplication* app = [] {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "test_platform";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);  // lives until the process ends
    }();
    return *app;
}

// Collects the lines of the error sink while in scope.
class CapturedErrors {
public:
    CapturedErrors() {
        setErrorSink([this](std::string_view line) { lines.emplace_back(line); });
    }
    ~CapturedErrors() { setErrorSink({}); }
    std::vector<std::string> lines;
};

// A class table derived from Window's, with members and event hooks added
// by the test. Members are kept in a stable container, so pointers to them
// stay valid while more are added before use.
class TestWindowClass {
public:
    explicit TestWindowClass(std::string name = "TestWindow") {
        table.name = std::move(name);
        table.superclass = &Window::__Lookup();
        table.events = Window::__Lookup().events;
        table.properties = Window::__Lookup().properties;
        table.members.reserve(64);
    }
    const MemberRecord& add(std::string name, std::string signature, Implementation impl) {
        MemberRecord m;
        m.name = std::move(name);
        m.flags = member_flags::Slot | member_flags::Method;
        m.signature = std::move(signature);
        m.implementation = std::move(impl);
        m.invoker = invokerFor(m.signature);
        table.members.push_back(std::move(m));
        return table.members.back();
    }
    void hook(const std::string& event, const MemberRecord& member) {
        for (EventEntry& e : table.events)
            if (e.name == event) e.implementation = &member;
    }
    ClassTable table;
};

// Binds `member` of `window` to event `number` of `control` the way the
// creation step does.
inline void bind(Control& control, int number, const MemberRecord& member, Window& window, const char* senderClass) {
    const bool mouse = std::string_view(member.signature).starts_with("%b");
    RuntimeAddEventHandler(control, number, mouse ? &stubMouseDown : &stubNoArguments,
                           RuntimeCreateDelegate(delegateInvokerFor(senderClass), &member, &window,
                                                 delegateSignatureFor(senderClass), 1));
}

}  // namespace nalvo::testing
