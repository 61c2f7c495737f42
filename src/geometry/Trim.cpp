#include "geometry/Trim.h"

#include "document/Groups.h"
#include "document/UndoHistory.h"
#include "geometry/ElementEdits.h"
#include "geometry/ElementIntersections.h"

#include <algorithm>
#include <vector>

namespace vantro {
namespace {

// A cut point and its position along the element: distance from a line's start, degrees from an
// arc's (or circle's) start, an ellipse piece's value.
struct Cut {
    Point At;
    double Key = 0;
};

class CutList {
public:
    explicit CutList(const TCadData& e) : e_(e)
    {
        if (e.Kind == kKindLine) {
            cuts_ = {{StartOf(e), 0}, {EndOf(e), PointDistance(StartOf(e), EndOf(e))}};
        } else if (e.Kind == kKindArc) {
            cuts_ = {{StartOf(e), 0}, {EndOf(e), e.Angle}};
        } else if (e.Kind == kKindEllipse) {
            cuts_ = {{{}, e.X2}, {{}, e.X1}};
        }
    }

    double KeyOf(Point p) const
    {
        if (e_.Kind == kKindLine) return PointDistance(StartOf(e_), p);
        if (e_.Kind == kKindEllipse) return EllipseValue(e_, p);
        return AngleFromArcStart(e_, p);
    }

    // Points off the drawn part cannot cut it; points that repeat an entry are not entered again.
    void Add(Point p)
    {
        if (!OnElement(p)) return;
        const double key = KeyOf(p);
        for (const Cut& c : cuts_) {
            if (e_.Kind == kKindEllipse ? std::abs(c.Key - key) < DegToRad(Eps()) : PointDistance(c.At, p) < Eps())
                return;
        }
        const auto at = std::upper_bound(cuts_.begin(), cuts_.end(), key,
                                         [](double k, const Cut& c) { return k < c.Key; });
        cuts_.insert(at, {p, key});
    }

    const std::vector<Cut>& Cuts() const { return cuts_; }

private:
    bool OnElement(Point p) const
    {
        switch (e_.Kind) {
        case kKindLine:
            return IsPointOnSegment(StartOf(e_), EndOf(e_), p);
        case kKindArc:
            return IsWithinArcSweep(e_, p);
        case kKindEllipse: {
            const double key = EllipseValue(e_, p);
            return key >= e_.X2 - Eps() && key <= e_.X1 + Eps();
        }
        default:
            return true;
        }
    }

