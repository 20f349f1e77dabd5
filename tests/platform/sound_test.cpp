// The note player's synthesizer, measured: real FluidSynth with the small GM
// SoundFont, no audio driver, rendered into a buffer.
#include "platform/fluidsynth_output.h"
#include "platform/runtime.h"

#include <gtest/gtest.h>

#include <fluidsynth.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace nalvo {
namespace {

constexpr int kBlock = 64;  // FluidSynth's internal block
constexpr int kRate = 48000;
constexpr double kAudible = 1e-3;  // RMS of a clearly sounding note is far above

std::filesystem::path testSoundFont() {
    const char* env = std::getenv("NALVO_TEST_SOUNDFONT");
    return env && *env ? std::filesystem::path(env) : std::filesystem::path("/usr/share/sounds/sf2/TimGM6mb.sf2");
}

double rms(const std::vector<float>& samples) {
    if (samples.empty()) return 0.0;
    double sum = 0.0;
    for (float s : samples) sum += double(s) * s;
    return std::sqrt(sum / double(samples.size()));
}

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
        return rms(buffer);
    }

    // Renders until no voice is left (at most `seconds`); true when none is.
    bool renderUntilQuiet(double seconds) {
        for (int frames = 0; frames < seconds * kRate; frames += kBlock * 16) {
            out->render(kBlock * 16, buffer);
            if (out->activeVoiceCount() == 0) return true;
        }
        return false;
    }

    std::unique_ptr<FluidSynthOutput> out;
    std::vector<float> buffer;
};

TEST_F(SoundTest, NoteOnSoundsAndNoteOffEndsIt) {
    EXPECT_LT(loudness(0.1), 1e-6) << "silence before any note";
    out->playNote(60, 64);
    EXPECT_GT(loudness(0.2), kAudible);
    EXPECT_GT(out->activeVoiceCount(), 0);

    out->playNote(60, 0);
    EXPECT_TRUE(renderUntilQuiet(10.0)) << out->activeVoiceCount() << " voices still sound";
}

TEST_F(SoundTest, NoteOffOfASilentNoteChangesNothing) {
    out->playNote(0, 0);
    out->playNote(60, 0);
    EXPECT_EQ(out->activeVoiceCount(), 0);
    EXPECT_LT(loudness(0.1), 1e-6);
}

TEST_F(SoundTest, SameNoteTwiceSoundsAgain) {
    out->playNote(64, 80);
    loudness(0.1);
    out->playNote(64, 0);
    out->playNote(64, 80);
    EXPECT_GT(loudness(0.1), kAudible);
}

// What reaches the player unclamped from the system: every row must return,
// and a following ordinary note must still sound.
struct OddCall {
    const char* what;
    std::optional<std::int64_t> instrument;
    std::int64_t note;
    std::int64_t velocity;
    bool sounds;  // the odd call itself makes sound
};

TEST_F(SoundTest, OutOfRangeNumbersNeitherThrowNorBreakTheNextNote) {
    const OddCall rows[] = {
        {"velocity 154 (velocity bar at 1)", {}, 60, 154, true},
        {"velocity 1000", {}, 60, 1000, true},
        {"note 136 (octave +48, top note key)", {}, 136, 64, false},
        {"note 128", {}, 128, 64, false},
        {"note -1", {}, -1, 64, false},
        {"negative velocity", {}, 60, -5, false},
        {"instrument 128 (last popup row + 1)", 128, 60, 64, true},
        {"instrument -1", -1, 60, 64, true},
    };
    for (const OddCall& row : rows) {
        SCOPED_TRACE(row.what);
        out->allNotesOff();
        ASSERT_TRUE(renderUntilQuiet(1.0));
        EXPECT_NO_THROW({
            if (row.instrument) out->setInstrument(*row.instrument);
            out->playNote(row.note, row.velocity);
        });
        EXPECT_EQ(loudness(0.1) > kAudible, row.sounds);
        EXPECT_NO_THROW(out->playNote(row.note, 0));
        out->allNotesOff();
        ASSERT_TRUE(renderUntilQuiet(1.0));
        out->playNote(72, 64);
        EXPECT_GT(loudness(0.1), kAudible) << "the next note is silent";
        out->playNote(72, 0);
    }
}

