#include "store/ExeDir.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tintlace {

namespace {

std::string withTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

bool isWritableFolder(const std::string& folder) {
    struct stat info {};
    return !folder.empty() && ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/tmp";
}

std::string userConfigFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
        return config;
    return withTrailingSlash(homeFolder()) + ".config";
}

} // namespace

std::string resolveExeDir(const std::string& executableFolder) {
    if (isWritableFolder(executableFolder))
        return withTrailingSlash(executableFolder);
    std::string folder = withTrailingSlash(userConfigFolder()) + "tintlace/";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

std::string schemeDirFor(const std::string& exeDir) {
    return exeDir + "tlcdata/";
}

} // namespace tintlace
