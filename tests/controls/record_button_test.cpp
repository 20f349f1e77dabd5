// The "REC" button: captions, the two bundle scripts, and a broken path to them.
#include "support/fixture.h"

#include "platform/application.h"

#include <unistd.h>

namespace nalvo {
namespace {

namespace fs = std::filesystem;

class RecordButtonTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        fs::create_directories(bundle / "Resources");
        useExecutable(bundle / "bin" / "nalvo");
    }
    void TearDown() override {
        WindowFixture::TearDown();
        fs::remove_all(bundle);
    }
    static void useExecutable(std::optional<fs::path> exe) { Application::executableOverride = [exe] { return exe; }; }
    const fs::path bundle = fs::temp_directory_path() / ("nalvo-bundle-" + std::to_string(::getpid()));
    const std::string one = (bundle / "Resources/NALVOONE.scpt").string(), two = (bundle / "Resources/NALVOTWO.scpt").string();
};

TEST_F(RecordButtonTest, ClicksAlternateCaptionsAndScripts) {
    const char* captions[] = {"REC", "STOP", "REC", "STOP", "REC"};
    for (const char* caption : captions) {
        click("PushButton2");
        EXPECT_EQ(window().PushButton2().Caption(), caption);
        EXPECT_EQ(window().REC, std::string(caption) == "REC");
    }
    EXPECT_EQ(scripts->runs, (std::vector<std::string>{two, one, two, one, two}));
    EXPECT_TRUE(scripts->arguments.empty());
    EXPECT_EQ(take(), Lines{});
    EXPECT_TRUE(reports.empty());
}

TEST_F(RecordButtonTest, ANilStepOnThePathEndsTheClickAfterTheCaption) {
    click("PushButton2");  // REC is now True
    for (std::optional<fs::path> exe : {std::optional<fs::path>{}, std::optional<fs::path>{"/nalvo"}}) {
        useExecutable(exe);
        reports.clear();
        click("PushButton2");
        EXPECT_EQ(window().PushButton2().Caption(), "STOP");
        EXPECT_TRUE(window().REC);  // unchanged: the next click tries the same script
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find("NilObjectException"), std::string::npos) << reports[0];
    }
    useExecutable(bundle / "bin" / "nalvo");
    click("PushButton2");
    EXPECT_EQ(scripts->runs, (std::vector<std::string>{two, one}));
    EXPECT_FALSE(window().REC);
}

}  // namespace
}  // namespace nalvo
