#include "StoreTestSupport.h"

#include "platform/UserError.h"
#include "store/DecimalInt.h"
#include "store/SchemeFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace tintlace {
namespace {

using testing::FileSizeLimit;
using testing::messageOf;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

SchemeData sampleScheme() {
    SchemeData s;
    s.text = "\x90\xd4\x82\xa2\x8e\x9a";                                         // 赤い字
    s.fontName = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e"; // ＭＳ Ｐゴシック
    s.sizeIndex = 3;
    s.bold = true;
    s.italic = false;
    s.backColor = makeColor(1, 2, 3);
    s.sliders = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    s.patternNumber = 2;
    s.styleNumber = 4;
    s.amountIndex = 5;
    s.shadow = false;
    s.shadowColor = 8421504;
    s.edge = true;
    s.lightEdgeColor = 16777215;
    s.darkEdgeColor = 6316128;
    return s;
}

TEST(SchemeFile, SavedBytesAreTheThirtyLinesInCp932WithCrLf) {
    TempDir dir;
    const std::string path = dir / "sample.tlc";
    writeBytes(path, std::string(2000, 'z')); // an older, longer file is replaced whole
    writeSchemeLines(path, schemeFileLines(sampleScheme()));

    const std::string expected =
        // [Tintlace v1.65色設定ファイル（※行位置を変えないで下さい）]
        "[Tintlace v1.65\x90\x46\x90\xdd\x92\xe8\x83\x74\x83\x40\x83\x43\x83\x8b\x81\x69\x81\xa6"
        "\x8d\x73\x88\xca\x92\x75\x82\xf0\x95\xcf\x82\xa6\x82\xc8\x82\xa2\x82\xc5\x89\xba\x82\xb3"
        "\x82\xa2\x81\x6a]\r\n"
        "[\x95\x5c\x8e\xa6\x82\xb7\x82\xe9\x95\xb6\x8e\x9a\x97\xf1]\r\n" // [表示する文字列]
        "\x90\xd4\x82\xa2\x8e\x9a\r\n"
        "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e\r\n"
        "3\r\n"
        "1\r\n"
        "0\r\n"
        "197121\r\n"
        "[Left\x90\x46(RGB)]\r\n" // [Left色(RGB)]
        "255\r\n0\r\n0\r\n"
        "[Center\x90\x46(RGB)]\r\n"
        "0\r\n255\r\n0\r\n"
        "[Right\x90\x46(RGB)]\r\n"
        "0\r\n0\r\n255\r\n"
        // [パターン番号＆スタイル番号]
        "[\x83\x70\x83\x5e\x81\x5b\x83\x93\x94\xd4\x8d\x86\x81\x95\x83\x58\x83\x5e\x83\x43\x83\x8b"
        "\x94\xd4\x8d\x86]\r\n"
        "2\r\n"
        "4\r\n"
        "5\r\n"
        // [グラフィック形式オプション]
        "[\x83\x4f\x83\x89\x83\x74\x83\x42\x83\x62\x83\x4e\x8c\x60\x8e\xae\x83\x49\x83\x76\x83\x56"
        "\x83\x87\x83\x93]\r\n"
        "0\r\n"
        "8421504\r\n"
        "1\r\n"
        "16777215\r\n"
        "6316128\r\n";
    EXPECT_EQ(readBytes(path), expected);
}

TEST(SchemeFile, AmountLineHoldsSixForNoStyle) {
    struct Case {
        const char* name;
        int style;
        int amount;
        const char* line24;
    };
    const Case cases[] = {
        {"NoStyle ignores the amount list", 0, 2, "6"},
        {"Big keeps the amount", 3, 2, "2"},
        {"Top with the first amount", 5, 0, "0"},
    };
    for (const Case& c : cases) {
        SchemeData scheme = sampleScheme();
        scheme.styleNumber = c.style;
        scheme.amountIndex = c.amount;
        EXPECT_EQ(schemeFileLines(scheme).at(SchemeLine::Amount), c.line24) << c.name;
    }
}

TEST(SchemeFile, LineBreaksInsideTextCannotShiftTheLines) {
    SchemeData scheme = sampleScheme();
    scheme.text = "a\r\nb";
    scheme.fontName = "F\no";
    std::vector<std::string> lines = schemeFileLines(scheme);
    TempDir dir;
    writeSchemeLines(dir / "x.tlc", lines);
    std::vector<std::string> read = readSchemeLines(dir / "x.tlc");
    ASSERT_EQ(read.size(), 30u);
    EXPECT_EQ(read[SchemeLine::Text], "a  b");
    EXPECT_EQ(read[SchemeLine::FontName], "F o");
    EXPECT_EQ(read[SchemeLine::DarkEdgeColor], "6316128");
}

TEST(SchemeFile, ReadSplitsAtEveryKindOfLineEnd) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"CR", "a\rb\r", {"a", "b"}},
        {"mixed, last line without an end", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"empty lines kept", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"LF then CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"empty file", "", {}},
        {"one empty line", "\r\n", {""}},
        {"bytes that are not CP932 kept as they are",
         "\x81\r\n\xff\xfe\r\n\x95",
         {"\x81", "\xff\xfe", "\x95"}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        writeBytes(dir / "case.tlc", c.bytes);
        EXPECT_EQ(readSchemeLines(dir / "case.tlc"), c.lines) << c.name;
    }
}

