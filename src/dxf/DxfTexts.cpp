// TEXT, ATTRIB and MTEXT as text elements. A text element starts at the lower left of its box
// and is half its height wide per byte, so alignment points are turned into that corner with the
// width the element is drawn with. Mirrored texts (seen against −Z, or written backwards) are
// kept readable over the same place.
#include "document/Cp932.h"
#include "document/Groups.h"
#include "dxf/DxfEntityReaders.h"
#include "geometry/TextElements.h"

#include <algorithm>
#include <cmath>

namespace vantro::dxf {
namespace {

constexpr double kMtextLineSpacing = 5.0 / 3.0;  // of the height, at spacing factor 1
constexpr int kBackwardsFlag = 2;
constexpr int kInvisibleAttribute = 1;

// The world directions of a text's baseline and of its up, radians.
struct TextFrame {
    double Direction = 0;
    double Up = kPi / 2;
};

Point Along(Point from, double radians, double length)
{
    return {from.X + length * std::cos(radians), from.Y + length * std::sin(radians)};
}

double TextWidth(const std::string& cp932, double height) { return static_cast<double>(cp932.size()) * 0.5 * height; }

// Stores one line whose frame starts at origin, moved by dx along the baseline and dy up it.
void StoreTextLine(Drawing& target, ReadContext& context, const CurrentAttributes& attributes, const std::string& text,
                   double height, Point origin, TextFrame frame, double dx, double dy, int32_t group)
{
    Point start = Along(Along(origin, frame.Direction, dx), frame.Up, dy);
    double direction = frame.Direction;
    // Seen from above the glyphs would be mirrored: the readable text runs back from the far end.
    const double turn = std::sin(frame.Up - frame.Direction);
    if (turn < 0) {
        start = Along(start, frame.Direction, TextWidth(text, height));
        direction += kPi;
    }
    if (!std::isfinite(start.X) || !std::isfinite(start.Y) || !std::isfinite(height)) {
        ++context.Counts.Dropped;
        return;
    }
    if (!AppendTextElement(target, attributes, height, text, start)) return;
    TCadData& e = target[target.Count];
    double angle = std::fmod(direction, 2 * kPi);
    if (angle < 0) angle += 2 * kPi;
    if (std::abs(angle) > 1e-12 && std::abs(angle - 2 * kPi) > 1e-12) e.Angle = angle;
    e.Group = group;
}

// Horizontal alignments (group 72) and vertical ones (73, or 74 for attributes).
enum Horizontal { kLeft = 0, kCentre = 1, kRight = 2, kAligned = 3, kMiddle = 4, kFit = 5 };
enum Vertical { kBaseline = 0, kBottom = 1, kVerticalMiddle = 2, kTop = 3 };

}  // namespace

bool ReadText(Drawing& target, ReadContext& context, const Common& c, bool attribute)
{
    const Numbers& v = c.Values;
    if (attribute && (v.Integer(70) & kInvisibleAttribute) != 0) return true;
    const std::string text = context.Decoder.Text(StringOf(context.Pairs, 1));
    if (text.empty()) return true;
    // Heights below the element's least are drawn at that: the text is aligned as it is drawn.
    double height = std::max(v.Get(40, 1), kMinTextHeight);
    const int horizontal = v.Integer(72);
    const int vertical = v.Integer(attribute ? 74 : 73);
    const bool aligned = horizontal != kLeft || vertical != kBaseline;
    const double z = v.Get(30);
    const Point first = c.Plane.Apply(v.PointOf(10), z);
    const Point second = aligned && v.Has(11) ? c.Plane.Apply(v.PointOf(11), z) : first;
    TextFrame frame{c.Plane.Direction(v.Get(50)), c.Plane.Direction(v.Get(50) + 90)};
    if ((v.Integer(71) & kBackwardsFlag) != 0) frame.Direction += kPi;
    double width = TextWidth(text, height);
    Point origin = second;
    double dx = 0;
    if ((horizontal == kAligned || horizontal == kFit) && PointDistance(first, second) >= Eps()) {
        // Between the two points: aligned texts take the height that fills them; fitted ones are
        // squeezed there, which this program's texts cannot be, so they shrink when too long.
        const double span = PointDistance(first, second);
        frame.Direction = DirectionAngle(second, first);
        frame.Up = frame.Direction + kPi / 2;
        const double filling = span / (0.5 * static_cast<double>(text.size()));
        height = std::max(horizontal == kAligned ? filling : std::min(height, filling), kMinTextHeight);
        width = TextWidth(text, height);
        origin = first;
        dx = (span - width) / 2;
    } else if (horizontal == kCentre || horizontal == kMiddle) {
        dx = -width / 2;
    } else if (horizontal == kRight) {
        dx = -width;
    }
    double dy = 0;
    if (horizontal == kMiddle || vertical == kVerticalMiddle) dy = -height / 2;
    else if (vertical == kTop) dy = -height;
    StoreTextLine(target, context, c.Attributes, text, height, origin, frame, dx, dy, 0);
    return true;
}

namespace {

// Breaks a line where it passes width: after a blank, or next to a double-byte character.
std::vector<std::string> Wrapped(const std::string& line, double height, double width)
{
    if (!(width > 0) || TextWidth(line, height) <= width * 1.001) return {line};
    const auto limit = static_cast<size_t>(std::max(1.0, std::floor(width / (0.5 * height) + 0.001)));
    std::vector<std::string> lines;
    std::string_view rest = line;
    while (rest.size() > limit) {
        size_t cut = 0;
        for (size_t i = 0; i < rest.size();) {
            const size_t step = IsCp932LeadByte(static_cast<unsigned char>(rest[i])) ? 2 : 1;
            if (i + step > limit) break;
            if (step == 2 && i > 0) cut = i;
            i += step;
            if (step == 2 || rest[i - 1] == ' ') cut = i;
        }
        if (cut == 0) cut = rest.find(' ') == std::string_view::npos ? rest.size() : rest.find(' ') + 1;
        lines.emplace_back(rest.substr(0, cut));
        rest.remove_prefix(std::min(cut, rest.size()));
        while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
        while (!lines.back().empty() && lines.back().back() == ' ') lines.back().pop_back();
    }
    if (!rest.empty()) lines.emplace_back(rest);
    return lines;
}

}  // namespace

bool ReadMtext(Drawing& target, ReadContext& context)
{
    // The embedded object (from group 101 on) repeats position and height with other meanings.
    const auto embedded = std::find_if(context.Pairs.begin(), context.Pairs.end(),
                                       [](const RawPair& pair) { return pair.Code == 101; });
    const std::span<const RawPair> pairs(context.Pairs.begin(), embedded);
    const Common c = ReadCommon(pairs, context);
    if (!c.Readable) return false;
    if (c.PaperSpace) {
        ++context.Counts.PaperSpace;
        return true;
    }
    const Numbers& v = c.Values;
    std::string raw;
    for (const RawPair& pair : pairs)
        if (pair.Code == 3) raw.append(pair.Value);  // 250-byte pieces before the final group 1
    raw.append(StringOf(pairs, 1));
    const double height = std::max(v.Get(40, 1), kMinTextHeight);
    std::vector<std::string> lines;
    for (const std::string& paragraph : context.Decoder.Paragraphs(raw))
        for (std::string& line : Wrapped(paragraph, height, v.Get(41))) lines.push_back(std::move(line));
    // The x axis (11/21, world) wins over the rotation (50, degrees in the plane).
    TextFrame frame;
    frame.Direction = v.Has(11) || v.Has(21) ? std::atan2(v.Get(21), v.Get(11)) : c.Plane.Direction(v.Get(50));
    frame.Up = frame.Direction + (c.Plane.Mirrors() ? -kPi / 2 : kPi / 2);
    const int attachment = std::clamp(v.Integer(71, 1), 1, 9) - 1;
    const double spacing = kMtextLineSpacing * height * (v.Get(44, 1) > 0 ? v.Get(44, 1) : 1);
    const double blockHeight = height + static_cast<double>(lines.size() - 1) * spacing;
    const double firstDy = attachment / 3 == 0 ? -height : attachment / 3 == 1 ? blockHeight / 2 - height
                                                                                : blockHeight - height;
    const int32_t group = lines.size() > 1 ? NewGroupNumber(target) : 0;
    const Point origin = v.PointOf(10);
    for (size_t i = 0; i < lines.size() && !target.AppendFailed; ++i) {
        if (lines[i].empty()) continue;
        const double width = TextWidth(lines[i], height);
        const double dx = attachment % 3 == 0 ? 0 : attachment % 3 == 1 ? -width / 2 : -width;
        StoreTextLine(target, context, c.Attributes, lines[i], height, origin, frame, dx,
                  firstDy - static_cast<double>(i) * spacing, group);
    }
    return true;
}

}  // namespace vantro::dxf
