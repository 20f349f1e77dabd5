// The script runner (real processes, detached, one line for a file that
// cannot run), bundle paths and Rnd.
#include "platform/bundle.h"
#include "platform/random.h"
#include "platform/runtime.h"
#include "platform/script.h"

#include <gtest/gtest.h>

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
        setErrorSink([this](std::string_view line) { lines.emplace_back(line); });
    }
    void TearDown() override {
        setErrorSink({});
        fs::remove_all(dir);
    }
    fs::path write(const std::string& name, const std::string& text, fs::perms perms = fs::perms::owner_all) {
        std::ofstream(dir / name) << text;
        fs::permissions(dir / name, perms);
        return dir / name;
    }
    // Waits (up to 20 s) for the script's output file to end with "END".
    std::string output(const std::string& script) {
        for (int i = 0; i < 2000; ++i) {
            std::stringstream text;
            text << std::ifstream(dir / (script + ".out")).rdbuf();
            if (text.str().ends_with("END\n")) return text.str();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return {};
    }
    fs::path dir = fs::temp_directory_path() / ("nalvo-scripts-" + std::to_string(::getpid()));
    std::vector<std::string> lines;
};

TEST_F(ScriptTest, RunsTheFileWithItsArguments) {
    const fs::path script = write("args.sh", "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$0.out\"\n"
                                             "echo END >> \"$0.out\"\n");
    runScript(script, {"a b", "", "c"});
    EXPECT_EQ(output("args.sh"), "[a b]\n[]\n[c]\nEND\n");
    fs::remove(dir / "args.sh.out");
    runScript(FolderItem(script));  // the record button's empty argument list
    EXPECT_EQ(output("args.sh"), "END\n");
    EXPECT_TRUE(lines.empty());
}

TEST_F(ScriptTest, ReturnsWhileTheScriptRunsAndLeavesItDetached) {
    write("long.sh", "#!/bin/sh\necho $$ > \"$0.out\"; echo END >> \"$0.out\"\nexec sleep 60\n");
    runScript(dir / "long.sh");
    const std::string text = output("long.sh");
    ASSERT_FALSE(text.empty()) << "the call waited for the script to end";
    const pid_t pid = std::stoi(text);
    EXPECT_EQ(::kill(pid, 0), 0);
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    for (int i = 0; i < 4; ++i) stat >> field;  // pid (comm) state ppid
    EXPECT_NE(std::stoi(field), ::getpid()) << "the script is our child: it would become a zombie";
    ::kill(pid, SIGKILL);
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

TEST_F(ScriptTest, BundlePathsFromTheExecutableToResources) {
    const fs::path prefix = dir;
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "Resources");
    write("bin/nalvo", "");

    const FolderItem exe(prefix / "bin" / "nalvo");
    auto resources = exe.parent()->parent()->child("Resources");
    ASSERT_TRUE(resources);
    EXPECT_EQ(resources->path(), prefix / "Resources");
    auto script = resources->child("NALVOONE.scpt");
    ASSERT_TRUE(script) << "a missing file is still an item";
    EXPECT_EQ(script->path(), prefix / "Resources" / "NALVOONE.scpt");
    EXPECT_FALSE(script->exists());

    EXPECT_FALSE(script->child("x"));  // inside a missing item
    EXPECT_FALSE(exe.child("x"));      // inside a file
    for (const char* bad : {"", ".", "..", "a/b"}) EXPECT_FALSE(resources->child(bad)) << bad;
    EXPECT_FALSE(FolderItem("/").parent());
    EXPECT_EQ(FolderItem("/bin").parent(), FolderItem("/"));
    EXPECT_EQ(FolderItem(prefix / "bin/").parent(), FolderItem(prefix));
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
