#include "geometry/ChainTrace.h"

#include "geometry/ElementPoints.h"
#include "geometry/EllipsePolyline.h"

#include <algorithm>
#include <cmath>

namespace vantro {
namespace {

bool IsChainKind(int8_t kind) { return kind == kKindLine || kind == kKindArc || kind == kKindEllipse; }

}  // namespace

bool ElementEndPoint(const TCadData& element, bool atStart, Point& point)
{
    if (element.Kind == kKindLine || element.Kind == kKindArc) {
        point = atStart ? StartOf(element) : EndOf(element);
        return true;
    }
    if (element.Kind != kKindEllipse || !(element.R > 0)) return false;
    const double bound = atStart ? element.X1 : element.X2;
    point = EllipsePoint(element, std::acos(std::clamp(bound / element.R, -1.0, 1.0)));
    return true;
}

namespace {

// Element numbers 1..count for a range-for. std::views::iota is not used: clang 14 cannot compile
// it against GCC 12's library, and the fuzz build uses clang.
struct AllElements {
    struct Iterator {
        int Index;
        int operator*() const { return Index; }
        Iterator& operator++()
        {
            ++Index;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return Index != other.Index; }
    };
    int Count;
    Iterator begin() const { return {1}; }
    Iterator end() const { return {Count + 1}; }
};

// The first of the candidates connected to the element's end, tested in the candidates' order.
template <typename Candidates>
ConnectedEnd FindConnectedIn(const Drawing& drawing, int index, bool atStart, bool groupOnly,
                             const Candidates& candidates)
{
    const TCadData& element = drawing[index];
    Point end;
    if (!ElementEndPoint(element, atStart, end)) return {};
    for (const int i : candidates) {
        const TCadData& other = drawing[i];
        if (i == index || !IsChainKind(other.Kind) || other.Layer != element.Layer) continue;
        if (groupOnly && other.Group != element.Group) continue;
        Point start;
        Point finish;
        ElementEndPoint(other, true, start);
        ElementEndPoint(other, false, finish);
        if (PointDistance(start, end) < Eps()) return {i, true};
        if (PointDistance(finish, end) < Eps()) return {i, false};
    }
    return {};
}

// The walk of TraceChain with next(current, atStart) finding the connected element.
template <typename Next>
Chain TraceWith(const Drawing& drawing, int start, Point click, const Next& next)
{
    Chain chain;
    Point first;
    Point last;
    if (!ElementEndPoint(drawing[start], true, first) || !ElementEndPoint(drawing[start], false, last)) return chain;
    const bool forward = PointDistance(click, first) <= PointDistance(click, last);
    chain.Links.push_back({start, forward});
    std::vector<bool> taken(static_cast<size_t>(drawing.Count) + 1, false);
    taken[static_cast<size_t>(start)] = true;
    int current = start;
    bool leaveAtStart = !forward;
    for (;;) {
        const ConnectedEnd found = next(current, leaveAtStart);
        if (found.Index == 0) break;
        if (found.Index == start) {
            chain.Closed = true;
            break;
        }
        if (taken[static_cast<size_t>(found.Index)]) {
            chain.DuplicateEnds = true;
            break;
        }
        taken[static_cast<size_t>(found.Index)] = true;
        chain.Links.push_back({found.Index, found.AtStart});
        current = found.Index;
        leaveAtStart = !found.AtStart;
    }
    return chain;
}

}  // namespace

ConnectedEnd FindConnectedEnd(const Drawing& drawing, int index, bool atStart, bool sameGroup)
{
    const bool groupOnly = sameGroup && drawing[index].Group >= 1;
    return FindConnectedIn(drawing, index, atStart, groupOnly, AllElements{drawing.Count});
}

Chain TraceChain(const Drawing& drawing, int start, Point click, bool sameGroup)
{
    return TraceWith(drawing, start, click, [&](int current, bool atStart) {
        return FindConnectedEnd(drawing, current, atStart, sameGroup);
    });
}

Chain TraceChainAmong(const Drawing& drawing, int start, Point click, std::span<const int> candidates)
{
    return TraceWith(drawing, start, click, [&](int current, bool atStart) {
        return FindConnectedIn(drawing, current, atStart, false, candidates);
    });
}

int MarkChain(Drawing& drawing, int start, Point click, bool sameGroup)
{
    const Chain chain = TraceChain(drawing, start, click, sameGroup);
    for (const ChainLink& link : chain.Links) {
        drawing[link.Index].Selected = 1;
        if (drawing.Listener != nullptr) drawing.Listener->DrawElement(link.Index);
    }
    if (chain.DuplicateEnds) return -1;
    return chain.Links.empty() ? 0 : static_cast<int>(chain.Links.size()) - 1;
}

}  // namespace vantro
