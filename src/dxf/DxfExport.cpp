#include "dxf/DxfExport.h"

#include "document/Layers.h"
#include "dxf/DxfDimensions.h"
#include "files/FileSystem.h"

#include <array>
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

// The group 8 value of each layer number 0..255: its name, or the number when it has none.
class LayerLabels {
public:
    explicit LayerLabels(const LayerTable& layers)
    {
        for (size_t layer = 0; layer < labels_.size(); ++layer) {
            const bool named = layer >= 1 && layer <= kLayerCount && !layers.Name[layer - 1].empty();
            labels_[layer] = named ? layers.Name[layer - 1] : std::to_string(layer);
        }
    }
    const std::string& operator()(uint8_t layer) const { return labels_[layer]; }

private:
    std::array<std::string, 256> labels_;
};

void WriteHeader(DxfOutput& out, const DimensionStyle& style, const Settings& settings)
{
    out.Pair(kEntityType, "SECTION");
    out.Pair(kName, "HEADER");
    // Texts are CP932 bytes; naming the code page lets other programs read them as Japanese.
    out.Pair(kVariable, "$DWGCODEPAGE");
    out.Pair(kOtherName, "ANSI_932");
    const auto integer = [&](std::string_view name, int value) {
        out.Pair(kVariable, name);
        out.Integer(kFlags, value);
    };
    const auto real = [&](std::string_view name, double value) {
        out.Pair(kVariable, name);
        out.Fixed(kHeight, value);
    };
    integer("$DIMCLRD", style.PartColour);
    integer("$DIMCLRE", style.PartColour);
    integer("$DIMCLRT", style.TextColour);
    out.Pair(kVariable, "$DIMAUNIT");
    out.Pair(kFlags, "  0");
    real("$DIMGAP", settings.ArrowOffset);
    real("$DIMASZ", settings.ArrowHeight);
    real("$DIMTXT", settings.Textheight);
    out.Pair(kEntityType, "ENDSEC");
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
        out.Pair(kAlignment, "    65");
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
    out.Pair(kEntityType, "TABLE");
    out.Pair(kName, "LAYER");
    out.Pair(kSubclass, "AcDbSymbolTable");
    out.Pair(kFlags, " 96");
    for (int layer = 1; layer <= kLayerCount; ++layer) {
        if (!used[static_cast<size_t>(layer)]) continue;
        out.Pair(kEntityType, "LAYER");
        out.Pair(kSubclass, "AcDbSymbolTableRecord");
        out.Pair(kSubclass, "AcDbLayerTableRecord");
        out.Pair(kName, labels(static_cast<uint8_t>(layer)));
        out.Pair(kFlags, "  0");
        out.Pair(kColour, " 7");
        out.Pair(kLineType, "CONTINUOUS");
    }
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

// "  0" type, then the entity, layer, line-type (texts have none) and colour groups.
void CommonPart(DxfOutput& out, std::string_view type, const std::string& layer, const TCadData& e)
{
    out.Pair(kEntityType, type);
    out.Pair(kSubclass, "AcDbEntity");
    out.Pair(kLayer, layer);
    if (e.Kind != kKindText) out.Pair(kLineType, LineTypeName(e.LineStyle));
    out.Integer(kColour, ColourNumber(e.Color));
}

void WriteElement(DxfOutput& out, const TCadData& e, const std::string& layer, const DimensionStyle& style,
                  int& counter)
{
    switch (e.Kind) {
    case kKindLine:
        CommonPart(out, "LINE", layer, e);
        out.Pair(kSubclass, "AcDbLine");
        out.FixedPoint(kPoint0, {e.X1, e.Y1});
        out.FixedPoint(kPoint1, {e.X2, e.Y2});
        return;
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
        return;
    }
    case kKindCircle:
        CommonPart(out, "CIRCLE", layer, e);
        out.Pair(kSubclass, "AcDbCircle");
        out.FixedPoint(kPoint0, {e.Cx, e.Cy});
        out.Fixed(kHeight, e.R);
        return;
    case kKindPoint:
        CommonPart(out, "POINT", layer, e);
        out.Pair(kSubclass, "AcDbPoint");
        out.FixedPoint(kPoint0, {e.Cx, e.Cy});
        return;
    case kKindText:
        CommonPart(out, "TEXT", layer, e);
        out.Pair(kSubclass, "AcDbText");
        out.FixedPoint(kPoint0, {e.Cx, e.Cy});
        out.Fixed(kHeight, e.R);
        out.Fixed(kAngle, TextRotationDegrees(e.Angle));
        out.Pair(kPrimaryText, e.Text);
        return;
    default:
        if (HasDimensionBlock(e.Kind)) WriteDimensionEntity(out, e, layer, ++counter);
        else if (IsLeaderDimension(e.Kind)) WriteLeaderDimension(out, e, layer, style);
        return;
    }
}

void WriteEntities(DxfOutput& out, const Drawing& drawing, const LayerLabels& labels, const DimensionStyle& style,
                   bool visibleOnly)
{
    out.Pair(kEntityType, "SECTION");
    out.Pair(kName, "ENTITIES");
    int counter = 0;
    for (int i = 1; i <= drawing.Count; ++i) {
        const TCadData& e = drawing[i];
        if (IsExported(drawing, e, visibleOnly)) WriteElement(out, e, labels(e.Layer), style, counter);
    }
    out.Pair(kEntityType, "ENDSEC");
}

DimensionStyle StyleOf(const Settings& settings)
{
    DimensionStyle style;
    style.ArrowLength = settings.ArrowLength;
    style.Extension = settings.ArrowHeight;
    style.TextHeight = settings.Textheight;
    style.PartColour = ColourNumber(settings.Color2);
    style.TextColour = ColourNumber(settings.TextColor);
    style.Format = NumberFormat{settings.Precision, settings.Dim0Chk};
    return style;
}

}  // namespace

std::string DxfText(const Drawing& drawing, const Settings& settings, bool visibleOnly)
{
    const DimensionStyle style = StyleOf(settings);
    const LayerLabels labels(drawing.Layers);
    std::string text;
    text.reserve(static_cast<size_t>(drawing.Count) * 400 + 4096);
    DxfOutput out(text);
    WriteHeader(out, style, settings);
    out.Pair(kEntityType, "SECTION");
    out.Pair(kName, "TABLES");
    WriteLineTypes(out);
    WriteLayers(out, drawing, labels);
    out.Pair(kEntityType, "ENDSEC");
    WriteBlocks(out, drawing, labels, style, visibleOnly);
    WriteEntities(out, drawing, labels, style, visibleOnly);
    out.Pair(kEntityType, "EOF");
    return text;
}

DxfExportResult ExportDxf(const std::filesystem::path& path, const Drawing& drawing, const Settings& settings,
                          bool visibleOnly)
{
    if (IsReadOnlyFile(path)) return {false, kDxfReadOnlyMessage};
    if (!WriteFileAtomically(path, DxfText(drawing, settings, visibleOnly))) return {false, kDxfWriteFailedMessage};
    return {true, {}};
}

}  // namespace vantro
