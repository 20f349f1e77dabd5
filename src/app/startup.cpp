// Start-up sequence.
#include "app/startup.h"

#include "app/MenuBar1.h"
#include "platform/display.h"
#include "platform/fluidsynth_output.h"
#include "platform/noteoutput.h"
#include "platform/window.h"
#include "window/NALVO.h"

#include <QApplication>
#include <QMainWindow>

#include <memory>

namespace nalvo {

std::span<const ClassTableBuilder> classTableBuilders() {
    static constexpr ClassTableBuilder kBuilders[] = {&NALVOTimer::__ctblinit, &NALVO::__ctblinit,
                                                      &MenuBar1::__ctblinit, &App::__ctblinit};
    return kBuilders;
}

App& newAppInstance() {
    auto object = App::__Lookup().factory();
    auto app = std::unique_ptr<App>(checkCast<App>(object.release()));
    app->Constructor();
    app->setMenuBar(&MenuBar1());
    App& result = *app;
    _RuntimeRegisterAppObject(std::move(app));
    return result;
}

void deliverOpenEvents(Window& window) {
    guarded("App.Open", [] { theApp().raiseOpen(); });
    window.openControls();
    window.openWindow();
}

int runProgram(int& argc, char** argv, const ProgramParts& parts) {
    int status = 1;
    try {
        RuntimePerformInitializers(classTableBuilders());
        newAppInstance();
        // Qt reads options of its own (-reverse, -title, -style ...) from the
        // arguments it is given; the program takes no command line, so Qt gets
        // the program's name alone. argv[0] stays for Qt's fallback search of
        // the executable, which the bundle's Resources folder hangs off.
        static char fallbackName[] = "nalvo";
        char* qtArgv[] = {argc > 0 && argv && argv[0] ? argv[0] : fallbackName, nullptr};
        int qtArgc = 1;
        std::unique_ptr<QApplication> ownQt;
        if (!QApplication::instance()) ownQt = openDisplay(qtArgc, qtArgv);
        QApplication::setApplicationName(QStringLiteral("NALVO PRO 2018"));
        setNoteOutput(parts.openOutput ? parts.openOutput() : openSoundOutput());
        // The window's widgets must go before the QApplication does.
        auto release = [&] {
            noteOutput().allNotesOff();
            if (parts.releaseDefaultView) parts.releaseDefaultView();
        };
        try {
            Window& window = parts.makeDefaultView();
            deliverOpenEvents(window);
            if (window.Visible()) window.qtWindow().show();
            status = QApplication::exec();
        } catch (...) {
            release();
            throw;
        }
        release();
    } catch (const std::exception& e) {
        reportUnhandled("start-up", e);
        status = 1;
    } catch (...) {
        reportUnhandled("start-up");
        status = 1;
    }
    setNoteOutput(nullptr);
    _RuntimeUnregisterAppObject();
    return status;
}

}  // namespace nalvo
