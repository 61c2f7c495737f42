#include "files/RecentFiles.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

RecentFileList Opened(std::initializer_list<const char*> paths)
{
    RecentFileList list;
    for (const char* path : paths) AddRecentFile(list, path);
    return list;
}

TEST(RecentFiles, TheLastOpenedComesFirstAndOpeningAgainMovesItUp)
{
    const struct {
        const char* Name;
        RecentFileList List;
        RecentFileList Expected;
    } cases[] = {
        {"A, B, C", Opened({"A", "B", "C"}), {"C", "B", "A", "", "", ""}},
        {"then B again", Opened({"A", "B", "C", "B"}), {"B", "C", "A", "", "", ""}},
        {"the top again", Opened({"A", "B", "B"}), {"B", "A", "", "", "", ""}},
        {"a seventh drops the oldest", Opened({"1", "2", "3", "4", "5", "6", "7"}), {"7", "6", "5", "4", "3", "2"}},
        {"the oldest again", Opened({"1", "2", "3", "4", "5", "6", "1"}), {"1", "6", "5", "4", "3", "2"}},
        {"paths differing in case are two", Opened({"/a.dca", "/A.dca"}), {"/A.dca", "/a.dca", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.List, c.Expected);
    }
}

TEST(RecentFiles, RemovingMovesTheLaterEntriesUp)
{
    const struct {
        const char* Name;
        const char* Removed;
        RecentFileList Expected;
    } cases[] = {
        {"the first", "6", {"5", "4", "3", "2", "1", ""}},
        {"a middle one", "3", {"6", "5", "4", "2", "1", ""}},
        {"the last", "1", {"6", "5", "4", "3", "2", ""}},
        {"one not in the list", "9", {"6", "5", "4", "3", "2", "1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        RecentFileList list = Opened({"1", "2", "3", "4", "5", "6"});
        RemoveRecentFile(list, c.Removed);
        EXPECT_EQ(list, c.Expected);
    }
}

}  // namespace
}  // namespace vantro
