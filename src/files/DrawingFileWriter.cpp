#include "files/DrawingFile.h"

#include "document/Cp932.h"
#include "document/TextLimit.h"
#include "files/BinaryIo.h"
#include "files/FileSystem.h"

#include <algorithm>
#include <exception>

namespace vantro {
namespace {

constexpr int32_t kDefaultDrawingRange = 3;  // "Paper"/"width2" default

// Pen style to the file's code, the style + 1: solid 1, dash 2, dot 3, dash-dot 4, dash-dot-dot 5.
// Dash-dot-dot once shared code 4; a reader that knows only 1 to 4 reads 5 as dash-dot, as before.
uint8_t CodeFromStyle(uint8_t style)
{
    return style <= kStyleDashDotDot ? static_cast<uint8_t>(style + 1) : kCodeDashDot;
}

// The bytes written so far and how many strings had to be cut to fit their field.
struct FileOut {
    ByteWriter Bytes;
    int CutStrings = 0;
};

// Texts beyond the field's limit are cut, so that the file stays readable, and counted.
void PutString(FileOut& out, std::string_view text)
{
    const size_t length = Cp932PrefixLength(text, kMaxTextBytes);
    if (length < text.size()) ++out.CutStrings;
    out.Bytes.PutI32(static_cast<int32_t>(length + 1));
    out.Bytes.PutBytes(text.substr(0, length));
    out.Bytes.PutU8(0);
}

void PutElement(FileOut& file, const TCadData& e)
{
    ByteWriter& out = file.Bytes;
    out.PutI8(e.Kind);
    out.PutU8(e.Width);
    out.PutU8(e.Layer);
    out.PutU32(e.Color);
    out.PutU8(CodeFromStyle(e.LineStyle));
    out.PutU8(e.Width);
    for (double value : {e.Cx, e.Cy, e.R, e.X1, e.Y1, e.X2, e.Y2, e.Angle, e.Value}) out.PutF64(value);
    out.PutI32(e.Group);
    if (CarriesText(e.Kind)) PutString(file, e.Text);
}

void PutLayers(FileOut& out, const LayerTable& visibleFrom, const LayerTable& namesAndLocks)
{
    for (size_t slot = 0; slot < static_cast<size_t>(kLayerCount); ++slot) {
        out.Bytes.PutU8(visibleFrom.Visible[slot]);
        out.Bytes.PutU8(namesAndLocks.Locked[slot]);
        PutString(out, namesAndLocks.Name[slot]);
    }
    const uint8_t active = visibleFrom.ActiveLayer;
    out.Bytes.PutU8(active >= 1 && active <= kLayerCount ? active : 1);
}

void PutStyle(FileOut& out, const DrawingFileSettings& s)
{
    for (float value : {s.ArrowLength, s.ArrowHeight, s.ArrowOffset, s.TextHeight, s.TextHeight})
        out.Bytes.PutF32(value);
    out.Bytes.PutU8(s.Precision);
    out.Bytes.PutI32(s.DimensionTextColor);
    PutString(out, s.DimTextName);
    PutString(out, s.TextName);
}

void PutFill(FileOut& out, const std::vector<std::string>& memo, const DrawingFileSettings& s)
{
    // An empty memo is written as -1 and no lines.
    out.Bytes.PutI32(static_cast<int32_t>(memo.size()) - 1);
    for (const std::string& line : memo) PutString(out, line);
    out.Bytes.PutU8(s.FillDisplay.value_or(false) ? 1 : 0);
    out.Bytes.PutI32(s.DrawingRange.value_or(kDefaultDrawingRange));
}

// The background slot is always written; at most ten inserted images follow it.
void PutImages(FileOut& out, const std::vector<ImageEntry>& images)
{
    const ImageEntry none;
    const size_t inserted = images.empty() ? 0 : std::min<size_t>(images.size() - 1, kMaxInsertedImages);
    out.Bytes.PutU8(static_cast<uint8_t>(inserted));
    for (size_t slot = 0; slot <= inserted; ++slot) {
        const ImageEntry& entry = images.empty() ? none : images[slot];
        PutString(out, entry.Path);
        out.Bytes.PutF64(entry.X);
        out.Bytes.PutF64(entry.Y);
    }
}

FileOut Encode(const Drawing& drawing, const DrawingFileSettings& settings, const LayerTable* namesAndLocks)
{
    FileOut out;
    out.Bytes.Reserve(static_cast<size_t>(drawing.Count) * 96 + 8192);
    out.Bytes.PutU16(kDrawingFileVersion);
    out.Bytes.PutI32(drawing.Count);
    for (int i = 1; i <= drawing.Count; ++i) PutElement(out, drawing[i]);
    out.Bytes.PutU32(settings.BackgroundColor);
    PutLayers(out, drawing.Layers, namesAndLocks != nullptr ? *namesAndLocks : drawing.Layers);
    PutStyle(out, settings);
    PutFill(out, drawing.MemoBrush, settings);
    PutImages(out, settings.Images);
    return out;
}

}  // namespace

std::string EncodeDrawingFile(const Drawing& drawing, const DrawingFileSettings& settings,
                              const LayerTable* namesAndLocks)
{
    return Encode(drawing, settings, namesAndLocks).Bytes.Take();
}

WriteResult WriteDrawingFile(const std::filesystem::path& path, const Drawing& drawing,
                             const DrawingFileSettings& settings, const LayerTable* namesAndLocks)
{
    if (IsReadOnlyFile(path)) return {false, kReadOnlyFileMessage};
    try {
        FileOut out = Encode(drawing, settings, namesAndLocks);
        if (WriteFileAtomically(path, out.Bytes.Take())) return {true, {}, out.CutStrings};
    } catch (const std::exception&) {
        // out of memory while encoding: the old file stays
    }
    return {false, kWriteFailedMessage};
}

}  // namespace vantro
