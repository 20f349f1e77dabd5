// The "Randam Hit" random player with scripted draws, and Onpu's table.
#include "platform/random.h"
#include "support/fixture.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace nalvo {
namespace {

const double kTop = std::nextafter(1.0, 0.0);  // the largest draw below 1

class RandomPlayerTest : public WindowFixture {
protected:
    // One click with six scripted draws. The log shows Mytimer's period after
    // each note ("period N" before the next note-off and at the end).
    Lines clickWith(const std::vector<double>& draws) {
        std::size_t used = 0;  // Rnd() returns the draws in order; one draw too many throws
        setRndSource([&] { return used < draws.size() ? draws[used++] : throw std::out_of_range("Rnd drawn once too often"); });
        int offs = 0;
        log().beforeNoteOff = [&] { return offs++ ? period() : ""; };
        click("PushButton1");
        log().beforeNoteOff = nullptr;
        setRndSource({});
        EXPECT_EQ(used, 6u);
        Lines lines = take();
        std::erase_if(lines, [](const std::string& l) { return l.starts_with("store"); });
        lines.push_back(period());
        return lines;
    }
    std::string period() { return "period " + std::to_string(window().Mytimer().Period); }
};

// The worked examples, and each draw at 0, just below 1 and either side of its steps.
TEST_F(RandomPlayerTest, EachDrawAtItsEdges) {
    const struct {
        std::vector<double> draws;
        std::int64_t pitch;                  // MyPitch after the click
        std::vector<std::int64_t> offsets;   // of the note-ons, in order
        std::vector<std::int64_t> periods;   // after each note
    } cases[] = {
        {{0.45, 0.40, 0.50, 0.62, 0.55, 0.70}, 0, {69, 65, 60}, {1000, 500, 500}},  // the worked examples
        {{0.10, 0.90, 0.05, 0.30, 0.10, 0.20}, 12, {68}, {0}},
        {{0, 0, 0, 0, 0, 0}, 12, {61}, {0}},
        {{kTop, kTop, kTop, kTop, kTop, kTop}, 0, {60, 71, 60}, {500, 1000, 500}},
        {{0, 0, 0, 0.5, 0.5, 0.9}, 0, {60, 64, 67}, {500, 500, 1000}},
        {{kTop, 0, 0, 0.5, 0.5, 0.9}, 0, {71, 60, 60}, {500, 500, 1000}},
        {{5.0 / 7 + 0.01, 0, 0, 0.5, 0.5, 0.9}, 0, {69, 60, 60}, {500, 500, 1000}},
        {{kTop, 4.0 / 6 + 0.01, 0, 0.5, 0.5, 0.9}, 0, {60, 60, 71}, {500, 500, 1000}},
        {{0, kTop, 0, 0.5, 0.5, 0.9}, 0, {67, 60, 64}, {500, 500, 1000}},
        {{0, 0, 0.5, 0.5, 0.5, 0.9}, 0, {60, 64, 67}, {1000, 500, 500}},
        {{0, 0, kTop, 0.5, 0.5, 0.9}, 0, {60, 64, 67}, {500, 1000, 500}}, {{0, 0, 0.5, 0, 0.5, 0.9}, 0, {61}, {1000}},
        {{0, 0, kTop, 0, 0.5, 0.9}, 0, {61}, {500}}, {{0, 0, 0, 1.0 / 12 + 0.001, 0.5, 0.9}, 0, {63}, {500}},
        {{0, 0, 0, 2.0 / 12 + 0.001, 0.5, 0.9}, 0, {66}, {500}},
        {{0, 0, 0, 3.0 / 12 + 0.001, 0.5, 0.9}, 0, {68}, {500}},
        {{0, 0, 0, 5.0 / 12 - 0.001, 0.5, 0.9}, 0, {70}, {500}},
        {{0, 0, 0, 5.0 / 12 + 0.001, 0.5, 0.9}, 0, {60, 64, 67}, {500, 500, 1000}},
        {{0, 0, 0, kTop, 0.5, 0.9}, 0, {60, 64, 67}, {500, 500, 1000}},
        {{0, 0, 0, 0, 0.2 + 0.001, 0.9}, -12, {61}, {500}}, {{0, 0, 0, 0, 0.4 + 0.001, 0.9}, 0, {61}, {500}},
        {{0, 0, 0, 0, kTop, 0.9}, 0, {61}, {500}}, {{0, 0, 0, 0, 0.5, 0.66}, 0, {61}, {0}},
        {{0, 0, 0, 0, 0.5, 0.67}, 0, {61}, {500}}, {{0, 0, 0, 0, 0.5, kTop}, 0, {61}, {500}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.draws));
        start({.instrument = 3, .pitch = 24, .velocity = 90, .lastPitch = 55});
        Lines expected{"instrument 3"};
        std::int64_t last = 55;
        for (std::size_t i = 0; i < c.offsets.size(); ++i) {
            expected.push_back("off " + std::to_string(last));
            expected.push_back("on " + std::to_string(last = c.pitch + c.offsets[i]) + " 90");
            expected.push_back("period " + std::to_string(c.periods[i]));
        }
        EXPECT_EQ(clickWith(c.draws), expected);
        EXPECT_EQ(playing(), (Playing{3, c.pitch, 90, last}));
        EXPECT_EQ(window().PitchBar().Value() * 10 + window().PitchSlider().Value(), 55);  // they do not follow
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(RandomPlayerTest, OnpuTable) {
    const std::int64_t kMax = std::numeric_limits<std::int64_t>::max(), kMin = std::numeric_limits<std::int64_t>::min();
    const std::int64_t cases[][4] = {  // degree, order, voice -> semitone
        {0, 0, 0, 0},  {0, 0, 1, 4},  {0, 0, 2, 7},   {0, 1, 1, 7},  {0, 2, 0, 4},  {0, 3, 2, 0},  {0, 4, 0, 7},
        {0, 5, 2, 4},  {3, 2, 0, 9},  {3, 2, 1, 5},   {3, 2, 2, 0},  {5, 0, 0, 9},  {5, 0, 1, 0},  {6, 4, 2, 11},
        {2, 0, 2, 11}, {2, 3, 1, 11}, {0, -1, 0, 0},  {0, 6, 0, 0},  {0, 0, -1, 0}, {0, 0, 3, 0},  {4, 6, 2, 0},
        {7, 0, 0, 0},  {-1, 2, 0, 2}, {-5, 4, 0, 0},  {kMax, 4, 0, 0}, {kMin, 0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(window().Onpu(c[0], c[1], c[2]), c[3]) << c[0] << "," << c[1] << "," << c[2];
}

}  // namespace
}  // namespace nalvo
