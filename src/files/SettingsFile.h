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

struct SettingsReadResult {
    bool Ok = true;
    std::string Section;  // the entry reading stopped at
    std::string Key;
};

// Starts from the built-in defaults and reads every key in the start-up order: a missing key
// keeps its default, a number outside its range is brought to the nearest end. A value of the
// wrong kind stops the reading; the keys read before it keep their values, the rest their
// defaults. Applying the values (tolerance, capacity, view) is the window's part.
SettingsReadResult ReadSettings(const IniStore& store, Settings& settings);

// The settings file as start-up reads it: the values, and what the user is told once.
struct SettingsFileLoad {
    // False when the file is there but could not be read (not readable, over the size limit,
    // not text): the values are the defaults, and the file must not be written over, or its
    // layer names and settings would be lost.
    bool Writable = true;
    std::string Message;  // UTF-8, naming the file (and the key of a malformed one); empty when all is well
};
SettingsFileLoad LoadSettingsFile(const std::filesystem::path& path, Settings& settings);

// Writes the keys of one writer into the settings file, keeping every other line it holds. A
// file that is there but cannot be read is not written. Empty on success, else the message that
// names the file.
std::string StoreSettingsFile(const std::filesystem::path& path, void (*write)(const Settings&, IniStore&),
                              const Settings& settings);

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
// (from --program-folder) when given, else the executable's folder when it is writable and not an
// installed copy (ProgramFiles.h), else $XDG_CONFIG_HOME/VantroCad (by default
// ~/.config/VantroCad), which is then created.
std::filesystem::path ProgramFolder(const std::filesystem::path& executableDir,
                                    const std::filesystem::path& overrideDir);

// The settings file in programFolder, its name matched without regard to letter case; the
// usual name when there is none yet.
std::filesystem::path SettingsFilePath(const std::filesystem::path& programFolder);

}  // namespace vantro
