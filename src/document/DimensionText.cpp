#include "document/DimensionText.h"

#include "document/Cp932.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vantro {
namespace {

// Beyond this a double no longer holds the shown decimals.
constexpr double kLargestShownValue = 1e15;
// Below this every whole double is exact.
constexpr double kExactIntegers = 9007199254740992.0;

struct DecodedField {
    bool ValueHidden = false;
    std::string Memo;  // shown in front of the value
    std::string Suffix;  // shown after value and tolerance
    std::string Rest;  // marks and tolerance
};

DecodedField DecodeField(int kind, const std::string& s)
{
    DecodedField d;
    if (!s.empty() && (s[0] == '=' || s[0] == '(')) {
        d.ValueHidden = s[0] == '=' || kind == kKindLeader;
        if (kind == kKindLeader) {
            d.Memo = s.substr(1);
            return d;
        }
        const size_t close = s.rfind(')');
        if (close == std::string::npos) {
            d.Memo = s.substr(1);  // an unclosed memo runs to the end
            return d;
        }
        d.Memo = s.substr(1, close - 1);
        d.Rest = s.substr(close + 1);
        return d;
    }
    const size_t amp = s.find('&');
    if (amp == std::string::npos) {
        d.Rest = s;
        return d;
    }
    d.Rest = s.substr(0, amp);
    // "& memo)": the suffix starts after the blank and stops before the closing bracket.
    if (s.size() > amp + 2) d.Suffix = s.substr(amp + 2, s.size() - amp - 3);
    return d;
}

void SplitTolerance(DimensionLabel& label)
{
    const std::string& t = label.Tolerance;
    if (t.empty()) return;
    size_t sign = t.size() > 1 ? t.find('+', 1) : std::string::npos;
    if (sign == std::string::npos && t.size() > 1) sign = t.find('-', 1);
    label.Form = ToleranceForm::Stacked;
    if (sign != std::string::npos) {
        label.Upper = t.substr(0, sign);
        label.Lower = t.substr(sign);
    } else if (t[0] == '+') {
        label.Upper = t;
        label.Lower = "-0";
    } else if (t[0] == '-') {
        label.Upper = "+0";
        label.Lower = t;
    } else if (t[0] == '/') {
        label.Form = ToleranceForm::PlusMinus;
        label.Upper = t.substr(1);
    } else {
        label.Form = ToleranceForm::None;
    }
}

std::optional<std::string> ValueText(const TCadData& e, const NumberFormat& format)
{
    if (e.Kind == kKindDimCoordinate || e.Kind == kKindDimRelativeCoordinate) {
        const double baseX = e.Kind == kKindDimCoordinate ? 0 : e.R;
        const double baseY = e.Kind == kKindDimCoordinate ? 0 : e.Angle;
        const auto x = FormatDimensionNumber(e.X1 - baseX, format);
        const auto y = FormatDimensionNumber(e.Y1 - baseY, format);
        if (!x || !y) return std::nullopt;
        return std::string("X").append(*x).append("Y").append(*y);
    }
    return FormatDimensionNumber(e.Value, format);
}

}  // namespace

const DimensionSigns& ScreenSigns()
{
    static const DimensionSigns signs{Utf8ToCp932("φ"), Utf8ToCp932("°")};
    return signs;
}

std::string BuildDimensionField(int kind, const DimensionOptions& options)
{
    std::string field;
    if (kind >= kKindDimX && kind <= kKindDimAligned) {
        if (options.Diameter) field = "D";
        else if (options.Radius) field = "R";
    } else if (kind == kKindDimRadius || kind == kKindDimJoggedRadius) {
        field = "R";
    } else if (kind == kKindDimDiameter || kind == kKindDimJoggedDiameter) {
        field = "D";
    }
    field += options.Tolerance;
    const std::string& m = options.Memo;
    if (m.empty()) return field;
    if (m[0] == '+') return field.append("& ").append(m.substr(1)).append(")");
    if (m[0] == '=') return std::string(m).append(")").append(field);
    return std::string("(").append(m).append(" )").append(field);
}

