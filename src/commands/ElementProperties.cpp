#include "commands/ElementProperties.h"

#include "document/ElementStore.h"
#include "document/Groups.h"
#include "document/Layers.h"
#include "document/UndoHistory.h"
#include "geometry/Primitives.h"

#include <charconv>
#include <cmath>
#include <initializer_list>

namespace vantro {
namespace {

std::string Fixed(double value, int decimals)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return "-";
    std::string text(buffer, result.ptr);
    // A value that rounds to zero shows no sign.
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
    return text;
}

std::string PointText(double x, double y) { return "X" + Fixed(x, 5) + " Y" + Fixed(y, 5); }

const char* KindName(int8_t kind)
{
    if (IsDimension(kind)) return "寸法線";
    switch (kind) {
    case kKindLine: return "直線";
    case kKindEllipse: return "楕円";
    case kKindArc: return "円弧";
    case kKindCircle: return "円";
    case kKindPoint: return "点";
    case kKindText: return "テキスト";
    case -1:
    case kKindCurveThroughPoints:
    case kKindCurveByControlPoints: return "曲線";
    default: return "";
    }
}

int LineTypeOf(const TCadData& e)
{
    for (size_t i = 0; i < kLineTypeChoices.size(); ++i)
        if (kLineTypeChoices[i].Style == e.LineStyle && kLineTypeChoices[i].Width == e.Width) return static_cast<int>(i);
    return 0;
}

void FillSingle(PropertySummary& s, const TCadData& e, int index)
{
    s.Index = index;
    s.ApplyColour = s.ApplyLineType = s.ApplyLayer = true;
    if (e.Kind == kKindLine) s.AngleCaption = "傾斜角";
    s.Colour = e.Color;
    s.Number = "No." + std::to_string(index);
    s.Group = e.Group < 1 ? "ノングループ" : "グループNo." + std::to_string(e.Group);
    s.ShowsString = e.Kind == kKindText || IsDimension(e.Kind);
    s.ShowsHeight = e.Kind == kKindText;
    s.ColourEnabled = !IsDimension(e.Kind);
    s.LineTypeEnabled = e.Kind < kKindDimX;
    if (s.ShowsString) s.String = e.Text;
    if (s.ShowsHeight) s.Height = static_cast<int>(std::nearbyint(e.R));
    s.Kind = KindName(e.Kind);
    s.Start = PointText(e.X1, e.Y1);
    s.End = PointText(e.X2, e.Y2);
    s.Centre = PointText(e.Cx, e.Cy);
    s.Radius = Fixed(e.R, 5);
    s.Angle = Fixed(e.Angle, 5);
    s.Layer = e.Layer;
    s.LineType = LineTypeOf(e);
}

struct KindCounts {
    int Lines = 0;
    int Arcs = 0;
    int Circles = 0;
    int Points = 0;
    int Ellipses = 0;
    int Others = 0;

    void Count(int8_t kind)
    {
        switch (kind) {
        case kKindLine: ++Lines; break;
        case kKindArc: ++Arcs; break;
        case kKindCircle: ++Circles; break;
        case kKindPoint: ++Points; break;
        case kKindEllipse: ++Ellipses; break;
        default: ++Others; break;
        }
    }
};

// Apply routine for one element (or its copy).
void ApplyTo(TCadData& e, const PropertyChanges& c)
{
    if (c.Colour && (e.Kind < kKindDimX || e.Kind == kKindText)) e.Color = c.ColourValue;
    if (c.String && (e.Kind == kKindText || IsDimension(e.Kind))) {
        e.Text = c.StringValue;
        if (e.Kind == kKindText) {
            e.R = c.HeightValue;
            // The pick box follows the new string and height, as it was made at creation.
            e.X2 = e.X1 + e.R * static_cast<double>(e.Text.size()) * 0.5;
            e.Y2 = e.Y1 + e.R;
        }
    }
    if (c.Layer && c.LayerValue >= 1 && c.LayerValue <= kLayerCount) e.Layer = static_cast<uint8_t>(c.LayerValue);
    if (c.LineType && e.Kind < kKindDimX && c.LineTypeIndex >= 0 &&
        c.LineTypeIndex < static_cast<int>(kLineTypeChoices.size())) {
        e.LineStyle = kLineTypeChoices[static_cast<size_t>(c.LineTypeIndex)].Style;
        e.Width = kLineTypeChoices[static_cast<size_t>(c.LineTypeIndex)].Width;
    }
}

std::vector<int> SelectedIndices(const Drawing& drawing)
{
    std::vector<int> selected;
    for (int i = 1; i <= drawing.Count; ++i)
        if (drawing[i].Selected == 1) selected.push_back(i);
    return selected;
}

// "0.0000" (points "0.00000"), at most 15 characters.
std::string Short(double value, int decimals = 4) { return Fixed(value, decimals).substr(0, 15); }

std::string Pair(const char* label, double x, double y, int decimals = 4)
{
    return std::string(label) + "(X" + Short(x, decimals) + " , Y" + Short(y, decimals) + ")";
}

}  // namespace

