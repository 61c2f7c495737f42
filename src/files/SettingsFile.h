// The settings file "VantroCad.ini": where it lives, and the Settings values read from and
// written to its INI store.
#pragma once

#include "files/IniStore.h"
#include "files/Settings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vantro {

inline constexpr std::string_view kSettingsFileName = "VantroCad.ini";
inline constexpr const char* kSettingsFileMalformedMessage =
    "設定ファイルが異常です！再設定して終了するか、ファイル\"Pelmo.ini\"を一旦削除してください。";

struct SettingsReadResult {
    bool Ok = true;
    std::string Message;  // UTF-8, empty when Ok
    std::string Section;  // the entry reading stopped at
    std::string Key;
};

// Starts from the built-in defaults and reads every key in the start-up order: a missing key
// keeps its default, a number outside its range is brought to the nearest end. A value of the
// wrong kind stops the reading with the malformed-file message; the keys read before it keep
// their values, the rest their defaults. Applying the values (tolerance, capacity, view) is the
// window's part.
SettingsReadResult ReadSettings(const IniStore& store, Settings& settings);

// The keys the two settings dialogs write on "OK": all but the layer names and the keys written
// at program end.
void WriteSettings(const Settings& settings, IniStore& store);
// "RyarName1".."RyarName96", written by the layer panel's "保存".
void WriteLayerNames(const Settings& settings, IniStore& store);
// "Snap1".."Snap9", "Posi" ("L" or "R"), "File7".."File12", "DimPit", "ArrowPatern", "DimCenter"
// and "Color1", written when the program ends.
void WriteExitSettings(const Settings& settings, IniStore& store);

// "TextDlgHeight", "TextDlgColor" and "TextDlgFont", written when the text dialog closes for good.
void WriteTextDialogSettings(const Settings& settings, IniStore& store);

// "0.##": at most two decimals, without trailing zeros; the settings dialogs show floats so.
std::string FormatUpToTwoDecimals(double value);

// Where the settings file and the other files the program writes for itself live: overrideDir
// (from --program-folder) when given, else the executable's folder when it is writable, else
// $XDG_CONFIG_HOME/VantroCad (by default ~/.config/VantroCad), which is then created.
std::filesystem::path ProgramFolder(const std::filesystem::path& executableDir,
                                    const std::filesystem::path& overrideDir);

// The settings file in programFolder, its name matched without regard to letter case; the
// usual name when there is none yet.
std::filesystem::path SettingsFilePath(const std::filesystem::path& programFolder);

}  // namespace vantro
