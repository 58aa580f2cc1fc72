#include "store/DecimalInt.h"

#include "platform/Cp932.h"
#include "platform/UserError.h"

#include <charconv>
#include <limits>

namespace tintlace {

std::optional<int> parseDecimalInt(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt; // from_chars would accept a second sign
    // Parse as a wider type so that "-2147483648" fits before the sign is applied.
    long long magnitude = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    long long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

int strToInt(const std::string& cp932Text) {
    if (std::optional<int> value = parseDecimalInt(cp932Text))
        return *value;
    throw notAnIntegerError(cp932ToUtf8(cp932Text));
}

} // namespace tintlace
