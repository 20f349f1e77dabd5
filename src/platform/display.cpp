// Opening the display, with one clear line where there is none.
#include "platform/display.h"

#include "platform/runtime.h"

#include <QApplication>
#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace nalvo {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::mutex heldLock;
std::vector<HeldMessage>* held = nullptr;  // while the QApplication is made

// Qt names the platform plugin that failed in its messages; the X11 one
// connects to $DISPLAY.
std::string noDisplayLine(const QString& fatal) {
    QString plugin;
    static const QRegularExpression named(QStringLiteral("platform plugin \"([^\"]*)\""));
    for (const HeldMessage& m : held ? *held : std::vector<HeldMessage>{})
        if (const auto match = named.match(m.text); match.hasMatch()) plugin = match.captured(1);
    if (plugin.isEmpty() && !fatal.contains(QStringLiteral("platform plugin")))
        return "Cannot start: " + fatal.section(QLatin1Char('\n'), 0, 0).toStdString();
    if (!plugin.isEmpty() && !plugin.startsWith(QStringLiteral("xcb")))
        return "Cannot start: Qt's platform plugin \"" + plugin.toStdString() + "\" could not open a display.";
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) return "Cannot start: no display could be opened, DISPLAY is unset.";
    return "Cannot start: the display \"" + display.toStdString() + "\" could not be opened.";
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldLock);
    if (type == QtFatalMsg) {
        // Qt aborts when this returns; end here, with the one line.
        printNotice(noDisplayLine(text));
        std::_Exit(1);
    }
    if (held) held->push_back({type, QByteArray(context.category), text});  // else: late, from another thread
}

}  // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv) {
    std::vector<HeldMessage> messages;
    QtMessageHandler previous = nullptr;
    {
        const std::lock_guard lock(heldLock);
        held = &messages;
        previous = qInstallMessageHandler(&holdMessage);
    }
    struct Restore {
        QtMessageHandler previous;
        ~Restore() {
            const std::lock_guard lock(heldLock);
            qInstallMessageHandler(previous);
            held = nullptr;
        }
    };
    std::unique_ptr<QApplication> app;
    {
        const Restore restore{previous};
        app = std::make_unique<QApplication>(argc, argv);
    }
    for (const HeldMessage& m : messages)
        qt_message_output(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.constData()), m.text);
    return app;
}

}  // namespace nalvo
