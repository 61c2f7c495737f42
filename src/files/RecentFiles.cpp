#include "files/RecentFiles.h"

#include <algorithm>

namespace vantro {

void AddRecentFile(RecentFileList& list, const std::string& path)
{
    const auto found = std::find(list.begin(), list.end(), path);
    const auto last = found != list.end() ? found : list.end() - 1;
    std::move_backward(list.begin(), last, last + 1);
    list.front() = path;
}

void RemoveRecentFile(RecentFileList& list, const std::string& path)
{
    const auto found = std::find(list.begin(), list.end(), path);
    if (found == list.end()) return;
    std::move(found + 1, list.end(), found);
    list.back().clear();
}

}  // namespace vantro
