#include "store/IniFile.h"

#include "platform/UserError.h"
#include "store/DecimalInt.h"
#include "store/FileIo.h"
#include "store/IniText.h"

namespace tintlace {

std::optional<std::string> IniFile::readValue(std::string_view section,
                                              std::string_view key) const {
    FileContents file = readWholeFile(m_path);
    if (file.status != FileContents::Status::Ok)
        return std::nullopt;
    return iniValue(file.bytes, section, key);
}

void IniFile::writeValue(std::string_view section, std::string_view key, std::string_view value) {
    FileContents file = readWholeFile(m_path);
    // An existing file that cannot be read must not be replaced by one holding a single entry.
    if (file.status == FileContents::Status::Failed)
        throw cannotWriteError(m_path);
    if (!replaceFileAtomically(m_path, withIniValue(file.bytes, section, key, value)))
        throw cannotWriteError(m_path);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    std::optional<std::string> text = readValue(section, key);
    if (!text)
        return defaultValue;
    return parseDecimalInt(*text).value_or(defaultValue);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeValue(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeValue(section, key, value ? "1" : "0");
}

} // namespace tintlace
