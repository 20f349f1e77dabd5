// Pad clicks on the real window: each pad's place and colour, the ordered log
// of each of the 37 pads, and the colours they leave.
#include "support/fixture.h"

namespace nalvo {
namespace {

// The step sequences of the four kinds of pad (and their quirks).
const char* const kNatural = "instr reset off on lit store";
const char* const kSharp = "off reset on lit store";
const char* const kSharpTwice = "off reset off on lit store";
const char* const kOuter = "instr off reset off on lit store";
const char* const kOuterSh = "off reset lit on base store";
const char* const kOuterSh60 = "off60 reset lit off on base store";

struct PadCase {
    NoteBlock block;
    int left, top, size;
};

const PadCase kPads[] = {  // {pad, offset, replaced centre pad, steps}, left, top, size
    {{"Oval1", 60, "", kNatural}, 312, 270, 72}, {{"Oval2", 62, "", kNatural}, 382, 241, 72},
    {{"Oval3", 64, "", kNatural}, 437, 294, 72}, {{"Oval4", 65, "", kNatural}, 501, 247, 72},
    {{"Oval5", 67, "", kNatural}, 559, 294, 72}, {{"Oval6", 69, "", kNatural}, 621, 241, 72},
    {{"Oval7", 71, "", kNatural}, 674, 294, 72}, {{"Oval8", 72, "", kNatural}, 746, 270, 72},
    {{"miniOval1", 61, "", kSharpTwice}, 342, 228, 42}, {{"miniOval2", 63, "", kSharp}, 455, 228, 42},
    {{"miniOval3", 66, "", kSharp}, 548, 210, 42}, {{"miniOval4", 68, "", kSharp}, 595, 210, 42},
    {{"miniOval5", 70, "", kSharp}, 692, 242, 42}, {{"Oval19", 48, "Oval1", kOuter}, 132, -1, 48},
    {{"Oval18", 50, "Oval2", kOuter}, 138, 50, 48}, {{"Oval17", 52, "Oval3", kOuter}, 148, 100, 48},
    {{"Oval16", 53, "Oval4", kOuter}, 148, 150, 48}, {{"Oval14", 55, "Oval4", kOuter}, 180, 194, 48},
    {{"Oval10", 57, "Oval7", kOuter}, 231, 210, 48}, {{"Oval9", 59, "Oval7", kOuter}, 267, 247, 48},
    {{"Oval11", 74, "Oval2", kOuter}, 789, 230, 48}, {{"Oval12", 76, "Oval4", kOuter}, 838, 247, 48},
    {{"Oval13", 77, "Oval4", kOuter}, 880, 219, 48}, {{"Oval15", 79, "Oval6", kOuter}, 899, 170, 48},
    {{"Oval20", 81, "Oval7", kOuter}, 909, 117, 48}, {{"Oval21", 83, "Oval7", kOuter}, 940, 75, 48},
    {{"Oval22", 84, "Oval8", kOuter}, 940, 24, 48}, {{"miniOval111", 49, "", kOuterSh60}, 180, 28, 30},
    {{"miniOval211", 51, "", kOuterSh}, 189, 68, 30}, {{"miniOval311", 54, "", kOuterSh}, 198, 126, 30},
    {{"miniOval411", 56, "", kOuterSh}, 231, 170, 30}, {{"miniOval511", 58, "", kOuterSh}, 285, 210, 30},
    {{"miniOval11", 73, "", kOuterSh60}, 758, 236, 30}, {{"miniOval21", 75, "", kOuterSh}, 838, 219, 30},
    {{"miniOval31", 78, "", kOuterSh}, 865, 194, 30}, {{"miniOval41", 80, "", kOuterSh}, 880, 143, 30},
    {{"miniOval51", 82, "", kOuterSh}, 909, 84, 30},
};

// Every value different and non-zero, none equal to 60 or to any pad's note;
// notes and velocity above 127 are sent as they are.
constexpr Playing kStart{.instrument = 7, .pitch = 48, .velocity = 154, .lastPitch = 33};

class PadClicks : public WindowFixture {};

TEST_F(PadClicks, EachPadInItsPlaceAndColourLogsItsStepsInOrder) {
    for (const auto& [block, left, top, size] : kPads) {
        SCOPED_TRACE(block.pad);
        const Oval& pad = control<Oval>(block.pad);
        EXPECT_EQ((std::vector<std::int64_t>{pad.Left(), pad.Top(), pad.Width(), pad.Height()}),
                  (std::vector<std::int64_t>{left, top, size, size}));
        EXPECT_EQ(pad.FillColor(), classColours(block.offset).first);
        start(kStart);
        EXPECT_FALSE(mouseDown(block.pad));
        EXPECT_EQ(take(), block.log(kStart));
    }
    EXPECT_TRUE(reports.empty());
    // The outer natural pads stay lit; every other pad is back in its base colour.
    for (const auto& [block, left, top, size] : kPads) {
        const auto [base, highlight] = classColours(block.offset);
        EXPECT_EQ(control<Oval>(block.pad).FillColor(), *block.replaces ? highlight : base) << block.pad;
    }
}

}  // namespace
}  // namespace nalvo