PropertySummary SummariseSelection(const Drawing& drawing)
{
    PropertySummary s;
    s.CadMax = "要素最大数　" + std::to_string(drawing.Count);
    KindCounts counts;
    int32_t firstGroup = 0;
    for (const int i : SelectedIndices(drawing)) {
        const TCadData& e = drawing[i];
        counts.Count(e.Kind);
        if (s.Seen == 0) {
            FillSingle(s, e, i);
            firstGroup = e.Group;
            s.Seen = 1;
            continue;
        }
        s.Seen = 2;
        s.ColourEnabled = s.LineTypeEnabled = true;
        s.ApplyColour = s.ApplyLineType = s.ApplyLayer = false;
        s.ShowsString = s.ShowsHeight = false;
        if (e.Group != firstGroup) s.Group = "複数グループ";
        s.Kind = s.Start = s.End = s.Centre = s.Radius = s.Angle = "-";
    }
    if (s.Seen == 2)
        s.Caption = "要素情報 直線=" + std::to_string(counts.Lines) + " 円弧=" + std::to_string(counts.Arcs) +
                    " 円=" + std::to_string(counts.Circles) + " 点=" + std::to_string(counts.Points) +
                    " 楕円=" + std::to_string(counts.Ellipses) + " その他=" + std::to_string(counts.Others);
    return s;
}

void ApplyProperties(Drawing& drawing, UserDialogs& dialogs, const PropertySummary& summary,
                     const PropertyChanges& changes)
{
    std::vector<int> targets = SelectedIndices(drawing);
    if (summary.Seen == 1) targets = {summary.Index};
    bool refused = false;
    {
        const UndoStepGroup step(drawing);
        for (const int i : targets) {
            if (i < 1 || i > drawing.Count) continue;
            drawing[i].Selected = 0;
            TCadData changed = drawing[i];
            ApplyTo(changed, changes);
            if (changes.Copies) {
                AppendElement(drawing, std::move(changed), true);
            } else if (IsLayerLocked(drawing.Layers, drawing[i].Layer)) {
                refused = true;
            } else {
                ReplaceElement(drawing, i, changed);
            }
        }
    }
    ClearSelection(drawing);
    if (refused) dialogs.ShowMessage(kLockedLayerChangeMessage);
}

void CancelProperties(Drawing& drawing, const PropertySummary&) { ClearSelection(drawing); }

RealTimeText RealTimeProperties(const TCadData* element)
{
    RealTimeText text;
    if (element == nullptr) return text;
    const TCadData& e = *element;
    const auto lines = [](std::initializer_list<double> values, int decimals) {
        std::string joined;
        for (const double value : values) joined += (joined.empty() ? "" : "\r\n") + Fixed(value, decimals);
        return joined;
    };
    const double length = std::hypot(e.X2 - e.X1, e.Y2 - e.Y1);
    switch (e.Kind) {
    case kKindLine: return {"直線", "端点1X\r\nX\r\n端点2X\r\nY\r\n長さ", lines({e.X1, e.Y1, e.X2, e.Y2, length}, 4)};
    case kKindEllipse: return {"楕円", "中心X\r\nY\r\n+長さ\r\n-長さ\r\n扁平率", lines({e.Cx, e.Cy, e.X1, e.X2, e.Y1}, 4)};
    case kKindArc:
        return {"円弧", "中心X\r\nY\r\n半径\r\n端点1X\r\nY\r\n端点2X\r\nY", lines({e.Cx, e.Cy, e.R, e.X1, e.Y1, e.X2, e.Y2}, 4)};
    case kKindCircle: return {"円", "中心X\r\nY\r\n半径", lines({e.Cx, e.Cy, e.R}, 4)};
    case kKindPoint: return {"点", "X\r\nY", lines({e.Cx, e.Cy}, 5)};
    case kKindCurveThroughPoints:
    case kKindCurveByControlPoints: return {"曲線", "端点1X\r\nX\r\n端点2X\r\nY", lines({e.X1, e.Y1, e.X2, e.Y2}, 4)};
    default: return text;
    }
}

std::string ElementInfoText(const TCadData& e)
{
    switch (e.Kind) {
    case kKindLine:
        return "<直線> " + Pair("端点1", e.X1, e.Y1) + " " + Pair("端点2", e.X2, e.Y2) + " 長さ" +
               Short(PointDistance({e.X1, e.Y1}, {e.X2, e.Y2})) + " 傾斜角" + Short(e.Angle);
    case kKindEllipse:
        return "<楕円> " + Pair("中心点", e.Cx, e.Cy) + " +長さ" + Short(e.X1) + " -長さ" + Short(e.X2) + " 扁平率" +
               Short(e.Y1);
    case kKindArc:
        return "<円弧> " + Pair("中心点", e.Cx, e.Cy) + " 半径" + Short(e.R) + " " + Pair("端点1", e.X1, e.Y1) + " " +
               Pair("端点2", e.X2, e.Y2) + " 円弧角" + Short(e.Angle);
    case kKindCircle: return "<円> " + Pair("中心点", e.Cx, e.Cy) + " 半径" + Short(e.R);
    case kKindPoint: return "<点> " + Pair("中心点", e.Cx, e.Cy, 5);
    case kKindCurveThroughPoints:
    case kKindCurveByControlPoints: return "<曲線> " + Pair("端点1", e.X1, e.Y1) + " " + Pair("端点2", e.X2, e.Y2);
    default: return {};
    }
}

}  // namespace vantro
