// SoundFonts that exist but fail to load are passed over for the next in the
// search order (default-GM, FluidR3_GM, TimGM6mb); the program says so in one
// line, and FluidSynth's own log reaches the same place instead of stderr.
#include "support/fixture.h"

#include <fluidsynth.h>
#include <unistd.h>

#include <fstream>

namespace nalvo {
namespace {

namespace fs = std::filesystem;
using Fonts = std::initializer_list<std::pair<const char*, bool>>;

// The notice lines while in scope.
struct Notices {
    Lines lines;
    Notices() { setErrorSink([this](std::string_view l) { lines.emplace_back(l); }); }
    ~Notices() { setErrorSink({}); }
};

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
