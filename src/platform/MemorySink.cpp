#include "platform/ByteSink.h"

namespace tintlace {

void MemorySink::write(const void* data, std::size_t count) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    m_bytes.insert(m_bytes.end(), bytes, bytes + count);
}

} // namespace tintlace
