#pragma once
// Buffered output for the picture writers: bytes gather in a 64 KiB buffer and reach the
// destination in large blocks; 16- and 32-bit values in either byte order; a staged progress
// counter whose callback may set a stop flag that silences every later write.
#include "platform/Bitmap.h"
#include "platform/ByteSink.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tintlace {

class TCustomWriteStream {
public:
    static constexpr int BufferSize = 65536;
    // Blocks at least this large skip the buffer and go straight to the destination.
    static constexpr int DirectWriteSize = 65520;

    TCustomWriteStream();
    // Frees the buffer without flushing: callers flush first.
    virtual ~TCustomWriteStream();
    TCustomWriteStream(const TCustomWriteStream&) = delete;
    TCustomWriteStream& operator=(const TCustomWriteStream&) = delete;

    // New destination (not owned); bytes pending for an earlier one are dropped.
    void SetWriteStream(ByteSink* stream);

    // A block write; a count of 0 does nothing, a negative one throws std::invalid_argument.
    void WriteByte(const void* data, int count);
    void Write1Byte(int value);
    void WriteWord(int value);   // least significant byte first
    void WriteMWord(int value);  // most significant byte first
    void WriteDWord(int value);  // least significant byte first
    void WriteMDWord(int value); // most significant byte first
    void WriteBuf();
    void FlushStream();

    void StartCallBack();
    // Opens the next progress stage of `steps` steps covering `percent` of what is left
    // (0 or 100 and above: all of it). The first argument is ignored.
    void SetCallBackParam(int reserved, int steps, int percent);
    void DoCallBack(int step);
    void EndCallBack();
    // Receives every progress value; returning true stops all further writes.
    virtual bool CallBackProc(int percent);

    int GetBufCount() const { return BufCount; }
    std::int64_t GetWrittenSize() const { return WrittenSize; }
    bool GetAborted() const { return Aborted; }

    std::string ProgressMessage;

protected:
    int ProgressBase = 0;
    int ProgressPos = 0;
    int StageSpan = 0;
    int ProgressRest = 0;
    int StageSteps = 1;
    int StageMode = 0;
    int BufCount = 0;
    std::int64_t WrittenSize = 0;
    std::unique_ptr<std::uint8_t[]> Buffer;
    std::uint8_t* BufPtr = nullptr;
    ByteSink* Stream = nullptr;
    bool Aborted = false;

private:
    std::uint8_t* reserve(int n);
};

// A writer of one picture format: holds the bitmap being written and forwards progress to
// the bitmap's progress handler.
class TCustomGraphicWriteStream : public TCustomWriteStream {
public:
    // Writes the whole picture of `bitmap` to `stream`, then flushes the buffer.
    void SaveToStream(const tintlace::Bitmap* bitmap, ByteSink* stream);
    bool CallBackProc(int percent) override;

protected:
    virtual void WriteStream() = 0;

    const tintlace::Bitmap* Bitmap = nullptr;
};

// Bits per pixel of a pixel format as the writers count them (pf15bit counts 15).
int PixelBitCount(PixelFormat format);

} // namespace tintlace
