// The first start, when there is no settings file yet: the user is greeted, and on their word the
// desktop gets a launcher and the readme is shown. The main window opens either way.
#pragma once

#include "document/UserDialogs.h"

#include <filesystem>
#include <functional>

namespace vantro {

struct DesktopFolders;

inline constexpr const char* kFirstRunQuestion =
    "初めての起動です。\r\nデスクトップにショートカットアイコンを登録して、VantroReadmeを表示しますか？";
inline constexpr const char* kFirstRunGreeting =
    "この度はVantroCadを、ダウンロードいただき有り難うございました\r\n"
    "デスクトップにショートカットアイコンを登録しました\r\n"
    "VantroReadmeを表示します、必ずお読みください。";
inline constexpr const char* kFirstRunGreetingWithoutLauncher =
    "この度はVantroCadを、ダウンロードいただき有り難うございました\r\n"
    "VantroReadmeを表示します、必ずお読みください。";

bool IsFirstRun(const std::filesystem::path& settingsFile);

// Asks kFirstRunQuestion; on Yes registers the desktop launcher, shows kFirstRunGreeting (and what
// could not be done) and hands the readme, when it is there, to openFile.
void GreetFirstRun(UserDialogs& dialogs, const std::filesystem::path& executable, const DesktopFolders& folders,
                   const std::function<void(const std::filesystem::path&)>& openFile);

}  // namespace vantro
