#include "files/DrawingFile.h"

#include "document/Groups.h"
#include "document/Layers.h"
#include "files/BinaryIo.h"
#include "files/ElementEntry.h"
#include "files/FileSystem.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace vantro {
namespace {

constexpr int kStageOpen = 0;
constexpr int kStageElements = 1;
constexpr int kStageLayers = 2;
constexpr int kStageFill = 3;
constexpr int kStageImages = 4;

// Version thresholds of the optional sections.
constexpr uint16_t kVersionFill = 204;
constexpr uint16_t kVersionDrawingRange = 205;
constexpr uint16_t kVersionImagesFrom = 232;
constexpr uint16_t kVersionImagesTo = 299;
constexpr uint16_t kVersionAllLayers = 270;
constexpr int kOldLayerCount = 16;

// Reads the sections in file order. Each step returns false on a short file or a value outside
// the format; stage_ then names the section that failed.
class DrawingParser {
public:
    DrawingParser(std::string_view bytes, Drawing& drawing, DrawingFileSettings& settings)
        : in_(bytes), drawing_(drawing), settings_(settings)
    {
    }

    int Stage() const { return stage_; }
    int Skipped() const { return skipped_; }

    bool Run()
    {
        int32_t count = 0;
        if (!in_.ReadU16(version_) || !in_.ReadI32(count) || count < 0) return false;
        settings_.Version = version_;
        stage_ = kStageElements;
        if (!ReadElements(count)) return false;
        stage_ = kStageLayers;
        if (!ReadLayers() || !ReadStyle()) return false;
        if (version_ < kVersionFill) return true;
        stage_ = kStageFill;
        if (!ReadFill()) return false;
        if (version_ < kVersionImagesFrom || version_ > kVersionImagesTo) return true;
        stage_ = kStageImages;
        return ReadImages();
    }

private:
    bool ReadFinite(double& value) { return in_.ReadF64(value) && std::isfinite(value); }
    bool ReadFinite(float& value) { return in_.ReadF32(value) && std::isfinite(value); }

    bool ReadString(std::string& text) { return ReadStringField(in_, version_, text); }

    // An element the drawing cannot hold (a number that is not finite, a layer outside the table)
    // is read whole all the same, so that the next one is found: see Holdable.
    bool ReadElement(TCadData& e)
    {
        if (!ReadElementEntry(in_, version_, e)) return false;
        if (e.Kind == kKindText && e.R < kMinTextHeight) e.R = kMinTextHeight;
        return true;
    }

    static bool Holdable(const TCadData& e)
    {
        return e.Layer >= 1 && e.Layer <= kLayerCount && IsFiniteRecord(e);
    }

    bool ReadElements(int32_t count)
    {
        const auto n = static_cast<size_t>(count);
        if (n > in_.Remaining() / kElementEntryMinSize) return false;
        drawing_.Elements.assign(n + 100, TCadData{});
        drawing_.IndexOfId.assign(n + 100, 0);
        int kept = 0;
        for (int k = 0; k < count; ++k) {
            TCadData& e = drawing_[kept + 1];
            if (!ReadElement(e)) return false;
            if (!Holdable(e)) {
                e = TCadData{};
                ++skipped_;
                continue;
            }
            ++kept;
            e.Id = kept;
            drawing_.IndexOfId[static_cast<size_t>(kept)] = kept;
        }
        drawing_.Count = kept;
        drawing_.LastId = static_cast<uint32_t>(kept);
        UpdateMaxGroup(drawing_);
        return true;
    }

    // The active layer is shown and free, as the layer panel keeps it, or new work would land where
    // it can be neither seen nor picked: also when the table breaks off, as what was read stays.
    bool ReadLayers()
    {
        const bool read = ReadLayerTable();
        SelectActiveLayer(drawing_.Layers, drawing_.Layers.ActiveLayer, false);
        return read;
    }

    bool ReadLayerTable()
    {
        if (!in_.ReadU32(settings_.BackgroundColor)) return false;
        LayerTable& layers = drawing_.Layers;
        const int layerCount = version_ >= kVersionAllLayers ? kLayerCount : kOldLayerCount;
        for (size_t slot = 0; slot < static_cast<size_t>(layerCount); ++slot) {
            uint8_t visible = 0;
            uint8_t locked = 0;
            if (!in_.ReadU8(visible) || !in_.ReadU8(locked) || !ReadString(layers.Name[slot])) return false;
            layers.Visible[slot] = visible == 1 ? 1 : 0;
            layers.Locked[slot] = locked == 1 ? 1 : 0;
        }
        uint8_t active = 0;
        if (!in_.ReadU8(active)) return false;
        // A layer number outside the table makes layer 1 active rather than failing the file.
        layers.ActiveLayer = active >= 1 && active <= kLayerCount ? active : 1;
        return true;
    }

