#pragma once
// The window position and the twelve options kept in "tintlace.ini" from one run to the next.
#include <string>

namespace tintlace {

// Defaults are the values used when the file, a section or a key is missing.
struct Settings {
    int X = 0, Y = 0;
    bool OnlyLeft = false, AutoCenter = false, AutoRight = false, Return = false, ReturnLast = true,
         Small = true, Comment = false, UseQuotation = false, UsePoint = false, UsePNG = true,
         Use16 = true, ColorValue = false;

    bool operator==(const Settings&) const = default;
};

// The file name inside the executable's folder.
inline constexpr const char* SettingsFileName = "tintlace.ini";

// Reads the fourteen entries; never fails (anything unreadable gives its default). The three
// automatic colour-stop boxes come back as stored; the window applies them in reading order
// (OnlyLeft, AutoCenter, AutoRight), so the last one checked wins.
Settings readSettings(const std::string& iniPath);

// Writes the fourteen entries one by one in the file's order (Position X, Y; Option OnlyLeft,
// AutoCenter, AutoRight; TagOption Return, ReturnLast, Small, Comment, UseQuotation;
// SCCOption UsePoint; GrpOption UsePNG; Option Use16, ColorValue). Throws cannotWriteError at
// the first entry that cannot be written; the entries before it are saved.
void writeSettings(const std::string& iniPath, const Settings& settings);

} // namespace tintlace
