// The application object's class table, the executable's location and the
// registry of the one application object.
#include "platform/application.h"

#include <QCoreApplication>
#include <QString>

#include <system_error>

namespace nalvo {

namespace {
std::unique_ptr<Application>& registered() {
    static std::unique_ptr<Application> app;
    return app;
}
}  // namespace

const ClassTable& Application::__Lookup() {
    static const ClassTable table = [] {
        ClassTable t;
        t.name = "Application";
        t.events.push_back(EventEntry{"Open", nullptr});
        t.instanceBytes = sizeof(Application);
        return t;
    }();
    return table;
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
