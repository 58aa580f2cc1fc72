#include "png/PngStream.h"

#include "png/Sfunc.h"

#include <zlib.h>

#include <algorithm>

namespace tintlace {

TPNGWriteStream::TPNGWriteStream() {
    PNGInfo.Owner = this;
    PNGInfo.FlushProc = &TPNGWriteStream::WriteIDAT;
}

TPNGWriteStream::~TPNGWriteStream() = default;

void TPNGWriteStream::SetIDATSize(int size) {
    if (size < MinIDATSize || size > MaxIDATSize)
        throw EPNGError(PngErrWriterIDATSize);
    IDATSize = size;
}

void TPNGWriteStream::WriteChunk(std::uint32_t type, const void* data, int length) {
    const bool hasData = data != nullptr && length > 0;
    WriteMDWord(hasData ? length : 0);
    WriteMDWord(static_cast<int>(type));
    const unsigned char typeBytes[4] = {
        static_cast<unsigned char>(type >> 24), static_cast<unsigned char>(type >> 16),
        static_cast<unsigned char>(type >> 8), static_cast<unsigned char>(type)};
    uLong crc = crc32(0L, typeBytes, 4);
    if (hasData) {
        WriteByte(data, length);
        crc = crc32(crc, static_cast<const Bytef*>(data), static_cast<uInt>(length));
    }
    WriteMDWord(static_cast<int>(crc));
}

int TPNGWriteStream::WriteIDAT(TZLIBInfo& info) {
    auto* self = static_cast<TPNGWriteStream*>(info.Owner);
    self->WriteChunk(pngChunkType("IDAT"), info.OutBuf.get(), info.pendingBytes());
    return 0;
}

void TPNGWriteStream::WriteStream() {
    AlphaBitmap = nullptr;
    HasAlpha = false;
    GrayOutput = false;

    // A PNG needs at least one pixel, and palette output needs a palette: refuse before any
    // byte is written rather than produce a file no decoder accepts.
    if (Bitmap == nullptr || Bitmap->isEmpty())
        throw EPNGError(PngErrEmptyImage);

    // However the steps below end, the deflate state and the row buffers go.
    struct Release {
        TPNGWriteStream& self;
        ~Release() {
            ZLIBEncodeFinish(self.PNGInfo);
            self.FreeBufMem();
        }
    } release{*this};

    SrcBits = PixelBitCount(Bitmap->pixelFormat());
    WorkBits = (SrcBits == 15 || SrcBits == 16) ? 24 : SrcBits;
    if (!GrayScale && WorkBits <= 8 && Bitmap->palette().empty())
        throw EPNGError(PngErrNoPalette);
    if (AlphaSource != nullptr && AlphaSource != Bitmap && !AlphaSource->isEmpty() &&
        AlphaSource->width() == Bitmap->width() && AlphaSource->height() == Bitmap->height() &&
        AlphaSource->pixelFormat() == PixelFormat::pf8bit)
        AlphaBitmap = AlphaSource;

    StartCallBack();
    SetCallBackParam(1, 10, 30);
    if (WriteSignature) {
        static const std::uint8_t signature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
        WriteByte(signature, 8);
    }
    WriteIHDR();
    WritetIMe();
    WritetExt();
    WriteTextMes("Software", "TLCPNG ver 3.4");
    WritetpNg();
    WritegIFg();
    WritegAMA();
    WritecHRM();
    WritesBIT();
    WritePLTE();
    WritebKGD();
    WritetRNS();
    WritepHYs();
    DoCallBack(10);
    if (Aborted)
        return;
    WriteImage();
    if (Aborted)
        return;
    WriteChunk(pngChunkType("IEND"), nullptr, 0);
    EndCallBack();
}

void TPNGWriteStream::GetBufMem() {
    FreeBufMem();
    const int line = (GetLineSize(Bitmap->width(), PNGInfo.PixelBits) + 39) / 32 * 32;
    // Behind the four rows and the histogram: the batch of rows waiting for deflate, at least
    // two rows (each row is shorter than `line`) and 8 bytes of slack.
    const int batch = std::max(16384, 2 * line);
    const std::size_t size = 4 * static_cast<std::size_t>(line) + 1064 + batch + 8;
    BufMem = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    const auto address = reinterpret_cast<std::uintptr_t>(BufMem.get());
    std::uint8_t* base = BufMem.get() + ((32 - address % 32) % 32);
    PNGInfo.CurLine = base;
    PNGInfo.PrevLine = base + line;
    PNGInfo.OutLine = base + 2 * static_cast<std::size_t>(line);
    PNGInfo.TrialLine = base + 3 * static_cast<std::size_t>(line);
    PNGInfo.Histogram = reinterpret_cast<std::uint32_t*>(base + 4 * static_cast<std::size_t>(line));
    PNGInfo.Batch = base + 4 * static_cast<std::size_t>(line) + 1024;
    PNGInfo.BatchCapacity = batch;
    PNGInfo.BatchUsed = 0;
}

void TPNGWriteStream::FreeBufMem() {
    BufMem.reset();
    PNGInfo.CurLine = PNGInfo.PrevLine = PNGInfo.OutLine = PNGInfo.TrialLine = nullptr;
    PNGInfo.Histogram = nullptr;
    PNGInfo.Batch = nullptr;
    PNGInfo.BatchCapacity = PNGInfo.BatchUsed = 0;
}

} // namespace tintlace
