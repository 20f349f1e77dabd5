// SoundFonts that exist but fail to load are passed over for the next in the
// search order; the program says so in one line, and FluidSynth's own log
// reaches the same place instead of stderr.
#include "platform/fluidsynth_output.h"
#include "platform/runtime.h"

#include <gtest/gtest.h>

#include <fluidsynth.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace nalvo {
namespace {

namespace fs = std::filesystem;

fs::path goodFont() {
    const char* env = std::getenv("NALVO_TEST_SOUNDFONT");
    return fs::absolute(env && *env ? fs::path(env) : fs::path("/usr/share/sounds/sf2/TimGM6mb.sf2"));
}

// What the process writes to its stderr while in scope.
struct StderrCapture {
    fs::path file = fs::temp_directory_path() / ("nalvo-stderr-" + std::to_string(::getpid()));
    int saved = ::dup(2);
    StderrCapture() {
        std::fflush(stderr);
        FILE* f = std::fopen(file.c_str(), "w");
        ::dup2(::fileno(f), 2);
        std::fclose(f);
    }
    std::string text() {
        std::fflush(stderr);
        ::dup2(saved, 2);
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    ~StderrCapture() {
        ::dup2(saved, 2);
        ::close(saved);
        fs::remove(file);
    }
};

struct Lines {
    std::vector<std::string> lines;
    Lines() { setErrorSink([this](std::string_view l) { lines.emplace_back(l); }); }
    ~Lines() { setErrorSink({}); }
};

// A folder holding the named fonts: "good" a link to the small GM font,
// "corrupt" a file that is no SoundFont.
struct FontFolder {
    fs::path dir = fs::temp_directory_path() / ("nalvo-fallback-" + std::to_string(::getpid()));
    explicit FontFolder(std::initializer_list<std::pair<const char*, bool>> fonts) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (const auto& [name, good] : fonts) {
            if (good) fs::create_symlink(goodFont(), dir / name);
            else std::ofstream(dir / name) << "RIFF, but no SoundFont in it";
        }
    }
    ~FontFolder() { fs::remove_all(dir); }
};

// Peak of the first 0.1 s of middle C on `out`; 0 for an output that renders nothing.
double peakOfANote(NoteOutput& out) {
    auto* synth = dynamic_cast<FluidSynthOutput*>(&out);
    if (!synth) return 0.0;
    synth->playNote(60, 100);
    std::vector<float> buffer;
    synth->render(4800, buffer);
    double peak = 0.0;
    for (float s : buffer) peak = std::max(peak, double(std::fabs(s)));
    return peak;
}

TEST(SoundFontFallback, AFontThatFailsToLoadIsPassedOverForTheNext) {
    struct Row {
        const char* what;
        std::initializer_list<std::pair<const char*, bool>> fonts;
        bool sounds;
        std::vector<const char*> named;  // what the one line names; none: no line
    } rows[] = {
        {"good default", {{"default-GM.sf2", true}, {"TimGM6mb.sf2", true}}, true, {}},
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
        const Lines out;
        StderrCapture stderrText;
        const auto output = openSoundOutput(SoundSetup{folder.dir, {}});  // no audio driver: rendered only
        EXPECT_EQ(stderrText.text(), "");  // FluidSynth's and its loaders' own messages included
        ASSERT_TRUE(output);
        EXPECT_EQ(peakOfANote(*output) > 0.01, row.sounds);
        ASSERT_EQ(out.lines.size(), row.named.empty() ? 0u : 1u) << (out.lines.empty() ? "" : out.lines[0]);
        for (const char* name : row.named) EXPECT_NE(out.lines[0].find(name), std::string::npos) << out.lines[0];
        if (row.sounds && !row.named.empty())
            EXPECT_EQ(out.lines[0].find("TimGM6mb.sf2"), std::string::npos) << "names the font in use as skipped";
    }
}

TEST(SoundFontFallback, FluidSynthErrorsAreNoticesAndItsChatterIsDropped) {
    const FontFolder folder({{"TimGM6mb.sf2", true}});
    const auto output = openSoundOutput(SoundSetup{folder.dir, {}});  // installs the log hooks
    const Lines out;
    fluid_log(FLUID_WARN, "a warning");
    fluid_log(FLUID_INFO, "some chatter");
    fluid_log(FLUID_ERR, "an error");
    ASSERT_EQ(out.lines.size(), 1u);
    EXPECT_NE(out.lines[0].find("an error"), std::string::npos) << out.lines[0];
}

}  // namespace
}  // namespace nalvo
