// The piano keys: each key's place and colour, and its handler's log at the
// high and the low octave shift. Where a click lands is the hit-area test's.
#include "support/fixture.h"

namespace nalvo {
namespace {

// Notes are sent as computed: above 127 and down to 0.
constexpr Playing kStart{.instrument = 5, .pitch = 48, .velocity = 154, .lastPitch = 7};
constexpr Playing kLow{.instrument = 3, .pitch = -48, .velocity = 20, .lastPitch = 99};

struct Key {
    const char* name;
    int offset;
    int left, top, width, height;
};

const Key kKeys[] = {
    {"Rectangle22", 48, 0, 424, 50, 76}, {"Rectangle44", 49, 33, 417, 30, 46}, {"Rectangle41", 50, 50, 424, 50, 76},
    {"Rectangle45", 51, 90, 424, 30, 43}, {"Rectangle42", 52, 100, 424, 50, 76}, {"Rectangle30", 53, 144, 424, 50, 76},
    {"Rectangle35", 54, 177, 424, 30, 43}, {"Rectangle32", 55, 194, 424, 50, 76}, {"Rectangle36", 56, 231, 424, 30, 43},
    {"Rectangle31", 57, 244, 424, 50, 76}, {"Rectangle14", 58, 283, 424, 30, 43}, {"Rectangle33", 59, 290, 424, 54, 76},
    {"Rectangle1", 60, 344, 424, 50, 76}, {"Rectangle9", 61, 379, 424, 30, 43}, {"Rectangle2", 62, 394, 424, 49, 76},
    {"Rectangle10", 63, 431, 424, 30, 43}, {"Rectangle3", 64, 444, 424, 50, 76}, {"Rectangle4", 65, 494, 424, 50, 76},
    {"Rectangle11", 66, 528, 424, 30, 43}, {"Rectangle6", 67, 542, 424, 49, 76}, {"Rectangle12", 68, 573, 424, 30, 43},
    {"Rectangle5", 69, 589, 424, 49, 76}, {"Rectangle13", 70, 625, 424, 30, 43}, {"Rectangle7", 71, 635, 424, 49, 76},
    {"Rectangle8", 72, 683, 424, 49, 76}, {"Rectangle18", 73, 720, 424, 30, 43}, {"Rectangle15", 74, 727, 424, 49, 76},
    {"Rectangle21", 75, 765, 424, 30, 43}, {"Rectangle19", 63, 769, 424, 30, 43}, {"Rectangle20", 61, 769, 424, 30, 43},
    {"Rectangle16", 76, 774, 424, 49, 76}, {"Rectangle17", 77, 820, 424, 50, 76}, {"Rectangle39", 78, 854, 424, 30, 43},
    {"Rectangle23", 79, 865, 424, 50, 76}, {"Rectangle25", 80, 896, 424, 30, 43}, {"Rectangle24", 81, 914, 424, 49, 76},
    {"Rectangle38", 82, 941, 424, 30, 43}, {"Rectangle26", 83, 959, 424, 49, 76}, {"Rectangle27", 84, 1006, 424, 49, 76},
    {"Rectangle40", 85, 1025, 424, 30, 43},
};

Lines pianoLog(const Playing& s, int offset) { return NoteBlock{"", offset, "", "instr off on store"}.log(s); }

class PianoKeys : public WindowFixture {};

TEST_F(PianoKeys, EveryKeyInItsPlacePlaysItsNote) {
    for (const Key& k : kKeys) {
        SCOPED_TRACE(k.name);
        const Rectangle& key = control<Rectangle>(k.name);
        EXPECT_EQ((std::vector<std::int64_t>{key.Left(), key.Top(), key.Width(), key.Height()}),
                  (std::vector<std::int64_t>{k.left, k.top, k.width, k.height}));
        EXPECT_EQ(key.FillColor(), k.height == 76 ? RGB(255, 255, 255) : RGB(0, 0, 0));
        start(kStart);
        EXPECT_FALSE(mouseDown(k.name));
        EXPECT_EQ(take(), pianoLog(kStart, k.offset));
        start(kLow);
        EXPECT_FALSE(mouseDown(k.name));
        EXPECT_EQ(take(), pianoLog(kLow, k.offset));
    }
    EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace nalvo
