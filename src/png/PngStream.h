#pragma once
// The PNG writer: turns one bitmap into one PNG file, written through the buffered stream.
// WriteStream emits the signature, the header chunks (IHDR, tIME, tEXt, tpNg, gIFg, gAMA,
// cHRM, sBIT, PLTE, bKGD, tRNS, pHYs, each only when it has something to say), the image
// data as IDAT chunks of IDATSize bytes (the last one shorter), and IEND.
//
//   bitmap row --GetLinePixels--> CurLine --SelectRowFilter--> OutLine --deflate--> OutBuf
//   OutBuf (full, or the rest at the end) --WriteIDAT--> WriteChunk --> 64 KiB buffer --> sink
#include "png/BufStream.h"
#include "png/PngTypes.h"
#include "png/PngZlib.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace tintlace {

// A chunk type as the 32-bit number whose bytes, most significant first, spell its name.
constexpr std::uint32_t pngChunkType(const char (&name)[5]) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(name[0])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[3]));
}

// The encoder's fixed error texts.
inline constexpr const char* PngErrWriterIDATSize =
    "Write PNG Param: Err IDAT Size(min:256  max:100000)";
inline constexpr const char* PngErrWriteImage = "Write Image (PNG): Write Error";
inline constexpr const char* PngErrEmptyImage = "Write PNG Param: Err Image Size(empty)";
inline constexpr const char* PngErrNoPalette = "Write PNG Param: Err Palette(no entries)";

class TPNGWriteStream : public TCustomGraphicWriteStream {
public:
    static constexpr int MinIDATSize = 256;
    static constexpr int MaxIDATSize = 100000;

    TPNGWriteStream();
    ~TPNGWriteStream() override;

    // 256..100000, else EPNGError and no change.
    void SetIDATSize(int size);
    int GetIDATSize() const { return IDATSize; }

    // Writes one chunk: length, type, data and the CRC of type and data.
    void WriteChunk(std::uint32_t type, const void* data, int length);
    // A tEXt chunk; nothing when the text is empty or the keyword longer than 79 bytes.
    void WriteTextMes(const std::string& keyword, const std::string& text);

    // Settings, set by the owner before SaveToStream.
    int CompressLevel = -1; // outside 0..9: zlib's default level
    TPNGFilterType Filter = gpfNone;
    TPNGInterlaceType Interlace = gptNone;
    bool GrayScale = false;
    TColor BGColor = NoColor;
    TColor TransColor = NoColor;
    std::string Comment;
    double Gamma = 0;
    TPNGUnitSpecifier UnitSpecifier = gpuAspect;
    std::int32_t PixelsPerUnitX = 0;
    std::int32_t PixelsPerUnitY = 0;
    std::array<std::uint8_t, 4> SignificantBits{}; // red, green, blue, alpha
    std::string Password;
    const tintlace::Bitmap* AlphaSource = nullptr; // 8-bit transparency per pixel, 0 = opaque
    bool WriteSignature = true;
    bool UseSystemTime = true;
    const TPNGTime* Time = nullptr;
    const TPNGChromaticities* Chromaticities = nullptr;
    const TPNGGIFExtension* GIFExtension = nullptr;
    TPNGCodeEvent OnEncode;

protected:
    void WriteStream() override;

private:
    void WriteIHDR();
    void WritetIMe();
    void WritetExt();
    void WritetpNg();
    void WritegIFg();
    void WritegAMA();
    void WritecHRM();
    void WritesBIT();
    void WritePLTE();
    void WritebKGD();
    void WritetRNS();
    void WritepHYs();
    void WriteImage();
    void GetBufMem();
    void FreeBufMem();
    void SetGrayScalePaletteIndex();
    void GetLinePixels(const std::uint8_t* src, const std::uint8_t* alpha);
    void SetPassGeometry(int startCol, int colStep, int passWidth);

    // Palette index for bKGD and tRNS, or -1 when the palette cannot name the colour.
    int paletteIndexFor(TColor color) const;
    // Grey level of a colour for bKGD and tRNS, at the bit depth of the output.
    int grayLevelFor(TColor color) const;
    int paletteEntriesWritten() const;

    static int WriteIDAT(TZLIBInfo& info);

    TPNGInfo PNGInfo;
    int IDATSize = 32768;
    bool HasAlpha = false;
    bool GrayOutput = false;
    int PassWidth = 0;
    int PassStartByte = 0;
    int PassByteStep = 1;
    int PassStartCol = 0;
    int PassColStep = 1;
    std::unique_ptr<std::uint8_t[]> BufMem;
    const tintlace::Bitmap* AlphaBitmap = nullptr;
    int WorkBits = 0;
    int SrcBits = 0;
    int LineSize = 0;
    std::array<std::uint8_t, 256> GrayIndex{};
};

} // namespace tintlace
