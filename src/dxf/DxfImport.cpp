#include "dxf/DxfImport.h"

#include "document/Cp932.h"
#include "document/ElementStore.h"
#include "document/TextLimit.h"
#include "dxf/DxfReading.h"
#include "dxf/DxfValues.h"
#include "files/FileSystem.h"

#include <algorithm>

namespace vantro {
namespace {

using namespace dxf;

// A hostile file could name endless distinct types; the report keeps this many.
constexpr size_t kMaxReportedTypes = 100;
constexpr size_t kMaxTypeLength = 64;

class Importer {
public:
    Importer(std::string_view text, Drawing& drawing, const DxfImportOptions& options)
        : reader_(text), drawing_(drawing)
    {
        context_.BackgroundColour = options.BackgroundColour;
        context_.Dimensions = options.Dimensions;
        context_.Dimensions.Tolerance.clear();
        context_.Dimensions.Memo.clear();
    }

    DxfImportResult Run()
    {
        while (!drawing_.AppendFailed && reader_.Next()) {
            if (reader_.Code() == 9) HeaderVariable();
            else if (reader_.Is(2, "TABLES")) ReadTables();
            else if (reader_.Is(2, "BLOCKS")) ReadBlocks();
            else if (reader_.Is(2, "ENTITIES")) ReadEntities();
            else if (reader_.Is(0, "EOF")) break;
        }
        result_.Ok = true;
        result_.StoppedAtCapacity = drawing_.AppendFailed;
        drawing_.AppendFailed = false;
        result_.Created = drawing_.Count;
        // A drawing file cannot hold longer texts: cut them now, and say so, not silently on saving.
        result_.CutTexts = CutLongTexts(drawing_, 1);
        if (result_.CutTexts > 0) Tell(drawing_, std::to_string(result_.CutTexts) + kLongTextsCutSuffix);
        return result_;
    }

private:
    void HeaderVariable()
    {
        const std::string_view name = reader_.Value();
        if (name != "$ACADVER" && name != "$DWGCODEPAGE") return;
        if (!reader_.Next()) return;
        if (name == "$ACADVER") context_.Decoder.SetVersion(reader_.Value());
        else context_.Decoder.SetCodePage(reader_.Value());
    }

    void ReadTables()
    {
        while (reader_.Next() && !reader_.Is(0, "ENDSEC") && !reader_.Is(0, "EOF"))
            if (reader_.Is(2, "LAYER")) ReadLayerTable();
    }

    // Records fill layers 1, 2, ... in order; within a record the pairs up to the line type count.
    void ReadLayerTable()
    {
        int layer = 0;
        bool open = false;
        while (reader_.Next() && !reader_.Is(0, "ENDTAB") && !reader_.Is(0, "ENDSEC")) {
            if (reader_.Is(0, "LAYER")) {
                ++layer;
                open = layer <= kLayerCount;
                continue;
            }
            if (!open) continue;
            LayerDefaults& defaults = context_.Layers[static_cast<size_t>(layer)];
            const std::string_view value = reader_.Value();
            switch (reader_.Code()) {
            case 2:
                drawing_.Layers.Name[static_cast<size_t>(layer - 1)] = context_.Decoder.Name(value);
                context_.LayerByName.emplace(std::string(value), layer);
                break;
            case 62: {
                int number = 0;
                defaults.Colour = ParseDxfInteger(value, number) ? ColourOfNumber(number)
                                                                 : InvertRgb(context_.BackgroundColour);
                break;
            }
            case 6:
                defaults.Style = LineStyleOfName(value);
                open = false;
                break;
            default: break;
            }
        }
    }