std::optional<std::string> FormatDimensionNumber(double value, const NumberFormat& format)
{
    if (!std::isfinite(value) || std::abs(value) >= kLargestShownValue) return std::nullopt;
    const int precision = std::clamp(format.Precision, 0, 6);
    // Halves round away from zero on the decimal value, as a drafter rounds: 1.25 shows 1.3.
    const double units = std::round(std::abs(value) * std::pow(10.0, precision));
    char buffer[64];
    const auto [end, error] = units < kExactIntegers
                                  ? std::to_chars(buffer, buffer + sizeof buffer, units, std::chars_format::fixed, 0)
                                  : std::to_chars(buffer, buffer + sizeof buffer, std::abs(value),
                                                  std::chars_format::fixed, precision);
    if (error != std::errc()) return std::nullopt;
    std::string text(buffer, end);
    if (units < kExactIntegers && precision > 0) {
        const size_t decimals = static_cast<size_t>(precision);
        std::string digits(text.size() <= decimals ? decimals + 1 - text.size() : 0, '0');
        digits += text;
        text.assign(digits, 0, digits.size() - decimals);
        text.push_back('.');
        text.append(digits, digits.size() - decimals, decimals);
    }
    if (format.DropZeros && text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    // A small negative value rounds to zero and shows no sign.
    if (value < 0 && text.find_first_not_of("0.") != std::string::npos) return std::string("-").append(text);
    return text;
}

int ReplaceUnshowableDimensionValues(Drawing& drawing)
{
    auto showable = [](double v) { return std::isfinite(v) && std::abs(v) < kLargestShownValue; };
    int changed = 0;
    for (int i = 1; i <= drawing.Count; ++i) {
        TCadData& e = drawing[i];
        if (e.Kind < kKindDimX || e.Kind > kKindLeader) continue;
        const bool coordinates = e.Kind == kKindDimCoordinate || e.Kind == kKindDimRelativeCoordinate;
        const bool fine = coordinates ? showable(e.X1 - (e.Kind == kKindDimCoordinate ? 0 : e.R)) &&
                                            showable(e.Y1 - (e.Kind == kKindDimCoordinate ? 0 : e.Angle))
                                      : showable(e.Value);
        if (fine || MakeDimensionLabel(e, {}, ScreenSigns())) continue;
        // The value goes too, or the next repaint would fail again; coordinates are the element's
        // geometry, so there the text hides the value instead.
        if (coordinates) {
            e.Text = Utf8ToCp932(kBadCoordinateField);
        } else {
            e.Text = Utf8ToCp932(kBadDimensionField);
            e.Value = 0;
        }
        e.Selected = 1;
        ++changed;
    }
    if (changed > 0) ++drawing.Generation;
    return changed;
}

std::optional<DimensionLabel> MakeDimensionLabel(const TCadData& e, const NumberFormat& format,
                                                 const DimensionSigns& signs)
{
    const DecodedField field = DecodeField(e.Kind, e.Text);
    DimensionLabel label;
    std::string_view rest = field.Rest;
    const bool diameter = rest.starts_with('D');
    if (diameter) rest.remove_prefix(1);
    const bool radius = rest.starts_with('R');
    if (radius) rest.remove_prefix(1);
    label.Tolerance = rest;
    SplitTolerance(label);
    label.Suffix = field.Suffix;

    std::string value;
    if (!field.ValueHidden) {
        const auto shown = ValueText(e, format);
        if (!shown) return std::nullopt;
        value = *shown;
    }
    if (diameter) value = std::string(signs.Diameter).append(value);
    else if (radius) value = std::string("R").append(value);
    else if (e.Kind == kKindDimAngle && e.Text.find('=') == std::string::npos) value += signs.Degree;
    label.Main = std::string(field.Memo).append(value);
    label.HasPrefixMemo = !field.Memo.empty();
    return label;
}

}  // namespace vantro
