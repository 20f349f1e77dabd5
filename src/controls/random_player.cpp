// The "Randam Hit" button: one random sharp, or the three notes of a random
// triad of the C major scale, in a random octave.
#include "app/App.h"
#include "controls/play.h"
#include "platform/random.h"
#include "window/NALVO.h"

#include <array>
#include <cstdint>

namespace nalvo {

namespace {

// Semitone above C of each note choice 0..4 (the five sharps).
constexpr std::array<std::int64_t, 5> kSharps{1, 3, 6, 8, 10};
// The six orders of the triad steps 0, 2, 4; one row per order, one column per voice.
constexpr std::int64_t kTriadOrders[6][3] = {{0, 2, 4}, {0, 4, 2}, {2, 0, 4}, {2, 4, 0}, {4, 2, 0}, {4, 0, 2}};
// Semitone above C of each degree of the major scale.
constexpr std::array<std::int64_t, 7> kMajorScale{0, 2, 4, 5, 7, 9, 11};
// Timer periods before the period factor: per pattern, the single sharp and the three triad voices.
struct PeriodRow {
    std::int64_t single;
    std::int64_t voice[3];
};
constexpr PeriodRow kPeriods[3] = {{500, {500, 500, 1000}}, {1000, {1000, 500, 500}}, {500, {500, 1000, 500}}};

std::int64_t draw(double scale) { return static_cast<std::int64_t>(Rnd() * scale); }

// One note of the click: the play step at 60 + x, then pxx(x).
void playRandomNote(NALVO& window, std::int64_t x) {
    playStep(window, 60 + x);
    window.pxx(x);
}

}  // namespace

std::int64_t NALVO::Onpu(std::int64_t degree, std::int64_t order, std::int64_t voice) {
    std::int64_t n = 0;
    // A degree far outside the scale cannot land in it; testing first keeps the sum from overflowing.
    if (order >= 0 && order <= 5 && voice >= 0 && voice <= 2 && degree >= -4 && degree <= 6)
        n = degree + kTriadOrders[order][voice];
    return (n >= 0 && n <= 6) ? kMajorScale[static_cast<std::size_t>(n)] : 0;
}

void NALVO::pxx(std::int64_t) {}

void NALVO::PushButton1_Action(PushButton&) {
    setInstrumentFromApp(*this);

    // All six draws, in this order, on every click.
    const std::int64_t degree = draw(7.0);
    const std::int64_t order = draw(6.0);
    const std::int64_t pattern = draw(3.0);
    const std::int64_t choice = draw(12.0);
    const std::int64_t octave = draw(5.0);
    const std::int64_t factor = static_cast<std::int64_t>((1.0 + Rnd() * 3.0) / 3.0);

    theApp().MyPitch = octave == 0 ? 12 : octave == 1 ? -12 : 0;

    const PeriodRow& periods = kPeriods[pattern];
    if (choice <= 4) {
        playRandomNote(*this, kSharps[static_cast<std::size_t>(choice)]);
        Mytimer().Period = factor * periods.single;
        return;
    }
    for (std::int64_t voice = 0; voice < 3; ++voice) {
        playRandomNote(*this, Onpu(degree, order, voice));
        Mytimer().Period = factor * periods.voice[voice];
    }
}

}  // namespace nalvo
