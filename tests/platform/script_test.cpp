// The script runner (real processes, detached, one line for a file that
// cannot run), bundle paths and Rnd.
#include "platform/bundle.h"
#include "platform/random.h"
#include "support/fixture.h"

#include <cmath>
#include <csignal>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace nalvo {
namespace {

namespace fs = std::filesystem;

class ScriptTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path write(const std::string& name, const std::string& text, fs::perms perms = fs::perms::owner_all) {
        std::ofstream(dir / name) << text;
        fs::permissions(dir / name, perms);
        return dir / name;
    }
    static std::string read(const fs::path& file) {
        std::stringstream text;
        text << std::ifstream(file).rdbuf();
        return text.str();
    }
    // Waits (up to 20 s) for the script's output file to end with "END"; the
    // script, still running, must not be our child (it would become a zombie).
    std::string outputOfDetached(const std::string& script) {
        const fs::path out = dir / (script + ".out");
        for (int i = 0; i < 2000 && !read(out).ends_with("END\n"); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const std::string text = read(out);
        fs::remove(out);
        const pid_t pid = std::atoi(text.c_str());
        if (pid <= 0) return text;
        EXPECT_EQ(::kill(pid, 0), 0) << "the call waited for the script to end";
        std::istringstream stat(read("/proc/" + std::to_string(pid) + "/stat"));
        std::string field;
        for (int f = 0; f < 4; ++f) stat >> field;  // pid (comm) state ppid
        EXPECT_NE(std::atoi(field.c_str()), ::getpid()) << "the script is our child";
        ::kill(pid, SIGKILL);
        return text.substr(text.find('\n') + 1);
    }
    fs::path dir = fs::temp_directory_path() / ("nalvo-scripts-" + std::to_string(::getpid()));
    Notices notices;
    Lines& lines = notices.lines;
};

TEST_F(ScriptTest, RunsTheFileWithItsArgumentsAndReturnsWhileItRuns) {
    const fs::path script = write("args.sh", "#!/bin/sh\n{ echo $$; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; "
                                             "echo END; } > \"$0.out\"\nexec sleep 30\n");
    runScript(script, {"a b", "", "c"});
    EXPECT_EQ(outputOfDetached("args.sh"), "[a b]\n[]\n[c]\nEND\n");
    runScript(FolderItem(script));  // the record button's empty argument list
    EXPECT_EQ(outputOfDetached("args.sh"), "END\n");
    EXPECT_TRUE(lines.empty());
}

TEST_F(ScriptTest, AFileThatCannotRunGivesOneLineNamingIt) {
    const fs::path files[] = {dir / "NALVOONE.scpt",  // missing
                              write("NALVOTWO.scpt", "#!/bin/sh\ntouch \"$0.ran\"\n", fs::perms::owner_read),
                              write("compiled.scpt", "\x01\x02\x03 not a program"), dir};
    for (const fs::path& file : files) {
        lines.clear();
        runScript(file);
        ASSERT_EQ(lines.size(), 1u) << file;
        EXPECT_NE(lines[0].find(file.string()), std::string::npos) << lines[0];
    }
    lines.clear();
    runScript(std::optional<FolderItem>());  // no item at all
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_FALSE(fs::exists(dir / "NALVOTWO.scpt.ran"));
}

// The path from the executable to the scripts is the record button test's;
// here, where a walk yields nothing.
TEST_F(ScriptTest, BundlePathsYieldNothingOutsideAFolder) {
    const FolderItem exe(write("nalvo", "")), folder(dir);
    const auto missing = folder.child("missing");
    ASSERT_TRUE(missing) << "a missing file is still an item";
    EXPECT_FALSE(missing->exists());
    EXPECT_FALSE(missing->child("x"));  // inside a missing item
    EXPECT_FALSE(exe.child("x"));       // inside a file
    for (const char* bad : {"", ".", "..", "a/b"}) EXPECT_FALSE(folder.child(bad)) << bad;
    EXPECT_FALSE(FolderItem("/").parent());
    EXPECT_EQ(FolderItem("/bin").parent(), FolderItem("/"));
    EXPECT_EQ(FolderItem(dir / "bin/").parent(), FolderItem(dir));
}

TEST(Random, DrawsLieInTheHalfOpenUnitRangeAndVary) {
    double low = 1.0, high = 0.0;
    for (int i = 0; i < 100000; ++i) {
        const double r = Rnd();
        ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
        low = std::min(low, r);
        high = std::max(high, r);
    }
    EXPECT_LT(low, 0.01);
    EXPECT_GT(high, 0.99);
    for (const double v : {-0.5, 1.0, 7.0, std::nan("")}) {  // a replaced source is held to the same range
        setRndSource([v] { return v; });
        EXPECT_TRUE(Rnd() >= 0.0 && Rnd() < 1.0) << v;
    }
    setRndSource({});
}

}  // namespace
}  // namespace nalvo
