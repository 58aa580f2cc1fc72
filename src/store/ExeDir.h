#pragma once
// The folder that holds the settings file and the scheme folder.
#include <string>

namespace tintlace {

// `executableFolder` with a trailing "/" when that folder is writable by this user; otherwise
// the per-user folder "$XDG_CONFIG_HOME/tintlace/" ("~/.config/tintlace/" when the variable is
// unset, empty or not an absolute path), created with its parents when missing. A folder that
// cannot be created is still returned: the writes into it then report the failure.
std::string resolveExeDir(const std::string& executableFolder);

// The scheme folder inside `exeDir` (which ends in "/").
std::string schemeDirFor(const std::string& exeDir);

} // namespace tintlace
