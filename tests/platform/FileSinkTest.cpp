#include "platform/FileSink.h"
#include "platform/ByteSink.h"
#include "platform/UserError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

namespace tintlace {
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        m_path = fs::temp_directory_path() /
                 ("tintlace-sink-" + std::to_string(::getpid()) + "-" + std::to_string(s_next++));
        fs::create_directories(m_path);
    }
    ~TempFolder() { fs::remove_all(m_path); }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    std::vector<std::string> names() const {
        std::vector<std::string> n;
        for (const auto& e : fs::directory_iterator(m_path))
            n.push_back(e.path().filename().string());
        return n;
    }

private:
    fs::path m_path;
    static inline int s_next = 0;
};

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const UserError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(MemorySink, KeepsEveryByteInOrder) {
    MemorySink sink;
    sink.write("ab", 2);
    sink.write("", 0);
    sink.write("c", 1);
    EXPECT_EQ(std::string(sink.bytes().begin(), sink.bytes().end()), "abc");
}

TEST(FileSink, CreatesTruncatesAndReportsFailures) {
    TempFolder folder;
    const std::string path = folder.file("a.bin");
    writeText(path, "old contents that are longer");
    {
        FileSink file(path);
        file.write("new", 3);
        file.close();
    }
    EXPECT_EQ(readText(path), "new");
    const std::string missing = folder.file("missing/a.bin");
    EXPECT_EQ(messageOf([&] { FileSink file(missing); }), cannotCreateFileError(missing).what());
    if (fs::exists("/dev/full")) {
        FileSink full("/dev/full");
        EXPECT_EQ(messageOf([&] { full.write("x", 1); }), cannotWriteError("/dev/full").what());
    }
}

TEST(WriteFileAtomically, ReplacesOnlyAfterASuccessfulWrite) {
    TempFolder folder;
    const std::string path = folder.file("scheme.tlc");
    writeText(path, "old");
    writeFileAtomically(path, [](ByteSink& s) { s.write("new contents", 12); });
    EXPECT_EQ(readText(path), "new contents");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"scheme.tlc"});

    EXPECT_THROW(writeFileAtomically(path,
                                     [](ByteSink& s) {
                                         s.write("half", 4);
                                         throw std::runtime_error("interrupted");
                                     }),
                 std::runtime_error);
    EXPECT_EQ(readText(path), "new contents");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"scheme.tlc"});
}

TEST(WriteFileAtomically, TargetsThatCannotBeMade) {
    TempFolder folder;
    fs::create_directory(folder.file("folder"));
    const std::string cases[] = {folder.file("missing/x.png"), folder.file("folder"),
                                 folder.file("x/"), ""};
    for (const std::string& path : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(
            messageOf([&] { writeFileAtomically(path, [](ByteSink& s) { s.write("x", 1); }); }),
            cannotCreateFileError(path).what());
    }
    EXPECT_EQ(folder.names(), std::vector<std::string>{"folder"});
    EXPECT_TRUE(fs::is_empty(folder.file("folder")));
}

TEST(WriteFileAtomically, BareFileNameUsesTheCurrentFolder) {
    TempFolder folder;
    const fs::path before = fs::current_path();
    fs::current_path(folder.file(""));
    writeFileAtomically("here.txt", [](ByteSink& s) { s.write("x", 1); });
    fs::current_path(before);
    EXPECT_EQ(readText(folder.file("here.txt")), "x");
}

} // namespace
} // namespace tintlace
