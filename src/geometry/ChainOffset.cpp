#include "geometry/ChainOffset.h"

#include "document/UndoHistory.h"
#include "geometry/ChainTrace.h"
#include "geometry/Constructors.h"
#include "geometry/ElementIntersections.h"
#include "geometry/ElementPoints.h"
#include "geometry/Offsets.h"

#include <cmath>
#include <optional>
#include <vector>

namespace vantro {
namespace {

// One new piece, its ends in the order of the walk.
struct Piece {
    bool IsArc = false;
    bool Counterclockwise = true;  // an arc walked from its start point to its end point
    Point Start;
    Point End;
    Point Centre;
    double Radius = 0;
    Point SourceStart;  // the source line's ends in the order of the walk
    Point SourceEnd;
};

Point WalkStart(const TCadData& e, bool forward) { return forward ? StartOf(e) : EndOf(e); }
Point WalkEnd(const TCadData& e, bool forward) { return forward ? EndOf(e) : StartOf(e); }

// The arc's ends in counter-clockwise order, as the arc primitives take them.
Point ArcFrom(const Piece& arc) { return arc.Counterclockwise ? arc.Start : arc.End; }
Point ArcTo(const Piece& arc) { return arc.Counterclockwise ? arc.End : arc.Start; }

Piece LinePiece(const OffsetResult& offset, const TCadData& source, bool forward)
{
    Piece piece;
    piece.Start = forward ? offset.Start : offset.End;
    piece.End = forward ? offset.End : offset.Start;
    piece.SourceStart = WalkStart(source, forward);
    piece.SourceEnd = WalkEnd(source, forward);
    return piece;
}

Piece ArcPiece(const OffsetResult& offset, const TCadData& source, bool forward)
{
    Piece piece;
    piece.IsArc = true;
    piece.Counterclockwise = forward;
    piece.Start = forward ? offset.Start : offset.End;
    piece.End = forward ? offset.End : offset.Start;
    piece.Centre = CentreOf(source);
    piece.Radius = offset.Radius;
    return piece;
}

// The arc of radius d about the corner over the gap between two pieces, the shorter way round.
Piece Bridge(Point from, Point to, Point corner, double d)
{
    Piece arc;
    arc.IsArc = true;
    arc.Start = from;
    arc.End = to;
    arc.Centre = corner;
    arc.Radius = d;
    arc.Counterclockwise = SweepAngleDeg(from, to, corner) <= 180;
    return arc;
}

std::optional<Point> OnePoint(const IntersectionResult& result)
{
    if (result.Count == 0) return std::nullopt;
    return result.Points[0];
}

// The crossing of the two pieces nearest to the corner.
std::optional<Point> PieceCrossing(const Piece& a, const Piece& b, Point corner)
{
    if (!a.IsArc && !b.IsArc) {
        Point x;
        if (IntersectLines(a.Start, a.End, b.Start, b.End, x)) return x;
        return std::nullopt;
    }
    if (a.IsArc && b.IsArc)
        return OnePoint(IntersectArcs(ArcFrom(a), ArcTo(a), ArcFrom(b), ArcTo(b), a.Centre, a.Radius, b.Centre,
                                      b.Radius, corner));
    const Piece& line = a.IsArc ? b : a;
    const Piece& arc = a.IsArc ? a : b;
    return OnePoint(NearestSegmentArc(line.Start, line.End, ArcFrom(arc), ArcTo(arc), arc.Centre, arc.Radius, corner));
}

// The crossing nearest to the corner on the full lines and circles.
std::optional<Point> FullCrossing(const Piece& a, const Piece& b, Point corner)
{
    if (a.IsArc && b.IsArc) return OnePoint(NearestCircleCircle(a.Centre, a.Radius, b.Centre, b.Radius, corner));
    const Piece& line = a.IsArc ? b : a;
    const Piece& arc = a.IsArc ? a : b;
    Point x;
    if (NearestLineCircle(line.Start, line.End, arc.Centre, arc.Radius, corner, x)) return x;
    return std::nullopt;
}

class ChainBuilder {
public:
    ChainBuilder(double d, const ChainOffsetSettings& settings) : d_(d), settings_(settings) {}

