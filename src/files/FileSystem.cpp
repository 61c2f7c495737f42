#include "files/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vantro {
namespace {

class UniqueFd {
public:
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    int Get() const { return fd_; }
    // Closing can report a failed deferred write, so the writer checks it.
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile()
    {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    void Keep() { path_.clear(); }

private:
    std::string path_;
};

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// An existing target keeps its permissions; a new file gets the usual rw-r--r--.
mode_t TargetMode(const std::filesystem::path& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    return 0644;
}

// Symbolic links are followed to the file they lead to, which need not exist yet; a chain longer
// than the system follows (a loop) has no target.
std::optional<std::filesystem::path> FollowLinks(std::filesystem::path path)
{
    constexpr int kMaxLinks = 40;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return path;
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error) return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// Temporary files are named "." + the target's name + this mark + six random characters, so that
// the writer knows its own again.
constexpr std::string_view kTemporaryMark = ".vantro-tmp-";
constexpr size_t kTemporaryRandomChars = 6;
// A temporary file younger than this may still be being written, lock or not.
constexpr auto kStaleAfter = std::chrono::minutes(1);

std::string TemporaryPrefix(const std::filesystem::path& target)
{
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    // Built by appending: "." + string trips a false -Wrestrict in GCC 12 at -O3.
    return (folder / std::string(".").append(target.filename().string()).append(kTemporaryMark)).string();
}

// A temporary file of an earlier write to target that did not finish: its writer holds no lock on
// it any more, and it is old enough not to be one that was only just made.
bool IsStaleTemporary(const std::filesystem::directory_entry& entry, std::string_view prefixName)
{
    const std::string name = entry.path().filename().string();
    if (name.size() != prefixName.size() + kTemporaryRandomChars || !name.starts_with(prefixName)) return false;
    std::error_code error;
    if (!entry.is_regular_file(error) || entry.is_symlink(error)) return false;
    const auto modified = entry.last_write_time(error);
    if (error || std::filesystem::file_time_type::clock::now() - modified < kStaleAfter) return false;
    UniqueFd file(::open(entry.path().c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    return file.Get() >= 0 && ::flock(file.Get(), LOCK_EX | LOCK_NB) == 0;
}

void RemoveStaleTemporaries(const std::filesystem::path& target)
{
    const std::filesystem::path prefix = TemporaryPrefix(target);
    const std::string prefixName = prefix.filename().string();
    std::error_code error;
    for (std::filesystem::directory_iterator it(prefix.parent_path(), error), end; !error && it != end;
         it.increment(error))
        if (IsStaleTemporary(*it, prefixName)) ::unlink(it->path().c_str());
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

FileReadStatus ReadWholeFile(const std::filesystem::path& path, size_t maxBytes, std::string& bytes)
{
    // Without O_NONBLOCK opening a named pipe waits for a writer, possibly for ever; the check for
    // a regular file comes only after the open, on the file opened.
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0)
        return errno == ENOENT || errno == ENOTDIR ? FileReadStatus::Missing : FileReadStatus::Unreadable;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return FileReadStatus::Unreadable;
    if (static_cast<uintmax_t>(info.st_size) > maxBytes) return FileReadStatus::TooLarge;
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return FileReadStatus::Unreadable;
        if (count == 0) break;
        // The file may grow after fstat; the limit still holds.
        if (content.size() + static_cast<size_t>(count) > maxBytes) return FileReadStatus::TooLarge;
        content.append(buffer, static_cast<size_t>(count));
    }
    bytes = std::move(content);
    return FileReadStatus::Read;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    const std::optional<std::filesystem::path> target = FollowLinks(path);
    if (!target) return false;
    RemoveStaleTemporaries(*target);
    std::string pattern = TemporaryPrefix(*target).append("XXXXXX");
    const mode_t mode = TargetMode(*target);
    UniqueFd file(::mkostemp(pattern.data(), O_CLOEXEC));
    if (file.Get() < 0) return false;
    TemporaryFile temporary(pattern);
    // The lock, held until the file is closed, tells a later writer that this one is not stale.
    if (::flock(file.Get(), LOCK_EX) != 0 || ::fchmod(file.Get(), mode) != 0 || !WriteAll(file.Get(), bytes) ||
        ::fsync(file.Get()) != 0 || !file.Close())
        return false;
    if (::rename(pattern.c_str(), target->c_str()) != 0) return false;
    temporary.Keep();
    return true;
}

bool IsReadOnlyFile(const std::filesystem::path& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status)) return false;
    constexpr auto anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & anyWrite) == fs::perms::none || ::access(path.c_str(), W_OK) != 0;
}

std::filesystem::path PathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool IsWritableFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    return std::filesystem::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::filesystem::path UserFolder(const char* xdgVariable, std::string_view homeRelative)
{
    const char* base = std::getenv(xdgVariable);
    std::filesystem::path folder;
    if (base != nullptr && std::filesystem::path(base).is_absolute()) {
        folder = base;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(home != nullptr ? home : "") / homeRelative;
    }
    folder /= "VantroCad";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return folder;
}

std::filesystem::path FindFileIgnoringCase(const std::filesystem::path& folder, std::string_view name)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(folder / name, error)) return folder / name;
    std::vector<std::string> matches;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        std::error_code typeError;
        if (EqualIgnoringAsciiCase(entry, name) && it->is_regular_file(typeError)) matches.push_back(entry);
    }
    if (matches.empty()) return folder / name;
    return folder / *std::min_element(matches.begin(), matches.end());
}

}  // namespace vantro
