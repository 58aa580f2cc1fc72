#include "platform/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <stdexcept>

namespace tintlace {

namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle openConverter(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    return IconvHandle(cd);
}

// Converts one piece; returns false when iconv stops on an invalid or unconvertible sequence.
// `consumed` tells how far the input was read.
bool convertPiece(void* cd, std::string_view in, std::string& out, std::size_t& consumed) {
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char buffer[256];
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = iconv(static_cast<iconv_t>(cd), &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr - buffer);
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            ok = false;
            break;
        }
        if (rc > 0) { // glibc counts irreversible conversions; treat them as unrepresentable
            ok = false;
            break;
        }
    }
    consumed = in.size() - inLeft;
    return ok;
}

} // namespace

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t charLengthAt(std::string_view text, std::size_t pos) {
    if (pos + 1 < text.size() && isLeadByte(static_cast<unsigned char>(text[pos])))
        return 2;
    return 1;
}

std::string cutToBytes(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t next = end + charLengthAt(text, end);
        if (next > maxBytes)
            break;
        end = next;
    }
    return std::string(text.substr(0, end));
}

std::string ansiLowerCase(std::string_view text) {
    std::string out(text);
    for (std::size_t pos = 0; pos < out.size();) {
        std::size_t len = charLengthAt(out, pos);
        if (len == 1 && out[pos] >= 'A' && out[pos] <= 'Z')
            out[pos] = static_cast<char>(out[pos] - 'A' + 'a');
        pos += len;
    }
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    IconvHandle cd = openConverter("CP932", "UTF-8");
    std::string out;
    std::size_t consumed = 0;
    if (!convertPiece(cd.get(), utf8, out, consumed))
        return std::nullopt;
    return out;
}

std::string cp932ToUtf8(std::string_view cp932) {
    IconvHandle cd = openConverter("UTF-8", "CP932");
    std::string out;
    std::size_t pos = 0;
    while (pos < cp932.size()) {
        std::size_t consumed = 0;
        if (convertPiece(cd.get(), cp932.substr(pos), out, consumed))
            break;
        pos += consumed;
        out += "\xEF\xBF\xBD"; // U+FFFD for the byte that could not be converted
        pos += charLengthAt(cp932, pos);
        iconv(static_cast<iconv_t>(cd.get()), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

} // namespace tintlace
