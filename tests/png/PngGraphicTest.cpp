#include "PngTestSupport.h"

#include "png/PngGraphic.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace tintlace {
namespace {

using namespace pngtest;
namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        m_path = fs::temp_directory_path() /
                 ("tintlace-png-" + std::to_string(::getpid()) + "-" + std::to_string(s_next++));
        fs::create_directories(m_path);
    }
    ~TempFolder() { fs::remove_all(m_path); }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_path), fs::directory_iterator()));
    }

private:
    fs::path m_path;
    static inline int s_next = 0;
};

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(PngGraphic, NewGraphicIsEmpty) {
    TPNGGraphic png;
    EXPECT_TRUE(png.GetEmpty());
    EXPECT_EQ(png.GetWidth(), 0);
    EXPECT_EQ(png.GetHeight(), 0);
    EXPECT_EQ(png.GetIDATSize(), 32768);
    EXPECT_EQ(png.Gamma, 0.45455);
    EXPECT_TRUE(png.UseSystemTime);
    EXPECT_NE(png.GetTime().Year, 0);
}

TEST(PngGraphic, LentImageIsUsedAndLeftAlone) {
    Bitmap lent(5, 4, PixelFormat::pf24bit);
    lent.scanLine(0)[0] = 42;
    {
        TPNGGraphic png;
        png.SetImage(&lent);
        EXPECT_EQ(png.GetImage(), &lent);
        EXPECT_EQ(png.GetWidth(), 5);
        png.SetImage(nullptr);
        EXPECT_NE(png.GetImage(), &lent);
        EXPECT_TRUE(png.GetEmpty());
        png.SetImage(&lent);
    }
    EXPECT_EQ(lent.width(), 5);
    EXPECT_EQ(lent.scanLine(0)[0], 42);
}

TEST(PngGraphic, ImageAndAlphaLoansExcludeEachOther) {
    Bitmap a(2, 2, PixelFormat::pf8bit), b(2, 2, PixelFormat::pf24bit);
    TPNGGraphic png;
    png.SetImage(&b);
    png.SetABmp(&b); // the lent image cannot be the alpha bitmap
    EXPECT_NE(png.GetAlphaBitmap(), &b);
    png.SetABmp(&a);
    EXPECT_EQ(png.GetAlphaBitmap(), &a);
    png.SetImage(&a); // lending the alpha bitmap as image ends the alpha loan
    EXPECT_EQ(png.GetImage(), &a);
    EXPECT_NE(png.GetAlphaBitmap(), &a);
    png.SetABmp(nullptr);
    EXPECT_TRUE(png.GetAlphaBitmap()->isEmpty());
}

TEST(PngGraphic, OwnAlphaBitmapCopies) {
    TPNGGraphic png, other;
    EXPECT_FALSE(png.AlphaBitmapAssignTo(nullptr));
    Bitmap alpha(3, 3, PixelFormat::pf8bit);
    alpha.scanLine(1)[1] = 9;
    Bitmap lent(3, 3, PixelFormat::pf8bit);
    png.SetABmp(&lent);
    png.AlphaBitmapAssign(alpha);
    EXPECT_NE(png.GetAlphaBitmap(), &lent);
    EXPECT_EQ(png.GetAlphaBitmap()->scanLine(1)[1], 9);
    other.AlphaBitmapAssign(png);
    Bitmap copy;
    EXPECT_TRUE(other.AlphaBitmapAssignTo(&copy));
    EXPECT_EQ(copy.scanLine(1)[1], 9);
    other.FreeAlphaBitmap();
    EXPECT_FALSE(other.AlphaBitmapAssignTo(&copy));
}

