#include "files/ProgramFiles.h"

#include "files/FileSystem.h"

namespace vantro {

std::filesystem::path SharedProgramFolder(const std::filesystem::path& executableDir)
{
    return executableDir.parent_path() / "share" / "vantrocad";
}

bool IsInstalledCopy(const std::filesystem::path& executableDir)
{
    std::error_code error;
    return std::filesystem::is_directory(SharedProgramFolder(executableDir), error);
}

std::optional<std::filesystem::path> FindProgramFile(const std::filesystem::path& executableDir, std::string_view name)
{
    for (const std::filesystem::path& folder : {executableDir, SharedProgramFolder(executableDir)}) {
        const std::filesystem::path found = FindFileIgnoringCase(folder, name);
        std::error_code error;
        if (std::filesystem::is_regular_file(found, error)) return found;
    }
    return std::nullopt;
}

}  // namespace vantro
