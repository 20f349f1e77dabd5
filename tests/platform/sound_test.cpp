// The note player's synthesizer, measured: real FluidSynth with the small GM
// SoundFont, no audio driver, rendered into a buffer; and the SoundFont
// search order with fonts that fail to load. (A missing SoundFont and a
// missing audio device are the program test's cases; quitting, which cuts
// every note, is the start-up test's.)
#include "support/fixture.h"

#include <fluidsynth.h>
#include <unistd.h>

#include <cmath>
#include <fstream>

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

// SoundFonts that exist but fail to load are passed over for the next in the
// search order (default-GM, FluidR3_GM, TimGM6mb); the program says so in one
// line, and FluidSynth's own log reaches the same place instead of stderr.
namespace fs = std::filesystem;
using Fonts = std::initializer_list<std::pair<const char*, bool>>;

// A folder holding the named fonts: good ones link to the small GM font,
// the others are files that are no SoundFont.
struct FontFolder {
    fs::path dir = fs::temp_directory_path() / ("nalvo-fallback-" + std::to_string(::getpid()));
    explicit FontFolder(Fonts fonts) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (const auto& [name, good] : fonts) {
            if (good) fs::create_symlink(fs::absolute(testSoundFont()), dir / name);
            else std::ofstream(dir / name) << "RIFF, but no SoundFont in it";
        }
    }
    ~FontFolder() { fs::remove_all(dir); }
};

TEST(SoundFontFallback, AFontThatFailsToLoadIsPassedOverForTheNext) {
    struct Row {
        const char* what;
        Fonts fonts;
        bool sounds;  // a loaded font plays (the sound test measures it), else a silent output
        std::vector<const char*> named;  // what the one line names; none: no line
    } rows[] = {
        {"good default first", {{"default-GM.sf2", true}, {"FluidR3_GM.sf2", false}, {"TimGM6mb.sf2", false}}, true, {}},
        {"good FluidR3 before TimGM", {{"FluidR3_GM.sf2", true}, {"TimGM6mb.sf2", false}}, true, {}},
        {"corrupt default beside good TimGM", {{"default-GM.sf2", false}, {"TimGM6mb.sf2", true}}, true,
         {"default-GM.sf2"}},
        {"two corrupt before good TimGM",
         {{"default-GM.sf2", false}, {"FluidR3_GM.sf2", false}, {"TimGM6mb.sf2", true}}, true,
         {"default-GM.sf2", "FluidR3_GM.sf2"}},
        {"nothing loads", {{"default-GM.sf2", false}, {"TimGM6mb.sf2", false}}, false,
         {"No sound", "default-GM.sf2", "TimGM6mb.sf2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const FontFolder folder(row.fonts);
        const Notices out;
        ::testing::internal::CaptureStderr();
        const auto output = openSoundOutput(SoundSetup{folder.dir, {}});  // no audio driver: rendered only
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");  // FluidSynth's and its loaders' own messages included
        ASSERT_TRUE(output);
        EXPECT_EQ(dynamic_cast<FluidSynthOutput*>(output.get()) != nullptr, row.sounds);
        ASSERT_EQ(out.lines.size(), row.named.empty() ? 0u : 1u) << (out.lines.empty() ? "" : out.lines[0]);
        for (const char* name : row.named) EXPECT_NE(out.lines[0].find(name), std::string::npos) << out.lines[0];
        if (row.sounds && !row.named.empty())
            EXPECT_EQ(out.lines[0].find("TimGM6mb.sf2"), std::string::npos) << "names the font in use as skipped";
    }
}

TEST(SoundFontFallback, FluidSynthErrorsAreNoticesAndItsChatterIsDropped) {
    const FontFolder folder({{"TimGM6mb.sf2", true}});
    const auto output = openSoundOutput(SoundSetup{folder.dir, {}});  // installs the log hooks
    const Notices out;
    fluid_log(FLUID_WARN, "a warning");
    fluid_log(FLUID_INFO, "some chatter");
    fluid_log(FLUID_ERR, "an error");
    ASSERT_EQ(out.lines.size(), 1u);
    EXPECT_NE(out.lines[0].find("an error"), std::string::npos) << out.lines[0];
}

}  // namespace
}  // namespace nalvo
