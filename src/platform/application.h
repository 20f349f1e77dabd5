// The framework's application object and start-up services.
#pragma once

#include "classtable.h"
#include "runtime.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace nalvo {

class MenuBar;

class Application : public Object {
public:
    static const char* className() { return "Application"; }
    // Application's 13 operations (none of which the system calls) and its
    // Open event.
    static const ClassTable& __Lookup();

    MenuBar* menuBar() const { return menuBar_; }
    void setMenuBar(MenuBar* bar) { menuBar_ = bar; }

    // Delivers the application's Open event, once, to the hook that the
    // class table's event table names; a class without one does nothing. The
    // hook runs guarded: a failure is reported and start-up goes on.
    void raiseOpen();

    // The running executable, or nothing when it cannot be found.
    std::optional<std::filesystem::path> ExecutableFile() const;
    // Tests: replaces where ExecutableFile looks (empty function: the real one).
    static inline std::function<std::optional<std::filesystem::path>()> executableOverride;

private:
    MenuBar* menuBar_ = nullptr;
};

// The registered application object; the framework owns it.
void _RuntimeRegisterAppObject(std::unique_ptr<Application> app);
Application* _GetAppObject();
// Drops the registered object (tests and shutdown).
void _RuntimeUnregisterAppObject();

}  // namespace nalvo
