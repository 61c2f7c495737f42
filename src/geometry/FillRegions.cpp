#include "geometry/FillRegions.h"

#include "geometry/BoundaryPoints.h"
#include "geometry/ChainTrace.h"
#include "geometry/ElementPoints.h"

#include <charconv>
#include <limits>

namespace vantro {
namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// A whole decimal integer within int32, blanks around it allowed.
bool ReadInteger(std::string_view text, int32_t& value)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int64_t wide = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), wide);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return false;
    if (wide < std::numeric_limits<int32_t>::min() || wide > std::numeric_limits<int32_t>::max()) return false;
    value = static_cast<int32_t>(wide);
    return true;
}

bool IsOutlineKind(int8_t kind) { return kind == kKindLine || kind == kKindArc || kind == kKindEllipse; }

}  // namespace

GroupMembers IndexGroups(const Drawing& drawing)
{
    GroupMembers groups;
    for (int i = 1; i <= drawing.Count; ++i)
        if (drawing[i].Group >= 1) groups[drawing[i].Group].push_back(i);
    return groups;
}

FillRegion ResolveFill(const Drawing& drawing, const GroupMembers& groups, std::string_view line, int fineness)
{
    FillRegion region;
    if (line.empty()) {
        region.Problem = FillProblem::EmptyLine;
        return region;
    }
    const size_t comma = line.find(',');
    region.GroupText = std::string(line.substr(0, comma));
    int32_t group = 0;
    if (!ReadInteger(region.GroupText, group)) {
        region.Problem = FillProblem::BadGroup;
        return region;
    }
    // Group 0 is no group: no element "has" it.
    const auto members = groups.find(group);
    if (group < 1 || members == groups.end()) {
        region.Problem = FillProblem::NoSuchGroup;
        return region;
    }
    region.First = members->second.front();
    const TCadData& first = drawing[region.First];
    region.IsCircle = first.Kind == kKindCircle;
    if (!region.IsCircle) {
        const Chain chain = IsOutlineKind(first.Kind)
                                ? TraceChainAmong(drawing, region.First, StartOf(first), members->second)
                                : Chain{};
        if (!chain.Closed) {
            region.Problem = FillProblem::NotClosed;
            return region;
        }
        region.Outline = ChainVertices(drawing, chain, fineness);
    }
    int32_t colour = 0;
    if (comma == std::string_view::npos || !ReadInteger(line.substr(comma + 1), colour)) {
        region.Problem = FillProblem::BadColour;
        return region;
    }
    region.Colour = static_cast<uint32_t>(colour) & 0xFFFFFFu;
    return region;
}

std::vector<FillRegion> ResolveFills(const Drawing& drawing, int fineness)
{
    const GroupMembers groups = IndexGroups(drawing);
    std::vector<FillRegion> regions;
    regions.reserve(drawing.MemoBrush.size());
    for (const std::string& line : drawing.MemoBrush) regions.push_back(ResolveFill(drawing, groups, line, fineness));
    return regions;
}

std::string FillProblemMessage(const FillRegion& region)
{
    switch (region.Problem) {
    case FillProblem::BadGroup: return kFillDataErrorMessage;
    case FillProblem::NoSuchGroup: return "選択したグループ番号(" + region.GroupText + ")が無い為、指定を解除しました。";
    case FillProblem::NotClosed: return kFillNotClosedMessage;
    default: return {};
    }
}

bool DeletesLine(FillProblem problem) { return problem != FillProblem::None && problem != FillProblem::BadColour; }

bool DropBrokenFills(Drawing& drawing, int fineness)
{
    const GroupMembers groups = IndexGroups(drawing);
    std::vector<std::string>& memo = drawing.MemoBrush;
    for (size_t k = 0; k < memo.size();) {
        const FillRegion region = ResolveFill(drawing, groups, memo[k], fineness);
        if (region.Problem == FillProblem::BadColour) return false;
        if (!DeletesLine(region.Problem)) {
            ++k;
            continue;
        }
        memo.erase(memo.begin() + static_cast<std::ptrdiff_t>(k));
        if (const std::string message = FillProblemMessage(region); !message.empty()) Tell(drawing, message);
    }
    return true;
}

}  // namespace vantro
