#pragma once
// Where written bytes go. A write either takes every byte or throws; there is no partial write.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tintlace {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes all `count` bytes or throws (the sink then holds what it took before the error).
    virtual void write(const void* data, std::size_t count) = 0;
};

// Gathers everything in memory.
class MemorySink : public ByteSink {
public:
    void write(const void* data, std::size_t count) override;
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace tintlace
