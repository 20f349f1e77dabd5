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
}

TEST_F(StartupTest, AppAndWindowShareTheOneMenuBar) {
    MenuBar& bar = MenuBar1();
    EXPECT_EQ(app().menuBar(), &bar);
    EXPECT_EQ(window().menuBar(), &bar);
    EXPECT_EQ(&MenuBar1(), &bar);
    EXPECT_EQ(&theApp(), &theApp());
}

TEST(AppAccessor, NilWithoutARegisteredApp) {
    _RuntimeUnregisterAppObject();
    EXPECT_THROW(theApp(), NilObjectException);
}

// The whole program in-process: start, Ctrl+Q, exit status 0, every note silenced.
TEST(Program, RunsUntilCtrlQAndExitsZeroWithNotesSilenced) {
    ensureQApplication();
    resetDefaultWindow();
    auto notes = std::make_shared<RecordingOutput>();
    std::vector<std::string> lines;
    setErrorSink([&](std::string_view l) { lines.emplace_back(l); });

    bool timedOut = false;
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [&] { timedOut = true; QApplication::exit(7); });
    safety.start(10000);
    QTimer::singleShot(0, [] {
        NALVO* w = existingDefaultWindow();
        ASSERT_NE(w, nullptr);
        w->qtWindow().activateWindow();
        (void)QTest::qWaitForWindowActive(&w->qtWindow(), 2000);
        QTest::keyClick(&w->qtWindow(), Qt::Key_Q, Qt::ControlModifier);
    });

    int argc = 1;
    char name[] = "nalvo";
    char* argv[] = {name, nullptr};
    ProgramParts parts;
    parts.makeDefaultView = []() -> Window& { return defaultWindow(); };
    parts.releaseDefaultView = [] { resetDefaultWindow(); };
    parts.openOutput = [&] { return notes; };
    const int status = runProgram(argc, argv, parts);
    setErrorSink(nullptr);

    EXPECT_FALSE(timedOut);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(lines.empty());
    ASSERT_FALSE(notes->calls().empty());
    EXPECT_EQ(notes->calls().back(), AllNotesOff());
    EXPECT_EQ(existingDefaultWindow(), nullptr);
}

TEST(Program, AFailedWindowIsReportedOnceAndExitsNonZero) {
    ensureQApplication();
    resetDefaultWindow();
    auto notes = std::make_shared<RecordingOutput>();
    std::vector<std::string> lines;
    setErrorSink([&](std::string_view l) { lines.emplace_back(l); });
    Window::beforeConstruct = [](std::string_view name) {
        if (name == "PushButton1") throw NilObjectException("no button");
    };

    bool loopRan = false;
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [&] { loopRan = true; QApplication::exit(7); });
    safety.start(3000);

    int argc = 1;
    char name[] = "nalvo";
    char* argv[] = {name, nullptr};
    ProgramParts parts;
    parts.makeDefaultView = []() -> Window& { return defaultWindow(); };
    parts.releaseDefaultView = [] { resetDefaultWindow(); };
    parts.openOutput = [&] { return notes; };
    const int status = runProgram(argc, argv, parts);
    Window::beforeConstruct = nullptr;
    setErrorSink(nullptr);

    EXPECT_NE(status, 0);
    EXPECT_FALSE(loopRan);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("no button"), std::string::npos) << lines[0];
    EXPECT_EQ(notes->calls().back(), AllNotesOff());
}

}  // namespace
}  // namespace nalvo
