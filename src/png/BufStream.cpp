#include "png/BufStream.h"

#include <cstring>
#include <stdexcept>

namespace tintlace {

TCustomWriteStream::TCustomWriteStream()
    : Buffer(std::make_unique_for_overwrite<std::uint8_t[]>(BufferSize)), BufPtr(Buffer.get()) {}

TCustomWriteStream::~TCustomWriteStream() = default;

void TCustomWriteStream::SetWriteStream(ByteSink* stream) {
    Stream = stream;
    BufPtr = Buffer.get();
    BufCount = 0;
    WrittenSize = 0;
}

void TCustomWriteStream::WriteBuf() {
    if (BufCount == 0)
        return;
    if (Stream == nullptr)
        throw std::logic_error("no destination stream set");
    Stream->write(Buffer.get(), static_cast<std::size_t>(BufCount));
    WrittenSize += BufCount;
    BufCount = 0;
    BufPtr = Buffer.get();
}

void TCustomWriteStream::FlushStream() {
    if (BufCount > 0)
        WriteBuf();
}

void TCustomWriteStream::WriteByte(const void* data, int count) {
    if (count < 0)
        throw std::invalid_argument("negative block size");
    if (Aborted || count == 0)
        return;
    if (count >= DirectWriteSize) {
        WriteBuf();
        if (Stream == nullptr)
            throw std::logic_error("no destination stream set");
        Stream->write(data, static_cast<std::size_t>(count));
        WrittenSize += count;
        return;
    }
    if (BufCount + count >= BufferSize)
        WriteBuf();
    std::memcpy(BufPtr, data, static_cast<std::size_t>(count));
    BufPtr += count;
    BufCount += count;
}

// Room for n more bytes (flushing first when they would fill the buffer); nullptr when
// writes are stopped.
std::uint8_t* TCustomWriteStream::reserve(int n) {
    if (Aborted)
        return nullptr;
    if (BufCount + n >= BufferSize)
        WriteBuf();
    std::uint8_t* at = BufPtr;
    BufPtr += n;
    BufCount += n;
    return at;
}

void TCustomWriteStream::Write1Byte(int value) {
    if (std::uint8_t* p = reserve(1))
        p[0] = static_cast<std::uint8_t>(value);
}

void TCustomWriteStream::WriteWord(int value) {
    if (std::uint8_t* p = reserve(2)) {
        p[0] = static_cast<std::uint8_t>(value);
        p[1] = static_cast<std::uint8_t>(value >> 8);
    }
}

void TCustomWriteStream::WriteMWord(int value) {
    if (std::uint8_t* p = reserve(2)) {
        p[0] = static_cast<std::uint8_t>(value >> 8);
        p[1] = static_cast<std::uint8_t>(value);
    }
}

void TCustomWriteStream::WriteDWord(int value) {
    if (std::uint8_t* p = reserve(4)) {
        const auto v = static_cast<std::uint32_t>(value);
        p[0] = static_cast<std::uint8_t>(v);
        p[1] = static_cast<std::uint8_t>(v >> 8);
        p[2] = static_cast<std::uint8_t>(v >> 16);
        p[3] = static_cast<std::uint8_t>(v >> 24);
    }
}

void TCustomWriteStream::WriteMDWord(int value) {
    if (std::uint8_t* p = reserve(4)) {
        const auto v = static_cast<std::uint32_t>(value);
        p[0] = static_cast<std::uint8_t>(v >> 24);
        p[1] = static_cast<std::uint8_t>(v >> 16);
        p[2] = static_cast<std::uint8_t>(v >> 8);
        p[3] = static_cast<std::uint8_t>(v);
    }
}

void TCustomWriteStream::StartCallBack() {
    ProgressBase = 0;
    ProgressPos = 0;
    StageSpan = 0;
    ProgressRest = 99;
    Aborted = false;
    Aborted = CallBackProc(0);
}

void TCustomWriteStream::SetCallBackParam(int /*reserved*/, int steps, int percent) {
    ProgressBase += StageSpan;
    ProgressPos = ProgressBase;
    ProgressRest -= StageSpan;
    StageSteps = steps != 0 ? steps : 1;
    StageMode = 1;
    StageSpan = (percent != 0 && percent < 100) ? ProgressRest * percent / 100 : ProgressRest;
}

void TCustomWriteStream::DoCallBack(int step) {
    const auto position =
        static_cast<int>(ProgressBase + static_cast<std::int64_t>(step) * StageSpan / StageSteps);
    if (position > ProgressPos) {
        ProgressPos = position;
        Aborted = CallBackProc(position);
    }
}

void TCustomWriteStream::EndCallBack() {
    Aborted = CallBackProc(100);
}

bool TCustomWriteStream::CallBackProc(int /*percent*/) {
    return false;
}

void TCustomGraphicWriteStream::SaveToStream(const tintlace::Bitmap* bitmap, ByteSink* stream) {
    SetWriteStream(stream);
    Bitmap = bitmap;
    WriteStream();
    FlushStream();
}

bool TCustomGraphicWriteStream::CallBackProc(int percent) {
    if (Bitmap == nullptr || !Bitmap->onProgress)
        return false;
    ProgressStage stage = ProgressStage::psRunning;
    if (percent == 0) {
        stage = ProgressStage::psStarting;
    } else if (percent < 1 || percent > 99) {
        stage = ProgressStage::psEnding;
        percent = 100;
    }
    Bitmap->onProgress(*Bitmap, stage, percent, false, ProgressRect{}, ProgressMessage);
    return false;
}

int PixelBitCount(PixelFormat format) {
    switch (format) {
    case PixelFormat::pf1bit:
        return 1;
    case PixelFormat::pf4bit:
        return 4;
    case PixelFormat::pf8bit:
        return 8;
    case PixelFormat::pf15bit:
        return 15;
    case PixelFormat::pf16bit:
        return 16;
    case PixelFormat::pf24bit:
        return 24;
    case PixelFormat::pf32bit:
        return 32;
    }
    return 24;
}

} // namespace tintlace
