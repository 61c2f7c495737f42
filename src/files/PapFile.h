// The ".pap" exchange file: lines, arcs and circles with a solid/non-solid flag, one value per
// CR LF line, Y pointing down. Nothing else of a drawing travels in it.
#pragma once

#include "document/Drawing.h"
#include "document/ElementStore.h"
#include "files/DrawingFile.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vantro {

inline constexpr const char* kPapFileFilter = "作図ファイル (*.pap)|*.pap";
inline constexpr size_t kMaxPapFileBytes = size_t{64} << 20;
inline constexpr const char* kPapReadErrorMessage = "Papファイルの読込み中にエラーが発生しました。";

// The format mark, the number of records, then for each line, arc and circle in store order nine
// lines: kind, 1 for a non-solid line style (else 0), Cx, -Cy, X2, -Y2, X1, -Y1, R.
std::string EncodePapFile(const Drawing& drawing);

// Through a temporary file renamed over the target; kWriteFailedMessage on any failure.
WriteResult WritePapFile(const std::filesystem::path& path, const Drawing& drawing);

// The chosen name with ".pap" appended unless it already ends in ".pap" or ".PAP".
std::filesystem::path WithPapExtension(const std::filesystem::path& chosen);

struct PapReadResult {
    bool Ok = false;
    std::string Message;  // UTF-8, empty when Ok
    // Records of other kinds than line, arc and circle, which the format does not carry: left out.
    int Skipped = 0;
    // The store refused a record at its capacity and said so itself; reading stopped there.
    bool Refused = false;
};

// What the user is told when records were left out.
std::string SkippedPapRecordsMessage(int count);

// Replaces the drawing: reset with the settings' layer names (history cleared, marked saved),
// then the records as lines, arcs and circles on layer 1 in black, Id = index. A file that ends
// before the announced number of records, or holds a value that is not a number, keeps the
// records read before it; the count announced is never trusted beyond the bytes present.
PapReadResult ReadPapText(std::string_view text, Drawing& drawing, const LayerNames* namesFromSettings);
PapReadResult ReadPapFile(const std::filesystem::path& path, Drawing& drawing, const LayerNames* namesFromSettings);

}  // namespace vantro
