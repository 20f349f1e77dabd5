#include "platform/ui_thread.h"

#include "platform/runtime.h"

#include <QCoreApplication>
#include <QThread>

#include <string>

namespace nalvo {

void checkUIThread(std::string_view operation) {
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        throw ThreadAccessingUIException(std::string(operation) + " called outside the user-interface thread");
}

}  // namespace nalvo
