// The runtime: exception reports, the error sink and class tests.
#include "platform/runtime.h"

#include "platform/classtable.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace nalvo {

namespace {

std::function<void(std::string_view)>& sink() {
    static std::function<void(std::string_view)> s;
    return s;
}

void emit(std::string_view line) noexcept {
    try {
        if (auto& s = sink()) {
            s(line);
            return;
        }
    } catch (...) {
        // A failing sink falls back to stderr below.
    }
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
    std::fflush(stderr);
}

// One line: line breaks inside a message become spaces.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

std::string typeNameOf(const std::exception& e) {
    if (auto* r = dynamic_cast<const RuntimeException*>(&e)) return r->typeName();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status),
                                                    std::free);
    return status == 0 && demangled ? demangled.get() : typeid(e).name();
}

}  // namespace

bool Object::isA(const ClassTable& cls) const { return classTable().derivesFrom(cls); }

void reportUnhandled(std::string_view where, const std::exception& e) noexcept {
    try {
        emit(oneLine("Unhandled " + typeNameOf(e) + " in " + std::string(where) + ": " + e.what()));
    } catch (...) {
        emit("Unhandled exception");
    }
}

void reportUnhandled(std::string_view where) noexcept {
    try {
        emit(oneLine("Unhandled exception in " + std::string(where)));
    } catch (...) {
        emit("Unhandled exception");
    }
}

void RuntimePerformInitializers(std::span<const ClassTableBuilder> builders) {
    for (ClassTableBuilder build : builders) build();
}

void setErrorSink(std::function<void(std::string_view line)> s) { sink() = std::move(s); }

void printNotice(std::string_view line) noexcept {
    try {
        emit(oneLine(std::string(line)));
    } catch (...) {
    }
}

}  // namespace nalvo
