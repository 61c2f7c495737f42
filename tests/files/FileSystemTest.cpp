#include "dxf/DxfImport.h"
#include "files/DrawingFile.h"
#include "files/FileSystem.h"
#include "files/IniStore.h"
#include "files/ScratchFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantro {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

TEST(FileSystemReading, ANamedPipeIsRefusedWithoutWaitingForAWriter)
{
    // Opening a named pipe for reading once waited for a writer for ever.
    ScratchFolder folder;
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    const struct {
        const char* Reader;
        std::function<bool()> Read;  // true when the reader took the pipe for a file
    } cases[] = {
        {"whole file", [&] {
             std::string bytes;
             return ReadWholeFile(pipe, 1000, bytes) != FileReadStatus::Unreadable;
         }},
        {"drawing", [&] {
             Drawing drawing;
             DrawingFileSettings settings;
             return ReadDrawingFile(pipe, drawing, settings).Ok;
         }},
        {"DXF", [&] {
             Drawing drawing;
             return ImportDxf(pipe, drawing, DxfImportOptions{}).Ok;
         }},
        {"settings", [&] {
             IniStore store;
             return store.Load(pipe) != IniLoadStatus::Unreadable;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Reader);
        std::future<bool> reading = std::async(std::launch::async, c.Read);
        if (reading.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            ADD_FAILURE() << "the reader waits for a writer";
            // A writer that closes at once lets the waiting reader go on.
            const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) ::close(writer);
        }
        EXPECT_FALSE(reading.get());
    }
}

TEST(FileSystemWriting, ASymbolicLinkIsWrittenThroughAndStays)
{
    // Saving over a link once replaced the link with a file and left the real file as it was.
    const struct {
        const char* Name;
        std::vector<std::pair<const char*, const char*>> Links;  // link name -> where it points
        const char* Written;
        const char* Real;
    } cases[] = {
        {"relative", {{"link.dca", "real.dca"}}, "link.dca", "real.dca"},
        {"into a folder", {{"link.dca", "sub/real.dca"}}, "link.dca", "sub/real.dca"},
        {"chain", {{"first.dca", "second.dca"}, {"second.dca", "sub/real.dca"}}, "first.dca", "sub/real.dca"},
        {"to a missing file", {{"link.dca", "sub/new.dca"}}, "link.dca", "sub/new.dca"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ScratchFolder folder;
        fs::create_directory(folder / "sub");
        WriteBytes(folder / "real.dca", "old");
        WriteBytes(folder / "sub/real.dca", "old");
        for (const auto& [link, to] : c.Links) fs::create_symlink(to, folder / link);
        ASSERT_TRUE(WriteFileAtomically(folder / c.Written, "new"));
        EXPECT_EQ(ReadBytes(folder / c.Real), "new");
        for (const auto& [link, to] : c.Links) EXPECT_TRUE(fs::is_symlink(folder / link)) << link;
        size_t entries = 0;
        for (const auto& entry : fs::recursive_directory_iterator(folder.Path())) entries += entry.is_directory() ? 0 : 1;
        EXPECT_EQ(entries, 2 + c.Links.size() + (std::string(c.Real) == "sub/new.dca" ? 1 : 0))
            << "no temporary file is left";
    }
    // An absolute link, and a loop, which has no file to write.
    ScratchFolder folder;
    WriteBytes(folder / "real.dca", "old");
    fs::create_symlink(folder / "real.dca", folder / "absolute.dca");
    ASSERT_TRUE(WriteFileAtomically(folder / "absolute.dca", "new"));
    EXPECT_EQ(ReadBytes(folder / "real.dca"), "new");
    fs::create_symlink("b.dca", folder / "a.dca");
    fs::create_symlink("a.dca", folder / "b.dca");
    EXPECT_FALSE(WriteFileAtomically(folder / "a.dca", "new"));
    EXPECT_TRUE(fs::is_symlink(folder / "a.dca"));
}

TEST(FileSystemWriting, StaleTemporaryFilesOfInterruptedWritesAreRemoved)
{
    // Temporary files of interrupted saves once piled up beside the drawing for ever.
    ScratchFolder folder;
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    auto make = [&](const char* name, bool aged) {
        WriteBytes(folder / name, "part of a drawing");
        if (aged) fs::last_write_time(folder / name, old);
    };
    make(".plan.dca.vantro-tmp-a1B2c3", true);
    make(".plan.dca.vantro-tmp-Zz9Yy8", true);
    make(".plan.dca.vantro-tmp-fresh1", false);   // may be a save running right now
    make(".plan.dca.vantro-tmp-locked", true);    // a save running right now holds its lock
    make(".other.dca.vantro-tmp-a1B2c3", true);   // another drawing's
    make(".plan.dca.a1B2c3", true);               // another program's naming
    make("plan.dca.part", true);
    const int running = ::open((folder / ".plan.dca.vantro-tmp-locked").c_str(), O_RDONLY);
    ASSERT_GE(running, 0);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);
    ASSERT_TRUE(WriteFileAtomically(folder / "plan.dca", "drawing"));
    ::close(running);
    const struct {
        const char* Name;
        bool Kept;
    } cases[] = {
        {".plan.dca.vantro-tmp-a1B2c3", false}, {".plan.dca.vantro-tmp-Zz9Yy8", false},
        {".plan.dca.vantro-tmp-fresh1", true},  {".plan.dca.vantro-tmp-locked", true},
        {".other.dca.vantro-tmp-a1B2c3", true}, {".plan.dca.a1B2c3", true},
        {"plan.dca.part", true},                {"plan.dca", true},
    };
    for (const auto& c : cases) EXPECT_EQ(fs::exists(folder / c.Name), c.Kept) << c.Name;
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path())) ++entries;
    EXPECT_EQ(entries, 6u) << "the write left no temporary file of its own";
}

}  // namespace
}  // namespace vantro
