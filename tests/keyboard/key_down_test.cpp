// The key-down handler: every table entry's exact log, the keys that do
// nothing, the arrows through the hidden sliders, and a missing control.
#include "support/fixture.h"

#include <map>

namespace nalvo {
namespace {

// All four values different and non-zero, so each note shows its source.
constexpr Playing kStart{.instrument = 5, .pitch = 24, .velocity = 100, .lastPitch = 7};

// Steps: I = instrument, L = note-off of LastPitch before the reset, 6 = note-off
// of 60 before it, l = note-off of LastPitch after it.
struct NoteKey {
    std::string key;
    int offset;
    std::string steps;
    const char* replaced;  // centre pad whose reset entry the lit pad takes, or ""
    const char* lit;
    char litClass;  // its highlight: C D E F G A B, or # for the sharps
};

const NoteKey kNoteKeys[] = {
    {"z", 59, "Il", "Oval7", "Oval9", 'B'}, {"x", 60, "Il", "", "Oval1", 'C'}, {"c", 62, "Il", "", "Oval2", 'D'},
    {"v", 64, "l", "", "Oval3", 'E'}, {"b", 65, "Il", "", "Oval4", 'F'}, {"n", 67, "Il", "", "Oval5", 'G'},
    {"m", 69, "l", "", "Oval6", 'A'}, {",", 71, "Il", "", "Oval7", 'B'}, {".", 72, "Il", "", "Oval8", 'C'},
    {"/", 74, "Il", "Oval2", "Oval11", 'D'}, {"\u00DB", 76, "Il", "Oval3", "Oval12", 'E'},
    {"d", 61, "Ll", "", "miniOval1", '#'}, {"f", 63, "L", "", "miniOval2", '#'}, {"h", 66, "L", "", "miniOval3", '#'},
    {"j", 68, "L", "", "miniOval4", '#'}, {"k", 70, "L", "", "miniOval5", '#'}, {";", 73, "6l", "", "miniOval1", '#'},
    {"]", 75, "L", "", "miniOval2", '#'}, {"q", 72, "Il", "", "Oval1", 'C'}, {"w", 74, "Il", "", "Oval2", 'D'},
    {"e", 76, "l", "", "Oval3", 'E'}, {"r", 77, "Il", "", "Oval4", 'F'}, {"t", 79, "Il", "", "Oval5", 'G'},
    {"y", 81, "l", "", "Oval6", 'A'}, {"u", 83, "Il", "", "Oval7", 'B'}, {"i", 84, "Il", "", "Oval8", 'C'},
    {"o", 86, "Il", "", "Oval2", 'D'}, {"p", 88, "Il", "", "Oval3", 'E'}, {"2", 73, "Ll", "", "miniOval1", '#'},
    {"3", 75, "L", "", "miniOval2", '#'}, {"5", 78, "L", "", "miniOval3", '#'}, {"6", 80, "L", "", "miniOval4", '#'},
    {"7", 82, "L", "", "miniOval5", '#'}, {"9", 85, "6l", "", "miniOval1", '#'}, {"0", 87, "L", "", "miniOval2", '#'},
};

std::string off(std::int64_t note) { return "off " + std::to_string(note); }

// What a note key does from `s`.
Lines expectedLog(const NoteKey& k, const Playing& s) {
    Lines log;
    if ((k.steps.find('I') != std::string::npos)) log.push_back("instrument " + std::to_string(s.instrument));
    if ((k.steps.find('L') != std::string::npos)) log.push_back(off(s.lastPitch));
    if ((k.steps.find('6') != std::string::npos)) log.push_back(off(60));
    const Lines reset = centreResetLog(k.replaced, k.lit);
    log.insert(log.end(), reset.begin(), reset.end());
    if ((k.steps.find('l') != std::string::npos)) log.push_back(off(s.lastPitch));
    const std::int64_t note = s.pitch + k.offset;
    log.push_back("on " + std::to_string(note) + " " + std::to_string(s.velocity));
    log.push_back("store " + std::to_string(note));
    const std::map<char, Color> highlight = {{'C', RGB(255, 0, 0)},     {'D', RGB(255, 128, 192)}, {'E', RGB(160, 32, 255)},
                                             {'F', RGB(0, 192, 192)},   {'G', RGB(192, 192, 255)}, {'A', RGB(0, 96, 160)},
                                             {'B', RGB(0, 0, 255)},     {'#', RGB(255, 255, 64)}};
    log.push_back(paintLine(k.lit, highlight.at(k.litClass)));
    return log;
}

class KeyDown : public WindowFixture {
protected:
    bool press(const std::string& key) { return window().Event_KeyDown(key); }
    std::pair<std::int64_t, std::int64_t> sliders() { return {window().PitchSlider().Value(), window().VelocitySlider().Value()}; }
};

TEST_F(KeyDown, EveryNoteKeyRunsItsNoteBlock) {
    for (const NoteKey& k : kNoteKeys) {
        SCOPED_TRACE("key \"" + k.key + "\"");
        start(kStart);
        EXPECT_TRUE(press(k.key));
        Lines expected = expectedLog(k, kStart), actual = take();
        if (actual != expected) std::swap(expected[expected.size() - 1], expected[expected.size() - 2]);
        EXPECT_EQ(actual, expected);  // the store and the lit pad's paint in either order
    }
    // Space: instrument, full reset, note-off.
    start(kStart);
    EXPECT_TRUE(press(" "));
    Lines space = centreResetLog();
    space.insert(space.begin(), "instrument 5");
    space.push_back("off 7");
    EXPECT_EQ(take(), space);
    EXPECT_EQ(playing(), kStart);
}

TEST_F(KeyDown, ArrowsStepTheHiddenSlidersToTheirLimits) {
    const struct {
        char code;
        std::pair<std::int64_t, std::int64_t> sliders;
        std::int64_t pitch, velocity;
    } cases[] = {{28, {4, 8}, -12, 64}, {29, {6, 8}, 12, 64}, {30, {5, 7}, 0, 118}, {31, {5, 9}, 0, 106}};
    for (const auto& c : cases) {
        window().PitchSlider().setValue(5);
        window().VelocitySlider().setValue(8);
        start({0, 0, 64, 0});
        EXPECT_TRUE(press(std::string(1, c.code)));
        EXPECT_EQ(sliders(), c.sliders) << int(c.code);
        EXPECT_EQ(playing(), (Playing{0, c.pitch, c.velocity, 0})) << int(c.code);
    }
    for (int i = 0; i < 10; ++i) press("\x1C");
    EXPECT_EQ(app().MyPitch, -48);
    for (int i = 0; i < 10; ++i) press("\x1D");
    EXPECT_EQ(app().MyPitch, 48);
    for (int i = 0; i < 25; ++i) press("\x1F");
    EXPECT_EQ(app().MyVelocity, 40);
    for (int i = 0; i < 25; ++i) press("\x1E");
    EXPECT_EQ(app().MyVelocity, 154);
    EXPECT_EQ(sliders(), (std::pair<std::int64_t, std::int64_t>{9, 1}));
    EXPECT_EQ(take(), Lines{});
}

TEST_F(KeyDown, OtherKeysDoNothingAndAStringActsByItsFirstCharacter) {
    const std::string keys[] = {"Z", "Q", "a", "s", "g", "l", "1", "4", "8", "-", "[", "'", "",
                                "\U0001D11E", "\xDB", std::string(1, '\0') + "z"};
    for (const std::string& key : keys) {
        start(kStart);
        EXPECT_TRUE(press(key));
        EXPECT_EQ(take(), Lines{}) << ::testing::PrintToString(key);
        EXPECT_EQ(playing(), kStart);
        EXPECT_EQ(sliders(), (std::pair<std::int64_t, std::int64_t>{5, 8}));
    }
    for (const auto& [longer, first] : {std::pair{"zx", "z"}, {"\u00DBa", "\u00DB"}, {"; ", ";"}}) {
        start(kStart);
        press(first);
        const Lines expected = take();
        start(kStart);
        press(longer);
        EXPECT_EQ(take(), expected) << longer;
    }
}

// Without Oval5 the reset stops there; "z" paints Oval9 in Oval7's place, so
// without Oval9 it stops at that place. Each failure is reported once.
TEST_F(KeyDown, AMissingPadStopsTheKeyWhereTheResetReachesIt) {
    const Lines paints = {"paint Oval1 255,128,128", "paint Oval2 255,192,255", "paint Oval3 128,0,255",
                          "paint Oval4 0,128,128", "paint Oval5 128,128,255", "paint Oval6 0,64,128"};
    SparseWindow four, seven;
    four.addPads({"Oval1", "Oval2", "Oval3", "Oval4"});
    seven.addPads({"Oval1", "Oval2", "Oval3", "Oval4", "Oval5", "Oval6", "Oval7"});
    start(kStart);
    reports.clear();
    EXPECT_FALSE(four.window.keyDown("x"));
    Lines expected{"instrument 5"};
    expected.insert(expected.end(), paints.begin(), paints.begin() + 4);
    EXPECT_EQ(take(), expected);
    EXPECT_FALSE(four.window.keyDown(" "));  // as far, and no note-off
    EXPECT_EQ(take(), expected);
    EXPECT_FALSE(seven.window.keyDown("z"));
    expected.insert(expected.end(), paints.begin() + 4, paints.end());
    EXPECT_EQ(take(), expected);
    EXPECT_TRUE(four.window.keyDown("a"));
    EXPECT_FALSE(four.window.keyDown("\x1C"));  // no PitchSlider
    EXPECT_EQ(app().LastPitch, 7);
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_NE(reports[0].find("NilObjectException"), std::string::npos) << reports[0];
}

}  // namespace
}  // namespace nalvo
