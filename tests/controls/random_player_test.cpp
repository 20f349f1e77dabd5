// The "Randam Hit" random player with scripted draws, and Onpu's table.
#include "support/window_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace nalvo {
namespace {

const double kTop = std::nextafter(1.0, 0.0);  // the largest draw below 1

// Records every note call together with Mytimer's period at that moment, so
// the period written after each note is seen at the next note's note-off.
class PeriodSnoop final : public NoteOutput {
public:
    explicit PeriodSnoop(RecordingOutput& inner) : inner_(inner) {}
    void setInstrument(std::int64_t i) override { inner_.setInstrument(i); }
    void playNote(std::int64_t note, std::int64_t velocity) override {
        if (velocity == 0) periodsAtNoteOff.push_back(defaultWindow().Mytimer().Period);
        inner_.playNote(note, velocity);
    }
    void allNotesOff() override { inner_.allNotesOff(); }
    std::vector<std::int64_t> periodsAtNoteOff;

private:
    RecordingOutput& inner_;
};

class RandomPlayerTest : public WindowFixture {
protected:
    // One click with six scripted draws; returns the periods written (one per note).
    std::vector<std::int64_t> clickWith(std::vector<double> draws) {
        auto snoop = std::make_shared<PeriodSnoop>(notes());
        auto previous = setNoteOutput(snoop);
        {
            ScriptedRnd rnd(std::move(draws));
            click(window().PushButton1());
            EXPECT_EQ(rnd.used(), 6u);
        }
        setNoteOutput(previous);
        std::vector<std::int64_t> written(snoop->periodsAtNoteOff.begin() + 1, snoop->periodsAtNoteOff.end());
        written.push_back(window().Mytimer().Period);
        return written;
    }
};

TEST_F(RandomPlayerTest, WorkedExamplesTriadThenSharp) {
    setPlaying({.instrument = 7, .pitch = 0, .velocity = 112, .lastPitch = 64});
    auto periods = clickWith({0.45, 0.40, 0.50, 0.62, 0.55, 0.70});
    EXPECT_EQ(notes().calls(), (NoteCalls{Instrument(7), NoteOff(64), NoteOn(69, 112), NoteOff(69), NoteOn(65, 112),
                                          NoteOff(65), NoteOn(60, 112)}));
    EXPECT_EQ(periods, (std::vector<std::int64_t>{1000, 500, 500}));
    EXPECT_EQ(playing(), (Playing{7, 0, 112, 60}));

    notes().clear();
    periods = clickWith({0.10, 0.90, 0.05, 0.30, 0.10, 0.20});
    EXPECT_EQ(notes().calls(), (NoteCalls{Instrument(7), NoteOff(60), NoteOn(80, 112)}));
    EXPECT_EQ(periods, (std::vector<std::int64_t>{0}));
    EXPECT_EQ(playing(), (Playing{7, 12, 112, 80}));
    // The pitch controls do not follow the octave the player drew.
    EXPECT_EQ(window().PitchBar().Value(), 5);
    EXPECT_EQ(window().PitchSlider().Value(), 5);
    EXPECT_TRUE(reports().empty());
}

struct DrawCase {
    const char* what;
    std::vector<double> draws;
    std::int64_t pitch;      // MyPitch after the click
    std::vector<std::int64_t> offsets;  // note offsets of the note-ons, in order
    std::vector<std::int64_t> periods;
};

// Each draw at 0 and just below 1; the others at values that keep their meaning visible.
const DrawCase kDrawCases[] = {
    {"all draws 0: sharp C#, octave up, factor 0", {0, 0, 0, 0, 0, 0}, 12, {61}, {0}},
    {"all draws top: triad of B in order 5, same octave", {kTop, kTop, kTop, kTop, kTop, kTop}, 0, {60, 71, 60},
     {500, 1000, 500}},
    {"degree 0 order 0: C E G", {0, 0, 0, 0.5, 0.5, 0.9}, 0, {60, 64, 67}, {500, 500, 1000}},
    {"degree top order 0: B, then beyond the scale", {kTop, 0, 0, 0.5, 0.5, 0.9}, 0, {71, 60, 60}, {500, 500, 1000}},
    {"degree 5 order 0: A, then beyond the scale", {5.0 / 7 + 0.01, 0, 0, 0.5, 0.5, 0.9}, 0, {69, 60, 60},
     {500, 500, 1000}},
    {"degree 6 order 4", {kTop, 4.0 / 6 + 0.01, 0, 0.5, 0.5, 0.9}, 0, {60, 60, 71}, {500, 500, 1000}},
    {"order top on degree 0", {0, kTop, 0, 0.5, 0.5, 0.9}, 0, {67, 60, 64}, {500, 500, 1000}},
    {"pattern 1 on a triad", {0, 0, 0.5, 0.5, 0.5, 0.9}, 0, {60, 64, 67}, {1000, 500, 500}},
    {"pattern top on a triad", {0, 0, kTop, 0.5, 0.5, 0.9}, 0, {60, 64, 67}, {500, 1000, 500}},
    {"pattern 1 on a sharp", {0, 0, 0.5, 0, 0.5, 0.9}, 0, {61}, {1000}},
    {"pattern top on a sharp", {0, 0, kTop, 0, 0.5, 0.9}, 0, {61}, {500}},
    {"note choice 1: D#", {0, 0, 0, 1.0 / 12 + 0.001, 0.5, 0.9}, 0, {63}, {500}},
    {"note choice 2: F#", {0, 0, 0, 2.0 / 12 + 0.001, 0.5, 0.9}, 0, {66}, {500}},
    {"note choice 3: G#", {0, 0, 0, 3.0 / 12 + 0.001, 0.5, 0.9}, 0, {68}, {500}},
    {"note choice 4: A#, the last sharp", {0, 0, 0, 5.0 / 12 - 0.001, 0.5, 0.9}, 0, {70}, {500}},
    {"note choice 5: the first triad", {0, 0, 0, 5.0 / 12 + 0.001, 0.5, 0.9}, 0, {60, 64, 67}, {500, 500, 1000}},
    {"note choice top: triad", {0, 0, 0, kTop, 0.5, 0.9}, 0, {60, 64, 67}, {500, 500, 1000}},
    {"octave draw 1: down", {0, 0, 0, 0, 0.2 + 0.001, 0.9}, -12, {61}, {500}},
    {"octave draw 2 bottom: same", {0, 0, 0, 0, 0.4 + 0.001, 0.9}, 0, {61}, {500}},
    {"octave draw top: same", {0, 0, 0, 0, kTop, 0.9}, 0, {61}, {500}},
    {"factor just below 2/3: 0", {0, 0, 0, 0, 0.5, 0.66}, 0, {61}, {0}},
    {"factor at 0.67: 1", {0, 0, 0, 0, 0.5, 0.67}, 0, {61}, {500}},
    {"factor top: 1", {0, 0, 0, 0, 0.5, kTop}, 0, {61}, {500}},
};

TEST_F(RandomPlayerTest, EachDrawAtItsEdges) {
    for (const DrawCase& c : kDrawCases) {
        SCOPED_TRACE(c.what);
        setPlaying({.instrument = 3, .pitch = 24, .velocity = 90, .lastPitch = 55});
        notes().clear();
        const auto periods = clickWith(c.draws);

        NoteCalls expected{Instrument(3)};
        std::int64_t last = 55;
        for (std::int64_t offset : c.offsets) {
            const std::int64_t note = c.pitch + offset;
            expected.push_back(NoteOff(last));
            expected.push_back(NoteOn(note, 90));
            last = note;
        }
        EXPECT_EQ(notes().calls(), expected);
        EXPECT_EQ(periods, c.periods);
        EXPECT_EQ(playing(), (Playing{3, c.pitch, 90, last}));
    }
    EXPECT_TRUE(reports().empty());
}

TEST_F(RandomPlayerTest, OnpuTable) {
    // Every order and voice on degree 0 gives the triad C E G in the order's sequence.
    const std::int64_t semitone[] = {0, 0, 4, 4, 7, 7};  // degree 0 + step 0, 2, 4
    const std::int64_t orders[6][3] = {{0, 2, 4}, {0, 4, 2}, {2, 0, 4}, {2, 4, 0}, {4, 2, 0}, {4, 0, 2}};
    for (int order = 0; order < 6; ++order)
        for (int voice = 0; voice < 3; ++voice)
            EXPECT_EQ(window().Onpu(0, order, voice), semitone[orders[order][voice]]) << order << "/" << voice;

    struct Case {
        std::int64_t degree, order, voice, semitone;
    };
    const Case cases[] = {
        {3, 2, 0, 9},  {3, 2, 1, 5},  {3, 2, 2, 0},  // the worked example: n = 5, 3, 7
        {5, 0, 0, 9},  {5, 0, 1, 0},  {5, 0, 2, 0},  {6, 4, 0, 0}, {6, 4, 1, 0}, {6, 4, 2, 11},
        {2, 0, 2, 11}, {2, 3, 1, 11},                                 // n = 6
        {0, -1, 0, 0}, {0, 6, 0, 0},  {0, 0, -1, 0}, {0, 0, 3, 0},    // order or voice outside: n = 0
        {4, 6, 2, 0},  {7, 0, 0, 0},  {-1, 2, 0, 2}, {-5, 4, 0, 0},   // n outside 0..6 gives 0
        {std::numeric_limits<std::int64_t>::max(), 4, 0, 0},
        {std::numeric_limits<std::int64_t>::min(), 0, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(window().Onpu(c.degree, c.order, c.voice), c.semitone) << c.degree << "," << c.order << "," << c.voice;
}

TEST_F(RandomPlayerTest, HandlerThatThrowsHalfWayIsReportedOnceAndTheProgramGoesOn) {
    setPlaying({.instrument = 9, .pitch = 0, .velocity = 100, .lastPitch = 62});
    {
        ScriptedRnd rnd({0.1, 0.2});  // the third draw throws
        click(window().PushButton1());
    }
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_NE(reports()[0].find("PushButton1_Action"), std::string::npos) << reports()[0];
    EXPECT_EQ(notes().calls(), (NoteCalls{Instrument(9)}));  // what ran before the failure stays
    EXPECT_EQ(window().NotePlayer1().Instrument(), 9);
    EXPECT_EQ(playing(), (Playing{9, 0, 100, 62}));

    notes().clear();
    clearReports();
    clickWith({0, 0, 0, 0, 0.5, 0.9});
    EXPECT_EQ(notes().calls(), (NoteCalls{Instrument(9), NoteOff(62), NoteOn(61, 100)}));
    EXPECT_TRUE(reports().empty());
}

}  // namespace
}  // namespace nalvo
