#include "dxf/DxfExport.h"

#include "document/Cp932.h"
#include "document/Layers.h"
#include "dxf/DxfDimensions.h"
#include "dxf/DxfOwnRecords.h"
#include "dxf/DxfShapes.h"
#include "files/FileSystem.h"

#include <array>
#include <set>
#include <system_error>

namespace vantro {
namespace {

using namespace dxf;

struct LineTypeRecord {
    std::string_view Handle;
    std::string_view Name;
    std::string_view Description;
    std::string_view DashCount;
    std::string_view TotalLength;
    std::array<std::string_view, 6> Dashes;
};

constexpr std::array<LineTypeRecord, 7> kLineTypes{{
    {"12", "BYBLOCK", "", "     0", "0.0", {}},
    {"13", "BYLAYER", "", "     0", "0.0", {}},
    {"14", "CONTINUOUS", "Solid line", "     0", "0.0", {}},
    {"22", "CENTER2", "Center (.5x) ___ _ ___ _ ___ _ ___ _ ___ _ ___", "     4", "28.575",
     {"19.05", "-3.175", "3.175", "-3.175"}},
    {"26", "PHANTOM2", "Phantom (.5x) ___ _ _ ___ _ _ ___ _ _ ___ _ _", "     6", "31.75",
     {"15.875", "-3.175", "3.175", "-3.175", "3.175", "-3.175"}},
    {"2D", "DASHED2", "Dashed (.5x) _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _", "     2", "9.525", {"6.35", "-3.175"}},
    {"2E", "DASHED", "Dashed __ __ __ __ __ __ __ __ __ __ __ __ __ _", "     2", "19.05", {"12.7", "-6.35"}},
}};

// Characters a layer name may not hold in other programs.
bool IsForbiddenInName(unsigned char c)
{
    return c < 0x20 || std::string_view("<>/\\\":;?*|=`").find(static_cast<char>(c)) != std::string_view::npos;
}

// The name with forbidden characters as "_"; double-byte characters are stepped over.
std::string CleanName(std::string_view name)
{
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (IsCp932LeadByte(byte) && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) >= 0x40) {
            out.append(name.substr(i++, 2));
            continue;
        }
        out.push_back(IsForbiddenInName(byte) ? '_' : static_cast<char>(byte));
    }
    return out;
}

// The group 8 value of each layer number 0..255: its name, or the number when it has none; a name
// given twice, or that other programs would refuse, is made distinct and valid.
class LayerLabels {
public:
    explicit LayerLabels(const LayerTable& layers)
    {
        std::set<std::string> taken;
        for (size_t layer = 0; layer < labels_.size(); ++layer) {
            const bool named = layer >= 1 && layer <= kLayerCount && !layers.Name[layer - 1].empty();
            std::string label = named ? CleanName(layers.Name[layer - 1]) : std::to_string(layer);
            if (!taken.insert(label).second) label.append("_").append(std::to_string(layer));
            taken.insert(label);
            labels_[layer] = std::move(label);
        }
    }
    const std::string& operator()(uint8_t layer) const { return labels_[layer]; }

private:
    std::array<std::string, 256> labels_;
};

DimensionStyle StyleOf(const Settings& settings)
{
    DimensionStyle style;
    style.ArrowLength = settings.ArrowLength;
    style.Extension = settings.ArrowHeight;
    style.Gap = settings.ArrowOffset;
    style.TextHeight = settings.Textheight;
    style.RadiusToCentre = settings.DimRChk;
    style.LeaderTextOnExtension = settings.DimTextOfset;
    style.PartColour = ColourNumber(settings.Color2);
    style.TextColour = ColourNumber(settings.TextColor);
    style.Format = NumberFormat{settings.Precision, settings.Dim0Chk};
    return style;
}

