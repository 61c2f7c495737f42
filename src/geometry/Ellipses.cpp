#include "geometry/Ellipses.h"

#include "document/Groups.h"
#include "document/UndoHistory.h"
#include "geometry/Constructors.h"
#include "geometry/CurvePolyline.h"
#include "geometry/EllipsePolyline.h"

namespace vantro {
namespace {

bool AppendPiece(Drawing& drawing, const CurrentAttributes& attributes, const EllipseValues& values,
                 double inclination, int32_t group)
{
    TCadData piece{};
    piece.Kind = kKindEllipse;
    piece.Cx = values.Centre.X;
    piece.Cy = values.Centre.Y;
    piece.R = values.Major;
    piece.Y1 = values.Flattening;
    piece.Angle = inclination;
    piece.X1 = values.Start;
    piece.X2 = values.End;
    if (!AppendRecord(drawing, attributes, piece, true, true)) return false;
    // The constructor gives new elements no group; the pieces of one ellipse share theirs.
    drawing[drawing.Count].Group = group;
    return true;
}

}  // namespace

int AppendEllipse(Drawing& drawing, const CurrentAttributes& attributes, EllipseHalves halves,
                  const EllipseValues& values)
{
    if (!(values.Start >= Eps())) return 0;
    // Both halves take a fresh group number, so a new ellipse never joins the group made before it.
    const int32_t group = halves == EllipseHalves::Both ? NewGroupNumber(drawing) : 0;
    UndoStepGroup step(drawing);
    int made = 0;
    if (halves != EllipseHalves::SecondOnly && AppendPiece(drawing, attributes, values, values.Inclination, group))
        ++made;
    if (halves != EllipseHalves::FirstOnly &&
        AppendPiece(drawing, attributes, values, values.Inclination + kPi, group))
        ++made;
    return made;
}

int EllipseToLines(Drawing& drawing, const CurrentAttributes& attributes, Point centre, double major,
                   double flattening, double inclination, int curveFineness)
{
    const int n = ClampCurveFineness(curveFineness);
    TCadData shape{};
    shape.Cx = centre.X;
    shape.Cy = centre.Y;
    shape.R = major;
    shape.Y1 = flattening;
    shape.Angle = inclination;
    const double step = DegToRad(180.0 / n);
    const int32_t group = NewGroupNumber(drawing);
    UndoStepGroup undoStep(drawing);
    int made = 0;
    for (int j = 1; j <= 2 * n; ++j) {
        const Point from = EllipsePoint(shape, step * j);
        if (!AppendLine(drawing, attributes, true, true, from, EllipsePoint(shape, step * (j + 1)))) continue;
        drawing[drawing.Count].Group = group;
        ++made;
    }
    return made;
}

int MakeEllipse(Drawing& drawing, const CurrentAttributes& attributes, Point centre, double major, double flattening,
                double inclination, bool daenChk, int curveFineness)
{
    if (!(major >= Eps())) {
        Tell(drawing, kEllipseRadiusMessage);
        return 0;
    }
    if (daenChk) return EllipseToLines(drawing, attributes, centre, major, flattening, inclination, curveFineness);
    return AppendEllipse(drawing, attributes, EllipseHalves::Both,
                         {centre, major, flattening, inclination, major, -major});
}

std::optional<EllipseValues> EllipseFromAxis(Point p1, Point p2, Point height, bool aboutP1)
{
    const double length = PointDistance(p1, p2);
    if (!(length >= Eps())) return std::nullopt;
    const double major = aboutP1 ? length : length / 2;
    Point foot;
    if (!PerpendicularFoot(p1, p2, height, foot)) return std::nullopt;
    const bool p1First = p1.X < p2.X || (p1.X == p2.X && p1.Y > p2.Y);
    const double inclination = p1First ? DirectionAngle(p2, p1) : DirectionAngle(p1, p2);
    const Point centre = aboutP1 ? p1 : MidPoint(p1, p2);
    return EllipseValues{centre, major, PointDistance(height, foot) / major, inclination, major, -major};
}

}  // namespace vantro