TEST_F(SoundTest, InstrumentOutsideTheRangeKeepsTheProgram) {
    out->setInstrument(40);
    for (std::int64_t bad : {std::int64_t{128}, std::int64_t{-1}, std::int64_t{1} << 40}) {
        out->setInstrument(bad);
        EXPECT_EQ(out->currentProgram(), 40) << "instrument " << bad;
    }
}

TEST_F(SoundTest, InstrumentRowSelectsThatGMProgram) {
    for (int row = 0; row < 128; ++row) {
        out->setInstrument(row);
        ASSERT_EQ(out->currentProgram(), row);
        fluid_preset_t* preset = fluid_synth_get_channel_preset(out->synth(), 0);
        ASSERT_NE(preset, nullptr) << "no preset for program " << row;
        EXPECT_EQ(fluid_preset_get_num(preset), row);
        EXPECT_EQ(fluid_preset_get_banknum(preset), 0);
    }
}

TEST_F(SoundTest, NoteStartedBeforeAnInstrumentChangeStillEnds) {
    out->setInstrument(0);
    out->playNote(60, 100);
    loudness(0.05);
    out->setInstrument(40);
    out->playNote(60, 0);
    EXPECT_TRUE(renderUntilQuiet(10.0));
}

TEST_F(SoundTest, PianoNoteStartsWithinTheFirstBlock) {
    out->setInstrument(0);
    loudness(0.05);  // settle
    out->playNote(60, 100);
    out->render(kBlock, buffer);
    bool heard = false;
    for (float s : buffer) heard = heard || std::fabs(s) > 1e-6f;
    EXPECT_TRUE(heard) << "the first " << kBlock << " frames after the note-on are silent";
}

TEST_F(SoundTest, AllNotesOffSilencesEverything) {
    for (int note : {48, 55, 60, 64, 67}) out->playNote(note, 100);
    loudness(0.05);
    out->allNotesOff();
    EXPECT_TRUE(renderUntilQuiet(1.0));
}

TEST(SoundFontSearch, PrefersDefaultThenFluidR3ThenTimGM) {
    const auto dir = std::filesystem::temp_directory_path() / ("nalvo-sf2-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    EXPECT_FALSE(findSoundFont(dir));
    const char* order[] = {"TimGM6mb.sf2", "FluidR3_GM.sf2", "default-GM.sf2"};
    for (const char* name : order) {
        std::ofstream(dir / name) << "x";
        EXPECT_EQ(findSoundFont(dir), dir / name);
    }
    std::filesystem::remove_all(dir);
}

TEST(SoundOutputFactory, MissingSoundFontOrDeviceGivesOneLineAndASilentOutput) {
    std::vector<std::string> lines;
    setErrorSink([&](std::string_view line) { lines.emplace_back(line); });
    const auto base = std::filesystem::temp_directory_path() / ("nalvo-factory-" + std::to_string(::getpid()));
    const auto empty = base / "empty", small = base / "small";
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(empty);
    std::filesystem::create_directories(small);
    std::filesystem::create_symlink(std::filesystem::absolute(testSoundFont()), small / "TimGM6mb.sf2");

    struct Row {
        const char* what;
        SoundSetup setup;
        const char* mentions;
    } rows[] = {
        {"no SoundFont", {empty, {"pulseaudio", "alsa"}}, "SoundFont"},
        {"no audio device", {small, {"no-such-driver"}}, "audio"},
    };
    for (Row& row : rows) {
        SCOPED_TRACE(row.what);
        lines.clear();
        std::shared_ptr<NoteOutput> output;
        ASSERT_NO_THROW(output = openSoundOutput(row.setup));
        ASSERT_TRUE(output);
        EXPECT_NO_THROW({
            output->setInstrument(3);
            output->playNote(60, 64);
            output->playNote(60, 0);
            output->allNotesOff();
        });
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_NE(lines[0].find(row.mentions), std::string::npos) << lines[0];
    }
    setErrorSink({});
    std::filesystem::remove_all(base);
}

}  // namespace
}  // namespace nalvo