    // Block entities are created in a scratch drawing by the same readers, then kept by name.
    void ReadBlocks()
    {
        Drawing scratch;
        ResetScratch(scratch);
        std::string_view block;
        bool more = reader_.Next();
        while (more && !reader_.Is(0, "ENDSEC") && !reader_.Is(0, "EOF")) {
            if (reader_.Code() != 0) {
                more = reader_.Next();
                continue;
            }
            const std::string_view type = reader_.Value();
            if (type == "BLOCK") {
                CollectPairs(reader_, context_.Pairs);
                block = {};
                for (const RawPair& pair : context_.Pairs)
                    if (pair.Code == 2) block = pair.Value;
                more = !reader_.AtEnd();
                continue;
            }
            if (type == "ENDBLK") {
                block = {};
                more = reader_.Next();
                continue;
            }
            // Points and solids of blocks are dimension definition points and arrowheads. A full
            // block list takes nothing more, and an insert copies no more than there is room for.
            scratch.Capacity = static_cast<int32_t>(std::min<size_t>(kMaxCapacity, context_.Blocks.Room())) - 1;
            if (type == "POINT" || type == "SOLID" || context_.Blocks.Room() == 0) {
                more = reader_.Next();
                continue;
            }
            if (ReadEntity(type, reader_, scratch, context_) == EntityOutcome::Unsupported) {
                Count(result_.SkippedInBlocks, type);
                more = reader_.Next();
                continue;
            }
            for (int i = 1; i <= scratch.Count; ++i) context_.Blocks.Add(block, scratch[i]);
            if (scratch.Count > 0) ResetScratch(scratch);
            more = !reader_.AtEnd();
        }
    }

    static void ResetScratch(Drawing& scratch)
    {
        Reset(scratch, nullptr);
        scratch.BatchMode = true;
    }

    void ReadEntities()
    {
        bool more = reader_.Next();
        while (more && !drawing_.AppendFailed && !reader_.Is(0, "ENDSEC") && !reader_.Is(0, "EOF")) {
            if (reader_.Code() != 0 || reader_.Value() == "SEQEND") {
                more = reader_.Next();
                continue;
            }
            const std::string_view type = reader_.Value();
            const EntityOutcome outcome = ReadEntity(type, reader_, drawing_, context_);
            if (outcome == EntityOutcome::Unsupported) {
                Skip(type);
                more = reader_.Next();
                continue;
            }
            if (outcome == EntityOutcome::Abandoned) ++result_.Abandoned;
            more = !reader_.AtEnd();
        }
    }

    // Counts a skipped type under its name (UTF-8); returns the name.
    std::string Count(std::map<std::string, int>& skipped, std::string_view type)
    {
        std::string name = Cp932ToUtf8(context_.Decoder.Name(type.substr(0, kMaxTypeLength)));
        if (skipped.size() < kMaxReportedTypes || skipped.contains(name)) ++skipped[name];
        return name;
    }

    void Skip(std::string_view type)
    {
        const std::string name = Count(result_.Skipped, type);
        if (!result_.Warning.empty()) return;
        result_.Warning = std::string(name).append(kDxfUnsupportedSuffix);
        Tell(drawing_, result_.Warning);
    }

    DxfPairReader reader_;
    Drawing& drawing_;
    ReadContext context_;
    DxfImportResult result_;
};

DxfImportResult Failure(const char* message)
{
    DxfImportResult result;
    result.Message = message;
    return result;
}

}  // namespace

DxfImportResult ImportDxfText(std::string_view text, Drawing& drawing, const DxfImportOptions& options)
{
    Reset(drawing, nullptr);
    return Importer(text, drawing, options).Run();
}

DxfImportResult ImportDxf(const std::filesystem::path& path, Drawing& drawing, const DxfImportOptions& options)
{
    std::string bytes;
    switch (ReadWholeFile(path, options.MaxFileBytes, bytes)) {
    case FileReadStatus::Read: return ImportDxfText(bytes, drawing, options);
    case FileReadStatus::Missing: return Failure(kDxfMissingMessage);
    case FileReadStatus::TooLarge: return Failure(kDxfTooLargeMessage);
    default: return Failure(kDxfUnreadableMessage);
    }
}

}  // namespace vantro
