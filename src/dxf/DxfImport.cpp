#include "dxf/DxfImport.h"

#include "document/Cp932.h"
#include "document/ElementStore.h"
#include "document/TextLimit.h"
#include "dxf/DxfAttributes.h"
#include "dxf/DxfReading.h"
#include "dxf/DxfValues.h"
#include "files/FileSystem.h"

#include <algorithm>
#include <cctype>

namespace vantro {
namespace {

using namespace dxf;

// A hostile file could name endless distinct types; the report keeps this many.
constexpr size_t kMaxReportedTypes = 100;
constexpr size_t kMaxTypeLength = 64;

// Whether the text is DXF at all: a section, or (in files written without sections) an entity.
enum class DxfShape { NotDxf, Sections, BareEntities };

DxfShape ShapeOf(std::string_view text)
{
    DxfPairReader reader(text);
    while (reader.Next()) {
        if (reader.Code() != 0) continue;
        if (reader.Value() == "SECTION") return DxfShape::Sections;
        if (IsSupportedEntity(reader.Value())) return DxfShape::BareEntities;
    }
    return DxfShape::NotDxf;
}

// Light sheets show colour 7 black, dark ones white.
uint32_t ForegroundOn(uint32_t background)
{
    const uint32_t r = background & 0xFF;
    const uint32_t g = background >> 8 & 0xFF;
    const uint32_t b = background >> 16 & 0xFF;
    return r * 299 + g * 587 + b * 114 >= 128 * 1000 ? 0x000000 : 0xFFFFFF;
}

// The style's sizes are multiplied by its scale (0 reads as 1) when it is complete.
struct StyleReading {
    DimensionStyleValues Values;
    double Scale = 1;

    void Take(int code, double value)
    {
        switch (code) {
        case 140: Values.TextHeight = value; break;
        case 41: Values.ArrowSize = value; break;
        case 147: Values.Gap = std::abs(value); break;
        case 44: Values.Extension = value; break;
        case 40: Scale = value > 0 ? value : 1; break;
        case 271: Values.Decimals = static_cast<int>(std::clamp(value, 0.0, 8.0)); break;
        case 78: Values.DropZeros = (static_cast<int>(std::clamp(value, 0.0, 15.0)) & 8) != 0; break;
        default: break;
        }
    }
    DimensionStyleValues Scaled() const
    {
        DimensionStyleValues v = Values;
        v.TextHeight *= Scale;
        v.ArrowSize *= Scale;
        v.Gap *= Scale;
        v.Extension *= Scale;
        return v;
    }
};

// Header variables that set a dimension style value, by the DIMSTYLE group that holds the same.
int StyleCodeOfVariable(std::string_view name)
{
    struct Entry {
        std::string_view Name;
        int Code;
    };
    static constexpr Entry kVariables[] = {{"$DIMTXT", 140}, {"$DIMASZ", 41}, {"$DIMGAP", 147}, {"$DIMEXE", 44},
                                           {"$DIMSCALE", 40}, {"$DIMDEC", 271}, {"$DIMZIN", 78}};
    for (const Entry& entry : kVariables)
        if (entry.Name == name) return entry.Code;
    return 0;
}

class Importer {
public:
    Importer(std::string_view text, Drawing& drawing, const DxfImportOptions& options)
        : reader_(text), drawing_(drawing)
    {
        context_.BackgroundColour = options.BackgroundColour;
        context_.Foreground = ForegroundOn(options.BackgroundColour);
        context_.Format = options.Format;
        for (LayerDefaults& layer : context_.Layers) layer.Colour = context_.Foreground;
    }

    DxfImportResult Run(DxfShape shape)
    {
        bool ended = false;
        if (shape == DxfShape::BareEntities) ended = ReadEntities();
        while (!ended && !drawing_.AppendFailed && reader_.Next()) {
            if (reader_.Code() == 9) HeaderVariable();
            else if (reader_.Is(2, "TABLES")) ReadTables();
            else if (reader_.Is(2, "BLOCKS")) ReadBlocks();
            else if (reader_.Is(2, "ENTITIES")) ended = ReadEntities();
            ended = ended || reader_.Is(0, "EOF");
        }
        result_.Ok = true;
        result_.MissingEnd = !ended && !drawing_.AppendFailed;
        result_.StoppedAtCapacity = drawing_.AppendFailed;
        drawing_.AppendFailed = false;
        result_.Created = drawing_.Count;
        TakeCounts();
        // A drawing file cannot hold longer texts: cut them now, and say so, not silently on saving.
        result_.CutTexts = CutLongTexts(drawing_, 1);
        const std::vector<std::string> notes = DxfImportNotes(result_);
        std::string message;
        for (const std::string& note : notes) message.append(message.empty() ? "" : "\n").append(note);
        if (!message.empty()) Tell(drawing_, message);
        return result_;
    }

private:
    void TakeCounts()
    {
        const ImportCounts& counts = context_.Counts;
        result_.Dropped = counts.Dropped;
        result_.PaperSpace = counts.PaperSpace;
        result_.DimensionsAsParts = counts.DimensionsAsParts;
        result_.DimensionsLost = counts.DimensionsLost;
        result_.RefusedInserts = counts.RefusedInserts;
        result_.WorkLimitReached = counts.WorkLimitReached;
        result_.UnmappedCharacters = context_.Decoder.Unmapped();
        if (context_.StyleUse.empty()) return;
        const auto used = std::max_element(context_.StyleUse.begin(), context_.StyleUse.end(),
                                           [](const auto& a, const auto& b) { return a.second < b.second; });
        const DimensionStyleValues& style = StyleNamed(context_, used->first);
        DxfDimensionStyle shown{style.TextHeight, style.ArrowSize, style.Extension, style.Gap, std::nullopt};
        if (style.Decimals >= 0) shown.Precision = std::min(style.Decimals, 6);
        result_.DimensionStyle = shown;
    }

