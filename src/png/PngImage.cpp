// The image data of TPNGWriteStream: rows in pass order, converted, filtered and deflated
// into one zlib stream that leaves as IDAT chunks.
#include "png/Adam7.h"
#include "png/PngStream.h"

#include <cstring>
#include <utility>

namespace tintlace {

namespace {
// Source bytes per pixel for the pass geometry; 1- and 4-bit sources count pixels.
int sourceBytesPerPixel(int srcBits) {
    switch (srcBits) {
    case 15:
    case 16:
        return 2;
    case 24:
        return 3;
    case 32:
        return 4;
    default:
        return 1;
    }
}
} // namespace

void TPNGWriteStream::SetPassGeometry(int startCol, int colStep, int passWidth) {
    const int bytes = sourceBytesPerPixel(SrcBits);
    PassWidth = passWidth;
    PassStartCol = startCol;
    PassColStep = colStep;
    PassStartByte = startCol * bytes;
    PassByteStep = colStep * bytes;
}

void TPNGWriteStream::WriteImage() {
    GetBufMem();
    if (GrayOutput && SrcBits <= 8)
        SetGrayScalePaletteIndex();
    const int level = (CompressLevel >= 0 && CompressLevel <= 9) ? CompressLevel : -1;
    if (ZLIBEncodeInit(PNGInfo, level, IDATSize) != 0)
        throw EPNGError(PngErrWriteImage);
    PNGInfo.FilterType = Filter;

    const int w = Bitmap->width();
    const int h = Bitmap->height();
    const bool adam7 = Interlace == gptAdam7;
    SetCallBackParam(1, adam7 ? adam7TotalRows(h) : h, 0);

    static constexpr Adam7Pass wholeImage[1] = {{0, 1, 0, 1}};
    const Adam7Pass* passes = adam7 ? Adam7Passes.data() : wholeImage;
    const int passCount = adam7 ? static_cast<int>(Adam7Passes.size()) : 1;

    // With filter None no row needs the row above.
    const bool plainRows = Filter == gpfNone || Filter > gpfPaeth;
    std::uint8_t* const rowBuffer = PNGInfo.CurLine;
    int c = 1;
    for (int pass = 0; pass < passCount && !Aborted; ++pass) {
        const Adam7Pass& p = passes[pass];
        const int passWidth = adam7Count(w, p.startCol, p.colStep);
        const int passRows = adam7Count(h, p.startRow, p.rowStep);
        if (passWidth == 0 || passRows == 0)
            continue;
        SetPassGeometry(p.startCol, p.colStep, passWidth);
        PNGInfo.LineBytes =
            static_cast<int>((static_cast<std::int64_t>(PassWidth) * PNGInfo.PixelBits + 7) / 8) +
            1;
        std::memset(PNGInfo.PrevLine, 0, static_cast<std::size_t>(PNGInfo.LineBytes));
        for (int r = p.startRow; r < h; r += p.rowStep) {
            const std::uint8_t* alpha = HasAlpha ? AlphaBitmap->scanLine(r) : nullptr;
            if (plainRows) {
                // Filter type 0: the converted row is the filtered row, so it is made in place
                // in the batch, behind its type byte.
                int result = 0;
                std::uint8_t* slot = png_batch_slot(PNGInfo, result);
                if (slot == nullptr)
                    throw EPNGError(PngErrWriteImage);
                slot[0] = pfbNone;
                PNGInfo.CurLine = slot + 1;
                GetLinePixels(Bitmap->scanLine(r), alpha);
                if (!Password.empty() && OnEncode)
                    OnEncode(*this, PNGInfo.CurLine, PNGInfo.LineBytes - 1, c - 1, Password);
                PNGInfo.CurLine = rowBuffer;
                PNGInfo.BatchUsed += PNGInfo.LineBytes;
            } else {
                GetLinePixels(Bitmap->scanLine(r), alpha);
                if (!Password.empty() && OnEncode)
                    OnEncode(*this, PNGInfo.CurLine, PNGInfo.LineBytes - 1, c - 1, Password);
                if (png_write_line(PNGInfo) < 0)
                    throw EPNGError(PngErrWriteImage);
                std::swap(PNGInfo.CurLine, PNGInfo.PrevLine);
            }
            if (c % 4 == 2 || h < 4)
                DoCallBack(c);
            ++c;
            if (Aborted)
                break;
        }
    }

    // The end of the stream must reach the file: a failure here is a write error, not a
    // silently truncated picture.
    if (png_flush_rows(PNGInfo) < 0 || ZLIBEncodeFlush(PNGInfo) < 0 ||
        ZLIBEncodeFinish(PNGInfo) != Z_OK)
        throw EPNGError(PngErrWriteImage);
    FreeBufMem();
}

} // namespace tintlace
