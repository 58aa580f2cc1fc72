#include "png/PngZlib.h"

#include "png/PngTypes.h"

#include <climits>
#include <cstring>
#include <new>
#include <utility>

namespace tintlace {

ZDeflate::~ZDeflate() {
    if (m_active)
        deflateEnd(&m_stream); // only reached on an error path; its result has no use there
}

int ZDeflate::init(int level) {
    if (m_active)
        end();
    m_stream = z_stream{};
    m_stream.zalloc = Z_NULL;
    m_stream.zfree = Z_NULL;
    m_stream.opaque = Z_NULL;
    const int result = deflateInit2(&m_stream, level, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY);
    m_active = result == Z_OK;
    return result;
}

int ZDeflate::deflate(int flush) {
    return m_active ? ::deflate(&m_stream, flush) : Z_STREAM_ERROR;
}

int ZDeflate::reset() {
    return m_active ? deflateReset(&m_stream) : Z_STREAM_ERROR;
}

int ZDeflate::end() {
    if (!m_active)
        return Z_STREAM_ERROR;
    m_active = false;
    return deflateEnd(&m_stream);
}

namespace {

// Hands the filled output buffer to FlushProc and makes the whole buffer free again.
int flushOutput(TZLIBInfo& info) {
    const int result = info.FlushProc ? info.FlushProc(info) : 0;
    if (result != 0)
        return result;
    z_stream& z = info.ZStream.stream();
    z.next_out = info.OutBuf.get();
    z.avail_out = static_cast<uInt>(info.OutBufSize);
    return 0;
}

} // namespace

int ZLIBEncodeInit(TZLIBInfo& info, int level, int bufsize) {
    if (bufsize <= 0 || bufsize >= 262144)
        bufsize = 32768;
    if (info.OutBuf)
        ZLIBEncodeFinish(info);
    info.OutBuf.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(bufsize)]);
    if (!info.OutBuf)
        return -1;
    info.OutBufSize = bufsize;
    if (info.ZStream.init(level) != Z_OK)
        return -1;
    z_stream& z = info.ZStream.stream();
    z.next_out = info.OutBuf.get();
    z.avail_out = static_cast<uInt>(bufsize);
    return 0;
}

int ZLIBEncode(TZLIBInfo& info, const void* data, int length) {
    z_stream& z = info.ZStream.stream();
    z.next_in = static_cast<Bytef*>(const_cast<void*>(data));
    z.avail_in = length > 0 ? static_cast<uInt>(length) : 0;
    int result = Z_OK;
    while (z.avail_in > 0) {
        result = info.ZStream.deflate(Z_NO_FLUSH);
        if (result < 0)
            return result;
        if (z.avail_out == 0) {
            const int flushed = flushOutput(info);
            if (flushed != 0)
                return flushed;
        }
    }
    return result;
}

int ZLIBEncodeFlush(TZLIBInfo& info) {
    z_stream& z = info.ZStream.stream();
    for (;;) {
        const int result = info.ZStream.deflate(Z_FINISH);
        if (result < 0)
            return -1;
        if (result == Z_STREAM_END)
            break;
        if (z.avail_out == 0) {
            const int flushed = flushOutput(info);
            if (flushed != 0)
                return flushed;
        }
    }
    if (info.pendingBytes() > 0) {
        const int flushed = flushOutput(info);
        if (flushed != 0)
            return flushed;
    }
    return info.ZStream.reset() == Z_OK ? 0 : -1;
}

int ZLIBEncodeFinish(TZLIBInfo& info) {
    if (info.OutBuf) {
        info.OutBuf.reset();
        info.OutBufSize = 0;
    }
    return info.ZStream.end();
}

void SelectRowFilter(TPNGInfo& info) {
    const int bpp = (info.PixelBits + 7) / 8;
    const int n = info.LineBytes - 1;
    const int m = info.LineBytes;
    if (info.FilterType != gpfJust) {
        const int type = info.FilterType <= gpfPaeth ? info.FilterType - 1 : pfbNone;
        FilterRow(type, info.CurLine, info.PrevLine, n, bpp, info.OutLine);
        return;
    }
    FilterRow(pfbNone, info.CurLine, info.PrevLine, n, bpp, info.OutLine);
    int best = RowScore(info.OutLine, m, info.PixelBits, info.Histogram);
    if (best == -1 || info.BitCount == 4)
        return;
    if (info.BitCount == 1 || info.BitCount == 8)
        best = best > INT_MAX / 2 ? INT_MAX : best * 2;
    for (int type = pfbSub; type <= pfbPaeth; ++type) {
        FilterRow(type, info.CurLine, info.PrevLine, n, bpp, info.TrialLine);
        const int score = RowScore(info.TrialLine, m, info.PixelBits, info.Histogram);
        if (score == -1 || score > best) {
            std::swap(info.OutLine, info.TrialLine);
            if (score == -1)
                return;
            best = score;
        }
    }
}

std::uint8_t* png_batch_slot(TPNGInfo& info, int& result) {
    result = 0;
    if (info.BatchUsed + info.LineBytes > info.BatchCapacity) {
        result = png_flush_rows(info);
        if (result < 0)
            return nullptr;
    }
    return info.Batch + info.BatchUsed;
}

int png_flush_rows(TPNGInfo& info) {
    if (info.BatchUsed == 0)
        return 0;
    const int result = ZLIBEncode(info, info.Batch, info.BatchUsed);
    info.BatchUsed = 0;
    return result;
}

int png_write_line(TPNGInfo& info) {
    int result = 0;
    std::uint8_t* slot = png_batch_slot(info, result);
    if (slot == nullptr)
        return result;
    // The candidates are built in the batch slot and the trial buffer; when a trial row wins,
    // it is copied into the slot.
    std::uint8_t* const trial = info.TrialLine;
    info.OutLine = slot;
    SelectRowFilter(info);
    if (info.OutLine != slot) {
        std::memcpy(slot, info.OutLine, static_cast<std::size_t>(info.LineBytes));
        info.OutLine = slot;
    }
    info.TrialLine = trial;
    info.BatchUsed += info.LineBytes;
    return result;
}

} // namespace tintlace