// Returns where the handle seed is to be filled in.
size_t WriteHeader(DxfOutput& out, const DimensionStyle& style)
{
    out.Pair(kEntityType, "SECTION");
    out.Pair(kName, "HEADER");
    // AutoCAD 2000's form, whose subclass markers the entities carry; its texts are CP932 bytes.
    out.Pair(kVariable, "$ACADVER");
    out.Pair(kPrimaryText, "AC1015");
    out.Pair(kVariable, "$DWGCODEPAGE");
    out.Pair(kOtherName, "ANSI_932");
    out.Pair(kVariable, "$HANDSEED");
    const size_t seed = out.HexPlaceholder(kHandle);
    const auto integer = [&](std::string_view name, int value) {
        out.Pair(kVariable, name);
        out.Integer(kFlags, value);
    };
    const auto real = [&](std::string_view name, double value) {
        out.Pair(kVariable, name);
        out.Fixed(kHeight, value);
    };
    integer("$INSUNITS", 4);     // millimetres
    integer("$MEASUREMENT", 1);  // metric
    integer("$DIMCLRD", style.PartColour);
    integer("$DIMCLRE", style.PartColour);
    integer("$DIMCLRT", style.TextColour);
    out.Pair(kVariable, "$DIMAUNIT");
    out.Pair(kFlags, "  0");
    real("$DIMGAP", style.Gap);
    real("$DIMASZ", style.ArrowLength);
    real("$DIMEXE", style.Extension);
    real("$DIMTXT", style.TextHeight);
    real("$DIMSCALE", 1);
    integer("$DIMDEC", style.Format.Precision);
    integer("$DIMZIN", style.Format.DropZeros ? 8 : 0);
    out.Pair(kVariable, "$DIMSTYLE");
    out.Pair(kName, "STANDARD");
    out.Pair(kEntityType, "ENDSEC");
    return seed;
}

void TableStart(DxfOutput& out, std::string_view name, std::string_view count)
{
    out.Pair(kEntityType, "TABLE");
    out.Pair(kName, name);
    out.Handle();
    out.Pair(kSubclass, "AcDbSymbolTable");
    out.Pair(kFlags, count);
}

void RecordStart(DxfOutput& out, std::string_view type, std::string_view subclass)
{
    out.Pair(kEntityType, type);
    out.Handle();
    out.Pair(kSubclass, "AcDbSymbolTableRecord");
    out.Pair(kSubclass, subclass);
}

void WriteLineTypes(DxfOutput& out)
{
    out.Pair(kEntityType, "TABLE");
    out.Pair(kName, "LTYPE");
    out.Pair(kHandle, "5");
    out.Pair(kSubclass, "AcDbSymbolTable");
    out.Pair(kFlags, "     8");
    for (const LineTypeRecord& record : kLineTypes) {
        out.Pair(kEntityType, "LTYPE");
        out.Pair(kHandle, record.Handle);
        out.Pair(kSubclass, "AcDbSymbolTableRecord");
        out.Pair(kSubclass, "AcDbLinetypeTableRecord");
        out.Pair(kName, record.Name);
        out.Pair(kFlags, "     0");
        out.Pair(kOtherName, record.Description);
        out.Pair(kHorizontalAlignment, "    65");
        out.Pair(kDashCount, record.DashCount);
        out.Pair(kHeight, record.TotalLength);
        for (const std::string_view dash : record.Dashes)
            if (!dash.empty()) out.Pair(kDashLength, dash);
    }
    out.Pair(kEntityType, "ENDTAB");
}

void WriteLayers(DxfOutput& out, const Drawing& drawing, const LayerLabels& labels)
{
    std::array<bool, kLayerCount + 1> used{};
    for (int i = 1; i <= drawing.Count; ++i) {
        const int layer = drawing[i].Layer;
        if (layer >= 1 && layer <= kLayerCount) used[static_cast<size_t>(layer)] = true;
    }
    TableStart(out, "LAYER", " 96");
    for (int layer = 1; layer <= kLayerCount; ++layer) {
        if (!used[static_cast<size_t>(layer)]) continue;
        RecordStart(out, "LAYER", "AcDbLayerTableRecord");
        out.Pair(kName, labels(static_cast<uint8_t>(layer)));
        out.Pair(kFlags, "  0");
        out.Pair(kColour, " 7");
        out.Pair(kLineType, "CONTINUOUS");
    }
    out.Pair(kEntityType, "ENDTAB");
}

