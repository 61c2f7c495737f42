#include "files/PapFile.h"

#include "document/ElementStore.h"
#include "files/FileSystem.h"
#include "geometry/Primitives.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <exception>
#include <iterator>

namespace vantro {
namespace {

constexpr std::string_view kFormatMark = "100";
constexpr size_t kRecordLines = 9;
// A record's nine values need at least one character and one line end each (the file's last line
// may lack its end).
constexpr size_t kMinRecordBytes = 2 * kRecordLines;

bool IsPapKind(int8_t kind) { return kind == kKindLine || kind == kKindArc || kind == kKindCircle; }

void PutLine(std::string& out, std::string_view text)
{
    out.append(text);
    out.append("\r\n");
}

// Lines ending at CR LF, LF or a lone CR, trimmed of blanks.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : rest_(text) {}

    size_t BytesLeft() const { return rest_.size(); }

    bool Next(std::string_view& line)
    {
        if (rest_.empty()) return false;
        const size_t end = std::min(rest_.find_first_of("\r\n"), rest_.size());
        line = Trimmed(rest_.substr(0, end));
        size_t next = end;
        if (next < rest_.size() && rest_[next] == '\r') ++next;
        if (next < rest_.size() && rest_[next] == '\n') ++next;
        rest_.remove_prefix(next);
        return true;
    }

private:
    static std::string_view Trimmed(std::string_view text)
    {
        const size_t first = text.find_first_not_of(" \t");
        if (first == std::string_view::npos) return {};
        return text.substr(first, text.find_last_not_of(" \t") - first + 1);
    }