    // Joins the piece to the one before it at the chain corner; false when they cannot be joined.
    bool Add(Piece piece, Point corner)
    {
        if (previous_ < 0) {
            first_ = 0;
            previous_ = Push(piece);
            return true;
        }
        if (!Join(pieces_[static_cast<size_t>(previous_)], piece, corner)) return false;
        previous_ = Push(piece);
        return true;
    }

    // A closed chain joins its last piece to its first.
    bool Close(Point corner)
    {
        if (first_ < 0 || first_ == previous_) return true;
        return Join(pieces_[static_cast<size_t>(previous_)], pieces_[static_cast<size_t>(first_)], corner);
    }

    const std::vector<Piece>& Pieces() const { return pieces_; }

private:
    int Push(const Piece& piece)
    {
        pieces_.push_back(piece);
        return static_cast<int>(pieces_.size()) - 1;
    }

    static bool Meet(Piece& before, Piece& after, Point x)
    {
        before.End = x;
        after.Start = x;
        return true;
    }

    bool Join(Piece& before, Piece& after, Point corner)
    {
        if (const auto x = PieceCrossing(before, after, corner)) return Meet(before, after, *x);
        if (!before.IsArc && !after.IsArc) return false;
        if (settings_.OfsetPatern) {
            const Piece bridge = Bridge(before.End, after.Start, corner, d_);
            pieces_.push_back(bridge);
            return true;
        }
        if (const auto x = FullCrossing(before, after, corner)) return Meet(before, after, *x);
        return false;
    }

    double d_;
    const ChainOffsetSettings& settings_;
    std::vector<Piece> pieces_;
    int previous_ = -1;
    int first_ = -1;
};

bool Reversed(const Piece& piece)
{
    if (piece.IsArc) return false;
    const double now = DirectionAngle(piece.End, piece.Start);
    const double turn = std::abs(now - DirectionAngle(piece.SourceEnd, piece.SourceStart));
    return turn > Eps() && turn < 2 * kPi - Eps();
}

bool Cross(const TCadData& a, const TCadData& b)
{
    if (a.Kind == kKindLine && b.Kind == kKindLine) {
        Point x;
        return IntersectSegments(StartOf(a), EndOf(a), StartOf(b), EndOf(b), x);
    }
    if (a.Kind == kKindLine) return IntersectLineWithCircleElement(a, b).Count > 0;
    if (b.Kind == kKindLine) return IntersectLineWithCircleElement(b, a).Count > 0;
    return IntersectArcs(StartOf(a), EndOf(a), StartOf(b), EndOf(b), CentreOf(a), a.R, CentreOf(b), b.R, CentreOf(a))
               .Count > 0;
}

// Whether two new pieces that are not neighbours in the chain cross each other.
bool Overlapping(const Drawing& drawing, const std::vector<int>& made, bool closed)
{
    const size_t n = made.size();
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 2; j < n; ++j) {
            if (closed && i == 0 && j == n - 1) continue;
            if (Cross(drawing[made[i]], drawing[made[j]])) return true;
        }
    }
    return false;
}

bool AppendPiece(Drawing& drawing, const CurrentAttributes& attributes, const Piece& piece)
{
    if (!piece.IsArc) return AppendLine(drawing, attributes, true, true, piece.Start, piece.End);
    return AppendArc(drawing, attributes, true, true, ArcFrom(piece), ArcTo(piece), piece.Centre, piece.Radius);
}

void ClearChainHighlights(Drawing& drawing, const Chain& chain)
{
    for (const ChainLink& link : chain.Links) {
        drawing[link.Index].Selected = 0;
        if (drawing.Listener != nullptr) drawing.Listener->DrawElement(link.Index);
    }
}