TEST(PngGraphic, TransparentColour) {
    Bitmap image(2, 2, PixelFormat::pf24bit);
    image.setTransparent(true);
    TPNGGraphic png;
    png.SetImage(&image);
    EXPECT_TRUE(png.GetTransparent()); // taken over from the image
    png.SetTransColor(0x123456);
    EXPECT_EQ(image.transparentColor(), 0x123456);
    EXPECT_TRUE(image.transparent());
    png.SetTransColor(NoColor);
    EXPECT_FALSE(png.GetTransparent());
    EXPECT_FALSE(image.transparent());
    EXPECT_EQ(png.GetTransColor(), NoColor);

    TPNGGraphic empty;
    empty.SetTransColor(NoColor);
    EXPECT_EQ(empty.GetTransColor(), NoColor);
    EXPECT_FALSE(empty.GetTransparent());
}

TEST(PngGraphic, ResizeAndPaletteReachTheImage) {
    Bitmap image(4, 4, PixelFormat::pf8bit), alpha(4, 4, PixelFormat::pf8bit);
    TPNGGraphic png;
    int changes = 0;
    png.OnChange = [&](TPNGGraphic&) { ++changes; };
    png.SetImage(&image);
    png.SetABmp(&alpha);
    changes = 0;
    png.SetWidth(6);
    png.SetHeight(3);
    EXPECT_EQ(image.width(), 6);
    EXPECT_EQ(image.height(), 3);
    EXPECT_EQ(alpha.width(), 6);
    EXPECT_EQ(alpha.height(), 3);
    png.SetPalette({PaletteEntry{1, 2, 3, 0}});
    EXPECT_EQ(image.palette().size(), 1u);
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(png.Modified);
}

TEST(PngGraphic, AlphaOnlyWhenAskedFor) {
    Bitmap image(3, 2, PixelFormat::pf24bit), alpha(3, 2, PixelFormat::pf8bit);
    for (bool use : {false, true}) {
        TPNGGraphic png;
        png.SetImage(&image);
        png.SetABmp(&alpha);
        png.UseAlpha = use;
        MemorySink sink;
        png.SaveToStream(sink);
        EXPECT_EQ(decodeWithLibpng(sink.bytes()).colorType, use ? 6 : 2);
    }
}

TEST(PngGraphic, AssignTakesOverSettingsAndLoans) {
    Bitmap lent(2, 2, PixelFormat::pf24bit);
    TPNGGraphic source;
    source.Assign(Bitmap(7, 1, PixelFormat::pf24bit));
    source.SetImage(&lent);
    source.Filter = gpfPaeth;
    source.Interlace = gptAdam7;
    source.CompressLevel = 3;
    source.SetIDATSize(1000);
    source.Comment = "c";
    source.Gamma = 1;
    source.SetTransColor(5);
    source.UseAlpha = true;
    source.Password = "p";
    TPNGGIFExtension gif;
    gif.DisposalMethod = 2;
    source.SetGIFExt(gif);

    TPNGGraphic copy;
    copy.Assign(source);
    EXPECT_EQ(copy.GetImage(), &lent); // the loan is shared
    EXPECT_EQ(copy.Filter, gpfPaeth);
    EXPECT_EQ(copy.Interlace, gptAdam7);
    EXPECT_EQ(copy.CompressLevel, 3);
    EXPECT_EQ(copy.GetIDATSize(), 1000);
    EXPECT_EQ(copy.Comment, "c");
    EXPECT_EQ(copy.Gamma, 1);
    EXPECT_EQ(copy.GetTransColor(), 5);
    EXPECT_FALSE(copy.UseAlpha); // these stay as they were
    EXPECT_EQ(copy.Password, "");
    EXPECT_EQ(copy.GetGIFEXt(), TPNGGIFExtension{});
    copy.SetImage(nullptr);
    EXPECT_EQ(copy.GetWidth(), 7); // the own image was copied

    Bitmap out;
    copy.AssignTo(out);
    EXPECT_EQ(out.width(), 7);
}

