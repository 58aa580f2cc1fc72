#include "StoreTestSupport.h"

#include "store/SchemeFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tintlace {
namespace {

using testing::TempDir;
using testing::writeBytes;

TEST(SchemeName, RefusesNamesThatLeaveTheFolderOrNameNoSchemeFile) {
    struct Case {
        const char* name;
        std::string cp932;
        bool safe;
    };
    const Case cases[] = {
        {"plain", "blue", true},
        {"with a dot", "a.b", true},
        {"with blanks", " sky ", true},
        {"trail byte 0x5C in 表", "\x95\x5c", true},
        {"trail byte 0x5C in ソ, then text",
         "\x83\x5c"
         "abc",
         true},
        {"full-width solidus", "\x81\x5e", true},
        {"empty", "", false},
        {"dot", ".", false},
        {"dot dot", "..", false},
        {"leading dot, would be hidden", ".old", false},
        {"slash", "a/b", false},
        {"climbing with slashes", "../x", false},
        {"backslash typed as a character", "a\\b", false},
        {"backslash after a double-byte character", "\x95\x5c\\", false},
        {"NUL byte", std::string("a\0b", 3), false},
        {"byte that is not CP932", "a\xff", false},
        {"lead byte without its trail byte", "a\x81", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isSafeSchemeName(c.cp932), c.safe) << c.name;
}

TEST(SchemeName, FilePathJoinsTheUtf8NameAndExtension) {
    EXPECT_EQ(schemeFilePath("/x/tlcdata/", "a.b"), "/x/tlcdata/a.b.tlc");
    EXPECT_EQ(schemeFilePath("/x/tlcdata/", "\x95\x5c"), "/x/tlcdata/表.tlc");
}

TEST(SchemeFolder, ListsOrdinarySchemeFilesSortedAsCp932Names) {
    TempDir dir;
    for (const char* name : {"b.tlc", "a.b.tlc", "表.tlc", "Zed.tlc", ".hidden.tlc", "notes.txt",
                             "upper.TLC", "x.tlc.bak", "😀.tlc", "back\\slash.tlc", ".tlc"})
        writeBytes(dir / name, "1\r\n");
    std::filesystem::create_directory(dir / "folder.tlc");
    std::filesystem::create_symlink(dir / "b.tlc", dir / "link.tlc");
    std::filesystem::create_symlink(dir / "folder.tlc", dir / "linkedfolder.tlc");

    const std::vector<std::string> expected = {"Zed", "a.b", "b", "link", "\x95\x5c"};
    EXPECT_EQ(listSchemeNames(dir.path()), expected);
}

TEST(SchemeFolder, MissingFolderListsNothing) {
    TempDir dir;
    EXPECT_TRUE(listSchemeNames(dir / "tlcdata/").empty());
    writeBytes(dir / "plain", "");
    EXPECT_TRUE(listSchemeNames(dir / "plain/").empty());
}

TEST(SchemeFolder, OnlyVisibleRegularFilesAreOrdinary) {
    TempDir dir;
    writeBytes(dir / "a.tlc", "");
    writeBytes(dir / ".h.tlc", "");
    std::filesystem::create_directory(dir / "d.tlc");
    std::filesystem::create_symlink(dir / "a.tlc", dir / "l.tlc");
    struct Case {
        const char* name;
        bool ordinary;
    };
    const Case cases[] = {
        {"a.tlc", true}, {"l.tlc", true}, {".h.tlc", false}, {"d.tlc", false}, {"m.tlc", false}};
    for (const Case& c : cases)
        EXPECT_EQ(isOrdinarySchemeFile(dir / c.name), c.ordinary) << c.name;
}

TEST(SchemeFolder, EnsureCreatesOneLevelAndDeleteRemovesOnlyFiles) {
    TempDir dir;
    const std::string schemeDir = dir / "tlcdata/";
    ensureSchemeDir(schemeDir);
    ensureSchemeDir(schemeDir); // existing is fine
    EXPECT_TRUE(std::filesystem::is_directory(schemeDir));
    ensureSchemeDir(dir / "no/such/");
    EXPECT_FALSE(std::filesystem::exists(dir / "no"));

    writeBytes(schemeDir + "a.tlc", "");
    std::filesystem::create_directory(schemeDir + "d.tlc");
    EXPECT_TRUE(deleteSchemeFile(schemeDir + "a.tlc"));
    EXPECT_FALSE(std::filesystem::exists(schemeDir + "a.tlc"));
    EXPECT_FALSE(deleteSchemeFile(schemeDir + "a.tlc"));
    EXPECT_FALSE(deleteSchemeFile(schemeDir + "d.tlc"));
    EXPECT_TRUE(std::filesystem::is_directory(schemeDir + "d.tlc"));
}

} // namespace
} // namespace tintlace
