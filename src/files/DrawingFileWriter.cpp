#include "files/DrawingFile.h"

#include "document/Cp932.h"
#include "files/BinaryIo.h"
#include "files/FileSystem.h"

#include <algorithm>
#include <exception>

namespace vantro {
namespace {

constexpr int32_t kDefaultDrawingRange = 3;  // "Paper"/"width2" default

// Pen style to the file's code: solid 1, dash 2, dot 3; dash-dot and dash-dot-dot share 4.
uint8_t CodeFromStyle(uint8_t style) { return style <= kStyleDot ? static_cast<uint8_t>(style + 1) : 4; }

// Longest prefix of at most maxBytes that does not split a double-byte character.
size_t Cp932PrefixLength(std::string_view text, size_t maxBytes)
{
    size_t length = 0;
    while (length < text.size()) {
        const size_t step = IsCp932LeadByte(static_cast<unsigned char>(text[length])) ? 2 : 1;
        if (length + step > maxBytes) break;
        length += step;
    }
    return std::min(length, text.size());  // a lead byte at the very end is taken whole
}

// Texts beyond the field's limit are cut, so that the file stays readable.
void PutString(ByteWriter& out, std::string_view text)
{
    const size_t length = Cp932PrefixLength(text, static_cast<size_t>(kMaxStringField - 1));
    out.PutI32(static_cast<int32_t>(length + 1));
    out.PutBytes(text.substr(0, length));
    out.PutU8(0);
}

void PutElement(ByteWriter& out, const TCadData& e)
{
    out.PutI8(e.Kind);
    out.PutU8(e.Width);
    out.PutU8(e.Layer);
    out.PutU32(e.Color);
    out.PutU8(CodeFromStyle(e.LineStyle));
    out.PutU8(e.Width);
    for (double value : {e.Cx, e.Cy, e.R, e.X1, e.Y1, e.X2, e.Y2, e.Angle, e.Value}) out.PutF64(value);
    out.PutI32(e.Group);
    if (CarriesText(e.Kind)) PutString(out, e.Text);
}

void PutLayers(ByteWriter& out, const LayerTable& visibleFrom, const LayerTable& namesAndLocks)
{
    for (size_t slot = 0; slot < static_cast<size_t>(kLayerCount); ++slot) {
        out.PutU8(visibleFrom.Visible[slot]);
        out.PutU8(namesAndLocks.Locked[slot]);
        PutString(out, namesAndLocks.Name[slot]);
    }
    const uint8_t active = visibleFrom.ActiveLayer;
    out.PutU8(active >= 1 && active <= kLayerCount ? active : 1);
}

void PutStyle(ByteWriter& out, const DrawingFileSettings& s)
{
    out.PutF32(s.ArrowLength);
    out.PutF32(s.ArrowHeight);
    out.PutF32(s.ArrowOffset);
    out.PutF32(s.TextHeight);
    out.PutF32(s.TextHeight);
    out.PutU8(s.Precision);
    out.PutI32(s.DimensionTextColor);
    PutString(out, s.DimTextName);
    PutString(out, s.TextName);
}

void PutFill(ByteWriter& out, const std::vector<std::string>& memo, const DrawingFileSettings& s)
{
    // An empty memo is written as -1 and no lines.
    out.PutI32(static_cast<int32_t>(memo.size()) - 1);
    for (const std::string& line : memo) PutString(out, line);
    out.PutU8(s.FillDisplay.value_or(false) ? 1 : 0);
    out.PutI32(s.DrawingRange.value_or(kDefaultDrawingRange));
}

// The background slot is always written; at most ten inserted images follow it.
void PutImages(ByteWriter& out, const std::vector<ImageEntry>& images)
{
    const ImageEntry none;
    const size_t inserted = images.empty() ? 0 : std::min<size_t>(images.size() - 1, kMaxInsertedImages);
    out.PutU8(static_cast<uint8_t>(inserted));
    for (size_t slot = 0; slot <= inserted; ++slot) {
        const ImageEntry& entry = images.empty() ? none : images[slot];
        PutString(out, entry.Path);
        out.PutF64(entry.X);
        out.PutF64(entry.Y);
    }
}

}  // namespace

std::string EncodeDrawingFile(const Drawing& drawing, const DrawingFileSettings& settings,
                              const LayerTable* namesAndLocks)
{
    ByteWriter out;
    out.Reserve(static_cast<size_t>(drawing.Count) * 96 + 8192);
    out.PutU16(kDrawingFileVersion);
    out.PutI32(drawing.Count);
    for (int i = 1; i <= drawing.Count; ++i) PutElement(out, drawing[i]);
    out.PutU32(settings.BackgroundColor);
    PutLayers(out, drawing.Layers, namesAndLocks != nullptr ? *namesAndLocks : drawing.Layers);
    PutStyle(out, settings);
    PutFill(out, drawing.MemoBrush, settings);
    PutImages(out, settings.Images);
    return out.Take();
}

WriteResult WriteDrawingFile(const std::filesystem::path& path, const Drawing& drawing,
                             const DrawingFileSettings& settings, const LayerTable* namesAndLocks)
{
    if (IsReadOnlyFile(path)) return {false, kReadOnlyFileMessage};
    try {
        if (WriteFileAtomically(path, EncodeDrawingFile(drawing, settings, namesAndLocks))) return {true, {}};
    } catch (const std::exception&) {
        // out of memory while encoding: the old file stays
    }
    return {false, kWriteFailedMessage};
}

}  // namespace vantro
