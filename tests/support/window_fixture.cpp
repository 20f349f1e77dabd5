#include "support/window_fixture.h"

#include "app/startup.h"
#include "platform/application.h"
#include "platform/random.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QWidget>

#include <ostream>

namespace nalvo {

void ensureQApplication() {
    if (QApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "nalvo-tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // kept for the whole test program
}

void PrintTo(const Playing& p, std::ostream* os) {
    *os << "{MyInstrument " << p.instrument << ", MyPitch " << p.pitch << ", MyVelocity " << p.velocity
        << ", LastPitch " << p.lastPitch << "}";
}

void WindowFixture::SetUp() {
    ensureQApplication();
    resetDefaultWindow();
    _RuntimeUnregisterAppObject();

    setErrorSink([this](std::string_view line) { reports_.emplace_back(line); });
    notes_ = std::make_shared<RecordingOutput>();
    scripts_ = std::make_shared<RecordingScriptRunner>();
    setNoteOutput(notes_);
    setScriptRunner(scripts_);

    newAppInstance();
    NALVO& w = defaultWindow();
    deliverOpenEvents(w);
    w.qtWindow().show();

    startupCalls_ = notes_->calls();
    notes_->clear();
}

void WindowFixture::TearDown() {
    resetDefaultWindow();
    _RuntimeUnregisterAppObject();
    Application::executableOverride = nullptr;
    setRndSource(nullptr);
    setNoteOutput(nullptr);
    setScriptRunner(nullptr);
    setErrorSink(nullptr);
}

void WindowFixture::setPlaying(const Playing& p) {
    App& a = theApp();
    a.MyInstrument = p.instrument;
    a.MyPitch = p.pitch;
    a.MyVelocity = p.velocity;
    a.LastPitch = p.lastPitch;
}

Playing WindowFixture::playing() const {
    const App& a = theApp();
    return {a.MyInstrument, a.MyPitch, a.MyVelocity, a.LastPitch};
}

void WindowFixture::click(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, widget.rect().center());
}

void WindowFixture::click(RectControl& control) { click(notNil(control.widget(), control.Name)); }

}  // namespace nalvo
