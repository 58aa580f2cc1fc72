#include "platform/BmpFile.h"
#include "platform/UserError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include <unistd.h>

namespace tintlace {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::uint32_t le32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t le16(const Bytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// Reads a 24-bit BMP by hand, checking every header field, and returns its pixels top row
// first as blue, green, red triples.
std::vector<Bytes> readBmp24(const Bytes& file, int& width, int& height) {
    EXPECT_GE(file.size(), 54u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(le32(file, 2), file.size());
    EXPECT_EQ(le16(file, 6), 0);
    EXPECT_EQ(le16(file, 8), 0);
    EXPECT_EQ(le32(file, 10), 54u);
    EXPECT_EQ(le32(file, 14), 40u);
    width = static_cast<int>(le32(file, 18));
    height = static_cast<int>(le32(file, 22));
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0); // bottom-up
    EXPECT_EQ(le16(file, 26), 1);
    EXPECT_EQ(le16(file, 28), 24);
    EXPECT_EQ(le32(file, 30), 0u);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(le32(file, 34), stride * static_cast<std::size_t>(height));
    EXPECT_EQ(le32(file, 38), 0u);
    EXPECT_EQ(le32(file, 42), 0u);
    EXPECT_EQ(le32(file, 46), 0u);
    EXPECT_EQ(le32(file, 50), 0u);
    EXPECT_EQ(file.size(), 54 + stride * static_cast<std::size_t>(height));
    std::vector<Bytes> rows;
    for (int y = 0; y < height; ++y) {
        const std::size_t at = 54 + stride * static_cast<std::size_t>(height - 1 - y);
        rows.emplace_back(file.begin() + static_cast<long>(at),
                          file.begin() +
                              static_cast<long>(at + 3 * static_cast<std::size_t>(width)));
        for (std::size_t pad = at + 3 * static_cast<std::size_t>(width); pad < at + stride; ++pad)
            EXPECT_EQ(file[pad], 0) << "padding of row " << y;
    }
    return rows;
}

class BmpFolder {
public:
    BmpFolder() {
        m_path = fs::temp_directory_path() / ("tintlace-bmp-" + std::to_string(::getpid()));
        fs::create_directories(m_path);
    }
    ~BmpFolder() { fs::remove_all(m_path); }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_path), fs::directory_iterator()));
    }

private:
    fs::path m_path;
};

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(BmpFile, EveryHeaderFieldAndPixel) {
    std::mt19937 random(24);
    for (const auto& [w, h] :
         {std::pair{1, 1}, std::pair{2, 3}, std::pair{5, 4}, std::pair{800, 65}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Bitmap bitmap(w, h, PixelFormat::pf24bit);
        for (int y = 0; y < h; ++y)
            for (int i = 0; i < bitmap.bytesPerLine(); ++i)
                bitmap.scanLine(y)[i] = static_cast<std::uint8_t>(random()); // padding too
        BmpFolder folder;
        const std::string path = folder.file("picture.bmp");
        saveBmp24(bitmap, path);
        int width = 0, height = 0;
        const std::vector<Bytes> rows = readBmp24(readFile(path), width, height);
        ASSERT_EQ(width, w);
        ASSERT_EQ(height, h);
        for (int y = 0; y < h; ++y)
            EXPECT_EQ(rows[y], Bytes(bitmap.scanLine(y), bitmap.scanLine(y) + 3 * w)) << y;
        EXPECT_EQ(folder.entries(), 1u);
    }
}

TEST(BmpFile, FailuresLeaveNothingBehind) {
    BmpFolder folder;
    Bitmap bitmap(3, 3, PixelFormat::pf24bit);
    const std::string existing = folder.file("old.bmp");
    std::ofstream(existing) << "old";
    fs::create_directory(folder.file("dir.bmp"));
    for (const std::string& path : {folder.file("missing/a.bmp"), folder.file("dir.bmp")}) {
        SCOPED_TRACE(path);
        try {
            saveBmp24(bitmap, path);
            ADD_FAILURE() << "no error";
        } catch (const UserError& e) {
            EXPECT_STREQ(e.what(), cannotCreateFileError(path).what());
        }
    }
    EXPECT_EQ(folder.entries(), 2u);
    saveBmp24(bitmap, existing);
    EXPECT_EQ(readFile(existing).size(), 54u + 3 * 12);
}

TEST(BmpFile, OnlyNonEmpty24BitBitmaps) {
    EXPECT_THROW(bmp24FileBytes(Bitmap(2, 2, PixelFormat::pf32bit)), std::invalid_argument);
    EXPECT_THROW(bmp24FileBytes(Bitmap(0, 2, PixelFormat::pf24bit)), std::invalid_argument);
}

} // namespace
} // namespace tintlace
