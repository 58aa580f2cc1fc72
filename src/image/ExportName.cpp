#include "image/ExportName.h"

#include "platform/Cp932.h"

namespace tintlace {

namespace {

constexpr std::size_t MaxBaseNameBytes = 8;

// Characters that a file name may not hold. Looked for byte by byte: the trail byte of a
// double-byte character equal to "\" makes the name unusable as well.
constexpr std::string_view ForbiddenBytes = "/\\*?,:;\"";

} // namespace

std::string exportBaseName(std::string_view cp932Text) {
    std::size_t start = 0;
    while (start < cp932Text.size() && static_cast<unsigned char>(cp932Text[start]) <= 32)
        ++start;
    // A lead byte in the 8th place would leave half a character: cutToBytes drops it.
    std::string name = cutToBytes(cp932Text.substr(start), MaxBaseNameBytes);
    if (std::size_t blank = name.find(' '); blank != std::string::npos)
        name.resize(blank);
    if (name.find_first_of(ForbiddenBytes) != std::string::npos)
        return "t-lace";
    return ansiLowerCase(name);
}

} // namespace tintlace
