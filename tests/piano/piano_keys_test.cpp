// The piano keys: each key's place, its handler's log, and a click through Qt
// on each key where the window's stacking leaves it on top.
#include "support/fixture.h"

#include <QTest>
#include <QWidget>

namespace nalvo {
namespace {

// Notes are sent as computed: above 127 by a handler call, down to 0 by a click.
constexpr Playing kStart{.instrument = 5, .pitch = 48, .velocity = 154, .lastPitch = 7};
constexpr Playing kLow{.instrument = 3, .pitch = -48, .velocity = 20, .lastPitch = 99};

struct Key {
    const char* name;
    int offset;
    int left, top, width, height;
    int stacking;  // higher lies above
};

const Key kKeys[] = {
    {"Rectangle22", 48, 0, 424, 50, 76, 36},    {"Rectangle44", 49, 33, 417, 30, 46, 40},
    {"Rectangle41", 50, 50, 424, 50, 76, 37},   {"Rectangle45", 51, 90, 424, 30, 43, 39},
    {"Rectangle42", 52, 100, 424, 50, 76, 38},  {"Rectangle30", 53, 144, 424, 50, 76, 24},
    {"Rectangle35", 54, 177, 424, 30, 43, 28},  {"Rectangle32", 55, 194, 424, 50, 76, 26},
    {"Rectangle36", 56, 231, 424, 30, 43, 29},  {"Rectangle31", 57, 244, 424, 50, 76, 25},
    {"Rectangle14", 58, 283, 424, 30, 43, 30},  {"Rectangle33", 59, 290, 424, 54, 76, 27},
    {"Rectangle1", 60, 344, 424, 50, 76, 2},    {"Rectangle9", 61, 379, 424, 30, 43, 15},
    {"Rectangle2", 62, 394, 424, 49, 76, 3},    {"Rectangle10", 63, 431, 424, 30, 43, 10},
    {"Rectangle3", 64, 444, 424, 50, 76, 4},    {"Rectangle4", 65, 494, 424, 50, 76, 5},
    {"Rectangle11", 66, 528, 424, 30, 43, 11},  {"Rectangle6", 67, 542, 424, 49, 76, 7},
    {"Rectangle12", 68, 573, 424, 30, 43, 12},  {"Rectangle5", 69, 589, 424, 49, 76, 6},
    {"Rectangle13", 70, 625, 424, 30, 43, 14},  {"Rectangle7", 71, 635, 424, 49, 76, 8},
    {"Rectangle8", 72, 683, 424, 49, 76, 9},    {"Rectangle18", 73, 720, 424, 30, 43, 20},
    {"Rectangle15", 74, 727, 424, 49, 76, 16},  {"Rectangle21", 75, 765, 424, 30, 43, 32},
    {"Rectangle19", 63, 769, 424, 30, 43, 18},  {"Rectangle20", 61, 769, 424, 30, 43, 19},
    {"Rectangle16", 76, 774, 424, 49, 76, 17},  {"Rectangle17", 77, 820, 424, 50, 76, 13},
    {"Rectangle39", 78, 854, 424, 30, 43, 33},  {"Rectangle23", 79, 865, 424, 50, 76, 1},
    {"Rectangle25", 80, 896, 424, 30, 43, 22},  {"Rectangle24", 81, 914, 424, 49, 76, 21},
    {"Rectangle38", 82, 941, 424, 30, 43, 31},  {"Rectangle26", 83, 959, 424, 49, 76, 23},
    {"Rectangle27", 84, 1006, 424, 49, 76, 34}, {"Rectangle40", 85, 1025, 424, 30, 43, 35},
};

// The key that a press at (x, y) reaches, or null.
const Key* keyAt(int x, int y) {
    const Key* top = nullptr;
    for (const Key& k : kKeys)
        if (x >= k.left && x < k.left + k.width && y >= k.top && y < k.top + k.height && (!top || k.stacking > top->stacking))
            top = &k;
    return top;
}

Lines pianoLog(const Playing& s, int offset) { return NoteBlock{"", offset, "", "instr off on store"}.log(s); }

class PianoKeys : public WindowFixture {};

TEST_F(PianoKeys, EveryKeyInItsPlacePlaysItsNoteAndIsReachableByAClick) {
    for (const Key& k : kKeys) {
        SCOPED_TRACE(k.name);
        const Rectangle& key = control<Rectangle>(k.name);
        EXPECT_EQ((std::vector<std::int64_t>{key.Left(), key.Top(), key.Width(), key.Height()}),
                  (std::vector<std::int64_t>{k.left, k.top, k.width, k.height}));
        EXPECT_EQ(key.FillColor(), k.height == 76 ? RGB(255, 255, 255) : RGB(0, 0, 0));
        start(kStart);
        EXPECT_FALSE(mouseDown(k.name));
        EXPECT_EQ(take(), pianoLog(kStart, k.offset));
        // A click through Qt at the first point, column by column, where this key lies on top.
        int px = -1, py = -1;
        for (int x = k.left; x < std::min(k.left + k.width, 1050) && px < 0; ++x)
            for (int y = k.top; y < k.top + k.height && px < 0; ++y)
                if (keyAt(x, y) == &k) px = x, py = y;
        EXPECT_TRUE(px >= 0 || std::string(k.name) == "Rectangle19");  // the one key covered everywhere
        if (px < 0) continue;
        start(kLow);
        QWidget* hit = window().contentArea().childAt(px, py);
        ASSERT_NE(hit, nullptr);
        QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hit->mapFrom(&window().contentArea(), QPoint(px, py)));
        EXPECT_EQ(take(), pianoLog(kLow, k.offset));
    }
    EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace nalvo
