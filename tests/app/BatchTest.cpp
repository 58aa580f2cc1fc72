// Batch mode: the command line's refusals, and runs of the built executable.
#include "app/BatchOptions.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tintlace::testing {
namespace {

using Args = std::vector<std::string>;

TEST(BatchArguments, RefusalsAreOneLineNamingTheProblem) {
    struct Case {
        const char* name;
        Args args;
        std::string fragment;
    };
    const std::string emoji = "\xF0\x9F\x98\x80";
    const Case cases[] = {
        {"unknown option", {"--html", "--frobnicate"}, "unknown option '--frobnicate'"},
        {"size above 7", {"--html", "--size", "8"}, "--size takes a whole number from 1 to 7"},
        {"amount 0", {"--css", "--amount", "0"}, "--amount takes a whole number from 1 to 6"},
        {"size that is no number", {"--html", "--size", "6x"}, "not '6x'"},
        {"colour with a non-hex digit", {"--html", "--left", "GG0000"}, "--left takes a colour"},
        {"colour too short", {"--html", "--background", "FFF"}, "--background takes a colour"},
        {"colour too long", {"--html", "--right", "0000FF0"}, "--right takes a colour"},
        {"unknown pattern", {"--html", "--pattern", "stripes"}, "--pattern takes one of"},
        {"text that CP932 cannot represent",
         {"--html", "--text", "a" + emoji},
         "--text holds characters that code page 932 cannot represent"},
        {"text over 255 bytes",
         {"--html", "--text", std::string(128, 'a') + std::string(64, 'b') + std::string(64, 'c')},
         "--text is 256 bytes long"},
        {"Japanese text over 255 bytes",
         {"--html", "--text",
          [] {
              std::string t;
              for (int i = 0; i < 128; ++i)
                  t += "あ";
              return t;
          }()},
         "--text is 256 bytes long"},
        {"two outputs", {"--html", "--css"}, "cannot be combined"},
        {"two automatic modes", {"--rainbow", "--html", "--auto-center"}, "only one of"},
        {"missing value", {"--html", "--text"}, "--text needs a value"},
        {"no output", {"--bold"}, "choose an output"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            parseBatchArguments(c.args);
            ADD_FAILURE() << "accepted";
        } catch (const BatchUsageError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(c.fragment), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        }
    }
}

TEST(BatchArguments, ValuesReachTheRequest) {
    const BatchRequest r = parseBatchArguments({"--css", "--text", "日本", "--left", "FF8000",
                                                "--size", "7", "--style", "top", "--amount", "1",
                                                "--right-follows-left", "--encoding", "cp932"});
    EXPECT_EQ(r.output, BatchOutput::Css);
    EXPECT_EQ(r.text, std::string("\x93\xFA\x96\x7B"));
    EXPECT_EQ(r.left, makeColor(255, 128, 0)) << "colours are given red first";
    EXPECT_EQ(r.size, 7);
    EXPECT_EQ(r.style, StyleKind::Top);
    EXPECT_EQ(r.amount, 1);
    EXPECT_EQ(r.autoMode, AutoMode::RightFollowsLeft);
    EXPECT_TRUE(r.cp932Output);
    EXPECT_EQ(parseBatchArguments({"--text", std::string(255, 'a'), "--html"}).text->size(), 255u);
}

struct ProcessResult {
    int exitCode;
    std::string out, err;
};

// The executable sits in the build folder, one level above this test program.
ProcessResult runTintlace(const Args& args) {
    const std::filesystem::path exe =
        std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "tintlace";
    QStringList arguments;
    for (const std::string& a : args)
        arguments << QString::fromStdString(a);
    QProcess process;
    process.start(QString::fromStdString(exe.string()), arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << exe;
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

const std::string htmlExample = "<font size=6><font color=\"#ff0000\">A</font><font>&nbsp;</font>"
                                "<font color=\"#0000ff\">B</font></font><br>\r\n";
const std::string cssExample =
    "<span style=\"font-size:42px\"><span style=\"color:#ff0000\">A</span>"
    "<span style=\"\">&nbsp;</span><span style=\"color:#0000ff\">B</span></span><BR>\r\n";

TEST(BatchRun, PrintsTheMarkupOfTheWindowExactly) {
    struct Case {
        const char* name;
        const char* output;
        std::string expected;
    };
    const Case cases[] = {{"html", "--html", htmlExample}, {"css", "--css", cssExample}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProcessResult run =
            runTintlace({c.output, "--text", "A B", "--left", "FF0000", "--right", "0000FF"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, c.expected);
        EXPECT_EQ(run.err, "");
    }
}

TEST(BatchRun, LoadsASchemeGivenByItsPath) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/red-blue.tlc";
    // 20 lines: text, no font, size "6", neither bold nor italic, black; Left red, Right blue.
    const char* lines[] = {"[x]", "[x]", "A B", "none", "5",   "0", "0",   "0", "[x]", "255",
                           "0",   "0",   "[x]", "0",    "255", "0", "[x]", "0", "0",   "255"};
    std::ofstream out(path, std::ios::binary);
    for (const char* line : lines)
        out << line << "\r\n";
    out.close();
    const ProcessResult run = runTintlace({"--html", "--scheme", path});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, htmlExample);
}

TEST(BatchRun, BadInputExitsWithStatus2AndOneLineOnStandardError) {
    struct Case {
        const char* name;
        Args args;
    };
    const Case cases[] = {
        {"unknown option", {"--html", "--nope"}},
        {"missing font", {"--html", "--font", "No Such Font Anywhere"}},
        {"missing scheme", {"--html", "--scheme", "/nonexistent/folder/x.tlc"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProcessResult run = runTintlace(c.args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

} // namespace
} // namespace tintlace::testing
