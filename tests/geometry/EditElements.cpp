#include "geometry/EditElements.h"

#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantro::testing {

Point Polar(Point c, double r, double degrees)
{
    return {c.X + r * std::cos(DegToRad(degrees)), c.Y + r * std::sin(DegToRad(degrees))};
}

TCadData ArcElement(Point c, double r, double fromDeg, double toDeg)
{
    TCadData e = Circle(c.X, c.Y, r, 3);
    e.Kind = kKindArc;
    const Point s = Polar(c, r, fromDeg), t = Polar(c, r, toDeg);
    e.X1 = s.X;
    e.Y1 = s.Y;
    e.X2 = t.X;
    e.Y2 = t.Y;
    e.Angle = SweepAngleDeg(s, t, c);
    return e;
}

TCadData EllipsePiece(Point c, double r, double k, double s, double e)
{
    TCadData piece{};
    piece.Kind = kKindEllipse;
    piece.Cx = c.X;
    piece.Cy = c.Y;
    piece.R = r;
    piece.Y1 = k;
    piece.X1 = s;
    piece.X2 = e;
    piece.Width = 1;
    piece.Layer = 3;
    return piece;
}

TCadData PointElement(Point p)
{
    TCadData e{};
    e.Kind = kKindPoint;
    e.Cx = p.X;
    e.Cy = p.Y;
    e.Layer = 1;
    return e;
}

void ExpectGeometry(const TCadData& actual, const TCadData& expected)
{
    EXPECT_EQ(actual.Kind, expected.Kind);
    EXPECT_NEAR(actual.Cx, expected.Cx, Eps());
    EXPECT_NEAR(actual.Cy, expected.Cy, Eps());
    EXPECT_NEAR(actual.X1, expected.X1, Eps());
    EXPECT_NEAR(actual.Y1, expected.Y1, Eps());
    EXPECT_NEAR(actual.X2, expected.X2, Eps());
    EXPECT_NEAR(actual.Y2, expected.Y2, Eps());
    EXPECT_NEAR(actual.Angle, expected.Angle, Eps());
    EXPECT_NEAR(actual.R, expected.R, Eps());
}

}  // namespace vantro::testing
