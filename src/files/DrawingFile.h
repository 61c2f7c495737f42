// The ".dca" drawing file: elements, layers, the dimension and text style, the fill memo, the
// drawing-range choice and the image list. One reader accepting every version by thresholds, one
// writer always writing version 270.
#pragma once

#include "document/Drawing.h"
#include "document/ElementStore.h"
#include "document/TextLimit.h"
#include "files/Settings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantro {

inline constexpr uint16_t kDrawingFileVersion = 270;
inline constexpr const char* kDrawingFileFilter = "VantroCAD ファイル(*.dca)|*.dca";
inline constexpr const char* kDrawingFileExtension = ".dca";

inline constexpr int kDrawingRangeChoices = 12;  // items of "描画範囲（横方向の長さm/m）"
inline constexpr int kPrecisionChoices = 7;      // items of "表示単位"
inline constexpr size_t kMaxDrawingFileBytes = size_t{1} << 30;

// Messages of the read stages 0 to 4, and of the writer.
inline constexpr std::array<const char*, 5> kReadStageMessages{
    "ファイルは開けませんでした。",
    "データ読込み中にエラーが発生しました。",
    "レイヤー、画面情報読込み中にエラーが発生しました。",
    "塗りつぶし情報読込中にエラーが発生しました。",
    "画像情報読込中にエラーが発生しました。",
};
inline constexpr const char* kReadOnlyFileMessage = "指定されたファイルは読み取り専用です";
inline constexpr const char* kWriteFailedMessage = "ファイルは保存できませんでした。";

// One slot of the image list: slot 0 is the background image, 1..10 the inserted images. Only the
// path (CP932 bytes, empty for an unused slot) and the top-left corner in mm belong to the file.
struct ImageEntry {
    std::string Path;
    double X = 0;
    double Y = 0;

    bool operator==(const ImageEntry&) const = default;
};

// What the file carries besides the elements, the layer tables and the fill memo (which go into
// the Drawing). The window decides what to apply: the background colour and the style fields
// follow the "SetSW" switch, the others do not. A read replaces each field as it reaches it and
// leaves the others as passed in, so a window that fills them from its current values first
// (TakeStyleFromSettings) may apply them after a failed read too, as far as the file was read.
struct DrawingFileSettings {
    uint16_t Version = kDrawingFileVersion;  // as read, 0 when unreadable; the writer ignores it
    uint32_t BackgroundColor = 0xC0C0C0;     // 0x00BBGGRR
    float ArrowLength = 2;
    float ArrowHeight = 1;
    float ArrowOffset = 1;
    float TextHeight = 12;  // dimension text height
    uint8_t Precision = 3;
    int32_t DimensionTextColor = 0;
    std::string DimTextName;  // CP932; TakeStyleFromSettings fills both names
    std::string TextName;
    // Absent before version 204. When true the window presses the fill display button; false
    // leaves the button as it is.
    std::optional<bool> FillDisplay;
    // Absent before version 205: item index of the drawing-range radio group ("Paper"/"width2").
    std::optional<int32_t> DrawingRange;
    // Empty when the file has no image list (versions below 232 and from 300 on). The writer
    // writes a background slot even then.
    std::vector<ImageEntry> Images;

    bool operator==(const DrawingFileSettings&) const = default;
};

// Stage 0 opening, 1 elements, 2 layers and style, 3 fill memo and drawing range, 4 images; after
// success the last stage the file's version has. On failure at stage 0 or 1 the drawing was reset
// as for a new drawing; from stage 2 on it keeps what was read.
struct ReadResult {
    bool Ok = false;
    int Stage = 0;
    std::string Message;  // UTF-8, empty when Ok
    // Elements left out because the drawing cannot hold them (a number that is not finite, a
    // layer outside 1..96); the rest of the file is read.
    int SkippedElements = 0;
};

// What the user is told when elements were left out.
std::string SkippedElementsMessage(int count);

struct WriteResult {
    bool Ok = false;
    std::string Message;  // UTF-8, empty when Ok
    // Texts, names and paths longer than kMaxTextBytes, written cut: the file holds less than the
    // drawing did.
    int CutStrings = 0;
};

// Asked before a file that exists is written over.
std::string OverwriteQuestion(const std::string& path);

// Told after a save that had to cut strings: the count, then this.
inline constexpr const char* kStringsCutOnSaveSuffix =
    "個の文字列が長すぎるため、2550バイトまでに切り詰めて保存しました。";

// Replaces the drawing: history cleared, marked saved, elements with Id = index and Selected 0,
// layers, active layer, fill memo, maximum group. namesOnFailure are the settings' layer names
// used when a failure at stage 0 or 1 resets the drawing (null clears them).
ReadResult ReadDrawingBytes(std::string_view bytes, Drawing& drawing, DrawingFileSettings& settings,
                            const LayerNames* namesOnFailure = nullptr);

// As above from a file; image paths that no longer exist are looked up in the file's own folder.
// Bitmaps are not loaded: that is the view's work.
ReadResult ReadDrawingFile(const std::filesystem::path& path, Drawing& drawing, DrawingFileSettings& settings,
                           const LayerNames* namesOnFailure = nullptr);

// The file's bytes. Elements, visible flags and active layer come from the drawing; the lock
// flags and names come from namesAndLocks when given (the secondary window saves its store with
// the main window's table), otherwise from the drawing too.
std::string EncodeDrawingFile(const Drawing& drawing, const DrawingFileSettings& settings,
                              const LayerTable* namesAndLocks = nullptr);

// Writes through a temporary file renamed over the target, so a failure keeps the old file. A
// read-only target (no write permission bit, or no write access) is refused. Marking the drawing
// saved is the caller's part.
WriteResult WriteDrawingFile(const std::filesystem::path& path, const Drawing& drawing,
                             const DrawingFileSettings& settings, const LayerTable* namesAndLocks = nullptr);

// An image whose stored path does not exist but whose file name lies in drawingFolder gets that
// path instead. Paths that exist, empty ones and ones found nowhere are kept.
void LocateImages(std::vector<ImageEntry>& images, const std::filesystem::path& drawingFolder);

// The style fields the "SetSW" switch governs (arrow sizes, text height, precision, dimension
// text colour, both font names), between the settings values and the file. Sizes from a file
// outside the ranges the settings allow are brought inside.
void TakeStyleFromSettings(const Settings& from, DrawingFileSettings& to);
void ApplyStyleToSettings(const DrawingFileSettings& from, Settings& to);

}  // namespace vantro
