// The auto-save backup "TempFile.dca": which file a running program backs up to, writing it
// without touching the drawing's saved state, and finding the backups a program that was killed
// left behind. Beside each backup lie a lock file, held while its program runs, and a small note
// saying which drawing it belongs to and whether its program ended.
#pragma once

#include "document/Drawing.h"
#include "files/DrawingFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantro {

inline constexpr const char* kBackupFileName = "TempFile.dca";
inline constexpr const char* kAutoSavingMessage = "自動保存中。しばらくお待ち下さい";
// A second running copy backs up to "TempFile2.dca", and so on.
inline constexpr int kBackupSlots = 9;

// The program folder when this process may write there, else the user's data folder
// ($XDG_DATA_HOME/VantroCad, by default ~/.local/share/VantroCad), which is then created.
std::filesystem::path BackupFolder(const std::filesystem::path& programFolder);

// "TempFile.dca" for slot 1, "TempFile<n>.dca" for slot n.
std::filesystem::path BackupPath(const std::filesystem::path& folder, int slot);

// What the note beside a backup says.
struct BackupNote {
    bool Running = false;  // the program that wrote the backup has not ended since
    bool Changed = false;  // the drawing had unsaved work when it was backed up
    std::string Drawing;   // UTF-8 path of the drawing file it belongs to; empty for a new drawing
};

// A backup slot this program holds: the lock beside the backup is held until destruction, so no
// other copy writes the same backup. Destroying it (the program ending as it should) notes that
// its program ended, so its backup is not offered at the next start.
class BackupSlot {
public:
    // The first slot in folder whose lock no running copy holds; none when all are held or the
    // folder cannot take a lock file.
    static std::optional<BackupSlot> Claim(const std::filesystem::path& folder);

    BackupSlot(BackupSlot&& other) noexcept;
    BackupSlot& operator=(BackupSlot&& other) noexcept;
    BackupSlot(const BackupSlot&) = delete;
    BackupSlot& operator=(const BackupSlot&) = delete;
    ~BackupSlot();

    const std::filesystem::path& Backup() const { return backup_; }

    // Writes the drawing to the backup through the drawing-file writer (never touching Saved),
    // then the note: drawingPath (UTF-8, empty for a new drawing) and whether the drawing has
    // unsaved work. The previous backup stays whole when the write fails.
    WriteResult Write(const Drawing& drawing, const DrawingFileSettings& settings, const std::string& drawingPath);

private:
    BackupSlot(std::filesystem::path backup, int lockFd);
    void Release();

    std::filesystem::path backup_;
    int lockFd_ = -1;
};

// A backup a program left without ending: its lock is free, its note says its program was still
// running, it holds unsaved work, and it is newer than the drawing file it belongs to (or that
// drawing has no file).
struct LeftBackup {
    std::filesystem::path Backup;
    BackupNote Note;
};
std::vector<LeftBackup> FindLeftBackups(const std::filesystem::path& folder);

// Once the user has been asked about it, a left backup is not offered again.
void DismissLeftBackup(const LeftBackup& left);

// The question offering a left backup.
std::string LeftBackupQuestion(const LeftBackup& left);

// The note beside backup ("<backup>.ini"); none when it is missing or unreadable.
std::optional<BackupNote> ReadBackupNote(const std::filesystem::path& backup);
bool WriteBackupNote(const std::filesystem::path& backup, const BackupNote& note);

}  // namespace vantro
