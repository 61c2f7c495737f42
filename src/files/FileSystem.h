// Small file-system services the file formats share: bounded whole-file reads, writes that never
// leave a half-written file behind, and name lookup that ignores letter case as Windows does.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vantro {

enum class FileReadStatus { Read, Missing, Unreadable, TooLarge };

// Paths are UTF-8 strings in the rest of the program.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// Reads the whole file into bytes; a file longer than maxBytes is refused without reading it,
// and anything but a regular file (a folder, a named pipe, a device) is Unreadable without
// waiting for it.
FileReadStatus ReadWholeFile(const std::filesystem::path& path, size_t maxBytes, std::string& bytes);

// Writes bytes to a temporary file in the target's folder and renames it over the target once it
// is complete and flushed, so a failed write leaves the previous file untouched. A symbolic link
// is written through: the file it leads to is replaced and the link stays. An existing target
// keeps its permission bits. False on any failure; the temporary file is then removed.
// Temporary files of this writer's own that an interrupted write left beside the target are
// removed first.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The read-only attribute's counterpart: no write permission bit at all (which even the superuser
// is held to here), or no write access for this process. A rename would replace such a file.
bool IsReadOnlyFile(const std::filesystem::path& path);

// A folder this process may create files in.
bool IsWritableFolder(const std::filesystem::path& folder);

// The program's own folder under one of the user's base folders: $xdgVariable when it names an
// absolute path, as the base-directory rules ask, else ~/homeRelative; "/VantroCad" is appended and
// the folder created (a failure shows when a file is written there).
std::filesystem::path UserFolder(const char* xdgVariable, std::string_view homeRelative);

// The entry of folder whose name equals name without regard to ASCII letter case: an exact match
// first, else the first such entry in byte order. folder / name when there is none.
std::filesystem::path FindFileIgnoringCase(const std::filesystem::path& folder, std::string_view name);

}  // namespace vantro
