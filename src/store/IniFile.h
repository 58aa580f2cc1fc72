#pragma once
// A small ini file on disk. Every read looks at the file as it is now; every write changes
// one entry and puts the whole file back at once (temporary file renamed over the old one),
// so the file never stands half-written. How names and lines are handled: IniText.h.
#include <optional>
#include <string>
#include <string_view>

namespace tintlace {

class IniFile {
public:
    explicit IniFile(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }

    // A missing or unreadable file, section or key, or a value that is no decimal integer,
    // gives the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Read as an integer by the same rule; any value other than 0 is true.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Throw cannotWriteError(path) when the file cannot be written; the old file then stays
    // exactly as it was. A write creates a missing file (not a missing folder).
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

private:
    std::optional<std::string> readValue(std::string_view section, std::string_view key) const;
    void writeValue(std::string_view section, std::string_view key, std::string_view value);

    std::string m_path;
};

} // namespace tintlace
