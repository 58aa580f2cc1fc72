#include "image/ExportName.h"
#include "image/Rect.h"
#include "image/TextImage.h"

#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace tintlace {
namespace {

std::string cp932(const char* utf8) {
    return *utf8ToCp932(utf8);
}

struct NameCase {
    const char* name;
    const char* text; // UTF-8
    const char* base; // UTF-8
};

class ExportBaseNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ExportBaseNameTest, FirstWordInLowerCase) {
    EXPECT_EQ(cp932ToUtf8(exportBaseName(cp932(GetParam().text))), GetParam().base);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportBaseNameTest,
    ::testing::Values(NameCase{"StartText", "Hello World Wide Web ! (^-^)/", "hello"},
                      NameCase{"SlashInFirstWord", "(^-^)/", "t-lace"},
                      NameCase{"LeadingBlanksAndCutToEightBytes", "  ABCDEFGHIJ", "abcdefgh"},
                      NameCase{"ColonBeforeBlank", "12:30 Sale", "t-lace"},
                      NameCase{"ColonAfterBlankDoesNotMatter", "Sale 12:30", "sale"},
                      NameCase{"FourDoubleByteCharacters", "こんにちは", "こんにち"},
                      NameCase{"TrailByteEqualToBackslash", "表示テスト", "t-lace"},
                      NameCase{"TrailByteBackslashKatakana", "ソフト", "t-lace"},
                      NameCase{"Empty", "", ""}, NameCase{"OnlyBlanks", "   ", ""},
                      NameCase{"LeadingControlCharacters", "\t\r\x01Tab", "tab"},
                      NameCase{"FullWidthBlankIsKept", "　ab", "　ab"},
                      NameCase{"ForbiddenInEighthByte", "ABCDEFG;", "t-lace"},
                      NameCase{"ForbiddenInNinthByte", "ABCDEFGH;", "abcdefgh"},
                      NameCase{"HalfCharacterInEighthByteIsDropped", "ABCDEFGあ", "abcdefg"},
                      NameCase{"TrailBytesAreNotLowered", "ABアイ", "abアイ"},
                      NameCase{"FullWidthLettersStay", "ＡＢ", "ＡＢ"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExportBaseName, EveryForbiddenCharacterGivesTheFixedName) {
    for (char c : std::string("/\\*?,:;\"")) {
        std::string text = std::string("ab") + c + "cd";
        EXPECT_EQ(exportBaseName(text), "t-lace") << text;
    }
    EXPECT_EQ(exportBaseName("ab<c|d>"), "ab<c|d>"); // left for the file system to refuse
}

TEST(ExportBox, ClipKeepsTheCopyInsideTheImage) {
    struct Case {
        const char* name;
        Rect box;
        Rect clipped;
        bool empty;
    };
    for (const Case& c : {
             Case{"InsideStaysAsItIs", {4, 16, 47, 53}, {4, 16, 47, 53}, false},
             Case{"BelowRow65IsCut", {5, 0, 86, 68}, {5, 0, 86, 65}, false},
             Case{"WholeImage", {-2, -3, 900, 70}, {0, 0, 800, 65}, false},
             Case{"EmptyTextBox", {5, 45, 11, 0}, {5, 45, 11, 0}, true},
             Case{"EntirelyBelowTheImage", {5, 70, 20, 90}, {5, 70, 20, 65}, true},
             Case{"NoWidth", {10, 5, 10, 20}, {10, 5, 10, 20}, true},
         }) {
        Rect clipped = clipToImage(c.box, PreviewImageWidth, PreviewImageHeight);
        EXPECT_EQ(clipped, c.clipped) << c.name;
        EXPECT_EQ(isEmptyBox(clipped), c.empty) << c.name;
    }
}

} // namespace
} // namespace tintlace
