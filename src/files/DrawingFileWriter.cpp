#include "files/DrawingFile.h"

#include "files/BinaryIo.h"
#include "files/ElementEntry.h"
#include "files/FileSystem.h"

#include <algorithm>
#include <exception>

namespace vantro {
namespace {

constexpr int32_t kDefaultDrawingRange = 3;  // "Paper"/"width2" default

void PutLayers(FileOut& out, const LayerTable& visibleFrom, const LayerTable& namesAndLocks)
{
    for (size_t slot = 0; slot < static_cast<size_t>(kLayerCount); ++slot) {
        out.Bytes.PutU8(visibleFrom.Visible[slot]);
        out.Bytes.PutU8(namesAndLocks.Locked[slot]);
        PutStringField(out, namesAndLocks.Name[slot]);
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
    PutStringField(out, s.DimTextName);
    PutStringField(out, s.TextName);
}

void PutFill(FileOut& out, const std::vector<std::string>& memo, const DrawingFileSettings& s)
{
    // An empty memo is written as -1 and no lines.
    out.Bytes.PutI32(static_cast<int32_t>(memo.size()) - 1);
    for (const std::string& line : memo) PutStringField(out, line);
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
        PutStringField(out, entry.Path);
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
    for (int i = 1; i <= drawing.Count; ++i) PutElementEntry(out, drawing[i]);
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
