#include "store/Settings.h"

#include "store/IniFile.h"

namespace tintlace {

namespace {

// The twelve boolean entries in reading and writing order.
struct BoolEntry {
    const char* section;
    const char* key;
    bool Settings::*field;
};

constexpr BoolEntry boolEntries[] = {
    {"Option", "OnlyLeft", &Settings::OnlyLeft},
    {"Option", "AutoCenter", &Settings::AutoCenter},
    {"Option", "AutoRight", &Settings::AutoRight},
    {"TagOption", "Return", &Settings::Return},
    {"TagOption", "ReturnLast", &Settings::ReturnLast},
    {"TagOption", "Small", &Settings::Small},
    {"TagOption", "Comment", &Settings::Comment},
    {"TagOption", "UseQuotation", &Settings::UseQuotation},
    {"SCCOption", "UsePoint", &Settings::UsePoint},
    {"GrpOption", "UsePNG", &Settings::UsePNG},
    {"Option", "Use16", &Settings::Use16},
    {"Option", "ColorValue", &Settings::ColorValue},
};

} // namespace

Settings readSettings(const std::string& iniPath) {
    const IniFile ini(iniPath);
    Settings settings;
    settings.X = ini.readInteger("Position", "X", settings.X);
    settings.Y = ini.readInteger("Position", "Y", settings.Y);
    for (const BoolEntry& entry : boolEntries)
        settings.*entry.field = ini.readBool(entry.section, entry.key, settings.*entry.field);
    return settings;
}

void writeSettings(const std::string& iniPath, const Settings& settings) {
    IniFile ini(iniPath);
    ini.writeInteger("Position", "X", settings.X);
    ini.writeInteger("Position", "Y", settings.Y);
    for (const BoolEntry& entry : boolEntries)
        ini.writeBool(entry.section, entry.key, settings.*entry.field);
}

} // namespace tintlace
