// The one list of the settings keys: section, name, kind of value, range, which writer writes it,
// in the order start-up reads them. Reading and writing both walk this list.
#pragma once

#include "document/Drawing.h"
#include "document/Tolerance.h"
#include "files/Settings.h"
#include "geometry/EllipsePolyline.h"

#include <algorithm>
#include <climits>
#include <string>
#include <string_view>

namespace vantro {

enum class SettingsWriter { Dialogs, LayerPanel, ProgramEnd, TextDialog };

struct SettingsKey {
    std::string_view Section;
    std::string Name;
    SettingsWriter Writer;
};

// Kinds of value. Numbers outside a range are brought inside.
struct IntRange {  // decimal integer
    int Min = INT_MIN;
    int Max = INT_MAX;
};
struct Flag {};  // 1 or 0
struct Text {};  // CP932 bytes as they are
struct PanelSide {};  // "Posi": text, written back as "L" or "R"
enum class FloatText { Shortest, UpToTwoDecimals, ShortNumber };
struct FloatValue {  // a decimal number, written in its format
    FloatText Format;
    FloatRange Range;
};
// A system parameter: kept as text, where anything but an integer counts as the default.
struct Parameter {
    int (*Valid)(int) = nullptr;
};
struct ArcMethod {};  // "OS": the text "98" is 98, any other text 2000

inline constexpr IntRange kColourRange{0, 0xFFFFFF};
inline constexpr int kArcMethodSegments = 98;
inline constexpr int kArcMethodNative = 2000;

inline int ValidCapacity(int count) { return std::clamp(count, kMinCapacity, kMaxCapacity); }

inline std::string NumberedKey(std::string_view prefix, size_t number)
{
    return std::string(prefix) + std::to_string(number);
}

// S is Settings or const Settings; visit(const SettingsKey&, field, kind) is called per key.
template <typename S, typename Visit>
void ForEachSettingsKey(S& s, Visit& visit)
{
    using enum SettingsWriter;
    constexpr std::string_view cad = "Cad", file = "File", paper = "Paper", para = "Para";
    visit({file, "cad", Dialogs}, s.CadFolder, Text{});
    visit({file, "dxf", Dialogs}, s.DxfFolder, Text{});
    visit({"Edit", "FormColor", Dialogs}, s.FormColor, kColourRange);
    visit({paper, "width2", Dialogs}, s.Width2, IntRange{0, 11});
    visit({paper, "senter", Dialogs}, s.Senter, IntRange{0, 8});
    visit({cad, "RiteClick", Dialogs}, s.RiteClick, Flag{});
    visit({cad, "Trimdelete", Dialogs}, s.Trimdelete, Flag{});
    visit({cad, "DaenChk", Dialogs}, s.DaenChk, Flag{});
    visit({cad, "PejeChk", Dialogs}, s.PejeChk, Flag{});
    visit({cad, "OfsetPatern", Dialogs}, s.OfsetPatern, Flag{});
    visit({cad, "OfsetErr1", Dialogs}, s.OfsetErr1, Flag{});
    visit({cad, "OfsetErr2", Dialogs}, s.OfsetErr2, Flag{});
    visit({cad, "SnapChk", Dialogs}, s.SnapChk, Flag{});
    visit({cad, "WClick", Dialogs}, s.WClick, Flag{});
    visit({cad, "Pick", Dialogs}, s.Pick, IntRange{2, 10});
    visit({cad, "Pick2", Dialogs}, s.Pick2, IntRange{2, 10});
    visit({cad, "Undo", Dialogs}, s.Undo, IntRange{2, 95});
    visit({cad, "Timer", Dialogs}, s.Timer, IntRange{0, 120});
    visit({cad, "PejeValue", Dialogs}, s.PejeValue, IntRange{5, 60});
    visit({cad, "Color3", Dialogs}, s.Color3, kColourRange);
    visit({cad, "Eps", Dialogs}, s.EpsIndex, IntRange{0, static_cast<int>(std::size(kEpsChoices)) - 1});
    visit({cad, "ArrowLength", Dialogs}, s.ArrowLength, FloatValue{FloatText::UpToTwoDecimals, kDimensionLengthRange});
    visit({cad, "ArrowHeight", Dialogs}, s.ArrowHeight, FloatValue{FloatText::UpToTwoDecimals, kDimensionLengthRange});
    visit({cad, "ArrowOffset", Dialogs}, s.ArrowOffset, FloatValue{FloatText::UpToTwoDecimals, kDimensionLengthRange});
    visit({cad, "Textheight", Dialogs}, s.Textheight, FloatValue{FloatText::UpToTwoDecimals, kTextHeightRange});
    visit({cad, "DimTextName", Dialogs}, s.DimTextName, Text{});
    visit({cad, "TextColor", Dialogs}, s.TextColor, kColourRange);
    visit({cad, "Color2", Dialogs}, s.Color2, kColourRange);
    visit({cad, "Precision", Dialogs}, s.Precision, IntRange{0, 6});
    visit({cad, "DimRChk", Dialogs}, s.DimRChk, Flag{});
    visit({cad, "Dim0Chk", Dialogs}, s.Dim0Chk, Flag{});
    visit({cad, "DimTextOfset", Dialogs}, s.DimTextOfset, Flag{});
    visit({cad, "TextName", Dialogs}, s.TextName, Text{});
    visit({file, "SetSW", Dialogs}, s.SetSW, Flag{});
    visit({file, "Wav", Dialogs}, s.Wav, Flag{});
    visit({cad, "IconFlat", Dialogs}, s.IconFlat, Flag{});
    visit({cad, "ReyDlgClose", Dialogs}, s.ReyDlgClose, Flag{});
    visit({"Printer", "LineWidth", Dialogs}, s.LineWidth, Flag{});
    visit({"Printer", "ColorNox", Dialogs}, s.ColorNox, Flag{});
    visit({"Printer", "ColorChk", Dialogs}, s.ColorChk, IntRange{0, 1});
    visit({"Printer", "Op1", Dialogs}, s.Op1, Flag{});
    visit({"Printer", "HoseiX", Dialogs}, s.HoseiX, FloatValue{FloatText::Shortest, kPrinterFactorRange});
    visit({"Printer", "HoseiY", Dialogs}, s.HoseiY, FloatValue{FloatText::Shortest, kPrinterFactorRange});
    visit({para, "Bunkatu", Dialogs}, s.Bunkatu, Parameter{ClampFineness});
    visit({para, "Hani", Dialogs}, s.Hani, Parameter{});
    visit({para, "LineWid", Dialogs}, s.LineWid, Parameter{});
    visit({para, "Mado", Dialogs}, s.Mado, Parameter{});
    visit({para, "CadMax", Dialogs}, s.CadMax, Parameter{ValidCapacity});
    visit({para, "DimWid", Dialogs}, s.DimWid, Parameter{});
    visit({para, "set600", Dialogs}, s.Set600, Parameter{});
    visit({para, "ClsChk", Dialogs}, s.ClsChk, Parameter{});
    visit({para, "OS", Dialogs}, s.Os, ArcMethod{});
    visit({cad, "GridPit", Dialogs}, s.GridPit, FloatValue{FloatText::ShortNumber, kGridPitchRange});
    visit({cad, "GridCountX", Dialogs}, s.GridCountX, IntRange{0, 100});
    visit({cad, "GridCountY", Dialogs}, s.GridCountY, IntRange{0, 100});
    visit({cad, "Patern", Dialogs}, s.Patern, IntRange{0, 2});
    visit({cad, "GridColor", Dialogs}, s.GridColor, kColourRange);
    visit({cad, "GridPit2", Dialogs}, s.GridPit2, IntRange{0, 10});
    visit({paper, "Wheel", Dialogs}, s.Wheel, IntRange{1, 9});
    for (size_t n = 0; n < s.LayerNames.size(); ++n)
        visit({cad, NumberedKey("RyarName", n + 1), LayerPanel}, s.LayerNames[n], Text{});
    visit({cad, "Color1", ProgramEnd}, s.Color1, kColourRange);
    visit({cad, "DimPit", ProgramEnd}, s.DimPit, IntRange{0, 3});
    visit({cad, "ArrowPatern", ProgramEnd}, s.ArrowPatern, IntRange{0, 3});
    visit({cad, "DimCenter", ProgramEnd}, s.DimCenter, Flag{});
    for (size_t n = 0; n < s.Snap.size(); ++n) visit({cad, NumberedKey("Snap", n + 1), ProgramEnd}, s.Snap[n], Flag{});
    visit({"Form", "Posi", ProgramEnd}, s.Posi, PanelSide{});
    for (size_t n = 0; n < s.RecentFiles.size(); ++n)
        visit({file, NumberedKey("File", n + 7), ProgramEnd}, s.RecentFiles[n], Text{});
    visit({cad, "TextDlgHeight", TextDialog}, s.TextDlgHeight, IntRange{0, 1000});
    visit({cad, "TextDlgColor", TextDialog}, s.TextDlgColor, IntRange{0, 255});
    visit({cad, "TextDlgFont", TextDialog}, s.TextDlgFont, IntRange{-1, INT_MAX});
}

}  // namespace vantro
