#include "files/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
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

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

FileReadStatus ReadWholeFile(const std::filesystem::path& path, size_t maxBytes, std::string& bytes)
{
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
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
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    // Built by appending: "." + string trips a false -Wrestrict in GCC 12 at -O3.
    std::string pattern = (folder / std::string(".").append(path.filename().string()).append(".XXXXXX")).string();
    const mode_t mode = TargetMode(path);
    UniqueFd file(::mkostemp(pattern.data(), O_CLOEXEC));
    if (file.Get() < 0) return false;
    TemporaryFile temporary(pattern);
    if (::fchmod(file.Get(), mode) != 0 || !WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0 || !file.Close())
        return false;
    if (::rename(pattern.c_str(), path.c_str()) != 0) return false;
    temporary.Keep();
    return true;
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