TEST(PngGraphic, SaveToFileReplacesAnExistingFile) {
    TempFolder folder;
    const std::string path = folder.file("picture.png");
    {
        std::ofstream old(path, std::ios::binary);
        old << std::string(100000, 'x');
    }
    std::mt19937 random(1);
    Bitmap bitmap = randomBitmap(20, 10, PixelFormat::pf24bit, random);
    TPNGGraphic png;
    png.SetImage(&bitmap);
    png.Interlace = gptAdam7;
    png.Comment = "Generated By TINTLACE";
    png.SaveToFile(path);
    const Bytes file = readFile(path);
    EXPECT_EQ(file.back(), 0x82);
    EXPECT_EQ(decodeWithLibpng(file).rows, expectedImage(bitmap, nullptr, false).rows);
    EXPECT_EQ(folder.entries(), 1u);
}

TEST(PngGraphic, FailedSavesLeaveNothingBehind) {
    TempFolder folder;
    const std::string existing = folder.file("old.png");
    {
        std::ofstream old(existing, std::ios::binary);
        old << "previous picture";
    }
    TPNGGraphic empty;
    EXPECT_THROW(empty.SaveToFile(existing), EPNGError);
    const std::string previous = "previous picture";
    EXPECT_EQ(readFile(existing), Bytes(previous.begin(), previous.end()));
    EXPECT_THROW(empty.SaveToFile(folder.file("new.png")), EPNGError);
    EXPECT_EQ(folder.entries(), 1u);

    Bitmap bitmap(2, 2, PixelFormat::pf24bit);
    TPNGGraphic png;
    png.SetImage(&bitmap);
    const std::string missing = folder.file("no-such-folder/a.png");
    try {
        png.SaveToFile(missing);
        ADD_FAILURE() << "no error";
    } catch (const EPNGError&) {
        ADD_FAILURE() << "wrong error";
    } catch (const UserError& e) {
        EXPECT_EQ(std::string(e.what()), cannotCreateFileError(missing).what());
    }
    EXPECT_EQ(folder.entries(), 1u);
}

TEST(PngGraphic, ProgressHandlerIsLentForTheSaveOnly) {
    Bitmap bitmap(4, 4, PixelFormat::pf24bit);
    int own = 0;
    bitmap.onProgress = [&](const Bitmap&, ProgressStage, int, bool, const ProgressRect&,
                            const std::string&) { ++own; };
    std::vector<int> seen;
    TPNGGraphic png;
    png.SetImage(&bitmap);
    png.OnProgress = [&](const Bitmap& sender, ProgressStage, int percent, bool,
                         const ProgressRect&, const std::string&) {
        EXPECT_EQ(&sender, &bitmap);
        seen.push_back(percent);
    };
    MemorySink sink;
    png.SaveToStream(sink);
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_EQ(own, 0);

    // The image's own handler comes back after a failed save too.
    struct Refusing : ByteSink {
        void write(const void*, std::size_t) override { throw std::runtime_error("refused"); }
    } refusing;
    EXPECT_THROW(png.SaveToStream(refusing), std::runtime_error);
    ASSERT_TRUE(bitmap.onProgress);
    bitmap.onProgress(bitmap, ProgressStage::psRunning, 1, false, {}, "");
    EXPECT_EQ(own, 1);
}

TEST(PngGraphic, PersistenceUsesTheWriterDefaults) {
    TPNGGraphic png;
    std::mt19937 random(2);
    png.Assign(randomBitmap(9, 9, PixelFormat::pf24bit, random));
    png.Interlace = gptAdam7;
    png.Filter = gpfPaeth;
    int calls = 0;
    png.Password = "x";
    png.OnEncode = [&](TPNGWriteStream&, std::uint8_t*, int, int, const std::string&) { ++calls; };
    MemorySink sink;
    png.WriteData(sink);
    const Decoded d = decodeWithLibpng(sink.bytes());
    EXPECT_EQ(d.interlace, 0);
    EXPECT_EQ(calls, 0);
    const Bytes raw = inflateAll(idatStream(parseChunks(sink.bytes())));
    EXPECT_EQ(raw[0], 0); // filter None
    MemorySink nothing;
    TPNGGraphic().WriteData(nothing);
    EXPECT_TRUE(nothing.bytes().empty());
}

} // namespace
} // namespace tintlace
