#pragma once
// The Qt boundary of the program's text: widgets hold Unicode, the program holds CP932 bytes.
#include "platform/Cp932.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace tintlace {

// Bytes that are not CP932 become U+FFFD.
inline QString fromCp932(std::string_view cp932) {
    return QString::fromStdString(cp932ToUtf8(cp932));
}

// nullopt when some character has no CP932 form.
inline std::optional<std::string> toCp932(const QString& text) {
    return utf8ToCp932(text.toStdString());
}

} // namespace tintlace