// STANDARD, and the style every text uses: its font file is the Windows Japanese one the
// drawing's font names stand for; its name is the Japanese font of LibreCAD, which takes a
// style's font by the style's name.
void WriteTextStyles(DxfOutput& out, uint32_t& textStyle)
{
    TableStart(out, "STYLE", "2");
    for (const std::string_view name : {std::string_view("STANDARD"), kTextStyle}) {
        if (name == kTextStyle) textStyle = out.NextHandle();
        RecordStart(out, "STYLE", "AcDbTextStyleTableRecord");
        out.Pair(kName, name);
        out.Pair(kFlags, "0");
        out.Pair(kHeight, "0.0");
        out.Pair(kSecondHeight, "1.0");
        out.Pair(kAngle, "0.0");
        out.Pair(kSplineDegree, "0");
        out.Pair(kOtherName, "msgothic.ttc");
        out.Pair(kBigFont, "");
    }
    out.Pair(kEntityType, "ENDTAB");
}

// The applications whose extended data the entities carry.
void WriteApplications(DxfOutput& out)
{
    TableStart(out, "APPID", "2");
    for (const std::string_view name : {std::string_view("ACAD"), kOwnApplication}) {
        RecordStart(out, "APPID", "AcDbRegAppTableRecord");
        out.Pair(kName, name);
        out.Pair(kFlags, "0");
    }
    out.Pair(kEntityType, "ENDTAB");
}

// The style the DIMENSION entities name, with the sizes of the settings and the texts' style.
void WriteDimensionStyles(DxfOutput& out, const DimensionStyle& style, uint32_t textStyle)
{
    TableStart(out, "DIMSTYLE", "1");
    out.Pair(kEntityType, "DIMSTYLE");
    out.Handle("105\r\n");  // dimension styles give their handle in this group
    out.Pair(kSubclass, "AcDbSymbolTableRecord");
    out.Pair(kSubclass, "AcDbDimStyleTableRecord");
    out.Pair(kName, "STANDARD");
    out.Pair(kFlags, "0");
    out.Fixed(kHeight, 1);
    out.Fixed(kSecondHeight, style.ArrowLength);
    out.Fixed(" 44\r\n", style.Extension);
    out.Integer(" 78\r\n", style.Format.DropZeros ? 8 : 0);
    out.Fixed("140\r\n", style.TextHeight);
    out.Fixed("147\r\n", style.Gap);
    out.Integer("176\r\n", style.PartColour);
    out.Integer("177\r\n", style.PartColour);
    out.Integer("178\r\n", style.TextColour);
    out.Integer("271\r\n", style.Format.Precision);
    out.Hex("340\r\n", textStyle);
    out.Pair(kEntityType, "ENDTAB");
}

bool IsExported(const Drawing& drawing, const TCadData& e, bool visibleOnly)
{
    return !visibleOnly || IsLayerVisible(drawing.Layers, e.Layer);
}

void WriteBlocks(DxfOutput& out, const Drawing& drawing, const LayerLabels& labels, const DimensionStyle& style,
                 bool visibleOnly)
{
    out.Pair(kEntityType, "SECTION");
    out.Pair(kName, "BLOCKS");
    int counter = 0;
    for (int i = 1; i <= drawing.Count; ++i) {
        const TCadData& e = drawing[i];
        if (!HasDimensionBlock(e.Kind) || !IsExported(drawing, e, visibleOnly)) continue;
        WriteDimensionBlock(out, e, labels(e.Layer), ++counter, style);
    }
    out.Pair(kEntityType, "ENDSEC");
}

void CommonPart(DxfOutput& out, std::string_view type, const std::string& layer, const TCadData& e)
{
    EntityStart(out, type, layer, e.Kind == kKindText ? std::string_view() : LineTypeName(e.LineStyle),
                ColourNumber(e.Color));
}

