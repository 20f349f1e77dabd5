// The key-down handler: every table entry's exact log, the keys that do
// nothing, the arrows' effect through the hidden sliders, and a key press
// whose control is missing.
#include "support/event_log.h"

#include <gtest/gtest.h>

#include <string>

namespace nalvo {
namespace {

// All four values different and non-zero, so each note-off and note-on
// shows which value it came from.
constexpr Playing kStart{.instrument = 5, .pitch = 24, .velocity = 100, .lastPitch = 7};

struct NoteKey {
    std::string key;
    int offset;
    bool instrument;
    const char* early;     // "", "last" or "60"
    bool late;
    const char* replaced;  // centre pad whose reset entry the lit pad takes, or ""
    const char* lit;
    const char* highlight;
};

const NoteKey kNoteKeys[] = {
    {"z", 59, true, "", true, "Oval7", "Oval9", "0,0,255"},
    {"x", 60, true, "", true, "", "Oval1", "255,0,0"},
    {"c", 62, true, "", true, "", "Oval2", "255,128,192"},
    {"v", 64, false, "", true, "", "Oval3", "160,32,255"},
    {"b", 65, true, "", true, "", "Oval4", "0,192,192"},
    {"n", 67, true, "", true, "", "Oval5", "192,192,255"},
    {"m", 69, false, "", true, "", "Oval6", "0,96,160"},
    {",", 71, true, "", true, "", "Oval7", "0,0,255"},
    {".", 72, true, "", true, "", "Oval8", "255,0,0"},
    {"/", 74, true, "", true, "Oval2", "Oval11", "255,128,192"},
    {"\u00DB", 76, true, "", true, "Oval3", "Oval12", "160,32,255"},
    {"d", 61, false, "last", true, "", "miniOval1", "255,255,64"},
    {"f", 63, false, "last", false, "", "miniOval2", "255,255,64"},
    {"h", 66, false, "last", false, "", "miniOval3", "255,255,64"},
    {"j", 68, false, "last", false, "", "miniOval4", "255,255,64"},
    {"k", 70, false, "last", false, "", "miniOval5", "255,255,64"},
    {";", 73, false, "60", true, "", "miniOval1", "255,255,64"},
    {"]", 75, false, "last", false, "", "miniOval2", "255,255,64"},
    {"q", 72, true, "", true, "", "Oval1", "255,0,0"},
    {"w", 74, true, "", true, "", "Oval2", "255,128,192"},
    {"e", 76, false, "", true, "", "Oval3", "160,32,255"},
    {"r", 77, true, "", true, "", "Oval4", "0,192,192"},
    {"t", 79, true, "", true, "", "Oval5", "192,192,255"},
    {"y", 81, false, "", true, "", "Oval6", "0,96,160"},
    {"u", 83, true, "", true, "", "Oval7", "0,0,255"},
    {"i", 84, true, "", true, "", "Oval8", "255,0,0"},
    {"o", 86, true, "", true, "", "Oval2", "255,128,192"},
    {"p", 88, true, "", true, "", "Oval3", "160,32,255"},
    {"2", 73, false, "last", true, "", "miniOval1", "255,255,64"},
    {"3", 75, false, "last", false, "", "miniOval2", "255,255,64"},
    {"5", 78, false, "last", false, "", "miniOval3", "255,255,64"},
    {"6", 80, false, "last", false, "", "miniOval4", "255,255,64"},
    {"7", 82, false, "last", false, "", "miniOval5", "255,255,64"},
    {"9", 85, false, "60", true, "", "miniOval1", "255,255,64"},
    {"0", 87, false, "last", false, "", "miniOval2", "255,255,64"},
};

std::string off(std::int64_t note) { return "off " + std::to_string(note); }

// What a note key does from `s`.
Lines expectedLog(const NoteKey& k, const Playing& s) {
    Lines log;
    if (k.instrument) log.push_back("instrument " + std::to_string(s.instrument));
    if (std::string(k.early) == "last") log.push_back(off(s.lastPitch));
    if (std::string(k.early) == "60") log.push_back(off(60));
    const Lines reset = centreResetLog(k.replaced, k.lit);
    log.insert(log.end(), reset.begin(), reset.end());
    if (k.late) log.push_back(off(s.lastPitch));
    const std::int64_t note = s.pitch + k.offset;
    log.push_back("on " + std::to_string(note) + " " + std::to_string(s.velocity));
    log.push_back("store " + std::to_string(note));
    log.push_back(std::string("paint ") + k.lit + " " + k.highlight);
    return log;
}

Lines spaceLog(const Playing& s) {
    Lines log{"instrument " + std::to_string(s.instrument)};
    const Lines reset = centreResetLog();
    log.insert(log.end(), reset.begin(), reset.end());
    log.push_back(off(s.lastPitch));
    return log;
}

// Equal, or equal once the last two lines (the store and the lit pad's paint,
// which may come in either order) are swapped.
bool sameLog(const Lines& actual, const Lines& expected) {
    if (actual == expected) return true;
    if (actual.size() != expected.size() || actual.size() < 2) return false;
    Lines swapped = actual;
    std::swap(swapped[swapped.size() - 1], swapped[swapped.size() - 2]);
    return swapped == expected;
}

class KeyDown : public LoggedWindow {
protected:
    bool press(const std::string& key) { return window().Event_KeyDown(key); }
    std::int64_t pitchSlider() { return window().PitchSlider().Value(); }
    std::int64_t velocitySlider() { return window().VelocitySlider().Value(); }
};

TEST_F(KeyDown, EveryNoteKeyRunsItsNoteBlock) {
    for (const NoteKey& k : kNoteKeys) {
        SCOPED_TRACE("key \"" + k.key + "\"");
        start(kStart);
        EXPECT_TRUE(press(k.key));
        const Lines expected = expectedLog(k, kStart);
        const Lines actual = take();
        EXPECT_TRUE(sameLog(actual, expected)) << ::testing::PrintToString(actual);
        const Playing after{kStart.instrument, kStart.pitch, kStart.velocity, kStart.pitch + k.offset};
        EXPECT_EQ(playing(), after);
    }
}

TEST_F(KeyDown, SpaceSilencesAndResetsTheCentre) {
    window().Event_KeyDown("x");
    start(kStart);
    EXPECT_TRUE(press(" "));
    EXPECT_EQ(take(), spaceLog(kStart));
    EXPECT_EQ(playing(), kStart);
    EXPECT_EQ(window().Oval1().FillColor(), RGB(255, 128, 128));
}

TEST_F(KeyDown, ArrowsStepTheHiddenSliders) {
    struct Case {
        char code;
        std::int64_t pitchSlider, velocitySlider;
        Playing after;
    };
    const Case cases[] = {
        {28, 4, 8, {5, -12, 100, 7}},
        {29, 6, 8, {5, 12, 100, 7}},
        {30, 5, 7, {5, 24, 118, 7}},
        {31, 5, 9, {5, 24, 106, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("code " + std::to_string(c.code));
        window().PitchSlider().setValue(5);
        window().VelocitySlider().setValue(8);
        start(kStart);
        EXPECT_TRUE(press(std::string(1, c.code)));
        EXPECT_EQ(take(), Lines{});
        EXPECT_EQ(pitchSlider(), c.pitchSlider);
        EXPECT_EQ(velocitySlider(), c.velocitySlider);
        EXPECT_EQ(playing(), c.after);
    }
}

TEST_F(KeyDown, ArrowsAddUpAndStopAtTheSliderLimits) {
    const std::string left(1, 28), right(1, 29), up(1, 30), down(1, 31);
    EXPECT_EQ(app().MyVelocity, 64);
    press(up);
    EXPECT_EQ(app().MyVelocity, 118);
    press(down);
    press(down);
    EXPECT_EQ(app().MyVelocity, 106);

    const std::int64_t pitches[] = {-12, -24, -36, -48, -48, -48};
    for (std::int64_t expected : pitches) {
        press(left);
        EXPECT_EQ(app().MyPitch, expected);
    }
    EXPECT_EQ(pitchSlider(), 1);
    for (int i = 0; i < 10; ++i) press(right);
    EXPECT_EQ(app().MyPitch, 48);
    EXPECT_EQ(pitchSlider(), 9);
    for (int i = 0; i < 25; ++i) press(down);
    EXPECT_EQ(velocitySlider(), 20);
    EXPECT_EQ(app().MyVelocity, 40);
    for (int i = 0; i < 25; ++i) press(up);
    EXPECT_EQ(velocitySlider(), 1);
    EXPECT_EQ(app().MyVelocity, 154);
    EXPECT_TRUE(reports().empty());
}

TEST_F(KeyDown, OtherKeysDoNothing) {
    const std::string keys[] = {"Z", "Q", "a", "s", "g", "l", "1", "4", "8", "-", "[", "'", "",
                                "\U0001D11E",  // a character outside the BMP
                                "\xDB",        // a lone byte, not UTF-8
                                std::string(1, '\0') + "z"};
    window().Event_KeyDown("z");
    for (const std::string& key : keys) {
        SCOPED_TRACE(::testing::PrintToString(key));
        start(kStart);
        EXPECT_TRUE(press(key));
        EXPECT_EQ(take(), Lines{});
        EXPECT_EQ(playing(), kStart);
        EXPECT_EQ(pitchSlider(), 5);
        EXPECT_EQ(velocitySlider(), 8);
    }
}

TEST_F(KeyDown, AKeyStringActsByItsFirstCharacter) {
    const std::pair<std::string, std::string> pairs[] = {{"zx", "z"}, {"\u00DBa", "\u00DB"}, {"; ", ";"}, {"ax", "a"}};
    for (const auto& [longer, first] : pairs) {
        SCOPED_TRACE(longer);
        start(kStart);
        press(first);
        const Lines expected = take();
        start(kStart);
        press(longer);
        EXPECT_EQ(take(), expected);
    }
}

TEST_F(KeyDown, FirstNoteAfterStartSilencesNoteZero) {
    start(playing());
    press("9");
    const Lines log = take();
    ASSERT_GE(log.size(), 16u);
    EXPECT_EQ(log[0], "off 60");
    EXPECT_EQ(log[14], "off 0");
}

TEST_F(KeyDown, NotesBeyondTheMidiRangeAreSentUnchanged) {
    for (int i = 0; i < 4; ++i) press(std::string(1, 29));
    press("p");
    EXPECT_EQ(app().LastPitch, 136);
    for (int i = 0; i < 8; ++i) press(std::string(1, 28));
    press("z");
    EXPECT_EQ(app().LastPitch, 11);
    EXPECT_TRUE(reports().empty());
}

TEST_F(KeyDown, AMissingCentrePadStopsTheNoteBlock) {
    SparseWindow sparse;
    sparse.add<NotePlayer>("NotePlayer1");
    for (const char* name : {"Oval1", "Oval2", "Oval3", "Oval4"}) sparse.add<Oval>(name);
    start(kStart);
    clearReports();

    EXPECT_FALSE(sparse.window().keyDown("x"));
    EXPECT_EQ(take(), (Lines{"instrument 5", "paint Oval1 255,128,128", "paint Oval2 255,192,255",
                             "paint Oval3 128,0,255", "paint Oval4 0,128,128"}));
    EXPECT_EQ(app().LastPitch, 7);
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_NE(reports()[0].find("NilObjectException"), std::string::npos) << reports()[0];

    // Space gets as far, and sends no note-off; an unmatched key still answers true.
    EXPECT_FALSE(sparse.window().keyDown(" "));
    EXPECT_EQ(take().size(), 5u);
    EXPECT_TRUE(sparse.window().keyDown("a"));
    EXPECT_FALSE(sparse.window().keyDown(std::string(1, 28)));  // no PitchSlider
    EXPECT_EQ(reports().size(), 3u);
}

TEST_F(KeyDown, AMissingReplacingPadIsReachedInItsPlaceInTheReset) {
    // "z" paints Oval9 where Oval7 stands in the reset: without Oval9 the
    // pads before that place are painted, then the key stops.
    SparseWindow sparse;
    sparse.add<NotePlayer>("NotePlayer1");
    for (const char* name : {"Oval1", "Oval2", "Oval3", "Oval4", "Oval5", "Oval6", "Oval7"}) sparse.add<Oval>(name);
    start(kStart);
    clearReports();

    EXPECT_FALSE(sparse.window().keyDown("z"));
    EXPECT_EQ(take(), (Lines{"instrument 5", "paint Oval1 255,128,128", "paint Oval2 255,192,255",
                             "paint Oval3 128,0,255", "paint Oval4 0,128,128", "paint Oval5 128,128,255",
                             "paint Oval6 0,64,128"}));
    EXPECT_EQ(reports().size(), 1u);
}

}  // namespace
}  // namespace nalvo
