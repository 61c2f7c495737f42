// The ".dpa" part file: chosen elements of a drawing, to be merged into others. It is the element
// part of a drawing file under its own version number, with nothing after the elements, so the
// merge reads the elements of a drawing file just as well.
#pragma once

#include "document/Drawing.h"
#include "files/DrawingFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vantro {

inline constexpr uint16_t kPartFileVersion = 200;
inline constexpr const char* kPartFileFilter = "VantroCAD 部品ファイル (*.dpa)|*.dpa";
inline constexpr const char* kPartFileExtension = ".dpa";
inline constexpr const char* kMergeFileFilter = "VantroCADファイル、部品ファイル (*.dpa)(*.dca)|*.dpa;*.dca";
inline constexpr const char* kMergeReadErrorMessage = "読み込みエラー";
inline constexpr const char* kNothingToSaveMessage = "保存するデータが選択されていません";

// The selected elements in store order. cutStrings counts texts cut to the field's limit.
std::string EncodePartFile(const Drawing& drawing, int& cutStrings);

// Writes the selected elements through a temporary file renamed over the target. Every failure,
// a read-only target among them, is kWriteFailedMessage; the old file then stays.
WriteResult WritePartFile(const std::filesystem::path& path, const Drawing& drawing);

struct MergeResult {
    bool Ok = false;
    std::string Message;  // UTF-8; kMergeReadErrorMessage when the file ended early or broke the format
    int Added = 0;
    // Entries with a number that is not finite, which no drawing may hold: read and left out.
    int Skipped = 0;
    // The store refused an element at its capacity and said so itself; reading stopped there.
    bool Refused = false;
};

// What the user is told when entries were left out.
std::string SkippedMergeMessage(int count);

// Appends the file's elements after the drawing's: each on the active layer, with a new Id, its
// group renumbered above the drawing's highest group (elements of one group in the file stay one
// group), no undo record and the text height as stored. The elements read before an error stay.
// The drawing is marked unsaved when anything was added.
MergeResult MergeElementBytes(std::string_view bytes, Drawing& drawing);
MergeResult MergeElementFile(const std::filesystem::path& path, Drawing& drawing);

}  // namespace vantro