    std::string_view rest_;
};

template <typename T>
bool ParseWhole(std::string_view text, T& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool IsNumber(std::string_view text)
{
    double value = 0;
    return ParseWhole(text, value) && std::isfinite(value);
}

// Shortest general form with up to 15 significant digits; a negative zero is written as 0. Near
// the top of the double range 15 digits round beyond it, and the parser refuses the text: the
// exact shortest form, which always reads back, is written then.
void PutNumber(std::string& out, double value)
{
    const double number = value == 0 ? 0.0 : value;
    char buffer[64];
    const auto written = [&buffer](std::to_chars_result result) {
        return std::string_view(buffer, result.ec == std::errc() ? static_cast<size_t>(result.ptr - buffer) : 0);
    };
    std::string_view text = written(std::to_chars(buffer, std::end(buffer), number, std::chars_format::general, 15));
    if (!IsNumber(text)) text = written(std::to_chars(buffer, std::end(buffer), number));
    out.append(text);
    out.append("\r\n");
}

bool NextInteger(LineCursor& in, int64_t& value)
{
    std::string_view line;
    return in.Next(line) && ParseWhole(line, value);
}

bool NextNumber(LineCursor& in, double& value)
{
    std::string_view line;
    return in.Next(line) && ParseWhole(line, value) && std::isfinite(value);
}

// The nine lines of a record as an element; false when the lines end or a value is no number.
bool ReadRecord(LineCursor& in, TCadData& e)
{
    int64_t kind = 0;
    std::string_view flag;
    std::array<double, 7> v{};
    if (!NextInteger(in, kind) || !in.Next(flag)) return false;
    for (double& value : v)
        if (!NextNumber(in, value)) return false;
    e.Kind = kind >= -128 && kind <= 127 ? static_cast<int8_t>(kind) : kKindEmpty;
    e.LineStyle = flag != "0" ? kStyleDash : kStyleSolid;
    e.Layer = 1;
    // The file's Y axis points down; its first point is the element's second.
    e.Cx = v[0];
    e.Cy = -v[1];
    e.X1 = v[2];
    e.Y1 = -v[3];
    e.X2 = v[4];
    e.Y2 = -v[5];
    e.R = v[6];
    if (e.Kind == kKindArc) {
        std::swap(e.X1, e.X2);
        std::swap(e.Y1, e.Y2);
        e.Angle = SweepAngleDeg({e.X1, e.Y1}, {e.X2, e.Y2}, {e.Cx, e.Cy});
    } else if (e.Kind == kKindLine) {
        e.Angle = RadToDeg(DirectionAngle({e.X2, e.Y2}, {e.X1, e.Y1}));
    } else {
        e.Angle = 360;  // a circle's sweep, as every circle carries it
    }
    return true;
}

void ReadRecords(LineCursor& in, Drawing& drawing, PapReadResult& result)
{
    std::string_view mark;
    int64_t count = 0;
    if (!in.Next(mark) || !NextInteger(in, count) || count < 0) return;
    // The store is sized for what the bytes can hold, never by the announced count alone.
    const auto fits = static_cast<int64_t>((in.BytesLeft() + 1) / kMinRecordBytes);
    const int64_t room = std::min({count, fits, int64_t{drawing.Capacity} + 1});
    drawing.Elements.resize(static_cast<size_t>(room) + 100);
    drawing.IndexOfId.resize(static_cast<size_t>(room) + 100);
    for (int64_t k = 0; k < count; ++k) {
        TCadData e;
        if (!ReadRecord(in, e)) return;
        if (!IsPapKind(e.Kind)) {
            ++result.Skipped;
            continue;
        }
        if (!Append(drawing, true)) {
            result.Refused = true;
            break;
        }
        e.Id = drawing[drawing.Count].Id;
        drawing[drawing.Count] = std::move(e);
    }
    EndRefusal(drawing);
    result.Ok = true;
}

}  // namespace

std::string EncodePapFile(const Drawing& drawing)
{
    const auto first = drawing.Elements.begin() + 1;
    const auto count = std::count_if(first, first + drawing.Count, [](const TCadData& e) { return IsPapKind(e.Kind); });
    std::string out;
    PutLine(out, kFormatMark);
    PutLine(out, std::to_string(count));
    for (int i = 1; i <= drawing.Count; ++i) {
        const TCadData& e = drawing[i];
        if (!IsPapKind(e.Kind)) continue;
        PutLine(out, std::to_string(e.Kind));
        PutLine(out, e.LineStyle != kStyleSolid ? "1" : "0");
        for (double value : {e.Cx, -e.Cy, e.X2, -e.Y2, e.X1, -e.Y1, e.R}) PutNumber(out, value);
    }
    return out;
}

WriteResult WritePapFile(const std::filesystem::path& path, const Drawing& drawing)
{
    try {
        if (WriteFileAtomically(path, EncodePapFile(drawing))) return {true, {}};
    } catch (const std::exception&) {
        // out of memory while encoding: the old file stays
    }
    return {false, kWriteFailedMessage};
}

std::filesystem::path WithPapExtension(const std::filesystem::path& chosen)
{
    const std::string extension = chosen.extension().string();
    if (extension == ".pap" || extension == ".PAP") return chosen;
    std::filesystem::path path = chosen;
    path += ".pap";
    return path;
}

std::string SkippedPapRecordsMessage(int count)
{
    return "直線、円弧、円以外の図形 " + std::to_string(count) + " 個は読み込みませんでした。";
}

PapReadResult ReadPapText(std::string_view text, Drawing& drawing, const LayerNames* namesFromSettings)
{
    Reset(drawing, namesFromSettings);
    PapReadResult result;
    LineCursor in(text);
    try {
        ReadRecords(in, drawing, result);
    } catch (const std::exception&) {
        result.Ok = false;  // out of memory: the records read so far stay
    }
    if (!result.Ok) result.Message = kPapReadErrorMessage;
    return result;
}

PapReadResult ReadPapFile(const std::filesystem::path& path, Drawing& drawing, const LayerNames* namesFromSettings)
{
    std::string bytes;
    if (ReadWholeFile(path, kMaxPapFileBytes, bytes) != FileReadStatus::Read) {
        // The drawing is kept as it was when the file cannot even be read.
        return {false, kPapReadErrorMessage};
    }
    return ReadPapText(bytes, drawing, namesFromSettings);
}

}  // namespace vantro
