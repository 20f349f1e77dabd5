// The note player's synthesizer, measured: real FluidSynth with the small GM
// SoundFont, no audio driver, rendered into a buffer. (The SoundFont search
// order is the fallback test's; a missing SoundFont and a missing audio
// device are the program test's cases; quitting, which cuts every note, is
// the start-up test's.)
#include "support/fixture.h"

#include <fluidsynth.h>

#include <cmath>

namespace nalvo {
namespace {

constexpr int kRate = 48000;

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        out = FluidSynthOutput::openRender(testSoundFont(), error, kRate);
        ASSERT_TRUE(out) << "cannot open " << testSoundFont() << ": " << error;
    }
    // RMS of the next `seconds` of sound.
    double loudness(double seconds) {
        out->render(static_cast<int>(seconds * kRate), buffer);
        double sum = 0.0;
        for (float s : buffer) sum += double(s) * s;
        return buffer.empty() ? 0.0 : std::sqrt(sum / double(buffer.size()));
    }
    // Renders until no voice is left (at most `seconds`); true when none is.
    bool quietWithin(double seconds) {
        for (int frames = 0; frames < seconds * kRate && out->activeVoiceCount() > 0; frames += 1024) out->render(1024, buffer);
        return out->activeVoiceCount() == 0;
    }
    std::unique_ptr<FluidSynthOutput> out;
    std::vector<float> buffer;
};

// What sounds at which note and velocity, from the first block on, and that
// the note-off of the same number leaves nothing sounding.
TEST_F(SoundTest, NoteOnSoundsInRangeAndNoteOffEndsIt) {
    out->setInstrument(48);  // strings: the small font's samples reach from note 0 to 127
    EXPECT_LT(loudness(0.1), 1e-6);
    out->playNote(60, 0);  // a note-off of a silent note changes nothing
    EXPECT_EQ(out->activeVoiceCount(), 0);
    const struct {
        std::int64_t note, velocity;
        int played;  // the velocity the synthesizer plays, 0: nothing sounds
    } rows[] = {{60, 64, 64},     {127, 127, 127}, {127, 200, 127}, {0, 64, 64},        {60, 154, 127},
                {128, 64, 0},     {136, 154, 0}, {-1, 64, 0},    {60, -5, 0},     {1LL << 40, 64, 0}, {60, 1LL << 40, 127}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "note " << row.note << " velocity " << row.velocity);
        out->playNote(row.note, row.velocity);
        out->render(64, buffer);
        EXPECT_EQ(std::any_of(buffer.begin(), buffer.end(), [](float s) { return std::fabs(s) > 1e-6f; }), row.played > 0);
        const auto expected = row.played ? std::map<int, int>{{int(row.note), row.played}} : std::map<int, int>{};
        EXPECT_EQ(heldNotes(*out), expected);
        EXPECT_EQ(loudness(0.1) > 1e-5, row.played > 0);
        out->playNote(row.note, 0);
        EXPECT_TRUE(heldNotes(*out).empty());
        ASSERT_TRUE(quietWithin(10.0));
    }
}

TEST_F(SoundTest, InstrumentSelectsTheGMProgramAndOutsideKeepsIt) {
    for (int row = 0; row < 128; ++row) {
        out->setInstrument(row);
        fluid_preset_t* preset = fluid_synth_get_channel_preset(out->synth(), 0);
        ASSERT_NE(preset, nullptr) << "no preset for program " << row;
        EXPECT_EQ(fluid_preset_get_num(preset), row);
        EXPECT_EQ(fluid_preset_get_banknum(preset), 0);
    }
    out->setInstrument(40);
    for (std::int64_t bad : {std::int64_t{128}, std::int64_t{-1}, std::int64_t{1} << 40}) out->setInstrument(bad);
    EXPECT_EQ(out->currentProgram(), 40);
    out->playNote(60, 100);  // a note-off after a change of instrument still ends the note
    out->setInstrument(0);
    out->playNote(60, 0);
    EXPECT_TRUE(quietWithin(10.0));
}

}  // namespace
}  // namespace nalvo