    void HeaderVariable()
    {
        const std::string_view name = reader_.Value();
        const int styleCode = StyleCodeOfVariable(name);
        if (name != "$ACADVER" && name != "$DWGCODEPAGE" && styleCode == 0) return;
        if (!reader_.Next()) return;
        double value = 0;
        if (name == "$ACADVER") context_.Decoder.SetVersion(reader_.Value());
        else if (name == "$DWGCODEPAGE") context_.Decoder.SetCodePage(reader_.Value());
        else if (ParseDxfNumber(reader_.Value(), value)) headerStyle_.Take(styleCode, value);
        context_.HeaderStyle = headerStyle_.Scaled();
    }

    void ReadTables()
    {
        while (reader_.Next() && !reader_.Is(0, "ENDSEC") && !reader_.Is(0, "EOF")) {
            if (reader_.Is(2, "LAYER")) ReadLayerTable();
            else if (reader_.Is(2, "DIMSTYLE")) ReadStyleTable();
        }
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
            int number = 0;
            switch (reader_.Code()) {
            case 2:
                drawing_.Layers.Name[static_cast<size_t>(layer - 1)] = context_.Decoder.Name(value);
                context_.LayerByName.emplace(std::string(value), layer);
                break;
            case 62: defaults.Colour = ColourOfValue(context_, value, context_.Foreground); break;
            case 420:
                if (ParseDxfInteger(value, number)) defaults.Colour = ColourOfTrueValue(context_, number);
                break;
            case 6:
                defaults.Style = LineStyleOfName(value);
                open = false;
                break;
            default: break;
            }
        }
    }

    // Each DIMSTYLE record: its name and sizes, the header's values where it gives none.
    void ReadStyleTable()
    {
        std::string name;
        StyleReading style = headerStyle_;
        const auto keep = [&] {
            if (!name.empty()) context_.Styles.emplace(name, style.Scaled());
        };
        while (reader_.Next() && !reader_.Is(0, "ENDTAB") && !reader_.Is(0, "ENDSEC")) {
            if (reader_.Is(0, "DIMSTYLE")) {
                keep();
                name.clear();
                style = headerStyle_;
                continue;
            }
            double value = 0;
            if (reader_.Code() == 2) name = Capitals(reader_.Value());
            else if (ParseDxfNumber(reader_.Value(), value)) style.Take(reader_.Code(), value);
        }
        keep();
    }

    // Block entities are created in a scratch drawing by the same readers, then kept by name
    // relative to the block's base point. The model and paper space blocks are never inserted.
    void ReadBlocks()
    {
        Drawing scratch;
        ResetScratch(scratch);
        context_.InBlock = true;
        std::string block;
        Point base;
        bool kept = false;
        bool more = reader_.Next();
        while (more && !reader_.Is(0, "ENDSEC") && !reader_.Is(0, "EOF")) {
            if (reader_.Code() != 0) {
                more = reader_.Next();
                continue;
            }
            const std::string_view type = reader_.Value();
            if (type == "BLOCK") {
                CollectPairs(reader_, context_.Pairs);
                block = std::string(StringOf(context_.Pairs, 2));
                Numbers values;
                for (const RawPair& pair : context_.Pairs) values.Take(pair);
                base = values.PointOf(10);
                const std::string upper = Capitals(block);
                kept = !upper.starts_with("*MODEL_SPACE") && !upper.starts_with("*PAPER_SPACE");
                more = !reader_.AtEnd();
                continue;
            }
            if (type == "ENDBLK" || !kept || type == "ATTDEF" || type == "SEQEND" || context_.Blocks.Room() == 0) {
                kept = kept && type != "ENDBLK";
                more = reader_.Next();
                continue;
            }
            // A full block list takes nothing more, and an insert copies no more than there is room for.
            scratch.Capacity = static_cast<int32_t>(std::min<size_t>(kMaxCapacity, context_.Blocks.Room())) - 1;
            const EntityOutcome outcome = ReadEntity(type, reader_, scratch, context_);
            if (outcome == EntityOutcome::Unsupported) Count(result_.SkippedInBlocks, type);
            if (outcome == EntityOutcome::Abandoned) ++result_.Abandoned;
            const Placement fromBase{{-base.X, -base.Y}, 1, 1, 0, kByBlockColour, kByBlockLayer};
            for (int i = 1; i <= scratch.Count; ++i) context_.Blocks.Add(block, PlacedElement(scratch[i], fromBase));
            if (scratch.Count > 0) ResetScratch(scratch);
            more = !reader_.AtEnd();
        }
        context_.InBlock = false;
    }

