// The script runner: real processes, detached, and one line for a file that
// cannot run.
#include "platform/runtime.h"
#include "platform/script.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace nalvo {
namespace {

namespace fs = std::filesystem;

class ScriptTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("nalvo-scripts-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        setErrorSink([this](std::string_view line) { lines.emplace_back(line); });
    }
    void TearDown() override {
        setErrorSink({});
        fs::remove_all(dir);
    }

    fs::path write(const std::string& name, const std::string& text, fs::perms perms) {
        const fs::path file = dir / name;
        std::ofstream(file) << text;
        fs::permissions(file, perms);
        return file;
    }

    // Waits (polling, up to 20 s) for `file` to be written completely.
    static std::string waitFor(const fs::path& file) {
        for (int i = 0; i < 2000; ++i) {
            std::ifstream in(file);
            std::stringstream text;
            text << in.rdbuf();
            if (text.str().find("END\n") != std::string::npos) return text.str();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return {};
    }

    fs::path dir;
    std::vector<std::string> lines;
};

constexpr auto kExecutable = fs::perms::owner_all;
constexpr auto kReadable = fs::perms::owner_read | fs::perms::owner_write;

TEST_F(ScriptTest, RunsTheFileWithItsArguments) {
    const fs::path script = write("args.sh",
                                  "#!/bin/sh\n"
                                  "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$0.out\"\n"
                                  "echo END >> \"$0.out\"\n",
                                  kExecutable);
    runScript(script, {"a b", "", "c"});
    EXPECT_EQ(waitFor(dir / "args.sh.out"), "[a b]\n[]\n[c]\nEND\n");

    fs::remove(dir / "args.sh.out");
    runScript(FolderItem(script));  // the record button's empty argument list
    EXPECT_EQ(waitFor(dir / "args.sh.out"), "END\n");
    EXPECT_TRUE(lines.empty()) << lines.front();
}

TEST_F(ScriptTest, ReturnsWhileTheScriptRunsAndLeavesItDetached) {
    const fs::path script = write("long.sh",
                                  "#!/bin/sh\n"
                                  "echo $$ > \"$0.out\"; echo END >> \"$0.out\"\n"
                                  "exec sleep 60\n",
                                  kExecutable);
    runScript(script);
    const std::string text = waitFor(dir / "long.sh.out");
    ASSERT_FALSE(text.empty());
    const pid_t pid = std::stoi(text);
    EXPECT_EQ(::kill(pid, 0), 0) << "the call waited for the script to end";
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    for (int i = 0; i < 4; ++i) stat >> field;  // pid (comm) state ppid
    EXPECT_NE(std::stoi(field), ::getpid()) << "the script is our child: it would become a zombie";
    ::kill(pid, SIGKILL);
}

TEST_F(ScriptTest, AFileThatCannotRunGivesOneLineNamingIt) {
    const struct {
        const char* what;
        const char* name;
        const char* text;  // null: don't create
        fs::perms perms;
    } rows[] = {
        {"missing file", "NALVOONE.scpt", nullptr, kReadable},
        {"not executable", "NALVOTWO.scpt", "#!/bin/sh\ntouch \"$0.ran\"\n", kReadable},
        {"executable but no program", "compiled.scpt", "\x01\x02\x03 not a program", kExecutable},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        lines.clear();
        fs::path file = dir / row.name;
        if (row.text) file = write(row.name, row.text, row.perms);
        EXPECT_NO_THROW(runScript(file));
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_NE(lines[0].find(file.string()), std::string::npos) << lines[0];
    }
    lines.clear();
    EXPECT_NO_THROW(runScript(FolderItem(dir)));  // a folder
    EXPECT_EQ(lines.size(), 1u);
    lines.clear();
    EXPECT_NO_THROW(runScript(std::optional<FolderItem>()));  // no item at all
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_FALSE(fs::exists(dir / "NALVOTWO.scpt.ran"));
}

}  // namespace
}  // namespace nalvo
