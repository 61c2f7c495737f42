#include "files/AutoSave.h"

#include "files/FileSystem.h"
#include "files/ScratchFolder.h"
#include "support/ChildProcess.h"
#include "support/Fixtures.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

namespace vantro {
namespace {

namespace fs = std::filesystem;
using testing::ChildProcess;
using testing::Line;
using testing::PutElement;
using testing::ReadBytes;
using testing::ScopedEnvironment;
using testing::ScratchFolder;
using testing::WriteBytes;

Drawing OneLine()
{
    Drawing drawing;
    PutElement(drawing, Line(0, 0, 10, 5));
    return drawing;
}

TEST(AutoSave, TheBackupLivesInTheProgramFolderOrElseInTheUsersDataFolder)
{
    ScratchFolder folder;
    WriteBytes(folder / "a-file", "x");
    ScopedEnvironment home("HOME", (folder / "home").string());
    {
        ScopedEnvironment data("XDG_DATA_HOME", (folder / "data").string());
        EXPECT_EQ(BackupFolder(folder.Path()), folder.Path());
        EXPECT_EQ(BackupFolder(folder / "not-there"), folder / "data" / "VantroCad");
        EXPECT_TRUE(fs::is_directory(folder / "data" / "VantroCad"));
        EXPECT_EQ(BackupFolder(folder / "a-file"), folder / "data" / "VantroCad");
    }
    ScopedEnvironment relative("XDG_DATA_HOME", "relative");
    EXPECT_EQ(BackupFolder(folder / "not-there"), folder / "home" / ".local" / "share" / "VantroCad");
}

TEST(AutoSave, ASecondRunningCopyBacksUpBesideItsOwnName)
{
    ScratchFolder folder;
    std::optional<BackupSlot> first = BackupSlot::Claim(folder.Path());
    std::optional<BackupSlot> second = BackupSlot::Claim(folder.Path());
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->Backup(), folder / "TempFile.dca");
    EXPECT_EQ(second->Backup(), folder / "TempFile2.dca");
    first.reset();
    const std::optional<BackupSlot> third = BackupSlot::Claim(folder.Path());
    ASSERT_TRUE(third);
    EXPECT_EQ(third->Backup(), folder / "TempFile.dca") << "a slot is free again once its program ends";

    std::vector<BackupSlot> all;
    while (std::optional<BackupSlot> slot = BackupSlot::Claim(folder.Path())) all.push_back(std::move(*slot));
    EXPECT_EQ(all.size(), static_cast<size_t>(kBackupSlots - 2));
    EXPECT_EQ(all.back().Backup(), folder / "TempFile9.dca");
}

// The backup was once written through the window's save, which called the drawing saved: closing
// then asked nothing and the real file never received the work.
TEST(AutoSave, ABackupLeavesTheDrawingsSavedStateAloneAndNotesWhatItHolds)
{
    ScratchFolder folder;
    std::optional<BackupSlot> slot = BackupSlot::Claim(folder.Path());
    ASSERT_TRUE(slot);
    for (const bool saved : {true, false}) {
        SCOPED_TRACE(saved);
        Drawing drawing = OneLine();
        drawing.Saved = saved;
        ASSERT_TRUE(slot->Write(drawing, DrawingFileSettings{}, "/work/a.dca").Ok);
        EXPECT_EQ(drawing.Saved, saved);
        Drawing read;
        DrawingFileSettings settings;
        ASSERT_TRUE(ReadDrawingFile(slot->Backup(), read, settings).Ok);
        EXPECT_EQ(read.Count, 1);
        const std::optional<BackupNote> note = ReadBackupNote(slot->Backup());
        ASSERT_TRUE(note);
        EXPECT_TRUE(note->Running);
        EXPECT_EQ(note->Changed, !saved);
        EXPECT_EQ(note->Drawing, "/work/a.dca");
    }
}

TEST(AutoSave, AProgramThatEndsAsItShouldLeavesNoBackupToOffer)
{
    ScratchFolder folder;
    {
        std::optional<BackupSlot> slot = BackupSlot::Claim(folder.Path());
        Drawing drawing = OneLine();
        drawing.Saved = false;
        ASSERT_TRUE(slot->Write(drawing, DrawingFileSettings{}, "").Ok);
        EXPECT_EQ(FindLeftBackups(folder.Path()).size(), 0u) << "its program still runs";
    }
    EXPECT_TRUE(fs::exists(folder / "TempFile.dca"));
    EXPECT_FALSE(ReadBackupNote(folder / "TempFile.dca")->Running);
    EXPECT_TRUE(FindLeftBackups(folder.Path()).empty());
}

TEST(AutoSave, OnlyUnsavedWorkNewerThanItsDrawingIsOffered)
{
    enum class DrawingFile { None, Missing, Older, Newer };
    const struct {
        const char* Name;
        bool Running;
        bool Changed;
        DrawingFile Drawing;
        bool Offered;
    } cases[] = {
        {"a new drawing", true, true, DrawingFile::None, true},
        {"a drawing file written before the backup", true, true, DrawingFile::Older, true},
        {"a drawing file that has gone", true, true, DrawingFile::Missing, true},
        {"a drawing file saved after the backup", true, true, DrawingFile::Newer, false},
        {"no unsaved work", true, false, DrawingFile::None, false},
        {"a program that ended", false, true, DrawingFile::None, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ScratchFolder folder;
        const fs::path backup = folder / "TempFile.dca";
        WriteBytes(backup, "backup");
        const fs::path drawing = folder / "work.dca";
        if (c.Drawing == DrawingFile::Older || c.Drawing == DrawingFile::Newer) {
            WriteBytes(drawing, "drawing");
            const auto shift = std::chrono::seconds(c.Drawing == DrawingFile::Older ? -10 : 10);
            fs::last_write_time(drawing, fs::last_write_time(backup) + shift);
        }
        const std::string named = c.Drawing == DrawingFile::None ? "" : Utf8FromPath(drawing);
        ASSERT_TRUE(WriteBackupNote(backup, {c.Running, c.Changed, named}));
        const std::vector<LeftBackup> left = FindLeftBackups(folder.Path());
        ASSERT_EQ(left.size(), c.Offered ? 1u : 0u);
        if (!c.Offered) continue;
        EXPECT_EQ(left[0].Backup, backup);
        EXPECT_EQ(left[0].Note.Drawing, named);
        EXPECT_NE(LeftBackupQuestion(left[0]).find(Utf8FromPath(backup)), std::string::npos);
    }
}

TEST(AutoSave, ABackupWithoutANoteOrHeldByARunningCopyIsNotOffered)
{
    ScratchFolder folder;
    WriteBytes(folder / "TempFile.dca", "from an older program");
    EXPECT_TRUE(FindLeftBackups(folder.Path()).empty());

    std::optional<BackupSlot> held = BackupSlot::Claim(folder.Path());
    WriteBytes(folder / "TempFile.dca", "x");
    ASSERT_TRUE(WriteBackupNote(folder / "TempFile.dca", {true, true, ""}));
    EXPECT_TRUE(FindLeftBackups(folder.Path()).empty());
}

TEST(AutoSave, ALeftBackupIsOfferedOnlyOnce)
{
    ScratchFolder folder;
    for (int slot : {1, 3}) {
        WriteBytes(BackupPath(folder.Path(), slot), "x");
        ASSERT_TRUE(WriteBackupNote(BackupPath(folder.Path(), slot), {true, true, ""}));
    }
    std::vector<LeftBackup> left = FindLeftBackups(folder.Path());
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[1].Backup, folder / "TempFile3.dca");
    DismissLeftBackup(left[0]);
    left = FindLeftBackups(folder.Path());
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].Backup, folder / "TempFile3.dca");
}

