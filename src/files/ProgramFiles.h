// The read-only files that come with the program (help, readme, sounds, icon): beside the
// executable in a build tree or a portable copy, in ../share/vantrocad/ of an installed one.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace vantro {

inline constexpr std::string_view kHelpFileName = "Cadhelp.chm";
inline constexpr std::string_view kHtmlHelpFileName = "cad_help.htm";
inline constexpr std::string_view kReadmeFileName = "VantroReadme.txt";
inline constexpr std::string_view kIconFileName = "vantrocad.png";

// executableDir/../share/vantrocad
std::filesystem::path SharedProgramFolder(const std::filesystem::path& executableDir);

// An installed copy has its shared folder; its executable's folder is never the program folder,
// even for a user who may write there.
bool IsInstalledCopy(const std::filesystem::path& executableDir);

// The file beside the executable, else in the shared folder, its name matched without regard to
// letter case; std::nullopt when neither has it.
std::optional<std::filesystem::path> FindProgramFile(const std::filesystem::path& executableDir, std::string_view name);

}  // namespace vantro
