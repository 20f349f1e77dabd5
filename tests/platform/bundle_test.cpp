// Bundle paths and Rnd.
#include "platform/bundle.h"
#include "platform/random.h"

#include <cmath>
#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace nalvo {
namespace {

namespace fs = std::filesystem;

TEST(Bundle, InstallLayoutWalksFromTheExecutableToResources) {
    const fs::path prefix = fs::temp_directory_path() / ("nalvo-bundle-" + std::to_string(::getpid()));
    fs::remove_all(prefix);
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "Resources");
    std::ofstream(prefix / "bin" / "nalvo") << "";

    const FolderItem exe(prefix / "bin" / "nalvo");
    auto resources = exe.parent()->parent()->child("Resources");
    ASSERT_TRUE(resources);
    EXPECT_EQ(resources->path(), prefix / "Resources");
    auto script = resources->child("NALVOONE.scpt");
    ASSERT_TRUE(script) << "a missing file is still an item";
    EXPECT_EQ(script->path(), prefix / "Resources" / "NALVOONE.scpt");
    EXPECT_FALSE(script->exists());

    // Steps that yield nothing.
    EXPECT_FALSE(script->child("x")) << "inside a missing item";
    EXPECT_FALSE(exe.child("x")) << "inside a file";
    for (const char* bad : {"", ".", "..", "a/b"}) EXPECT_FALSE(resources->child(bad)) << bad;
    EXPECT_FALSE(FolderItem("/").parent());
    EXPECT_EQ(FolderItem("/bin").parent(), FolderItem("/"));
    EXPECT_EQ(FolderItem(prefix / "bin/").parent(), FolderItem(prefix));
    fs::remove_all(prefix);
}

TEST(Random, DrawsLieInTheHalfOpenUnitRangeAndVary) {
    double low = 1.0, high = 0.0;
    for (int i = 0; i < 100000; ++i) {
        const double r = Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        low = std::min(low, r);
        high = std::max(high, r);
    }
    EXPECT_LT(low, 0.01);
    EXPECT_GT(high, 0.99);
}

TEST(Random, AReplacedSourceStaysInTheHalfOpenUnitRange) {
    for (const double v : {-0.5, 1.0, 7.0, std::nan("")}) {
        setRndSource([v] { return v; });
        const double r = Rnd();
        EXPECT_GE(r, 0.0) << v;
        EXPECT_LT(r, 1.0) << v;
    }
    setRndSource({});
}

}  // namespace
}  // namespace nalvo
