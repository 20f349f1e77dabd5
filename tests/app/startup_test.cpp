// Start-up and quitting: the state start-up leaves, what the note player
// gets, the whole program from start to Ctrl+Q, and a failing start.
#include "support/fixture.h"

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
    EXPECT_EQ(window().PitchBar().Value(), 5);
    EXPECT_EQ(window().VeclotityBar().Value(), 8);
    EXPECT_EQ(window().PushButton2().Caption(), "REC");
}

// The whole program in-process with the given note output; `whenRunning` is
// posted to the event loop. A safety timer ends a loop that does not quit
// (status 7). Returns the status and the lines reported.
std::pair<int, std::vector<std::string>> runWith(std::shared_ptr<NoteOutput> output, std::function<void()> whenRunning) {
    ensureQApplication();
    std::vector<std::string> lines;
    setErrorSink([&](std::string_view l) { lines.emplace_back(l); });
    QTimer safety;
    QObject::connect(&safety, &QTimer::timeout, [] { QApplication::exit(7); });
    safety.start(10000);
    if (whenRunning) QTimer::singleShot(0, whenRunning);
    int argc = 1;
    char name[] = "nalvo";
    char* argv[] = {name, nullptr};
    ProgramParts parts{[]() -> Window& { return defaultWindow(); }, [] { resetDefaultWindow(); }, [=] { return output; }};
    const int status = runProgram(argc, argv, parts);
    setErrorSink(nullptr);
    return {status, lines};
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
    EXPECT_TRUE(heldNotes(*synth).empty());
    EXPECT_EQ(synth->activeVoiceCount(), 0);
    EXPECT_EQ(existingDefaultWindow(), nullptr);
}

TEST(Program, AFailedWindowIsReportedOnceAndExitsNonZero) {
    Window::beforeConstruct = [](std::string_view name) {
        if (name == "PushButton1") throw NilObjectException("no button");
    };
    auto log = std::make_shared<EventLog>();
    const auto [status, lines] = runWith(log, nullptr);
    Window::beforeConstruct = nullptr;
    EXPECT_EQ(status, 1);  // the event loop never ran
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("no button"), std::string::npos) << lines[0];
    EXPECT_EQ(log->take().back(), "all off");
}

}  // namespace
}  // namespace nalvo
