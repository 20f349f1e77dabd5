// Start-up on the real window: the state it leaves, the exact calls the note
// player gets, the whole program from start to quit, and a failing start.
#include "support/window_fixture.h"

#include "app/MenuBar1.h"
#include "app/startup.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace nalvo {
namespace {

// Window creation (the record's instrument 1), App's Open (note-off of
// LastPitch 0), the popup's Open (note-off 0), the note player's Open
// (MyInstrument, 0 by then), the window's Open (row 0).
const NoteCalls kStartupCalls{Instrument(1), NoteOff(0), NoteOff(0), Instrument(0), Instrument(0)};

class StartupTest : public WindowFixture {};

TEST_F(StartupTest, LeavesInstrumentZeroVelocity64AndNoNote) {
    EXPECT_EQ(playing(), (Playing{.instrument = 0, .pitch = 0, .velocity = 64, .lastPitch = 0}));
    EXPECT_EQ(window().NotePlayer1().Instrument(), 0);
    EXPECT_EQ(startupCalls(), kStartupCalls);
    EXPECT_TRUE(reports().empty()) << reports().front();
    // The controls show their design-time values; no value handler ran for them.
    EXPECT_EQ(window().PitchBar().Value(), 5);
    EXPECT_EQ(window().VeclotityBar().Value(), 8);
    EXPECT_EQ(window().MusicPopupMenu().ListIndex(), 0);
    EXPECT_EQ(window().PushButton2().Caption(), "REC");
    EXPECT_FALSE(window().REC);
    EXPECT_EQ(app().menuBar(), &MenuBar1());  // one menu bar, shared with the window
}

TEST(AppAccessor, NilWithoutARegisteredApp) {
    _RuntimeUnregisterAppObject();
    EXPECT_THROW(theApp(), NilObjectException);
}

// The whole program in-process, with a recording note output; `whenRunning`
// is posted to the event loop. A safety timer ends a loop that does not quit.
struct ProgramRun {
    int status = 0;
    bool timedOut = false;
    std::vector<std::string> lines;
    std::shared_ptr<RecordingOutput> notes = std::make_shared<RecordingOutput>();

    explicit ProgramRun(std::function<void()> whenRunning, int safetyMs) {
        ensureQApplication();
        resetDefaultWindow();
        setErrorSink([this](std::string_view l) { lines.emplace_back(l); });
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, [this] { timedOut = true; QApplication::exit(7); });
        safety.start(safetyMs);
        if (whenRunning) QTimer::singleShot(0, whenRunning);

        int argc = 1;
        char name[] = "nalvo";
        char* argv[] = {name, nullptr};
        ProgramParts parts;
        parts.makeDefaultView = []() -> Window& { return defaultWindow(); };
        parts.releaseDefaultView = [] { resetDefaultWindow(); };
        parts.openOutput = [this] { return notes; };
        status = runProgram(argc, argv, parts);
        setErrorSink(nullptr);
    }
};

TEST(Program, RunsUntilCtrlQAndExitsZeroWithNotesSilenced) {
    const ProgramRun run([] {
        NALVO* w = existingDefaultWindow();
        ASSERT_NE(w, nullptr);
        w->qtWindow().activateWindow();
        (void)QTest::qWaitForWindowActive(&w->qtWindow(), 2000);
        QTest::keyClick(&w->qtWindow(), Qt::Key_Q, Qt::ControlModifier);
    }, 10000);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.lines.empty());
    ASSERT_FALSE(run.notes->calls().empty());
    EXPECT_EQ(run.notes->calls().back(), AllNotesOff());
    EXPECT_EQ(existingDefaultWindow(), nullptr);
}

TEST(Program, AFailedWindowIsReportedOnceAndExitsNonZero) {
    Window::beforeConstruct = [](std::string_view name) {
        if (name == "PushButton1") throw NilObjectException("no button");
    };
    const ProgramRun run(nullptr, 3000);
    Window::beforeConstruct = nullptr;
    EXPECT_NE(run.status, 0);
    EXPECT_FALSE(run.timedOut);  // the event loop never ran
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_NE(run.lines[0].find("no button"), std::string::npos) << run.lines[0];
    EXPECT_EQ(run.notes->calls().back(), AllNotesOff());
}

}  // namespace
}  // namespace nalvo
