#pragma once
// Scheme names and the files they stand for in the scheme folder.
//
// A scheme name is CP932 program text; its file is schemeDir + UTF-8(name) + ".tlc". Only
// ordinary files count as schemes: regular files (a link to one counts) whose name does not
// start with "." (hidden).
#include <string>
#include <string_view>
#include <vector>

namespace tintlace {

// False for a name that could reach outside the scheme folder or name no scheme file:
// empty; "." or ".."; any "/" or "\" typed as a character of its own (the second byte of a
// double-byte character such as 0x5C in "表" is part of that character and is fine, and after
// conversion to UTF-8 only "/" separates folders); a leading "." (the file would be hidden and
// never listed or loaded); a NUL byte; bytes that are not valid CP932.
bool isSafeSchemeName(std::string_view cp932Name);

// schemeDir + UTF-8(name) + ".tlc". Check the name with isSafeSchemeName first.
std::string schemeFilePath(const std::string& schemeDir, std::string_view cp932Name);

// True when the path names an existing regular file whose name does not start with ".".
bool isOrdinarySchemeFile(const std::string& utf8Path);

// The CP932 names of the ordinary "*.tlc" files of the folder, without ".tlc", sorted by
// their bytes. Names that CP932 cannot represent, or that isSafeSchemeName refuses, are passed
// over (they could not be loaded). A missing or unreadable folder gives an empty list.
std::vector<std::string> listSchemeNames(const std::string& schemeDir);

// Creates the scheme folder (one level) when it is missing. Failures are left to the write
// that follows, which reports the file it cannot create.
void ensureSchemeDir(const std::string& schemeDir);

// Removes the file (never a folder); true when it was removed.
bool deleteSchemeFile(const std::string& utf8Path);

} // namespace tintlace
