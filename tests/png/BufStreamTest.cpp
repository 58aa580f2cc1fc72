#include "png/BufStream.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace tintlace {
namespace {

// Remembers every block the writer hands over.
class RecordingSink : public ByteSink {
public:
    void write(const void* data, std::size_t count) override {
        const auto* p = static_cast<const std::uint8_t*>(data);
        blocks.emplace_back(p, p + count);
    }
    std::vector<std::size_t> sizes() const {
        std::vector<std::size_t> s;
        for (const auto& b : blocks)
            s.push_back(b.size());
        return s;
    }
    std::vector<std::vector<std::uint8_t>> blocks;
};

// Records progress values and stops the writer once a chosen value is reached.
class ProgressRecorder : public TCustomWriteStream {
public:
    bool CallBackProc(int percent) override {
        reported.push_back(percent);
        return stopAt >= 0 && percent >= stopAt;
    }
    std::vector<int> reported;
    int stopAt = -1;
};

TEST(BufStream, BufferNeverFillsCompletely) {
    RecordingSink sink;
    TCustomWriteStream w;
    w.SetWriteStream(&sink);
    for (int i = 0; i < 65535; ++i)
        w.Write1Byte(i);
    EXPECT_EQ(w.GetBufCount(), 65535);
    EXPECT_TRUE(sink.blocks.empty());
    w.Write1Byte(7);
    EXPECT_EQ(sink.sizes(), std::vector<std::size_t>{65535});
    EXPECT_EQ(w.GetBufCount(), 1);
    EXPECT_EQ(sink.blocks[0][300], 300 & 0xFF);
}

TEST(BufStream, FourByteWriteFlushesWhenItWouldReachTheEnd) {
    RecordingSink sink;
    TCustomWriteStream w;
    w.SetWriteStream(&sink);
    std::vector<std::uint8_t> block(32766, 1);
    w.WriteByte(block.data(), 32766);
    w.WriteByte(block.data(), 32766);
    ASSERT_EQ(w.GetBufCount(), 65532);
    EXPECT_TRUE(sink.blocks.empty());
    w.WriteMDWord(0x01020304);
    EXPECT_EQ(sink.sizes(), std::vector<std::size_t>{65532});
    EXPECT_EQ(w.GetBufCount(), 4);
}

TEST(BufStream, LargeBlocksBypassTheBufferInOrder) {
    struct Case {
        const char* name;
        int buffered;
        int block;
        std::vector<std::size_t> writes;
        int left;
    };
    const Case cases[] = {
        {"65520 bytes go straight out after the buffered ones", 10, 65520, {10, 65520}, 0},
        {"65519 bytes are buffered after a flush", 17, 65519, {17}, 65519},
        {"a small block joins the buffer", 17, 100, {}, 117},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSink sink;
        TCustomWriteStream w;
        w.SetWriteStream(&sink);
        std::vector<std::uint8_t> head(static_cast<std::size_t>(c.buffered), 0xAA);
        std::vector<std::uint8_t> block(static_cast<std::size_t>(c.block), 0xBB);
        w.WriteByte(head.data(), c.buffered);
        w.WriteByte(block.data(), c.block);
        EXPECT_EQ(sink.sizes(), c.writes);
        EXPECT_EQ(w.GetBufCount(), c.left);
        w.FlushStream();
        EXPECT_EQ(w.GetWrittenSize(), c.buffered + c.block);
        std::vector<std::uint8_t> all;
        for (const auto& b : sink.blocks)
            all.insert(all.end(), b.begin(), b.end());
        head.insert(head.end(), block.begin(), block.end());
        EXPECT_EQ(all, head);
    }
}

TEST(BufStream, ByteOrders) {
    RecordingSink sink;
    TCustomWriteStream w;
    w.SetWriteStream(&sink);
    w.WriteMDWord(0x11223344);
    w.WriteDWord(0x11223344);
    w.WriteMWord(0x1234);
    w.WriteWord(0x1234);
    w.Write1Byte(0x1FF);
    w.FlushStream();
    const std::vector<std::uint8_t> expected = {0x11, 0x22, 0x33, 0x44, 0x44, 0x33, 0x22,
                                                0x11, 0x12, 0x34, 0x34, 0x12, 0xFF};
    ASSERT_EQ(sink.blocks.size(), 1u);
    EXPECT_EQ(sink.blocks[0], expected);
}

TEST(BufStream, ZeroByteBlockDoesNothingAndNegativeIsRefused) {
    RecordingSink sink;
    TCustomWriteStream w;
    w.SetWriteStream(&sink);
    w.WriteByte(nullptr, 0);
    EXPECT_EQ(w.GetBufCount(), 0);
    EXPECT_THROW(w.WriteByte("x", -1), std::invalid_argument);
}

TEST(BufStream, SetWriteStreamDropsPendingBytes) {
    RecordingSink first, second;
    TCustomWriteStream w;
    w.SetWriteStream(&first);
    w.WriteMDWord(1);
    w.SetWriteStream(&second);
    w.Write1Byte(9);
    w.FlushStream();
    EXPECT_TRUE(first.blocks.empty());
    EXPECT_EQ(second.blocks, (std::vector<std::vector<std::uint8_t>>{{9}}));
}

TEST(BufStream, DestinationErrorsPropagate) {
    struct FailingSink : ByteSink {
        void write(const void*, std::size_t) override { throw std::runtime_error("disk full"); }
    } sink;
    TCustomWriteStream w;
    w.SetWriteStream(&sink);
    std::vector<std::uint8_t> big(70000);
    EXPECT_THROW(w.WriteByte(big.data(), 70000), std::runtime_error);
}

TEST(BufStream, StagedProgress) {
    ProgressRecorder w;
    w.StartCallBack();
    w.SetCallBackParam(1, 10, 30);
    w.DoCallBack(5);
    w.DoCallBack(5);
    w.DoCallBack(10);
    EXPECT_EQ(w.reported, (std::vector<int>{0, 14, 29}));
    // The next stage with percent 0 takes the remaining 70 over its steps.
    w.SetCallBackParam(1, 7, 0);
    w.DoCallBack(1);
    w.DoCallBack(7);
    w.EndCallBack();
    EXPECT_EQ(w.reported, (std::vector<int>{0, 14, 29, 39, 99, 100}));
}

TEST(BufStream, StageParameterEdges) {
    struct Case {
        const char* name;
        int steps;
        int percent;
        int step;
        int reported;
    };
    const Case cases[] = {
        {"steps 0 act as 1", 0, 50, 1, 49},
        {"percent 0 takes all that is left", 2, 0, 2, 99},
        {"percent 100 takes all that is left", 2, 100, 1, 49},
        {"percent above 100 takes all that is left", 1, 150, 1, 99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgressRecorder w;
        w.StartCallBack();
        w.SetCallBackParam(1, c.steps, c.percent);
        w.DoCallBack(c.step);
        EXPECT_EQ(w.reported.back(), c.reported);
    }
}

TEST(BufStream, StopFlagSilencesEveryWrite) {
    RecordingSink sink;
    ProgressRecorder w;
    w.stopAt = 0;
    w.SetWriteStream(&sink);
    w.StartCallBack();
    ASSERT_TRUE(w.GetAborted());
    std::vector<std::uint8_t> big(70000), small(10);
    w.WriteByte(big.data(), 70000);
    w.WriteByte(small.data(), 10);
    w.Write1Byte(1);
    w.WriteWord(1);
    w.WriteMWord(1);
    w.WriteDWord(1);
    w.WriteMDWord(1);
    w.FlushStream();
    EXPECT_EQ(w.GetBufCount(), 0);
    EXPECT_TRUE(sink.blocks.empty());
    // Only a new start clears the flag.
    w.stopAt = -1;
    w.StartCallBack();
    w.Write1Byte(1);
    EXPECT_EQ(w.GetBufCount(), 1);
}

// The graphic writer forwards progress to the bitmap with the stage of each value.
class NullWriter : public TCustomGraphicWriteStream {
protected:
    void WriteStream() override {
        StartCallBack();
        SetCallBackParam(1, 2, 0);
        DoCallBack(1);
        EndCallBack();
    }
};

TEST(GraphicWriteStream, ProgressReachesTheBitmap) {
    Bitmap bitmap(2, 2, PixelFormat::pf24bit);
    struct Report {
        const Bitmap* sender;
        ProgressStage stage;
        int percent;
        bool redraw;
    };
    std::vector<Report> reports;
    bitmap.onProgress = [&](const Bitmap& sender, ProgressStage stage, int percent, bool redraw,
                            const ProgressRect& rect, const std::string& message) {
        EXPECT_EQ(rect, ProgressRect{});
        EXPECT_EQ(message, "");
        reports.push_back({&sender, stage, percent, redraw});
    };
    RecordingSink sink;
    NullWriter w;
    w.SaveToStream(&bitmap, &sink);
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].stage, ProgressStage::psStarting);
    EXPECT_EQ(reports[0].percent, 0);
    EXPECT_EQ(reports[1].stage, ProgressStage::psRunning);
    EXPECT_EQ(reports[1].percent, 49);
    EXPECT_EQ(reports[2].stage, ProgressStage::psEnding);
    EXPECT_EQ(reports[2].percent, 100);
    for (const Report& r : reports) {
        EXPECT_EQ(r.sender, &bitmap);
        EXPECT_FALSE(r.redraw);
    }
    EXPECT_FALSE(w.GetAborted());
}

TEST(GraphicWriteStream, BitmapWithoutHandlerRunsToTheEnd) {
    Bitmap bitmap(2, 2, PixelFormat::pf24bit);
    RecordingSink sink;
    NullWriter w;
    w.SaveToStream(&bitmap, &sink);
    EXPECT_FALSE(w.GetAborted());
}

TEST(PixelBitCount, EveryFormat) {
    EXPECT_EQ(PixelBitCount(PixelFormat::pf1bit), 1);
    EXPECT_EQ(PixelBitCount(PixelFormat::pf4bit), 4);
    EXPECT_EQ(PixelBitCount(PixelFormat::pf8bit), 8);
    EXPECT_EQ(PixelBitCount(PixelFormat::pf15bit), 15);
    EXPECT_EQ(PixelBitCount(PixelFormat::pf16bit), 16);
    EXPECT_EQ(PixelBitCount(PixelFormat::pf24bit), 24);
    EXPECT_EQ(PixelBitCount(PixelFormat::pf32bit), 32);
}

} // namespace
} // namespace tintlace