// The first piece, which fixes the side of the walk: true when it lies to the left.
std::optional<Piece> FirstPiece(Drawing& drawing, const TCadData& source, bool forward, double d, Point side,
                                bool& left)
{
    if (source.Kind == kKindLine) {
        const OffsetResult offset = OffsetLine(StartOf(source), EndOf(source), d, side);
        if (offset.Count == 0) return std::nullopt;
        const Piece piece = LinePiece(offset, source, forward);
        const Point a = piece.SourceStart;
        const Point b = piece.SourceEnd;
        left = (b.X - a.X) * (piece.Start.Y - a.Y) - (b.Y - a.Y) * (piece.Start.X - a.X) > 0;
        return piece;
    }
    const OffsetResult offset = OffsetArc(source, d, side);
    if (offset.Count == 0) {
        Tell(drawing, kStartArcOffsetMessage);
        return std::nullopt;
    }
    // Walking counter-clockwise the centre lies to the left.
    const bool inward = offset.Radius < source.R;
    left = forward == inward;
    return ArcPiece(offset, source, forward);
}

}  // namespace

int ChainOffset(Drawing& drawing, const CurrentAttributes& attributes, int start, Point startClick, double d,
                Point side, const ChainOffsetSettings& settings)
{
    if (!AcceptOffsetDistance(drawing, d)) return -1;
    const Chain chain = TraceChain(drawing, start, startClick, settings.GroupCheck);
    if (chain.Links.empty()) return 0;
    for (const ChainLink& link : chain.Links) {
        if (drawing[link.Index].Kind != kKindEllipse) continue;
        ClearChainHighlights(drawing, chain);
        Tell(drawing, kChainWithEllipseMessage);
        return -1;
    }
    const TCadData& first = drawing[chain.Links[0].Index];
    bool left = true;
    const auto firstPiece = FirstPiece(drawing, first, chain.Links[0].Forward, d, side, left);
    if (!firstPiece) {
        ClearChainHighlights(drawing, chain);
        return first.Kind == kKindLine ? 0 : -1;
    }
    ChainBuilder builder(d, settings);
    builder.Add(*firstPiece, WalkStart(first, chain.Links[0].Forward));
    bool joined = true;
    for (size_t k = 1; k < chain.Links.size() && joined; ++k) {
        const TCadData& source = drawing[chain.Links[k].Index];
        const bool forward = chain.Links[k].Forward;
        const Point corner = WalkStart(source, forward);
        if (source.Kind == kKindLine) {
            const Point far = WalkEnd(source, forward);
            const Point sidePoint = RotatePointDeg(far, corner, left ? 45 : -45);
            const OffsetResult offset = OffsetLine(StartOf(source), EndOf(source), d, sidePoint);
            if (offset.Count == 2) joined = builder.Add(LinePiece(offset, source, forward), corner);
        } else {
            const OffsetResult offset = OffsetArcBySide(source, forward != left, d);
            // An arc that would shrink away is left out and the walk goes on.
            if (offset.Radius > 0) joined = builder.Add(ArcPiece(offset, source, forward), corner);
        }
    }
    if (joined && chain.Closed) joined = builder.Close(WalkStart(first, chain.Links[0].Forward));

    std::vector<int> made;
    bool reversed = false;
    {
        UndoStepGroup step(drawing);
        for (const Piece& piece : builder.Pieces()) {
            reversed = reversed || Reversed(piece);
            if (AppendPiece(drawing, attributes, piece)) made.push_back(drawing.Count);
        }
    }
    ClearChainHighlights(drawing, chain);
    if (!joined) {
        Tell(drawing, kChainJoinFailedMessage);
        return -1;
    }
    if (settings.OfsetErr1 && Overlapping(drawing, made, chain.Closed)) {
        Tell(drawing, kChainOverlapMessage);
        return -1;
    }
    if (settings.OfsetErr2 && reversed) {
        Tell(drawing, kChainReversedMessage);
        return -1;
    }
    return static_cast<int>(made.size());
}

}  // namespace vantro
