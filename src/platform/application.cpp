// The application object's class table, the executable's location and the
// registry of the one application object.
#include "platform/application.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <chrono>
#include <system_error>
#include <thread>

namespace nalvo {

namespace {
std::unique_ptr<Application>& registered() {
    static std::unique_ptr<Application> app;
    return app;
}
}  // namespace

const ClassTable& Application::__Lookup() {
    static const std::unique_ptr<ClassTable> table = [] {
        auto t = std::make_unique<ClassTable>();
        t->name = "Application";
        auto nothing = [](Object&, Args) -> Value { return {}; };
        auto events = [](Object&, Args) -> Value {
            if (QCoreApplication::instance()) QCoreApplication::processEvents();
            return {};
        };
        const std::pair<const char*, const char*> members[] = {
            {"AddTrayItem", "%%o<TrayItem>"},  {"DoEvents", "%%i8"},
            {"NewDocument", "%%"},             {"OpenDocument", "%%o<FolderItem>"},
            {"RemoveTrayItem", "%%o<TrayItem>"}, {"SleepCurrentThread", "%%i8"},
            {"YieldToNextThread", "%%"},       {"_AddMenuHandler", "%%sp"},
            {"_AddPollableObject", "%%o<Object>"}, {"_DependencyList", "%%"},
            {"_DoSingleEvent", "%%"},          {"_RemovePollableObject", "%%o<Object>"},
            {"_x_SetVersionData", "%%p"},
        };
        for (const auto& [name, signature] : members) t->members.push_back(methodMember(name, signature, nothing));
        // No tray, no documents, no pollable objects here: the rest do nothing.
        t->members[1].implementation = events;
        t->members[5].implementation = [](Object&, Args a) -> Value {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::max<std::int64_t>(0, std::get<std::int64_t>(a[0]))));
            return {};
        };
        t->members[6].implementation = [](Object&, Args) -> Value {
            std::this_thread::yield();
            return {};
        };
        t->members[10].implementation = events;
        numberSlots(*t);
        t->events.push_back(EventEntry{"Open", nullptr});
        t->instanceBytes = sizeof(Application);
        return t;
    }();
    return *table;
}

void Application::raiseOpen() {
    const EventEntry* open = classTable().findEvent("Open");
    if (!open || !open->implementation || !open->implementation->implementation) return;
    const MemberRecord& hook = *open->implementation;
    guarded(classTable().name + "." + hook.name, [&] { hook.implementation(*this, {}); });
}

std::optional<std::filesystem::path> Application::ExecutableFile() const {
    if (executableOverride) return executableOverride();
    if (QCoreApplication::instance()) {
        QString file = QCoreApplication::applicationFilePath();
        if (!file.isEmpty()) return std::filesystem::path(file.toStdString());
    }
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return std::nullopt;
    return exe;
}

void _RuntimeRegisterAppObject(std::unique_ptr<Application> app) {
    notNil(app.get(), "application object");
    registered() = std::move(app);
}

Application* _GetAppObject() { return registered().get(); }

void _RuntimeUnregisterAppObject() { registered().reset(); }

}  // namespace nalvo