    bool ReadStyle()
    {
        DrawingFileSettings& s = settings_;
        // The text height is stored twice; the second copy wins.
        return ReadFinite(s.ArrowLength) && ReadFinite(s.ArrowHeight) && ReadFinite(s.ArrowOffset) &&
               ReadFinite(s.TextHeight) && ReadFinite(s.TextHeight) && in_.ReadU8(s.Precision) &&
               s.Precision < kPrecisionChoices && in_.ReadI32(s.DimensionTextColor) &&
               ReadString(s.DimTextName) && ReadString(s.TextName);
    }

    bool ReadFill()
    {
        int32_t lastLine = 0;
        if (!in_.ReadI32(lastLine)) return false;
        const int64_t lines = std::max<int64_t>(int64_t{lastLine} + 1, 0);
        if (static_cast<uint64_t>(lines) > in_.Remaining() / kStringFieldMinSize) return false;
        for (int64_t k = 0; k < lines; ++k) {
            std::string line;
            if (!ReadString(line)) return false;
            drawing_.MemoBrush.push_back(std::move(line));
        }
        uint8_t fillDisplay = 0;
        if (!in_.ReadU8(fillDisplay)) return false;
        settings_.FillDisplay = fillDisplay != 0;
        if (version_ < kVersionDrawingRange) return true;
        int32_t range = 0;
        // -1 is a radio group with no item chosen.
        if (!in_.ReadI32(range) || range < -1 || range >= kDrawingRangeChoices) return false;
        settings_.DrawingRange = range;
        return true;
    }

    bool ReadImages()
    {
        uint8_t inserted = 0;
        if (!in_.ReadU8(inserted) || inserted > kMaxInsertedImages) return false;
        for (int slot = 0; slot <= inserted; ++slot) {
            ImageEntry entry;
            if (!ReadString(entry.Path) || !ReadFinite(entry.X) || !ReadFinite(entry.Y)) return false;
            settings_.Images.push_back(std::move(entry));
        }
        return true;
    }

    ByteReader in_;
    Drawing& drawing_;
    DrawingFileSettings& settings_;
    uint16_t version_ = 0;
    int stage_ = kStageOpen;
    int skipped_ = 0;
};

// The fields that say whether the file has a section start out absent; the others keep the
// caller's values until the file replaces them.
void ForgetOptionalSections(DrawingFileSettings& settings)
{
    settings.Version = 0;
    settings.FillDisplay.reset();
    settings.DrawingRange.reset();
    settings.Images.clear();
}

ReadResult Failure(int stage, Drawing& drawing, const LayerNames* namesOnFailure)
{
    // Without its elements the drawing is worthless: it becomes a new drawing.
    if (stage <= kStageElements) Reset(drawing, namesOnFailure);
    return {false, stage, kReadStageMessages[static_cast<size_t>(stage)]};
}

}  // namespace

ReadResult ReadDrawingBytes(std::string_view bytes, Drawing& drawing, DrawingFileSettings& settings,
                            const LayerNames* namesOnFailure)
{
    Reset(drawing, nullptr);
    ForgetOptionalSections(settings);
    DrawingParser parser(bytes, drawing, settings);
    bool ok = false;
    try {
        ok = parser.Run();
    } catch (const std::exception&) {
        ok = false;  // out of memory: a failure of the stage that was reading
    }
    // A later read error keeps the elements, so their groups are brought in range either way.
    KeepGroupNumbersInRange(drawing);
    if (!ok) {
        ReadResult failure = Failure(parser.Stage(), drawing, namesOnFailure);
        if (parser.Stage() > kStageElements) failure.SkippedElements = parser.Skipped();
        return failure;
    }
    return {true, parser.Stage(), {}, parser.Skipped()};
}

ReadResult ReadDrawingFile(const std::filesystem::path& path, Drawing& drawing, DrawingFileSettings& settings,
                           const LayerNames* namesOnFailure)
{
    std::string bytes;
    if (ReadWholeFile(path, kMaxDrawingFileBytes, bytes) != FileReadStatus::Read) {
        ForgetOptionalSections(settings);
        return Failure(kStageOpen, drawing, namesOnFailure);
    }
    ReadResult result = ReadDrawingBytes(bytes, drawing, settings, namesOnFailure);
    LocateImages(settings.Images, path.parent_path());
    return result;
}

}  // namespace vantro
