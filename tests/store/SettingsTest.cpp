#include "StoreTestSupport.h"

#include "store/IniText.h"
#include "store/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tintlace {
namespace {

using testing::FileSizeLimit;
using testing::messageOf;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

// ---- ini text -------------------------------------------------------------------------------

struct ReadCase {
    const char* name;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

TEST(IniText, FindsValuesByTheReadingRules) {
    const std::string text = "; X=99\r\n"
                             "Stray=9\r\n"
                             "[Position]\r\n"
                             "  x = 12  \r\n"
                             "Y=\"34\"\r\n"
                             "[ option ]\r\n"
                             "OnlyLeft=1\r\n"
                             ";AutoCenter=1\r\n"
                             "[Option]\r\n"
                             "AutoRight=1\r\n";
    const ReadCase cases[] = {
        {"key case and blanks ignored", "POSITION", "X", "12"},
        {"enclosing quotes removed", "Position", "Y", "34"},
        {"section case and blanks ignored", "Option", "OnlyLeft", "1"},
        {"a comment is no entry", "Option", "AutoCenter", std::nullopt},
        {"a repeated section is not searched", "Option", "AutoRight", std::nullopt},
        {"a key of another section", "Position", "OnlyLeft", std::nullopt},
        {"a missing section", "GrpOption", "UsePNG", std::nullopt},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(iniValue(text, c.section, c.key), c.expected) << c.name;
}

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* after;
};

TEST(IniText, ChangesOneEntryAndKeepsEverythingElse) {
    const WriteCase cases[] = {
        {"empty text", "", "S", "K", "[S]\nK=7\n"},
        {"existing key replaced where it stands, CR LF kept", "[S]\r\nk=1\r\nm=2\r\n", "S", "K",
         "[S]\r\nK=7\r\nm=2\r\n"},
        {"new key after the section's last entry, before its blank line", "[S]\nk=1\n\n[B]\nz=0\n",
         "S", "n", "[S]\nk=1\nn=7\n\n[B]\nz=0\n"},
        {"new key in an empty section", "[S]\n[B]\n", "S", "k", "[S]\nk=7\n[B]\n"},
        {"new section at the end after a blank line", "[A]\nk=1\n", "S", "k",
         "[A]\nk=1\n\n[S]\nk=7\n"},
        {"text without a final line end", "[S]\nk=1", "S", "n", "[S]\nk=1\nn=7\n"},
        {"unknown lines and sections kept", "; top\n[S]\nnot an entry\nk=1\n[Other]\nfoo = bar\n",
         "S", "k", "; top\n[S]\nnot an entry\nk=7\n[Other]\nfoo = bar\n"},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(withIniValue(c.before, c.section, c.key, "7"), c.after) << c.name;
}

// ---- settings file --------------------------------------------------------------------------

Settings allChanged() {
    Settings s;
    s.X = -1280;
    s.Y = -4;
    s.OnlyLeft = true;
    s.AutoCenter = false;
    s.AutoRight = true;
    s.Return = true;
    s.ReturnLast = false;
    s.Small = false;
    s.Comment = true;
    s.UseQuotation = true;
    s.UsePoint = true;
    s.UsePNG = false;
    s.Use16 = false;
    s.ColorValue = true;
    return s;
}

TEST(Settings, NoFileGivesTheDefaultsAndCreatesNothing) {
    TempDir dir;
    const Settings expected{.X = 0,
                            .Y = 0,
                            .OnlyLeft = false,
                            .AutoCenter = false,
                            .AutoRight = false,
                            .Return = false,
                            .ReturnLast = true,
                            .Small = true,
                            .Comment = false,
                            .UseQuotation = false,
                            .UsePoint = false,
                            .UsePNG = true,
                            .Use16 = true,
                            .ColorValue = false};
    EXPECT_EQ(readSettings(dir / "tintlace.ini"), expected);
    EXPECT_FALSE(std::filesystem::exists(dir / "tintlace.ini"));
}

TEST(Settings, UnreadableValuesCountAsMissingAndNonZeroIsChecked) {
    TempDir dir;
    writeBytes(dir / "tintlace.ini", "[Position]\n"
                                     "X=abc\n"
                                     "Y=-30\n"
                                     "[Option]\n"
                                     "OnlyLeft=2\n"
                                     "AutoRight=1\n"
                                     "Use16=0\n"
                                     "[TagOption]\n"
                                     "ReturnLast=\n"
                                     "Small=yes\n"
                                     "Comment=-1\n"
                                     "UseQuotation=1.0\n");
    Settings expected;
    expected.Y = -30;
    expected.OnlyLeft = true;
    expected.AutoRight = true;
    expected.Use16 = false;
    expected.Comment = true;
    EXPECT_EQ(readSettings(dir / "tintlace.ini"), expected);
}

TEST(Settings, FileWrittenFromNothing) {
    TempDir dir;
    writeSettings(dir / "tintlace.ini", allChanged());
    EXPECT_EQ(readBytes(dir / "tintlace.ini"), "[Position]\n"
                                               "X=-1280\n"
                                               "Y=-4\n"
                                               "\n"
                                               "[Option]\n"
                                               "OnlyLeft=1\n"
                                               "AutoCenter=0\n"
                                               "AutoRight=1\n"
                                               "Use16=0\n"
                                               "ColorValue=1\n"
                                               "\n"
                                               "[TagOption]\n"
                                               "Return=1\n"
                                               "ReturnLast=0\n"
                                               "Small=0\n"
                                               "Comment=1\n"
                                               "UseQuotation=1\n"
                                               "\n"
                                               "[SCCOption]\n"
                                               "UsePoint=1\n"
                                               "\n"
                                               "[GrpOption]\n"
                                               "UsePNG=0\n");
    EXPECT_EQ(readSettings(dir / "tintlace.ini"), allChanged());
}

TEST(Settings, RewritingKeepsForeignLinesAndReplacesKeysWhereTheyStand) {
    TempDir dir;
    writeBytes(dir / "tintlace.ini", "; written by hand\r\n"
                                     "[GrpOption]\r\n"
                                     "UsePNG=0\r\n"
                                     "Quality=high\r\n"
                                     "\r\n"
                                     "[Plugins]\r\n"
                                     "name=x\r\n"
                                     "[option]\r\n"
                                     "ColorValue=1\r\n"
                                     "OnlyLeft=2\r\n");
    Settings settings = readSettings(dir / "tintlace.ini");
    EXPECT_TRUE(settings.OnlyLeft);
    writeSettings(dir / "tintlace.ini", settings);
    EXPECT_EQ(readBytes(dir / "tintlace.ini"), "; written by hand\r\n"
                                               "[GrpOption]\r\n"
                                               "UsePNG=0\r\n"
                                               "Quality=high\r\n"
                                               "\r\n"
                                               "[Plugins]\r\n"
                                               "name=x\r\n"
                                               "[option]\r\n"
                                               "ColorValue=1\r\n"
                                               "OnlyLeft=1\r\n"
                                               "AutoCenter=0\r\n"
                                               "AutoRight=0\r\n"
                                               "Use16=1\r\n"
                                               "\r\n"
                                               "[Position]\r\n"
                                               "X=0\r\n"
                                               "Y=0\r\n"
                                               "\r\n"
                                               "[TagOption]\r\n"
                                               "Return=0\r\n"
                                               "ReturnLast=1\r\n"
                                               "Small=1\r\n"
                                               "Comment=0\r\n"
                                               "UseQuotation=0\r\n"
                                               "\r\n"
                                               "[SCCOption]\r\n"
                                               "UsePoint=0\r\n");
}

TEST(Settings, WriteIntoAFolderThatCannotExistFails) {
    TempDir dir;
    writeBytes(dir / "plain", "a file, not a folder");
    const std::string path = dir / "plain/tintlace.ini";
    EXPECT_EQ(messageOf([&] { writeSettings(path, Settings{}); }), path + " に書き込めません");
    EXPECT_EQ(readSettings(path), Settings{});
}

TEST(Settings, AFailedWriteLeavesTheOldFileExactlyAsItWas) {
    TempDir dir;
    const std::string path = dir / "tintlace.ini";
    const std::string old =
        "; keep me\n[Position]\nX=5\nY=6\n[Extra]\nlong=" + std::string(200, 'x') + "\n";
    writeBytes(path, old);
    std::string message;
    {
        FileSizeLimit limit(64); // the new text is longer: its write stops half-way
        message = messageOf([&] { writeSettings(path, allChanged()); });
    }
    EXPECT_EQ(message, path + " に書き込めません");
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file may stay behind";
}

TEST(Settings, AnExistingPathThatCannotBeReadIsNeverReplaced) {
    TempDir dir;
    const std::string path = dir / "tintlace.ini";
    std::filesystem::create_directory(path);
    EXPECT_EQ(readSettings(path), Settings{});
    EXPECT_EQ(messageOf([&] { writeSettings(path, Settings{}); }), path + " に書き込めません");
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

} // namespace
} // namespace tintlace
