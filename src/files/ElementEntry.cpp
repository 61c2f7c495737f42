#include "files/ElementEntry.h"

#include "document/Cp932.h"

#include <algorithm>

namespace vantro {
namespace {

constexpr uint16_t kVersionBareStrings = 300;

// Pen style to the file's code, the style + 1: solid 1, dash 2, dot 3, dash-dot 4, dash-dot-dot 5.
// Dash-dot-dot once shared code 4; a reader that knows only 1 to 4 reads 5 as dash-dot, as before.
uint8_t CodeFromStyle(uint8_t style)
{
    return style <= kStyleDashDotDot ? static_cast<uint8_t>(style + 1) : kCodeDashDot;
}

// Line style code of the file to the pen style; every other code reads as dash-dot.
uint8_t StyleFromCode(uint8_t code)
{
    return code >= 1 && code <= kCodeDashDotDot ? static_cast<uint8_t>(code - 1) : kStyleDashDot;
}

}  // namespace

void PutStringField(FileOut& out, std::string_view text)
{
    const size_t length = Cp932PrefixLength(text, kMaxTextBytes);
    if (length < text.size()) ++out.CutStrings;
    out.Bytes.PutI32(static_cast<int32_t>(length + 1));
    out.Bytes.PutBytes(text.substr(0, length));
    out.Bytes.PutU8(0);
}

void PutElementEntry(FileOut& file, const TCadData& e)
{
    ByteWriter& out = file.Bytes;
    out.PutI8(e.Kind);
    out.PutU8(e.Width);
    out.PutU8(e.Layer);
    out.PutU32(e.Color);
    out.PutU8(CodeFromStyle(e.LineStyle));
    out.PutU8(e.Width);
    for (double value : {e.Cx, e.Cy, e.R, e.X1, e.Y1, e.X2, e.Y2, e.Angle, e.Value}) out.PutF64(value);
    out.PutI32(e.Group);
    if (CarriesText(e.Kind)) PutStringField(file, e.Text);
}

bool ReadStringField(ByteReader& in, uint16_t version, std::string& text)
{
    int32_t n = 0;
    if (!in.ReadI32(n) || n < 0 || n > kMaxStringField) return false;
    const bool terminated = n == 1 || version < kVersionBareStrings;
    const auto length = static_cast<size_t>(terminated ? n : std::max(n - 1, 0));
    std::string_view bytes;
    if (!in.ReadBytes(length, bytes)) return false;
    text = terminated ? bytes.substr(0, bytes.find('\0')) : bytes;
    return true;
}

bool ReadElementEntry(ByteReader& in, uint16_t version, TCadData& e)
{
    uint8_t firstWidth = 0;
    uint8_t styleCode = 0;
    const bool ok = in.ReadI8(e.Kind) && in.ReadU8(firstWidth) && in.ReadU8(e.Layer) && in.ReadU32(e.Color) &&
                    in.ReadU8(styleCode) && in.ReadU8(e.Width) && in.ReadF64(e.Cx) && in.ReadF64(e.Cy) &&
                    in.ReadF64(e.R) && in.ReadF64(e.X1) && in.ReadF64(e.Y1) && in.ReadF64(e.X2) &&
                    in.ReadF64(e.Y2) && in.ReadF64(e.Angle) && in.ReadF64(e.Value) && in.ReadI32(e.Group);
    if (!ok) return false;
    e.LineStyle = StyleFromCode(styleCode);
    return !CarriesText(e.Kind) || ReadStringField(in, version, e.Text);
}

}  // namespace vantro
