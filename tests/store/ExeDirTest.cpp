#include "StoreTestSupport.h"

#include "store/ExeDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tintlace {
namespace {

using testing::EnvVar;
using testing::TempDir;
using testing::writeBytes;

TEST(ExeDir, WritableExecutableFolderIsUsedWithOneTrailingSlash) {
    TempDir dir;
    const std::string folder = dir / "bin";
    std::filesystem::create_directory(folder);
    EXPECT_EQ(resolveExeDir(folder), folder + "/");
    EXPECT_EQ(resolveExeDir(folder + "/"), folder + "/");
}

TEST(ExeDir, OtherwiseTheUserConfigFolderIsCreated) {
    TempDir dir;
    writeBytes(dir / "plain", "");
    // Folders that cannot be written to, whoever runs the test.
    for (const std::string& unusable : {dir / "missing", dir / "plain", std::string()}) {
        {
            EnvVar config("XDG_CONFIG_HOME", dir / "config");
            EXPECT_EQ(resolveExeDir(unusable), dir / "config/tintlace/") << unusable;
            EXPECT_TRUE(std::filesystem::is_directory(dir / "config/tintlace")) << unusable;
        }
        for (const char* ignoredValue : {static_cast<const char*>(nullptr), "", "relative/cfg"}) {
            EnvVar home("HOME", dir / "home");
            EnvVar config("XDG_CONFIG_HOME",
                          ignoredValue ? std::optional<std::string>(ignoredValue) : std::nullopt);
            EXPECT_EQ(resolveExeDir(unusable), dir / "home/.config/tintlace/") << unusable;
            EXPECT_TRUE(std::filesystem::is_directory(dir / "home/.config/tintlace"));
        }
    }
}

TEST(ExeDir, SchemeFolderIsInsideIt) {
    EXPECT_EQ(schemeDirFor("/opt/tintlace/"), "/opt/tintlace/tlcdata/");
}

} // namespace
} // namespace tintlace