    const TCadData& e_;
    std::vector<Cut> cuts_;
};

IntersectionResult CrossingsWithEdge(const TCadData& e, const TCadData& k, bool quick)
{
    IntersectionResult none;
    if (e.Kind == kKindLine) {
        if (k.Kind == kKindLine) {
            IntersectionResult found;
            const bool hit = quick ? IntersectLines(StartOf(e), EndOf(e), StartOf(k), EndOf(k), found.Points[0])
                                   : IntersectSegments(StartOf(e), EndOf(e), StartOf(k), EndOf(k), found.Points[0]);
            found.Count = hit ? 1 : 0;
            return found;
        }
        if (IsRound(k.Kind)) return IntersectLineWithCircleElement(e, k);
        return k.Kind == kKindEllipse ? IntersectEllipseLine(k, e, true) : none;
    }
    if (IsRound(e.Kind)) {
        if (k.Kind == kKindLine) return IntersectLineWithCircleElement(k, e);
        if (IsRound(k.Kind)) return IntersectCircleElements(k, e);
        return k.Kind == kKindEllipse ? IntersectEllipseWithCircleElement(k, e) : none;
    }
    if (k.Kind == kKindLine) return IntersectEllipseLine(e, k, true);
    if (IsRound(k.Kind)) return IntersectEllipseWithCircleElement(e, k);
    return k.Kind == kKindEllipse ? IntersectEllipses(e, k) : none;
}

// The index i of the interval (cuts[i], cuts[i + 1]) strictly around the key; -1 when none.
int IntervalAround(const std::vector<Cut>& cuts, double key)
{
    for (size_t i = 0; i + 1 < cuts.size(); ++i)
        if (cuts[i].Key < key && key < cuts[i + 1].Key) return static_cast<int>(i);
    return -1;
}

// A split's new piece, selected: a copy of the element, so that both parts stay on its layer with
// its width, as every other split leaves them.
void AppendSplitPiece(Drawing& drawing, const TCadData& piece)
{
    const int index = AppendRecordedCopy(drawing, piece);
    if (index == 0) return;
    drawing[index].Selected = 1;
    Redraw(drawing, index);
}

TrimOutcome TrimLineOrArc(Drawing& drawing, int index, const std::vector<Cut>& cuts, int i)
{
    const TCadData e = drawing[index];
    const Point from = cuts[static_cast<size_t>(i)].At, to = cuts[static_cast<size_t>(i) + 1].At;
    TCadData after = e;
    const bool last = static_cast<size_t>(i) + 2 == cuts.size();
    if (i == 0 || PointDistance(from, StartOf(e)) <= Eps()) {
        SetStart(after, to);
    } else if (last || PointDistance(to, EndOf(e)) <= Eps()) {
        SetEnd(after, from);
    } else {
        SetEnd(after, from);
        TCadData piece = e;
        piece.X1 = to.X;
        piece.Y1 = to.Y;
        SetEnd(piece, EndOf(e));
        if (!WriteRecorded(drawing, index, after)) return TrimOutcome::Unchanged;
        AppendSplitPiece(drawing, piece);
        return TrimOutcome::Trimmed;
    }
    return WriteRecorded(drawing, index, after) ? TrimOutcome::Trimmed : TrimOutcome::Unchanged;
}

// Ellipse keys ascend from the end value to the start value.
TrimOutcome TrimEllipse(Drawing& drawing, int index, const std::vector<Cut>& cuts, int i)
{
    const TCadData e = drawing[index];
    const double low = cuts[static_cast<size_t>(i)].Key, high = cuts[static_cast<size_t>(i) + 1].Key;
    TCadData after = e;
    const bool split = i != 0 && static_cast<size_t>(i) + 2 != cuts.size();
    if (i == 0 || split) after.X2 = high;
    else after.X1 = low;
    if (!WriteRecorded(drawing, index, after)) return TrimOutcome::Unchanged;
    if (split) {
        TCadData piece = e;
        piece.X1 = low;
        AppendSplitPiece(drawing, piece);
    }
    return TrimOutcome::Trimmed;
}

// The circle keeps the arc from the cut after the click round to the cut before it; i < 0 means
// the click lies before the first cut or after the last.
TrimOutcome TrimCircle(Drawing& drawing, int index, const std::vector<Cut>& cuts, int i)
{
    TCadData after = drawing[index];
    if (i < 0) MakeArc(after, cuts.front().At, cuts.back().At);
    else MakeArc(after, cuts[static_cast<size_t>(i) + 1].At, cuts[static_cast<size_t>(i)].At);
    return WriteRecorded(drawing, index, after) ? TrimOutcome::Trimmed : TrimOutcome::Unchanged;
}

}  // namespace

TrimOutcome TrimElement(Drawing& drawing, int index, Point click, bool quick, bool trimDelete)
{
    const TCadData e = drawing[index];
    if (e.Kind != kKindLine && !IsRound(e.Kind) && e.Kind != kKindEllipse) return TrimOutcome::Unchanged;
    CutList list(e);
    for (int k = 1; k <= drawing.Count; ++k) {
        if (k == index || drawing[k].Selected != 1) continue;
        if (list.Cuts().size() > static_cast<size_t>(kMaxTrimCuts)) {
            Tell(drawing, kTooManyTrimCutsMessage);
            ClearSelection(drawing);
            return TrimOutcome::TooManyCuts;
        }
        const IntersectionResult found = CrossingsWithEdge(e, drawing[k], quick);
        for (int n = 0; n < found.Count; ++n) list.Add(found.Points[static_cast<size_t>(n)]);
    }
    const std::vector<Cut>& cuts = list.Cuts();
    UndoStepGroup step(drawing);
    if (e.Kind == kKindCircle) {
        const double key = list.KeyOf(click);
        const int i = IntervalAround(cuts, key);
        const bool outside = cuts.size() >= 2 && (key < cuts.front().Key || key > cuts.back().Key);
        if (i < 0 && !outside) return TrimOutcome::Unchanged;
        return TrimCircle(drawing, index, cuts, i);
    }
    if (cuts.size() == 2) {
        if (!trimDelete) return TrimOutcome::Unchanged;
        DeleteRecorded(drawing, index);
        return TrimOutcome::Deleted;
    }
    const int i = IntervalAround(cuts, list.KeyOf(click));
    if (i < 0) return TrimOutcome::Unchanged;
    if (e.Kind == kKindEllipse) return TrimEllipse(drawing, index, cuts, i);
    return TrimLineOrArc(drawing, index, cuts, i);
}

}  // namespace vantro
