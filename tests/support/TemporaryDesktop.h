// A home of its own for a test: HOME and the XDG folders point into a scratch folder, and no
// desktop environment is named, so the desktop's tools take their generic way. Also a program
// folder with the files the registrations point at.
#pragma once

#include "files/ScratchFolder.h"
#include "support/ScopedEnvironment.h"

#include <filesystem>

namespace vantro::testing {

class TemporaryDesktop {
public:
    TemporaryDesktop()
        : home_("HOME", (folder_ / "home").string()),
          dataHome_("XDG_DATA_HOME", (folder_ / "home" / ".local" / "share").string()),
          configHome_("XDG_CONFIG_HOME", (folder_ / "home" / ".config").string()),
          dataDirs_("XDG_DATA_DIRS", (folder_ / "system").string()),
          configDirs_("XDG_CONFIG_DIRS", (folder_ / "system-config").string()),
          currentDesktop_("XDG_CURRENT_DESKTOP", std::nullopt),
          session_("DESKTOP_SESSION", std::nullopt),
          kde_("KDE_FULL_SESSION", std::nullopt),
          gnome_("GNOME_DESKTOP_SESSION_ID", std::nullopt)
    {
        std::filesystem::create_directories(folder_ / "home");
        std::filesystem::create_directories(ProgramFolder());
        WriteBytes(Executable(), "#!/bin/sh\n");
        std::filesystem::permissions(Executable(), std::filesystem::perms::owner_all);
    }

    std::filesystem::path Home() const { return folder_ / "home"; }
    std::filesystem::path DataHome() const { return Home() / ".local" / "share"; }
    std::filesystem::path ConfigHome() const { return Home() / ".config"; }
    // A program folder whose name needs quoting in an Exec line.
    std::filesystem::path ProgramFolder() const { return folder_ / "Vantro Cad"; }
    std::filesystem::path Executable() const { return ProgramFolder() / "vantrocad"; }
    void AddProgramFile(const char* name, std::string_view bytes) const { WriteBytes(ProgramFolder() / name, bytes); }

private:
    ScratchFolder folder_;
    ScopedEnvironment home_, dataHome_, configHome_, dataDirs_, configDirs_, currentDesktop_, session_, kde_, gnome_;
};

}  // namespace vantro::testing
