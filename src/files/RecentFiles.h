// The six most recently used drawing files, slot 7 (index 0) the most recent, as the file menu
// shows them and the settings file keeps them ("File7".."File12").
#pragma once

#include <array>
#include <string>

namespace vantro {

using RecentFileList = std::array<std::string, 6>;

inline constexpr const char* kRecentFileMissingMessage = "開こうとしたファイルは存在しません！";

// Puts path at the top; an equal path (compared exactly) moves up from where it was, otherwise
// the oldest entry drops out.
void AddRecentFile(RecentFileList& list, const std::string& path);

// Takes path out; the later entries move up and the last slot becomes empty. Nothing happens
// when the path is not in the list.
void RemoveRecentFile(RecentFileList& list, const std::string& path);

}  // namespace vantro
