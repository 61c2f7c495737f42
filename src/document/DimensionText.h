// The text field of a dimension: how the creation options are encoded into it, how it is read
// back into prefix marks, tolerance and memo, and the value text a dimension shows. CP932 bytes.
#pragma once

#include "document/CadData.h"
#include "document/Drawing.h"

#include <optional>
#include <string>

namespace vantro {

// The dimension controls of the main window at the moment a dimension is made.
struct DimensionOptions {
    int RatioIndex = 4;      // ComboBoxBy: "1/5", "1/4", "1/3", "1/2", "1", "1.5", "2", "3", "4", "5", "10"
    int LinePitch = 2;       // ComboBoxDim1: free, 1, 5, 10
    bool CentreText = true;  // CheckBoxDim1 "中央合せ"
    bool Diameter = false;   // CheckBoxD "φ"
    bool Radius = false;     // CheckBoxR "R"
    std::string Tolerance;   // EditKousa, CP932
    std::string Memo;        // EditCome, CP932
    int ArrowStyle = 0;      // RadioGroupDim1 index 0..3
};

// The text field of a new dimension of kinds 6..16: mark, tolerance, memo.
std::string BuildDimensionField(int kind, const DimensionOptions& options);

// How a tolerance is laid out after the value.
enum class ToleranceForm {
    None,     // nothing drawn
    Stacked,  // Upper over Lower
    PlusMinus,  // a "+" over a "-", then Upper
};

struct DimensionLabel {
    std::string Main;  // the value with its mark, with a prefix memo in front
    ToleranceForm Form = ToleranceForm::None;
    std::string Upper;
    std::string Lower;
    std::string Tolerance;  // the whole tolerance text as typed (its length places the suffix memo)
    std::string Suffix;     // a memo shown after the value and tolerance
    bool HasPrefixMemo = false;
};

// Signs of the shown text: the screen uses "φ" and "°", DXF "%%c" and "%%d".
struct DimensionSigns {
    std::string Diameter;
    std::string Degree;
};
const DimensionSigns& ScreenSigns();

struct NumberFormat {
    int Precision = 3;     // decimals, 0..6
    bool DropZeros = true;  // "Dim0Chk"
};

// The number as the dimension shows it; empty when it cannot be formatted.
std::optional<std::string> FormatDimensionNumber(double value, const NumberFormat& format);

// What a dimension shows. Empty when its value cannot be formatted.
std::optional<DimensionLabel> MakeDimensionLabel(const TCadData& dimension, const NumberFormat& format,
                                                 const DimensionSigns& signs);

// Gives every dimension whose value cannot be shown the replacement field below and selects it, so
// the user sees which ones changed. Returns how many were changed.
int ReplaceUnshowableDimensionValues(Drawing& drawing);

// The field (UTF-8 here, stored as CP932) and the message that replace an unformattable value.
inline constexpr const char* kBadDimensionField = "(寸法数値が不正です)0";
inline constexpr const char* kBadCoordinateField = "=寸法数値が不正です)";
inline constexpr const char* kBadDimensionMessage = "寸法数値が不正です（エラー回避のため、値を変更します）";

}  // namespace vantro
