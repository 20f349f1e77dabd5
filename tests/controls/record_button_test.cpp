// The "REC" button: captions, the two bundle scripts, and a broken path.
#include "support/window_fixture.h"

#include "platform/application.h"
#include "platform/script.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace nalvo {
namespace {

namespace fs = std::filesystem;

class RecordButtonTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        bundle_ = fs::temp_directory_path() / ("nalvo-bundle-" + std::to_string(::getpid()));
        fs::remove_all(bundle_);
        fs::create_directories(bundle_ / "bin");
        fs::create_directories(bundle_ / "Resources");
        for (const char* script : {"NALVOONE.scpt", "NALVOTWO.scpt"}) std::ofstream(bundle_ / "Resources" / script) << "#!/bin/sh\n";
        useExecutable(bundle_ / "bin" / "nalvo");
    }
    void TearDown() override {
        WindowFixture::TearDown();
        fs::remove_all(bundle_);
    }
    static void useExecutable(std::optional<fs::path> exe) {
        Application::executableOverride = [exe] { return exe; };
    }
    fs::path script(const char* name) const { return bundle_ / "Resources" / name; }

    fs::path bundle_;
};

TEST_F(RecordButtonTest, FiveClicksAlternateCaptionsAndScripts) {
    struct Step {
        const char* caption;
        const char* script;
        bool rec;
    };
    const Step steps[] = {{"REC", "NALVOTWO.scpt", true},
                          {"STOP", "NALVOONE.scpt", false},
                          {"REC", "NALVOTWO.scpt", true},
                          {"STOP", "NALVOONE.scpt", false},
                          {"REC", "NALVOTWO.scpt", true}};
    for (const Step& s : steps) {
        scripts().clear();
        click(window().PushButton2());
        EXPECT_EQ(window().PushButton2().Caption(), s.caption);
        ASSERT_EQ(scripts().runs().size(), 1u);
        EXPECT_EQ(scripts().runs()[0], (ScriptRun{script(s.script), {}}));
        EXPECT_EQ(window().REC, s.rec);
    }
    EXPECT_TRUE(notes().calls().empty());
    EXPECT_TRUE(reports().empty());
}

TEST_F(RecordButtonTest, MissingScriptIsNamedInOneLineAndTheProgramGoesOn) {
    fs::remove(script("NALVOTWO.scpt"));
    setScriptRunner(std::make_shared<ProcessScriptRunner>());
    click(window().PushButton2());
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_NE(reports()[0].find("NALVOTWO.scpt"), std::string::npos) << reports()[0];
    EXPECT_EQ(window().PushButton2().Caption(), "REC");
    EXPECT_TRUE(window().REC);

    // Without a Resources folder at all, the line still names the script.
    fs::remove_all(bundle_ / "Resources");
    clearReports();
    click(window().PushButton2());
    ASSERT_EQ(reports().size(), 1u);
    EXPECT_NE(reports()[0].find("NALVOONE.scpt"), std::string::npos) << reports()[0];
    EXPECT_FALSE(window().REC);
}

TEST_F(RecordButtonTest, NilStepOnThePathEndsTheClickAfterTheCaption) {
    click(window().PushButton2());  // REC is now True
    ASSERT_TRUE(window().REC);
    scripts().clear();

    for (std::optional<fs::path> exe : {std::optional<fs::path>{}, std::optional<fs::path>{"/nalvo"}}) {
        useExecutable(exe);
        clearReports();
        click(window().PushButton2());
        EXPECT_EQ(window().PushButton2().Caption(), "STOP");
        EXPECT_TRUE(window().REC);  // unchanged: the next click tries the same script
        EXPECT_TRUE(scripts().runs().empty());
        ASSERT_EQ(reports().size(), 1u);
        EXPECT_NE(reports()[0].find("NilObjectException"), std::string::npos) << reports()[0];
    }

    useExecutable(bundle_ / "bin" / "nalvo");
    click(window().PushButton2());
    ASSERT_EQ(scripts().runs().size(), 1u);
    EXPECT_EQ(scripts().runs()[0].file, script("NALVOONE.scpt"));
    EXPECT_FALSE(window().REC);
}

TEST_F(RecordButtonTest, RealExecutablePathResolvesBesideTheBinaryFolder) {
    Application::executableOverride = nullptr;
    click(window().PushButton2());
    ASSERT_EQ(scripts().runs().size(), 1u);
    const auto exe = app().ExecutableFile();
    ASSERT_TRUE(exe);
    EXPECT_EQ(scripts().runs()[0].file, exe->parent_path().parent_path() / "Resources" / "NALVOTWO.scpt");
}

}  // namespace
}  // namespace nalvo
