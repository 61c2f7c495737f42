#include "dxf/DxfOwnRecords.h"

#include "document/Cp932.h"
#include "document/TextLimit.h"
#include "dxf/DxfValues.h"

#include <array>

namespace vantro::dxf {
namespace {

inline constexpr std::string_view kApplicationCode = "1001\r\n";
inline constexpr std::string_view kStringCode = "1000\r\n";
inline constexpr std::string_view kRealCode = "1040\r\n";
inline constexpr std::string_view kShortCode = "1070\r\n";
inline constexpr std::string_view kLongCode = "1071\r\n";

// Extended-data strings hold at most 255 bytes; a piece of text stays well below that even when
// every byte needs its caret.
constexpr size_t kTextPiece = 120;

std::array<double*, 9> NumbersOf(TCadData& e)
{
    return {&e.Cx, &e.Cy, &e.R, &e.Angle, &e.Value, &e.X1, &e.Y1, &e.X2, &e.Y2};
}

void WriteText(DxfOutput& out, std::string_view text)
{
    while (!text.empty()) {
        const size_t piece = std::max<size_t>(1, Cp932PrefixLength(text, kTextPiece));
        out.Text(kStringCode, text.substr(0, piece));
        text.remove_prefix(std::min(piece, text.size()));
    }
}

void Begin(DxfOutput& out, std::string_view tag)
{
    out.Pair(kApplicationCode, kOwnApplication);
    out.Pair(kStringCode, tag);
}

// The pairs of this program's extended data after its tag, and the tag.
std::span<const RawPair> OwnPairs(std::span<const RawPair> pairs, std::string_view& tag)
{
    for (size_t i = 0; i < pairs.size(); ++i) {
        if (pairs[i].Code != 1001 || pairs[i].Value != kOwnApplication) continue;
        size_t end = i + 1;
        while (end < pairs.size() && pairs[end].Code != 1001) ++end;
        if (end == i + 1 || pairs[i + 1].Code != 1000) return {};
        tag = pairs[i + 1].Value;
        return pairs.subspan(i + 2, end - i - 2);
    }
    return {};
}

// Reads the values in order: shorts, longs and reals into their slots, strings appended to text.
class OwnValues {
public:
    explicit OwnValues(std::span<const RawPair> pairs) : pairs_(pairs) {}

    bool Short(int& value) { return Next(1070) && ParseDxfInteger(pairs_[at_++].Value, value); }
    bool Long(uint32_t& value)
    {
        int number = 0;
        if (!Next(1071) || !ParseDxfInteger(pairs_[at_++].Value, number) || number < 0) return false;
        value = static_cast<uint32_t>(number);
        return true;
    }
    bool Real(double& value) { return Next(1040) && ParseDxfNumber(pairs_[at_++].Value, value); }
    void Text(std::string& text, DxfTextDecoder& decoder)
    {
        while (Next(1000)) text.append(decoder.Verbatim(pairs_[at_++].Value));
    }

private:
    bool Next(int code) const { return at_ < pairs_.size() && pairs_[at_].Code == code; }

    std::span<const RawPair> pairs_;
    size_t at_ = 0;
};

}  // namespace

void WriteOwnElement(DxfOutput& out, const TCadData& element)
{
    Begin(out, "ELEMENT");
    out.Integer(kShortCode, element.Kind);
    out.Integer(kLongCode, static_cast<int>(element.Color & 0xFFFFFF));
    out.Integer(kShortCode, element.Width);
    TCadData copy = element;
    for (const double* number : NumbersOf(copy)) out.Exact(kRealCode, *number);
    WriteText(out, element.Text);
}

void WriteOwnPart(DxfOutput& out) { Begin(out, "PART"); }

void WriteOwnDimension(DxfOutput& out, const TCadData& dimension)
{
    Begin(out, "DIMENSION");
    out.Integer(kShortCode, dimension.Width);
    out.Integer(kLongCode, static_cast<int>(dimension.Color & 0xFFFFFF));
    WriteText(out, dimension.Text);
}

OwnRecord ReadOwnRecord(std::span<const RawPair> pairs, DxfTextDecoder& decoder)
{
    std::string_view tag;
    const std::span<const RawPair> own = OwnPairs(pairs, tag);
    OwnRecord record;
    if (tag == "PART") {
        record.What = OwnData::Part;
        return record;
    }
    OwnValues values(own);
    TCadData& e = record.Element;
    int kind = 0;
    int width = 0;
    if (tag == "ELEMENT") {
        if (!values.Short(kind) || !IsKnownKind(static_cast<int8_t>(kind)) || kind != static_cast<int8_t>(kind) ||
            !values.Long(e.Color) || !values.Short(width))
            return {};
        for (double* number : NumbersOf(e))
            if (!values.Real(*number)) return {};
        e.Kind = static_cast<int8_t>(kind);
        record.What = OwnData::Element;
    } else if (tag == "DIMENSION") {
        if (!values.Short(width) || !values.Long(e.Color)) return {};
        record.What = OwnData::Dimension;
    } else {
        return {};
    }
    if (width < 1 || width > 4 || e.Color > 0xFFFFFF) return {};
    e.Width = static_cast<uint8_t>(width);
    values.Text(e.Text, decoder);
    if (record.What == OwnData::Element && !CarriesText(e.Kind)) e.Text.clear();
    // A curve's points that no drawing file could hold would be cut into another curve on saving:
    // the entity is read as plain DXF instead.
    if (IsCurve(e.Kind) && e.Text.size() > kMaxTextBytes) return {};
    return record;
}

}  // namespace vantro::dxf