    static void ResetScratch(Drawing& scratch)
    {
        Reset(scratch, nullptr);
        scratch.BatchMode = true;
    }

    // True when the file's EOF was reached.
    bool ReadEntities()
    {
        bool more = reader_.Next();
        while (more && !drawing_.AppendFailed && !reader_.Is(0, "ENDSEC") && !reader_.Is(0, "EOF")) {
            if (reader_.Code() != 0 || reader_.Value() == "SEQEND") {
                more = reader_.Next();
                continue;
            }
            const std::string_view type = reader_.Value();
            const EntityOutcome outcome = ReadEntity(type, reader_, drawing_, context_);
            if (outcome == EntityOutcome::Unsupported) Skip(type);
            if (outcome == EntityOutcome::Abandoned) ++result_.Abandoned;
            more = !reader_.AtEnd();
        }
        return reader_.Is(0, "EOF");
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
        if (result_.Warning.empty()) result_.Warning = std::string(name).append(kDxfUnsupportedSuffix);
    }

    DxfPairReader reader_;
    Drawing& drawing_;
    ReadContext context_;
    StyleReading headerStyle_;
    DxfImportResult result_;
};

DxfImportResult Failure(const char* message)
{
    DxfImportResult result;
    result.Message = message;
    return result;
}

std::string Counted(const char* text, long long count) { return std::string(text).append(std::to_string(count)); }

}  // namespace

namespace dxf {

std::string Capitals(std::string_view name)
{
    std::string key(name);
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

const DimensionStyleValues& StyleNamed(const ReadContext& context, std::string_view name)
{
    const auto found = context.Styles.find(Capitals(name));
    return found == context.Styles.end() ? context.HeaderStyle : found->second;
}

}  // namespace dxf

std::vector<std::string> DxfImportNotes(const DxfImportResult& r)
{
    std::vector<std::string> notes;
    for (const auto& [type, count] : r.Skipped)
        notes.push_back(type + kDxfUnsupportedSuffix + " (" + std::to_string(count) + ")");
    for (const auto& [type, count] : r.SkippedInBlocks)
        notes.push_back("ブロック内の" + type + kDxfUnsupportedSuffix + " (" + std::to_string(count) + ")");
    const struct {
        long long Count;
        const char* Text;
    } counted[] = {
        {r.PaperSpace, "ペーパー空間の図形は読み込みません: "},
        {r.DimensionsAsParts, "この形の寸法線にできない寸法は、線と文字で読み込みました: "},
        {r.DimensionsLost, "ブロックもなく寸法線にできない寸法は読み込めませんでした: "},
        {r.Abandoned, "値を読めない図形は読み込めませんでした: "},
        {r.Dropped, "値が扱える範囲を超える図形は読み込めませんでした: "},
        {r.RefusedInserts, "配置すると範囲を超えるブロック挿入は読み込めませんでした: "},
        {static_cast<long long>(r.UnmappedCharacters), "CP932にない文字を〓にしました: "},
    };
    for (const auto& c : counted)
        if (c.Count > 0) notes.push_back(Counted(c.Text, c.Count));
    if (r.WorkLimitReached)
        notes.emplace_back("ブロック挿入が多すぎるため、残りのブロック挿入は読み込みませんでした。");
    if (r.MissingEnd)
        notes.emplace_back("ファイルの終わり(EOF)がありません。途中で切れたファイルかもしれません。");
    if (r.StoppedAtCapacity) notes.emplace_back(kCapacityMessage);
    if (r.CutTexts > 0) notes.push_back(std::to_string(r.CutTexts) + kLongTextsCutSuffix);
    return notes;
}

void TakeDxfDimensionStyle(const DxfDimensionStyle& style, DrawingFileSettings& file)
{
    file.TextHeight = static_cast<float>(style.TextHeight);
    file.ArrowLength = static_cast<float>(style.ArrowLength);
    file.ArrowHeight = static_cast<float>(style.Extension);
    file.ArrowOffset = static_cast<float>(style.Gap);
    if (style.Precision) file.Precision = static_cast<uint8_t>(*style.Precision);
}

DxfImportResult ImportDxfText(std::string_view text, Drawing& drawing, const DxfImportOptions& options)
{
    const DxfShape shape = ShapeOf(text);
    if (shape == DxfShape::NotDxf) return Failure(kDxfNotDxfMessage);
    Reset(drawing, nullptr);
    return Importer(text, drawing, options).Run(shape);
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