TEST(SchemeFile, OlderShorterFilesReadWithTheirLinesInPlace) {
    // Earlier versions wrote 20 lines (up to the Right colour) or 24 (up to the amount).
    const std::vector<std::string> full = schemeFileLines(sampleScheme());
    TempDir dir;
    for (std::size_t count : {20u, 24u, 30u}) {
        std::string bytes;
        for (std::size_t i = 0; i < count; ++i)
            bytes += full[i] + "\r\n";
        writeBytes(dir / "old.tlc", bytes);
        std::vector<std::string> lines = readSchemeLines(dir / "old.tlc");
        ASSERT_EQ(lines.size(), count);
        EXPECT_EQ(schemeNumber(lines, SchemeLine::Sliders[8]), 255) << count;
        if (count >= SchemeLinesWithPattern)
            EXPECT_EQ(schemeNumber(lines, SchemeLine::Amount), 5) << count;
        else
            EXPECT_EQ(messageOf([&] { schemeNumber(lines, SchemeLine::Pattern); }),
                      "リストのインデックスが範囲を超えています (21)");
    }
}

TEST(SchemeFile, EveryFailureCarriesItsMessage) {
    TempDir dir;
    writeBytes(dir / "plain", "a file, not a folder");
    std::filesystem::create_directory(dir / "folder.tlc");
    const std::vector<std::string> twelve(12, "0");
    const std::vector<std::string> badNumbers = {"12a", "\xff", "\x82\x50\x82\x51", " 1", ""};

    struct Case {
        const char* name;
        std::function<void()> action;
        std::string message;
    };
    const Case cases[] = {
        {"open a missing file", [&] { readSchemeLines(dir / "none.tlc"); },
         "ファイル " + dir / "none.tlc" + " は開けません"},
        {"open a folder", [&] { readSchemeLines(dir / "folder.tlc"); },
         "ファイル " + dir / "folder.tlc" + " は開けません"},
        {"create in a folder that cannot exist",
         [&] { writeSchemeLines(dir / "plain/x.tlc", {"1"}); },
         "ファイル " + dir / "plain/x.tlc" + " を作成できません"},
        {"create over a folder", [&] { writeSchemeLines(dir / "folder.tlc", {"1"}); },
         "ファイル " + dir / "folder.tlc" + " を作成できません"},
        {"line missing from a short file", [&] { schemeNumber(twelve, 13); },
         "リストのインデックスが範囲を超えています (13)"},
        {"negative line", [&] { schemeLine(twelve, -1); },
         "リストのインデックスが範囲を超えています (-1)"},
        {"letters after digits", [&] { schemeNumber(badNumbers, 0); },
         "'12a' は整数ではありません"},
        {"invalid CP932 shown as a replacement character", [&] { schemeNumber(badNumbers, 1); },
         "'\xEF\xBF\xBD' は整数ではありません"},
        {"full-width digits shown as UTF-8", [&] { schemeNumber(badNumbers, 2); },
         "'１２' は整数ではありません"},
        {"leading blank", [&] { schemeNumber(badNumbers, 3); }, "' 1' は整数ではありません"},
        {"empty line", [&] { schemeNumber(badNumbers, 4); }, "'' は整数ではありません"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(messageOf(c.action), c.message) << c.name;
    EXPECT_FALSE(std::filesystem::exists(dir / "plain/x.tlc"));
}

TEST(SchemeFile, AFailedSaveLeavesTheOldFileExactlyAsItWas) {
    TempDir dir;
    const std::string path = dir / "keep.tlc";
    writeSchemeLines(path, schemeFileLines(sampleScheme()));
    const std::string old = readBytes(path);
    SchemeData changed = sampleScheme();
    changed.text = "changed";
    std::string message;
    {
        FileSizeLimit limit(64); // the new file is longer: its write stops half-way
        message = messageOf([&] { writeSchemeLines(path, schemeFileLines(changed)); });
    }
    EXPECT_EQ(message, "ファイル " + path + " を作成できません");
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file may stay behind";
}

TEST(StrToInt, AcceptsOnlyASignedDecimalWithinIntRange) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"255", 255},
        {"300", 300},
        {"-7", -7},
        {"+5", 5},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"--1", std::nullopt},
        {"1 ", std::nullopt},
        {"1.5", std::nullopt},
        {"0x10", std::nullopt},
        {"$10", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseDecimalInt(c.text), c.value) << '"' << c.text << '"';
        if (c.value)
            EXPECT_EQ(strToInt(c.text), *c.value) << c.text;
        else
            EXPECT_THROW(strToInt(c.text), UserError) << c.text;
    }
}

TEST(SchemeNumbers, UnknownNumbersFallBackToTheFirstButton) {
    struct Case {
        int number;
        PatternKind pattern;
        StyleKind style;
    };
    const Case cases[] = {
        {0, PatternKind::Gradation, StyleKind::NoStyle},
        {1, PatternKind::Impact, StyleKind::Impact},
        {2, PatternKind::ThreeColorNeon, StyleKind::Small},
        {3, PatternKind::TwoColorNeon, StyleKind::Big},
        {4, PatternKind::Gradation, StyleKind::Wide},
        {5, PatternKind::Gradation, StyleKind::Top},
        {6, PatternKind::Gradation, StyleKind::NoStyle},
        {7, PatternKind::Gradation, StyleKind::NoStyle},
        {9, PatternKind::Gradation, StyleKind::NoStyle},
        {-1, PatternKind::Gradation, StyleKind::NoStyle},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(patternFromNumber(c.number), c.pattern) << c.number;
        EXPECT_EQ(styleFromNumber(c.number), c.style) << c.number;
    }
}

} // namespace
} // namespace tintlace
