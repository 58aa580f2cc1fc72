#include "store/SchemeFolder.h"

#include "platform/Cp932.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace tintlace {

namespace {

constexpr std::string_view extension = ".tlc";

std::string fileNameOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

bool isSafeSchemeName(std::string_view name) {
    if (name.empty() || name.front() == '.')
        return false; // also "." and ".."
    for (std::size_t pos = 0; pos < name.size();) {
        std::size_t length = charLengthAt(name, pos);
        if (length == 1 && (name[pos] == '/' || name[pos] == '\\' || name[pos] == '\0'))
            return false;
        pos += length;
    }
    // Invalid bytes would turn into U+FFFD in the file name: another name's file, or one that
    // could never be listed under this name.
    std::optional<std::string> roundTrip = utf8ToCp932(cp932ToUtf8(name));
    return roundTrip && *roundTrip == name;
}

std::string schemeFilePath(const std::string& schemeDir, std::string_view cp932Name) {
    return schemeDir + cp932ToUtf8(cp932Name) + std::string(extension);
}

bool isOrdinarySchemeFile(const std::string& utf8Path) {
    std::string name = fileNameOf(utf8Path);
    if (name.empty() || name.front() == '.')
        return false;
    struct stat info {};
    return ::stat(utf8Path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::vector<std::string> listSchemeNames(const std::string& schemeDir) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(schemeDir, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::string fileName = it->path().filename().string();
        if (fileName.size() <= extension.size() || !fileName.ends_with(extension))
            continue;
        if (!isOrdinarySchemeFile(it->path().string()))
            continue;
        std::optional<std::string> name =
            utf8ToCp932(std::string_view(fileName).substr(0, fileName.size() - extension.size()));
        if (name && isSafeSchemeName(*name))
            names.push_back(std::move(*name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

void ensureSchemeDir(const std::string& schemeDir) {
    ::mkdir(schemeDir.c_str(), 0777);
}

bool deleteSchemeFile(const std::string& utf8Path) {
    return ::unlink(utf8Path.c_str()) == 0;
}

} // namespace tintlace