// The backup goes through a temporary file renamed into place, so a program killed at any moment
// leaves the previous backup or the new one whole, and the drawing file is only ever read.
TEST(AutoSave, AProgramKilledWhileBackingUpNeverDamagesTheBackupOrTouchesTheDrawing)
{
    ScratchFolder folder;
    Drawing drawing;
    for (int i = 0; i < 3000; ++i) PutElement(drawing, Line(i, 0, i, 100));
    const fs::path drawingFile = folder / "work.dca";
    ASSERT_TRUE(WriteDrawingFile(drawingFile, drawing, DrawingFileSettings{}).Ok);
    // Saved well before any backup, whatever the clock's granularity.
    fs::last_write_time(drawingFile, fs::last_write_time(drawingFile) - std::chrono::minutes(1));
    const std::string drawingBytes = ReadBytes(drawingFile);
    Drawing read;
    DrawingFileSettings settings;
    ASSERT_TRUE(ReadDrawingFile(drawingFile, read, settings).Ok);
    const std::string once = EncodeDrawingFile(read, settings);
    const std::string twice = EncodeDrawingFile(testing::Twice(read), settings);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> microseconds(0, 20000);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        {
            ChildProcess writer(testing::BackupWriterArguments(folder.Path().string(), drawingFile.string()));
            ASSERT_TRUE(writer.Started());
            ASSERT_EQ(writer.ReadLine(), "ready");
            std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
            writer.Kill();
        }
        const std::string backup = ReadBytes(folder / "TempFile.dca");
        EXPECT_TRUE(backup == once || backup == twice) << "a damaged backup of " << backup.size() << " bytes";
        EXPECT_TRUE(ReadBytes(drawingFile) == drawingBytes) << "the drawing file was touched";
        const std::vector<LeftBackup> left = FindLeftBackups(folder.Path());
        ASSERT_EQ(left.size(), 1u) << "the killed program's backup is offered";
        EXPECT_EQ(left[0].Note.Drawing, drawingFile.string());
        const std::optional<BackupSlot> next = BackupSlot::Claim(folder.Path());
        ASSERT_TRUE(next);
        EXPECT_EQ(next->Backup(), folder / "TempFile.dca") << "the killed program's lock is free";
    }
}

}  // namespace
}  // namespace vantro
