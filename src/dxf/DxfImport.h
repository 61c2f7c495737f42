// Reading a DXF text file into a drawing: the layer table, the dimension styles, block
// definitions, and the model space's entities LINE, SOLID, TRACE, 3DFACE, ARC, CIRCLE, POINT,
// POLYLINE, LWPOLYLINE, TEXT, MTEXT, ATTRIB, INSERT, DIMENSION, ELLIPSE, SPLINE, HATCH (its
// boundary) and LEADER. Other entity types are skipped and reported. Every element is created
// through the store's creation operations (painted and recorded for undo), except those INSERT
// and dimension blocks place.
#pragma once

#include "document/DimensionText.h"
#include "document/Drawing.h"
#include "files/DrawingFile.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantro {

inline constexpr const char* kDxfUnsupportedSuffix = "の読み込みは対応していません。";
inline constexpr const char* kDxfMissingMessage = "DXFファイルが見つかりません。";
inline constexpr const char* kDxfUnreadableMessage = "DXFファイルを読み込めませんでした。";
inline constexpr const char* kDxfTooLargeMessage = "DXFファイルが大きすぎます。";
inline constexpr const char* kDxfNotDxfMessage = "DXFファイルではありません。";

struct DxfImportOptions {
    // How the window shows dimension values: a dimension whose value shows as the file shows it
    // keeps a live value, any other keeps the file's text.
    NumberFormat Format;
    // The window's background: colour 7 is black on a light one, white on a dark one; a colour
    // value that is not a number gives its inverse.
    uint32_t BackgroundColour = 0xFFFFFF;
    size_t MaxFileBytes = size_t{1} << 30;
};

// The sizes the file's dimensions are drawn with, in drawing units (the dimension style most of
// its dimensions use).
struct DxfDimensionStyle {
    double TextHeight = 2.5;
    double ArrowLength = 2.5;
    double Extension = 1.25;  // how far extension lines reach past the dimension line
    double Gap = 0.625;       // between the dimension line and its text
    std::optional<int> Precision;

    bool operator==(const DxfDimensionStyle&) const = default;
};

struct DxfImportResult {
    bool Ok = false;        // false: the file was not read and the drawing is untouched
    std::string Message;    // UTF-8, why the file was not read
    std::string Warning;    // UTF-8, the warning for the first skipped entity type; empty when none
    std::map<std::string, int> Skipped;  // entity type → how many were skipped
    std::map<std::string, int> SkippedInBlocks;  // the same inside block definitions
    int Abandoned = 0;      // entities left out because a value could not be read
    int Dropped = 0;        // entities whose numbers are beyond what an element holds
    int PaperSpace = 0;     // paper-space entities left out
    int DimensionsAsParts = 0;  // dimensions brought in as their block's lines and texts
    int DimensionsLost = 0;     // dimensions with neither a kind of this program nor a block
    int RefusedInserts = 0;     // INSERTs whose placement would overflow or collapse
    bool WorkLimitReached = false;  // placing blocks stopped early
    size_t UnmappedCharacters = 0;  // letters CP932 cannot hold, shown as the geta mark
    bool MissingEnd = false;  // no EOF: the file may have been cut short
    bool StoppedAtCapacity = false;
    int Created = 0;        // elements in the drawing afterwards
    int CutTexts = 0;       // texts too long for a drawing file, cut
    std::optional<DxfDimensionStyle> DimensionStyle;  // when the file has dimensions
};

// What the user is told after an import, one line each (UTF-8); empty when nothing was lost.
std::vector<std::string> DxfImportNotes(const DxfImportResult& result);

// The file's dimension sizes as a drawing's own style (text height, arrow length, extension
// length, text gap, precision), for whoever applies a drawing's style to the settings.
void TakeDxfDimensionStyle(const DxfDimensionStyle& style, DrawingFileSettings& file);

// Replaces the drawing with the file's content. The drawing's dialogs (if any) show the notes as
// one message. Afterwards the caller fits the view to the drawing and refreshes the layer panel.
// A file that is not DXF at all is refused and the drawing kept.
DxfImportResult ImportDxf(const std::filesystem::path& path, Drawing& drawing, const DxfImportOptions& options);
DxfImportResult ImportDxfText(std::string_view text, Drawing& drawing, const DxfImportOptions& options);

}  // namespace vantro