// False when the element has no DXF form.
bool WriteElement(DxfOutput& out, const TCadData& e, const std::string& layer, const DimensionStyle& style,
                  int& counter)
{
    switch (e.Kind) {
    case kKindLine:
        CommonPart(out, "LINE", layer, e);
        out.Pair(kSubclass, "AcDbLine");
        out.FixedPoint(kPoint0, {e.X1, e.Y1});
        out.FixedPoint(kPoint1, {e.X2, e.Y2});
        return true;
    case kKindArc: {
        CommonPart(out, "ARC", layer, e);
        out.Pair(kSubclass, "AcDbCircle");
        out.FixedPoint(kPoint0, {e.Cx, e.Cy});
        out.Fixed(kHeight, e.R);
        out.Pair(kSubclass, "AcDbArc");
        const double start = RadToDeg(DirectionAngle({e.X1, e.Y1}, {e.Cx, e.Cy}));
        const double end = start + e.Angle;
        out.Fixed(kAngle, start);
        out.Fixed(kEndAngle, end >= 360 ? end - 360 : end);
        return true;
    }
    case kKindCircle: WriteCircle(out, e, layer); return true;
    case kKindCrossCircle: WriteCrossCircle(out, e, layer); return true;
    case kKindPoint:
        CommonPart(out, "POINT", layer, e);
        out.Pair(kSubclass, "AcDbPoint");
        out.FixedPoint(kPoint0, {e.Cx, e.Cy});
        return true;
    case kKindText:
        CommonPart(out, "TEXT", layer, e);
        out.Pair(kSubclass, "AcDbText");
        out.FixedPoint(kPoint0, {e.Cx, e.Cy});
        out.Fixed(kHeight, e.R);
        out.Fixed(kAngle, RadToDeg(e.Angle));
        out.Text(kPrimaryText, e.Text);
        out.Pair(kStyleName, kTextStyle);
        out.Pair(kSubclass, "AcDbText");
        return true;
    case kKindEllipse: return WriteEllipse(out, e, layer);
    case kKindCurveThroughPoints:
    case kKindCurveByControlPoints: return WriteCurve(out, e, layer);
    case kKindFilledRect: WriteFilledRectangle(out, e, layer); return true;
    default:
        if (HasDimensionBlock(e.Kind)) WriteDimensionEntity(out, e, layer, ++counter, style);
        else if (IsLeaderDimension(e.Kind)) WriteLeaderDimension(out, e, layer, style);
        else return false;
        return true;
    }
}

int WriteEntities(DxfOutput& out, const Drawing& drawing, const LayerLabels& labels, const DimensionStyle& style,
                  bool visibleOnly)
{
    out.Pair(kEntityType, "SECTION");
    out.Pair(kName, "ENTITIES");
    int counter = 0;
    int notWritten = 0;
    for (int i = 1; i <= drawing.Count; ++i) {
        const TCadData& e = drawing[i];
        if (IsExported(drawing, e, visibleOnly) && !WriteElement(out, e, labels(e.Layer), style, counter)) ++notWritten;
    }
    out.Pair(kEntityType, "ENDSEC");
    return notWritten;
}

}  // namespace

std::string DxfText(const Drawing& drawing, const Settings& settings, bool visibleOnly, int* notWritten)
{
    const DimensionStyle style = StyleOf(settings);
    const LayerLabels labels(drawing.Layers);
    std::string text;
    text.reserve(static_cast<size_t>(drawing.Count) * 450 + 8192);
    DxfOutput out(text);
    const size_t seed = WriteHeader(out, style);
    out.Pair(kEntityType, "SECTION");
    out.Pair(kName, "TABLES");
    WriteLineTypes(out);
    WriteLayers(out, drawing, labels);
    uint32_t textStyle = 0;
    WriteTextStyles(out, textStyle);
    WriteApplications(out);
    WriteDimensionStyles(out, style, textStyle);
    out.Pair(kEntityType, "ENDSEC");
    WriteBlocks(out, drawing, labels, style, visibleOnly);
    const int skipped = WriteEntities(out, drawing, labels, style, visibleOnly);
    out.Pair(kEntityType, "EOF");
    out.FillHex(seed, out.NextHandle());
    if (notWritten != nullptr) *notWritten = skipped;
    return text;
}

DxfExportResult ExportDxf(const std::filesystem::path& path, const Drawing& drawing, const Settings& settings,
                          bool visibleOnly)
{
    if (IsReadOnlyFile(path)) return {false, kDxfReadOnlyMessage, 0};
    int notWritten = 0;
    if (!WriteFileAtomically(path, DxfText(drawing, settings, visibleOnly, &notWritten)))
        return {false, kDxfWriteFailedMessage, 0};
    if (notWritten == 0) return {true, {}, 0};
    return {true, std::to_string(notWritten) + kDxfNotWrittenSuffix, notWritten};
}

}  // namespace vantro
