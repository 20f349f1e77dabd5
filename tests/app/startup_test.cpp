// Start-up and quitting: the state start-up leaves, what the note player
// gets, the whole program from start to Ctrl+Q, and a failing start.
#include "support/fixture.h"

#include "app/MenuBar1.h"
#include "app/startup.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QTimer>

#include <functional>

namespace nalvo {
namespace {

class StartupTest : public WindowFixture {};

TEST_F(StartupTest, LeavesInstrumentZeroVelocity64AndNoNote) {
    // Window creation (the record's instrument 1), App's Open (note-off of
    // LastPitch 0, row + 1), the popup's Open (note-off 0, row), the note
    // player's Open (MyInstrument), the window's Open (row).
    EXPECT_EQ(startupLog, (Lines{"instrument 1", "off 0", "off 0", "instrument 0", "instrument 0"}));
    EXPECT_EQ(playing(), (Playing{.instrument = 0, .pitch = 0, .velocity = 64, .lastPitch = 0}));
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(window().PushButton2().Caption(), "REC");
}

// The whole program in-process with the given note output; `whenRunning` is
// posted to the event loop. A safety timer ends a loop that does not quit
// (status 7). Returns the status and the lines reported.
std::pair<int, std::vector<std::string>> runWith(std::shared_ptr<NoteOutput> output, std::function<void()> whenRunning) {
    ensureQApplication();
    const Notices reported;
    QTimer safety;
    QObject::connect(&safety, &QTimer::timeout, [] { QApplication::exit(7); });
    safety.start(10000);
    if (whenRunning) QTimer::singleShot(0, whenRunning);
    int argc = 1;
    char name[] = "nalvo";
    char* argv[] = {name, nullptr};
    ProgramParts parts{[]() -> Window& { return defaultWindow(); }, [] { resetDefaultWindow(); }, [=] { return output; }};
    const int status = runProgram(argc, argv, parts);
    return {status, reported.lines};
}

// Quitting as the user does, with a note held on the real synthesizer: the
// program's own quit silences it.
TEST(Program, CtrlQEndsTheLoopWithStatusZeroAndSilencesTheSynthesizer) {
    std::string error;
    std::shared_ptr<FluidSynthOutput> synth = FluidSynthOutput::openRender(testSoundFont(), error);
    ASSERT_TRUE(synth) << error;
    std::map<int, int> heldWhileRunning;
    const auto [status, lines] = runWith(synth, [&] {
        NALVO* w = existingDefaultWindow();
        ASSERT_NE(w, nullptr);
        w->qtWindow().activateWindow();
        (void)QTest::qWaitForWindowActive(&w->qtWindow(), 2000);
        QTest::keyClick(&w->qtWindow(), Qt::Key_X);
        heldWhileRunning = heldNotes(*synth);
        QTest::keyClick(&w->qtWindow(), Qt::Key_Q, Qt::ControlModifier);
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(heldWhileRunning, (std::map<int, int>{{60, 64}}));
    std::vector<float> buffer;
    synth->render(64, buffer);
    EXPECT_EQ(synth->activeVoiceCount(), 0);
    EXPECT_EQ(existingDefaultWindow(), nullptr);
}

// A start that fails is reported in one line and exits with status 1: the
// window while it is built (its release's all-notes-off is the last thing
// played), or the application object while it is equipped, its menu bar's
// constructor raising at the eighth item (no window is made, nothing plays).
// The failed menu bar is not kept: the next request builds a whole new one.
TEST(Program, AFailedStartIsReportedOnceAndExitsNonZero) {
    std::string failing;
    std::vector<std::string> appended;
    const auto fail = [&](std::string_view name) {
        if (name == failing) throw NilObjectException("no " + failing);
    };
    Window::beforeConstruct = fail;
    MenuItem::beforeAppend = [&](const MenuItem& item) { appended.push_back(item.Name); fail(item.Name); };
    for (const auto& [name, lastPlayed] : {std::pair{"PushButton1", "all off"}, std::pair{"EditCut", ""}}) {
        failing = name;
        resetMenuBar1ForTests();
        auto log = std::make_shared<EventLog>();
        const auto [status, lines] = runWith(log, nullptr);
        EXPECT_EQ(status, 1);  // the event loop never ran
        EXPECT_EQ(lines.size(), 1u);
        EXPECT_TRUE(!lines.empty() && lines[0].find("no " + failing) != std::string::npos) << ::testing::PrintToString(lines);
        const Lines played = log->take();
        EXPECT_EQ(played.empty() ? "" : played.back(), lastPlayed);
    }
    failing.clear();
    appended.clear();
    MenuBar1();
    Window::beforeConstruct = nullptr;
    MenuItem::beforeAppend = nullptr;
    EXPECT_EQ(appended.size(), 14u);
}

}  // namespace
}  // namespace nalvo
