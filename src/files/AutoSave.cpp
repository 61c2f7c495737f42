#include "files/AutoSave.h"

#include "files/FileSystem.h"
#include "files/IniStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <utility>

namespace vantro {
namespace fs = std::filesystem;
namespace {

constexpr const char* kNoteSection = "AutoSave";
constexpr const char* kRunningState = "running";
constexpr const char* kEndedState = "ended";

fs::path WithSuffix(const fs::path& backup, const char* suffix)
{
    fs::path path = backup;
    path += suffix;
    return path;
}

fs::path LockPath(const fs::path& backup) { return WithSuffix(backup, ".lock"); }
fs::path NotePath(const fs::path& backup) { return WithSuffix(backup, ".ini"); }

// The lock's descriptor, or -1 when another process (or another claim in this one) holds it.
int TakeLock(const fs::path& backup)
{
    const int fd = ::open(LockPath(backup).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    ::close(fd);
    return -1;
}

// Marks a note ended, keeping what else it says; a backup without a note is left as it is.
void EndNote(const fs::path& backup)
{
    std::optional<BackupNote> note = ReadBackupNote(backup);
    if (!note || !note->Running) return;
    note->Running = false;
    WriteBackupNote(backup, *note);
}

// The backup holds work the drawing file does not: written later than the file was, or the
// drawing has no file (any more).
bool IsNewerThanDrawing(const fs::path& backup, const std::string& drawing)
{
    std::error_code error;
    const auto backupTime = fs::last_write_time(backup, error);
    if (error) return false;
    if (drawing.empty()) return true;
    const auto drawingTime = fs::last_write_time(PathFromUtf8(drawing), error);
    return error || backupTime > drawingTime;
}

}  // namespace

fs::path BackupFolder(const fs::path& programFolder)
{
    if (IsWritableFolder(programFolder)) return programFolder;
    return UserFolder("XDG_DATA_HOME", ".local/share");
}

fs::path BackupPath(const fs::path& folder, int slot)
{
    if (slot <= 1) return folder / kBackupFileName;
    return folder / ("TempFile" + std::to_string(slot) + ".dca");
}

std::optional<BackupNote> ReadBackupNote(const fs::path& backup)
{
    IniStore store;
    if (store.Load(NotePath(backup)) != IniLoadStatus::Loaded) return std::nullopt;
    BackupNote note;
    note.Running = store.ReadString(kNoteSection, "State", kEndedState) == kRunningState;
    note.Changed = store.ReadBool(kNoteSection, "Changed", false).value_or(false);
    note.Drawing = store.ReadString(kNoteSection, "Drawing", "");
    return note;
}

bool WriteBackupNote(const fs::path& backup, const BackupNote& note)
{
    IniStore store;
    store.WriteString(kNoteSection, "State", note.Running ? kRunningState : kEndedState);
    store.WriteBool(kNoteSection, "Changed", note.Changed);
    store.WriteString(kNoteSection, "Drawing", note.Drawing);
    return store.Save(NotePath(backup));
}

std::optional<BackupSlot> BackupSlot::Claim(const fs::path& folder)
{
    for (int slot = 1; slot <= kBackupSlots; ++slot) {
        const fs::path backup = BackupPath(folder, slot);
        const int fd = TakeLock(backup);
        if (fd >= 0) return BackupSlot(backup, fd);
    }
    return std::nullopt;
}

BackupSlot::BackupSlot(fs::path backup, int lockFd) : backup_(std::move(backup)), lockFd_(lockFd) {}

BackupSlot::BackupSlot(BackupSlot&& other) noexcept
    : backup_(std::move(other.backup_)), lockFd_(std::exchange(other.lockFd_, -1))
{
}

BackupSlot& BackupSlot::operator=(BackupSlot&& other) noexcept
{
    if (this != &other) {
        Release();
        backup_ = std::move(other.backup_);
        lockFd_ = std::exchange(other.lockFd_, -1);
    }
    return *this;
}

BackupSlot::~BackupSlot() { Release(); }

void BackupSlot::Release()
{
    if (lockFd_ < 0) return;
    EndNote(backup_);
    ::close(std::exchange(lockFd_, -1));
}

WriteResult BackupSlot::Write(const Drawing& drawing, const DrawingFileSettings& settings,
                              const std::string& drawingPath)
{
    WriteResult result = WriteDrawingFile(backup_, drawing, settings);
    if (!result.Ok) return result;
    if (!WriteBackupNote(backup_, {true, !drawing.Saved, drawingPath})) return {false, kWriteFailedMessage};
    return result;
}

std::vector<LeftBackup> FindLeftBackups(const fs::path& folder)
{
    std::vector<LeftBackup> found;
    for (int slot = 1; slot <= kBackupSlots; ++slot) {
        const fs::path backup = BackupPath(folder, slot);
        std::error_code error;
        if (!fs::is_regular_file(backup, error)) continue;
        const int fd = TakeLock(backup);
        if (fd < 0) continue;  // its program is still running
        const std::optional<BackupNote> note = ReadBackupNote(backup);
        if (note && note->Running && note->Changed && IsNewerThanDrawing(backup, note->Drawing))
            found.push_back({backup, *note});
        ::close(fd);
    }
    return found;
}

void DismissLeftBackup(const LeftBackup& left)
{
    const int fd = TakeLock(left.Backup);
    if (fd < 0) return;
    EndNote(left.Backup);
    ::close(fd);
}

std::string LeftBackupQuestion(const LeftBackup& left)
{
    const std::string drawing = left.Note.Drawing.empty() ? "（名前のない図面）" : left.Note.Drawing;
    return "前回、保存されないまま終了した図面の自動保存ファイルがあります。\r\n図面: " + drawing +
           "\r\n自動保存ファイル: " + Utf8FromPath(left.Backup) + "\r\nこの自動保存ファイルを開きますか？";
}

}  // namespace vantro
