#pragma once
// Deflate glue of the PNG encoder: the one owner of a zlib deflate stream, the deflate and
// row-encoding state records, the encode functions that hand each full output buffer to a
// flush procedure, and the per-row filter choice.
#include "png/PngFilter.h"

#include <zlib.h>

#include <cstdint>
#include <memory>

namespace tintlace {

// Owns one z_stream set up for deflate with 15 window bits, memory level 8 and the default
// strategy. Every call returns zlib's own result code for the caller to check; the stream is
// ended when the object goes, whatever state it is in.
class ZDeflate {
public:
    ZDeflate() = default;
    ~ZDeflate();
    ZDeflate(const ZDeflate&) = delete;
    ZDeflate& operator=(const ZDeflate&) = delete;

    // Ends an earlier stream, then deflateInit2 with `level` (-1 = zlib's default).
    int init(int level);
    bool active() const { return m_active; }
    // Z_STREAM_ERROR when no stream is set up.
    int deflate(int flush);
    int reset();
    int end();
    z_stream& stream() { return m_stream; }
    const z_stream& stream() const { return m_stream; }

private:
    z_stream m_stream{};
    bool m_active = false;
};

struct TZLIBInfo;
// Receives each full output buffer and the last partial one; non-zero stops the encoding.
using TFlushProc = int (*)(TZLIBInfo& info);

struct TZLIBInfo {
    void* Owner = nullptr;
    ZDeflate ZStream;
    std::unique_ptr<std::uint8_t[]> OutBuf;
    int OutBufSize = 0;
    TFlushProc FlushProc = nullptr;

    // Bytes of OutBuf filled and not yet handed to FlushProc.
    int pendingBytes() const { return OutBufSize - static_cast<int>(ZStream.stream().avail_out); }
};

struct TPNGInfo : TZLIBInfo {
    int LineBytes = 0;                 // bytes of one row of the pass, filter-type byte included
    std::uint8_t* CurLine = nullptr;   // raw pixel bytes of the row being encoded
    std::uint8_t* PrevLine = nullptr;  // raw bytes of the row above; zeros before a pass's first
    int PixelBits = 0;                 // bits per PNG pixel: 1, 4, 8, 16, 24 or 32
    int FilterType = 0;                // a TPNGFilterType value
    int BitCount = 0;                  // bits per pixel handed to the row encoder
    std::uint8_t* OutLine = nullptr;   // filter-type byte and filtered row
    std::uint8_t* TrialLine = nullptr; // the same for a filter under trial
    std::uint32_t* Histogram = nullptr;
    // Filtered rows wait here, each behind its filter-type byte, until the batch is full;
    // deflate then takes them in one call instead of one call a row (same stream, less work).
    std::uint8_t* Batch = nullptr;
    int BatchCapacity = 0; // bytes, with 8 bytes of slack behind them
    int BatchUsed = 0;
};

// Output buffer of `bufsize` bytes (outside 1..262143: 32768) and a deflate stream at `level`.
// 0 when ready, -1 when either could not be set up.
int ZLIBEncodeInit(TZLIBInfo& info, int level, int bufsize);
// Compresses `length` bytes; negative on a deflate error, FlushProc's result when it stops.
int ZLIBEncode(TZLIBInfo& info, const void* data, int length);
// Finishes the stream, hands out the rest and resets the stream for another one.
int ZLIBEncodeFlush(TZLIBInfo& info);
// Frees the output buffer and ends the stream; returns deflateEnd's result.
int ZLIBEncodeFinish(TZLIBInfo& info);

// Leaves the filter-type byte and the filtered row in OutLine, choosing the filter as
// FilterType says (gpfJust: the best-scoring row). May exchange OutLine and TrialLine.
void SelectRowFilter(TPNGInfo& info);
// Where the next row of LineBytes bytes goes in the batch; compresses the waiting rows first
// when it would not fit. nullptr with the negative result in `result` on a deflate error.
std::uint8_t* png_batch_slot(TPNGInfo& info, int& result);
// Compresses the rows waiting in the batch; negative on error.
int png_flush_rows(TPNGInfo& info);
// Filters the row in CurLine into the batch (compressing when the batch is full); negative on
// error.
int png_write_line(TPNGInfo& info);

} // namespace tintlace
