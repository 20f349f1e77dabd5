// The real window, offscreen, for tests that click and type on it.
//
//   class MyTest : public nalvo::WindowFixture {};
//   TEST_F(MyTest, Something) {
//       setPlaying({.instrument = 5, .pitch = 12, .velocity = 100, .lastPitch = 60});
//       click(window().PushButton1());
//       EXPECT_EQ(notes().text(), "instrument 5, off 60, ...");
//   }
//
// Every test starts afresh: a new App (created, constructed, given the menu
// bar, registered), the recording note output and script runner installed,
// the default window built and shown, and the Open events delivered (the
// App's, the controls' in creation order, the window's). What the note
// output received during start-up is in startupCalls(); notes() starts empty.
#pragma once

#include "app/App.h"
#include "support/recording.h"
#include "window/NALVO.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace nalvo {

// Starts the QApplication (offscreen unless QT_QPA_PLATFORM says otherwise)
// if none exists yet; it lives until the test program ends.
void ensureQApplication();

// The four values of the shared playing state.
struct Playing {
    std::int64_t instrument = 0;
    std::int64_t pitch = 0;
    std::int64_t velocity = 0;
    std::int64_t lastPitch = 0;
    friend bool operator==(const Playing&, const Playing&) = default;
};
void PrintTo(const Playing& p, std::ostream* os);

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    NALVO& window() const { return defaultWindow(); }
    App& app() const { return theApp(); }
    RecordingOutput& notes() const { return *notes_; }
    RecordingScriptRunner& scripts() const { return *scripts_; }
    // What the note output received while the window opened.
    const NoteCalls& startupCalls() const { return startupCalls_; }
    // Lines of the unhandled-exception report and other notices, in order.
    const std::vector<std::string>& reports() const { return reports_; }
    void clearReports() { reports_.clear(); }

    void setPlaying(const Playing& p);
    Playing playing() const;

    // A left click in the middle of the control's widget, through Qt.
    static void click(QWidget& widget);
    static void click(RectControl& control);

private:
    std::shared_ptr<RecordingOutput> notes_;
    std::shared_ptr<RecordingScriptRunner> scripts_;
    NoteCalls startupCalls_;
    std::vector<std::string> reports_;
};

}  // namespace nalvo
