#pragma once
// 24-bit BMP files: a file header, an information header and the rows bottom-up, each padded
// to a multiple of 4 bytes.
#include "platform/Bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tintlace {

// The whole file of a 24-bit, non-empty bitmap (std::invalid_argument otherwise).
std::vector<std::uint8_t> bmp24FileBytes(const Bitmap& bitmap);

// Writes the file to `utf8Path`, replacing an existing file only once every byte is written.
// Any failure leaves no new or half-written file and raises cannotCreateFileError(utf8Path).
void saveBmp24(const Bitmap& bitmap, const std::string& utf8Path);

} // namespace tintlace
