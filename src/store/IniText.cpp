#include "store/IniText.h"

#include "store/TextLines.h"

#include <vector>

namespace tintlace {

namespace {

std::string_view trimBlanks(std::string_view s) {
    std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    std::size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The section name of a "[Name]" line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(line.substr(1, close - 1));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> entryOf(std::string_view line) {
    std::string_view trimmed = trimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
        return std::nullopt;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return Entry{trimBlanks(line.substr(0, eq)), trimBlanks(line.substr(eq + 1))};
}

// Where a key stands, or would stand, in the lines.
struct Location {
    std::optional<std::size_t> section; // index of the section line
    std::optional<std::size_t> entry;   // index of the key's line
    std::size_t lastContent = 0;        // last non-blank line of the section
    std::string_view value;             // the entry's raw value
};

Location locate(const std::vector<RawLine>& lines, std::string_view section, std::string_view key) {
    Location where;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::optional<std::string_view> name = sectionName(lines[i].text);
        if (!where.section) {
            if (name && sameName(*name, section)) {
                where.section = i;
                where.lastContent = i;
            }
            continue;
        }
        if (name)
            break; // the next section
        if (!trimBlanks(lines[i].text).empty())
            where.lastContent = i;
        if (where.entry)
            continue;
        if (std::optional<Entry> entry = entryOf(lines[i].text);
            entry && sameName(entry->key, key)) {
            where.entry = i;
            where.value = entry->value;
        }
    }
    return where;
}

std::string joinLines(const std::vector<RawLine>& lines) {
    std::string text;
    for (const RawLine& line : lines)
        text += line.text + line.end;
    return text;
}

} // namespace

std::optional<std::string> iniValue(std::string_view text, std::string_view section,
                                    std::string_view key) {
    std::vector<RawLine> lines = splitRawLines(text);
    Location where = locate(lines, section, key);
    if (!where.entry)
        return std::nullopt;
    std::string_view value = where.value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string withIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value) {
    std::vector<RawLine> lines = splitRawLines(text);
    std::string newline = "\n";
    for (const RawLine& line : lines) {
        if (!line.end.empty()) {
            newline = line.end;
            break;
        }
    }
    std::string entryLine = std::string(key) + "=" + std::string(value);

    Location where = locate(lines, section, key);
    if (where.entry) {
        lines[*where.entry].text = entryLine;
    } else if (where.section) {
        RawLine& previous = lines[where.lastContent];
        if (previous.end.empty())
            previous.end = newline; // it was the last line of the text
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(where.lastContent) + 1,
                     RawLine{entryLine, newline});
    } else {
        if (!lines.empty()) {
            if (lines.back().end.empty())
                lines.back().end = newline;
            if (!trimBlanks(lines.back().text).empty())
                lines.push_back({"", newline});
        }
        lines.push_back({"[" + std::string(section) + "]", newline});
        lines.push_back({entryLine, newline});
    }
    return joinLines(lines);
}

} // namespace tintlace
