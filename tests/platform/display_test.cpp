// Opening the display, each case in a process of its own (no QApplication
// yet): Qt's messages while it starts still go out once the display is open.
// A missing display is the program test's no_display case.
#include "platform/display.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace nalvo {
namespace {

[[noreturn]] void openWhereQtWarnsWhileItStarts() {
    unsetenv("XDG_RUNTIME_DIR");  // Qt warns of it while it starts
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "nalvo";
    char* argv[] = {name, nullptr};
    const auto app = openDisplay(argc, argv);
    std::fprintf(stderr, "open\n");
    std::exit(app ? 0 : 2);
}

TEST(OpenDisplayDeathTest, QtsMessagesWhileItStartsGoOutOnceTheDisplayIsOpen) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(openWhereQtWarnsWhileItStarts(), ::testing::ExitedWithCode(0), "XDG_RUNTIME_DIR not set.*\nopen\n$");
}

}  // namespace
}  // namespace nalvo
