// Tool-button glyphs: each button's drawing is a small function on a 24x24 grid, found by the
// button's object name. Colours by role: black for what the command makes, dark grey for
// neutral strokes, blue for points and picked elements, red for what the command removes.
#include "ui/ButtonGlyphs.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace vantro {
namespace {

constexpr qreal kGrid = 24.0;  // drawing units per glyph side, whatever the pixel size
constexpr int kSmallSize = 24;
constexpr int kLargeSize = 48;

constexpr qreal kResultWidth = 2.0;
constexpr qreal kInkWidth = 1.5;
constexpr qreal kThinWidth = 1.0;
constexpr qreal kDimensionWidth = 1.2;
constexpr qreal kDotRadius = 1.8;

const QColor kResult(0x00, 0x00, 0x00);
const QColor kInk(0x50, 0x50, 0x50);
const QColor kAccent(0x1c, 0x6c, 0xd6);
const QColor kRemove(0xd6, 0x2e, 0x24);
const QColor kShade(0xb0, 0xb0, 0xb0);

enum class Dash { Solid, Dashed, Chain };

using Points = std::initializer_list<QPointF>;

// ---- geometry on the grid -------------------------------------------------------------------

qreal Length(QPointF v)
{
    return std::hypot(v.x(), v.y());
}

QPointF Unit(QPointF v)
{
    const qreal length = Length(v);
    return length > 0.0 ? v / length : QPointF();
}

// Angles in degrees, counter-clockwise as seen on the screen, 0 = pointing right.
QPointF OnCircle(QPointF centre, qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

qreal DirectionDegrees(QPointF v)
{
    return qRadiansToDegrees(std::atan2(-v.y(), v.x()));
}

QPointF RotateAbout(QPointF point, QPointF pivot, qreal degrees)
{
    const QPointF v = point - pivot;
    return OnCircle(pivot, Length(v), DirectionDegrees(v) + degrees);
}

QRectF Around(QPointF centre, qreal radius)
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

// ---- pens and primitives --------------------------------------------------------------------

void UsePen(QPainter& p, const QColor& colour, qreal width, Dash dash = Dash::Solid)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (dash == Dash::Dashed) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({3.0, 1.5});
    } else if (dash == Dash::Chain) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({5.0, 1.8, 1.2, 1.8});
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

void ResultPen(QPainter& p, Dash dash = Dash::Solid)
{
    UsePen(p, kResult, kResultWidth, dash);
}

void InkPen(QPainter& p, Dash dash = Dash::Solid)
{
    UsePen(p, kInk, kInkWidth, dash);
}

void PickedPen(QPainter& p, Dash dash = Dash::Solid)
{
    UsePen(p, kAccent, kInkWidth, dash);
}

void RemovedPen(QPainter& p)
{
    UsePen(p, kRemove, kInkWidth, Dash::Dashed);
}

void Line(QPainter& p, QPointF a, QPointF b)
{
    p.drawLine(a, b);
}

void Polyline(QPainter& p, Points points)
{
    p.drawPolyline(points.begin(), static_cast<int>(points.size()));
}

void Circle(QPainter& p, QPointF centre, qreal radius)
{
    p.drawEllipse(centre, radius, radius);
}

void Arc(QPainter& p, QPointF centre, qreal radius, qreal startDegrees, qreal spanDegrees)
{
    QPainterPath path;
    path.arcMoveTo(Around(centre, radius), startDegrees);
    path.arcTo(Around(centre, radius), startDegrees, spanDegrees);
    p.drawPath(path);
}

void Dot(QPainter& p, QPointF at, const QColor& colour = kAccent, qreal radius = kDotRadius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, radius, radius);
}

void Dots(QPainter& p, Points points)
{
    for (const QPointF& at : points) {
        Dot(p, at);
    }
}

void Filled(QPainter& p, const QPolygonF& shape, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(shape);
}

// Arrowheads grow with the shaft so that they stay visible beside a thick line.
qreal HeadLength(qreal shaftWidth)
{
    return 2.0 + 1.5 * shaftWidth;
}

// A filled arrowhead with its tip at `tip`, pointing away from `from`.
void ArrowHead(QPainter& p, QPointF tip, QPointF from, const QColor& colour, qreal shaftWidth)
{
    const qreal length = HeadLength(shaftWidth);
    const qreal halfWidth = 0.8 + 0.8 * shaftWidth;
    const QPointF u = Unit(tip - from);
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - u * length;
    Filled(p, QPolygonF{tip, base + n * halfWidth, base - n * halfWidth}, colour);
}

// A line ending in an arrowhead (and starting in one when `bothEnds`).
void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width = kInkWidth,
           bool bothEnds = false)
{
    const QPointF inset = Unit(to - from) * (HeadLength(width) * 0.8);
    UsePen(p, colour, width);
    Line(p, bothEnds ? from + inset : from, to - inset);
    ArrowHead(p, to, from, colour, width);
    if (bothEnds) {
        ArrowHead(p, from, to, colour, width);
    }
}

void DimensionLine(QPainter& p, QPointF a, QPointF b)
{
    Arrow(p, a, b, kResult, kDimensionWidth, true);
}

// An arc ending in an arrowhead (and starting in one when `bothEnds`).
void ArcArrow(QPainter& p, QPointF centre, qreal radius, qreal startDegrees, qreal spanDegrees,
              const QColor& colour, qreal width = kInkWidth, bool bothEnds = false)
{
    const qreal sign = spanDegrees < 0 ? -1.0 : 1.0;
    const qreal headDegrees = qRadiansToDegrees(HeadLength(width) / radius) * sign;
    const qreal endDegrees = startDegrees + spanDegrees;
    const qreal start = bothEnds ? startDegrees + headDegrees * 0.8 : startDegrees;
    UsePen(p, colour, width);
    Arc(p, centre, radius, start, endDegrees - headDegrees * 0.8 - start);
    ArrowHead(p, OnCircle(centre, radius, endDegrees), OnCircle(centre, radius, endDegrees - headDegrees),
              colour, width);
    if (bothEnds) {
        ArrowHead(p, OnCircle(centre, radius, startDegrees),
                  OnCircle(centre, radius, startDegrees + headDegrees), colour, width);
    }
}

// Strokes given in the unit square, placed in `box` (letters and signs).
void Strokes(QPainter& p, const QRectF& box, std::initializer_list<Points> strokes)
{
    for (const Points& stroke : strokes) {
        QPolygonF placed;
        for (const QPointF& unit : stroke) {
            placed << QPointF(box.left() + unit.x() * box.width(), box.top() + unit.y() * box.height());
        }
        p.drawPolyline(placed);
    }
}

void LetterA(QPainter& p, const QRectF& box)
{
    Strokes(p, box, {{{0, 1}, {0.5, 0}, {1, 1}}, {{0.2, 0.62}, {0.8, 0.62}}});
}

void LetterR(QPainter& p, const QRectF& box)
{
    Strokes(p, box, {{{0, 1}, {0, 0}, {0.6, 0}, {0.92, 0.1}, {1, 0.27}, {0.92, 0.43}, {0.6, 0.52}, {0, 0.52}},
                     {{0.55, 0.52}, {1, 1}}});
}

void LettersXY(QPainter& p, const QRectF& box)
{
    Strokes(p, box, {{{0, 0}, {0.4, 1}}, {{0.4, 0}, {0, 1}},
                     {{0.6, 0}, {0.8, 0.5}, {1, 0}}, {{0.8, 0.5}, {0.8, 1}}});
}

// The diameter sign: a circle crossed by an upright stroke.
void LetterPhi(QPainter& p, const QRectF& box)
{
    p.drawEllipse(box.adjusted(0, box.height() * 0.2, 0, -box.height() * 0.2));
    Line(p, QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.bottom()));
}

void MinusSign(QPainter& p, QPointF centre, qreal half)
{
    Line(p, centre - QPointF(half, 0), centre + QPointF(half, 0));
}

void PlusSign(QPainter& p, QPointF centre, qreal half)
{
    MinusSign(p, centre, half);
    Line(p, centre - QPointF(0, half), centre + QPointF(0, half));
}

void ChainLine(QPainter& p, QPointF a, QPointF b)
{
    UsePen(p, kResult, kDimensionWidth, Dash::Chain);
    Line(p, a, b);
}

// The line through `a` and `b`, drawn `overshoot` beyond each of them.
void LongLine(QPainter& p, QPointF a, QPointF b, qreal overshoot)
{
    const QPointF u = Unit(b - a) * overshoot;
    Line(p, a - u, b + u);
}

// ---- shared pictures ------------------------------------------------------------------------

constexpr QPointF kLensCentre(10, 10);
constexpr qreal kLensRadius = 6.5;

void Magnifier(QPainter& p)
{
    UsePen(p, kInk, kResultWidth);
    Circle(p, kLensCentre, kLensRadius);
    UsePen(p, kInk, 3.2);
    Line(p, OnCircle(kLensCentre, kLensRadius + 1.0, -45), QPointF(21, 21));
}

void CornerBrackets(QPainter& p, const QRectF& r)
{
    constexpr qreal kArm = 4.5;
    PickedPen(p);
    Polyline(p, {r.topLeft() + QPointF(0, kArm), r.topLeft(), r.topLeft() + QPointF(kArm, 0)});
    Polyline(p, {r.topRight() - QPointF(kArm, 0), r.topRight(), r.topRight() + QPointF(0, kArm)});
    Polyline(p, {r.bottomLeft() - QPointF(0, kArm), r.bottomLeft(), r.bottomLeft() + QPointF(kArm, 0)});
    Polyline(p, {r.bottomRight() - QPointF(kArm, 0), r.bottomRight(), r.bottomRight() - QPointF(0, kArm)});
}

// Two lines meeting at a corner at the lower left; the commands round or cut that corner.
constexpr QPointF kCornerUpper(4, 10);
constexpr QPointF kCorner(4, 20);
constexpr QPointF kCornerRight(14, 20);

void CornerCommand(QPainter& p, bool rounded)
{
    RemovedPen(p);
    Polyline(p, {kCornerUpper, kCorner, kCornerRight});
    ResultPen(p);
    Line(p, QPointF(4, 3), kCornerUpper);
    Line(p, kCornerRight, QPointF(21, 20));
    if (rounded) {
        Arc(p, QPointF(14, 10), 10, 180, 90);
    } else {
        Line(p, kCornerUpper, kCornerRight);
    }
}

// Two lines from a common vertex at the lower left, the upper one at `degrees`.
constexpr QPointF kVertex(4, 20);

void AngleLines(QPainter& p, qreal degrees)
{
    PickedPen(p);
    Line(p, kVertex, QPointF(22, 20));
    Line(p, kVertex, OnCircle(kVertex, 18, degrees));
}

// A leader from `from` bent at `bend` into a horizontal shoulder ending at `end`.
void Leader(QPainter& p, QPointF from, QPointF bend, QPointF end)
{
    UsePen(p, kResult, kDimensionWidth);
    Polyline(p, {from, bend, end});
}

// The closed region that hatching and filling work on.
QPainterPath Region()
{
    QPainterPath path(QPointF(3, 20));
    path.lineTo(3, 4);
    path.lineTo(12, 4);
    path.arcTo(Around(QPointF(12, 12), 8), 90, -180);
    path.closeSubpath();
    return path;
}

// ---- lines ----------------------------------------------------------------------------------

void DrawTwoPointLine(QPainter& p)
{
    ResultPen(p);
    Line(p, QPointF(4, 19), QPointF(20, 5));
    Dots(p, {QPointF(4, 19), QPointF(20, 5)});
}

void DrawHorizontalLine(QPainter& p)
{
    ResultPen(p);
    Line(p, QPointF(2, 12), QPointF(22, 12));
    Dot(p, QPointF(12, 12));
}

void DrawVerticalLine(QPainter& p)
{
    ResultPen(p);
    Line(p, QPointF(12, 2), QPointF(12, 22));
    Dot(p, QPointF(12, 12));
}

void DrawContinuousLines(QPainter& p)
{
    ResultPen(p);
    Polyline(p, {QPointF(3, 19), QPointF(8, 7), QPointF(15, 16), QPointF(21, 5)});
    Dots(p, {QPointF(3, 19), QPointF(8, 7), QPointF(15, 16), QPointF(21, 5)});
}

constexpr QPointF kAngleBase(4, 19);
constexpr qreal kLineAngle = 40;

void DrawAngleLine(QPainter& p)
{
    UsePen(p, kInk, kThinWidth);
    Line(p, kAngleBase, QPointF(22, 19));
    ResultPen(p);
    Line(p, kAngleBase, OnCircle(kAngleBase, 20, kLineAngle));
    PickedPen(p);
    Arc(p, kAngleBase, 11, 0, kLineAngle);
    Dot(p, kAngleBase);
}

void DrawTwoPointAngleLine(QPainter& p)
{
    DrawAngleLine(p);
    Dot(p, OnCircle(kAngleBase, 15, kLineAngle));
}

void DrawTangentLineOfCircles(QPainter& p)
{
    const QPointF c1(6, 17);
    const QPointF c2(16.5, 9.5);
    const qreal r1 = 3.5;
    const qreal r2 = 5;
    // The outer tangent: its normal n satisfies n.(c2 - c1) = r1 - r2.
    const QPointF u = Unit(c2 - c1);
    const qreal turn = qRadiansToDegrees(std::acos((r1 - r2) / Length(c2 - c1)));
    const QPointF n = OnCircle(QPointF(), 1, DirectionDegrees(u) + turn);
    PickedPen(p);
    Circle(p, c1, r1);
    Circle(p, c2, r2);
    ResultPen(p);
    LongLine(p, c1 + n * r1, c2 + n * r2, 3);
}

void DrawMidLine(QPainter& p)
{
    PickedPen(p);
    Line(p, QPointF(3, 4), QPointF(21, 9));
    Line(p, QPointF(3, 20), QPointF(21, 15));
    ResultPen(p);
    Line(p, QPointF(3, 12), QPointF(21, 12));
}

// ---- circles and arcs -----------------------------------------------------------------------

constexpr QPointF kMiddle(12, 12);

void DrawCircleRadius(QPainter& p)
{
    ResultPen(p);
    Circle(p, kMiddle, 8.5);
    PickedPen(p);
    Line(p, kMiddle, OnCircle(kMiddle, 8.5, 35));
    Dot(p, kMiddle);
}

void DrawCircleTwoPoints(QPainter& p)
{
    ResultPen(p);
    Circle(p, kMiddle, 8.5);
    UsePen(p, kAccent, kThinWidth, Dash::Dashed);
    Line(p, OnCircle(kMiddle, 8.5, 150), OnCircle(kMiddle, 8.5, -30));
    Dots(p, {OnCircle(kMiddle, 8.5, 150), OnCircle(kMiddle, 8.5, -30)});
}

void DrawCircleThreePoints(QPainter& p)
{
    ResultPen(p);
    Circle(p, kMiddle, 8.5);
    Dots(p, {OnCircle(kMiddle, 8.5, 100), OnCircle(kMiddle, 8.5, 210), OnCircle(kMiddle, 8.5, 330)});
}

void DrawTangentCircle(QPainter& p)
{
    PickedPen(p);
    Line(p, QPointF(2, 20), QPointF(22, 20));
    Line(p, QPointF(4, 2), QPointF(4, 22));
    ResultPen(p);
    Circle(p, QPointF(11.5, 12.5), 7.5);
    Dots(p, {QPointF(4, 12.5), QPointF(11.5, 20)});
}

void DrawTangentArc(QPainter& p)
{
    // An arch touching two small circles that lie inside it, at their outer sides.
    const QPointF arcCentre(12, 16);
    const QPointF toCircle(6, 0);
    const qreal small = 3;
    const QPointF toTouch(toCircle.x() + small, 0);
    PickedPen(p);
    Circle(p, arcCentre - toCircle, small);
    Circle(p, arcCentre + toCircle, small);
    ResultPen(p);
    Arc(p, arcCentre, toTouch.x(), 0, 180);
    Dots(p, {arcCentre - toTouch, arcCentre + toTouch});
}

// The circle inscribed in a triangle: centre weighted by the opposite sides, radius = 2 area / perimeter.
void DrawCircleOfThreeElements(QPainter& p)
{
    const QPointF a(2.5, 20.5);
    const QPointF b(21.5, 20.5);
    const QPointF c(9, 3);
    const qreal sideA = Length(c - b);
    const qreal sideB = Length(a - c);
    const qreal sideC = Length(b - a);
    const qreal perimeter = sideA + sideB + sideC;
    const QPointF ab = b - a;
    const QPointF ac = c - a;
    const qreal area = std::abs(ab.x() * ac.y() - ab.y() * ac.x()) / 2;
    PickedPen(p);
    p.drawPolygon(QPolygonF{a, b, c});
    ResultPen(p);
    Circle(p, (a * sideA + b * sideB + c * sideC) / perimeter, 2 * area / perimeter);
}

void DrawArcBetweenLines(QPainter& p)
{
    AngleLines(p, 55);
    ResultPen(p);
    Arc(p, kVertex, 12, 0, 55);
    Dot(p, kVertex);
}

// ---- shapes, points, curves, text -----------------------------------------------------------

void DrawRectangle(QPainter& p)
{
    const QRectF box(QPointF(3, 6), QPointF(21, 18));
    Filled(p, QPolygonF{box.topRight(), box.bottomRight(), box.bottomLeft()}, kShade);
    ResultPen(p);
    p.drawRect(box);
    Dots(p, {box.topLeft(), box.bottomRight()});
}

QPolygonF Hexagon()
{
    QPolygonF shape;
    for (int corner = 0; corner < 6; ++corner) {
        shape << OnCircle(kMiddle, 9.5, 60.0 * corner);
    }
    return shape;
}

void DrawPolygonBySide(QPainter& p)
{
    ResultPen(p);
    p.drawPolygon(Hexagon());
    const QPointF sideMiddle = (Hexagon()[4] + Hexagon()[5]) / 2;
    PickedPen(p);
    Line(p, kMiddle, sideMiddle);
    Dots(p, {kMiddle, sideMiddle});
}

void DrawPolygonByVertex(QPainter& p)
{
    ResultPen(p);
    p.drawPolygon(Hexagon());
    PickedPen(p);
    Line(p, kMiddle, Hexagon()[0]);
    Dots(p, {kMiddle, Hexagon()[0]});
}

void Ellipse(QPainter& p)
{
    ResultPen(p);
    p.drawEllipse(kMiddle, 9.5, 6);
}

void DrawEllipseTwoPoints(QPainter& p)
{
    Ellipse(p);
    UsePen(p, kAccent, kThinWidth, Dash::Dashed);
    Line(p, QPointF(2.5, 12), QPointF(21.5, 12));
    Dots(p, {QPointF(2.5, 12), QPointF(21.5, 12)});
}

void DrawEllipseCentre(QPainter& p)
{
    Ellipse(p);
    PickedPen(p);
    Polyline(p, {QPointF(21.5, 12), kMiddle, QPointF(12, 6)});
    Dot(p, kMiddle);
}

void DrawPoint(QPainter& p)
{
    PickedPen(p);
    Line(p, QPointF(9, 3), QPointF(21, 15));
    Line(p, QPointF(9, 15), QPointF(21, 3));
    Dot(p, QPointF(15, 9), kResult, 2.2);
    Dot(p, QPointF(6, 18), kResult, 2.6);
}

void DrawFreeCurve(QPainter& p)
{
    QPainterPath curve(QPointF(3, 18));
    curve.cubicTo(QPointF(6, 2), QPointF(13, 24), QPointF(21, 5));
    ResultPen(p);
    p.drawPath(curve);
    Dots(p, {curve.pointAtPercent(0), curve.pointAtPercent(0.35), curve.pointAtPercent(0.7),
             curve.pointAtPercent(1)});
}

void DrawCentreLineOfLine(QPainter& p)
{
    PickedPen(p);
    Arc(p, QPointF(12, 19), 8, 10, 160);
    ChainLine(p, QPointF(12, 2), QPointF(12, 23));
}

void DrawCircleCentreLines(QPainter& p)
{
    PickedPen(p);
    Circle(p, kMiddle, 6.5);
    ChainLine(p, QPointF(1.5, 12), QPointF(22.5, 12));
    ChainLine(p, QPointF(12, 1.5), QPointF(12, 22.5));
}

void DrawText(QPainter& p)
{
    UsePen(p, kResult, 2.4);
    LetterA(p, QRectF(4.5, 3, 15, 18));
}

// ---- dimensions -----------------------------------------------------------------------------

void ExtensionLine(QPainter& p, QPointF from, QPointF to)
{
    UsePen(p, kInk, kThinWidth);
    Line(p, from, to);
}

void DrawHorizontalDimension(QPainter& p)
{
    ExtensionLine(p, QPointF(4, 19), QPointF(4, 4));
    ExtensionLine(p, QPointF(20, 14), QPointF(20, 4));
    DimensionLine(p, QPointF(4, 7), QPointF(20, 7));
    Dots(p, {QPointF(4, 19), QPointF(20, 14)});
}

void DrawVerticalDimension(QPainter& p)
{
    ExtensionLine(p, QPointF(5, 4), QPointF(20, 4));
    ExtensionLine(p, QPointF(10, 20), QPointF(20, 20));
    DimensionLine(p, QPointF(17, 4), QPointF(17, 20));
    Dots(p, {QPointF(5, 4), QPointF(10, 20)});
}

void DrawAlignedDimension(QPainter& p)
{
    const QPointF a(3, 14);
    const QPointF b(13, 4);
    const QPointF offset = QPointF(1, 1) * (7 / std::sqrt(2.0));
    const QPointF over = QPointF(1, 1) * (1.5 / std::sqrt(2.0));
    ExtensionLine(p, a, a + offset + over);
    ExtensionLine(p, b, b + offset + over);
    DimensionLine(p, a + offset, b + offset);
    Dots(p, {a, b});
}

void RadiusCircle(QPainter& p, QPointF centre, qreal radius)
{
    PickedPen(p);
    Circle(p, centre, radius);
    Dot(p, centre, kAccent, 1.3);
}

void DrawRadiusDimension(QPainter& p)
{
    const QPointF centre(9, 15);
    RadiusCircle(p, centre, 7);
    Arrow(p, centre, OnCircle(centre, 7, 45), kResult, kDimensionWidth);
    UsePen(p, kResult, kInkWidth);
    LetterR(p, QRectF(16, 2, 5.5, 8));
}

// Circle at the lower left with a leader bent into a shoulder at the upper right.
constexpr QPointF kSmallCircle(7, 17);
constexpr qreal kSmallRadius = 5;
constexpr QPointF kShoulderBend(15, 10);
constexpr QPointF kShoulderEnd(22.5, 10);
const QRectF kAboveShoulder(15.5, 2, 5.5, 6.5);

void DrawBentRadiusDimension(QPainter& p)
{
    RadiusCircle(p, kSmallCircle, kSmallRadius);
    const QPointF rim = OnCircle(kSmallCircle, kSmallRadius, 45);
    Arrow(p, kSmallCircle, rim, kResult, kDimensionWidth);
    Leader(p, rim, kShoulderBend, kShoulderEnd);
    UsePen(p, kResult, kInkWidth);
    LetterR(p, kAboveShoulder);
}

void DrawDiameterDimension(QPainter& p)
{
    const QPointF centre(10, 14);
    RadiusCircle(p, centre, 7.5);
    DimensionLine(p, OnCircle(centre, 7.5, 225), OnCircle(centre, 7.5, 45));
    UsePen(p, kResult, kInkWidth);
    LetterPhi(p, QRectF(16, 1, 6, 8));
}

void DrawBentDiameterDimension(QPainter& p)
{
    RadiusCircle(p, kSmallCircle, kSmallRadius);
    const QPointF rim = OnCircle(kSmallCircle, kSmallRadius, 45);
    DimensionLine(p, OnCircle(kSmallCircle, kSmallRadius, 225), rim);
    Leader(p, rim, kShoulderBend, kShoulderEnd);
    UsePen(p, kResult, kInkWidth);
    LetterPhi(p, kAboveShoulder);
}

void DrawAngleDimension(QPainter& p)
{
    AngleLines(p, 55);
    ArcArrow(p, kVertex, 13, 0, 55, kResult, kDimensionWidth, true);
}

void CoordinateLeader(QPainter& p, QPointF point)
{
    Leader(p, point, QPointF(point.x() + 5, 10), kShoulderEnd);
    UsePen(p, kResult, kDimensionWidth);
    LettersXY(p, QRectF(point.x() + 6, 2.5, 8, 5.5));
    Dot(p, point);
}

void DrawCoordinateDimension(QPainter& p)
{
    CoordinateLeader(p, QPointF(5, 19));
}

void DrawRelativeDimension(QPainter& p)
{
    ExtensionLine(p, QPointF(3, 20), QPointF(3, 5));
    ExtensionLine(p, QPointF(12, 16), QPointF(12, 5));
    ExtensionLine(p, QPointF(21, 12), QPointF(21, 5));
    DimensionLine(p, QPointF(3, 8), QPointF(12, 8));
    DimensionLine(p, QPointF(12, 8), QPointF(21, 8));
    Dot(p, QPointF(3, 20), kAccent, 2.4);
    Dots(p, {QPointF(12, 16), QPointF(21, 12)});
}

void DrawBaseCoordinateDimension(QPainter& p)
{
    const QPointF base(3.5, 20.5);
    const QPointF point(9, 15);
    PickedPen(p);
    Circle(p, base, 2.5);
    PlusSign(p, base, 2.5);
    UsePen(p, kAccent, kThinWidth, Dash::Dashed);
    Line(p, base, point);
    CoordinateLeader(p, point);
}

void DrawLeaderText(QPainter& p)
{
    const QPointF tip(4, 20);
    const QPointF bend(11, 11);
    ArrowHead(p, tip, bend, kResult, kDimensionWidth);
    Leader(p, tip + Unit(bend - tip) * 2.0, bend, QPointF(22, 11));
    UsePen(p, kResult, kInkWidth);
    LetterA(p, QRectF(13.5, 2, 6.5, 7));
}

// ---- editing --------------------------------------------------------------------------------

void DrawDelete(QPainter& p)
{
    InkPen(p);
    p.drawRect(QRectF(4, 7, 11, 11));
    Circle(p, QPointF(15, 10), 5);
    UsePen(p, kRemove, 2.6);
    Line(p, QPointF(5, 5), QPointF(19, 19));
    Line(p, QPointF(19, 5), QPointF(5, 19));
}

void DrawPartialDelete(QPainter& p)
{
    const QPointF click(14, 10);
    ResultPen(p);
    Line(p, QPointF(3, 19), click);
    RemovedPen(p);
    Line(p, click, QPointF(21, 4));
    Dot(p, click);
}

void TrimBoundary(QPainter& p, QPointF from, QPointF to)
{
    PickedPen(p);
    Line(p, from, to);
}

void DrawTrim(QPainter& p)
{
    TrimBoundary(p, QPointF(13, 3), QPointF(13, 21));
    ResultPen(p);
    Line(p, QPointF(3, 12), QPointF(13, 12));
    RemovedPen(p);
    Line(p, QPointF(13, 12), QPointF(22, 12));
}

void DrawChainTrim(QPainter& p)
{
    ResultPen(p);
    Polyline(p, {QPointF(5, 21), QPointF(5, 8), QPointF(18, 8), QPointF(18, 21)});
    RemovedPen(p);
    Line(p, QPointF(5, 8), QPointF(5, 1.5));
    Line(p, QPointF(5, 8), QPointF(0.5, 8));
    Line(p, QPointF(18, 8), QPointF(18, 1.5));
    Line(p, QPointF(18, 8), QPointF(23.5, 8));
}

void DrawExtend(QPainter& p)
{
    TrimBoundary(p, QPointF(20, 3), QPointF(20, 21));
    ResultPen(p);
    Line(p, QPointF(2.5, 12), QPointF(10, 12));
    UsePen(p, kResult, kInkWidth, Dash::Dashed);
    Line(p, QPointF(10, 12), QPointF(16, 12));
    ArrowHead(p, QPointF(20, 12), QPointF(10, 12), kResult, kInkWidth);
}

void DrawFillet(QPainter& p)
{
    CornerCommand(p, true);
}

void DrawChamfer(QPainter& p)
{
    CornerCommand(p, false);
}

void DrawExplode(QPainter& p)
{
    ResultPen(p);
    Line(p, QPointF(8, 4), QPointF(16, 4));
    Line(p, QPointF(8, 20), QPointF(16, 20));
    Line(p, QPointF(4, 8), QPointF(4, 16));
    Line(p, QPointF(20, 8), QPointF(20, 16));
    UsePen(p, kRemove, kInkWidth);
    for (const qreal degrees : {45.0, 135.0, 225.0, 315.0}) {
        Line(p, OnCircle(kMiddle, 5, degrees), OnCircle(kMiddle, 9, degrees));
    }
}

constexpr QPointF kOffsetCentre(3, 21);

void DrawOffset(QPainter& p)
{
    PickedPen(p);
    Arc(p, kOffsetCentre, 7, 0, 90);
    ResultPen(p);
    Arc(p, kOffsetCentre, 16, 0, 90);
    Arrow(p, OnCircle(kOffsetCentre, 8, 45), OnCircle(kOffsetCentre, 15, 45), kAccent, kThinWidth);
}

void DrawChainOffset(QPainter& p)
{
    PickedPen(p);
    Polyline(p, {QPointF(3, 22), QPointF(3, 10), QPointF(10, 3), QPointF(22, 3)});
    // The same path moved 5 units inwards: each side shifted along its normal.
    const qreal diagonal = 13 + 5 * std::sqrt(2.0);
    ResultPen(p);
    Polyline(p, {QPointF(8, 22), QPointF(8, diagonal - 8), QPointF(diagonal - 8, 8), QPointF(22, 8)});
}

void DrawDoubleOffset(QPainter& p)
{
    PickedPen(p, Dash::Chain);
    Arc(p, kOffsetCentre, 11, 0, 90);
    ResultPen(p);
    Arc(p, kOffsetCentre, 6, 0, 90);
    Arc(p, kOffsetCentre, 16, 0, 90);
}

void DrawMove(QPainter& p)
{
    InkPen(p, Dash::Dashed);
    p.drawRect(QRectF(3, 13, 8, 8));
    ResultPen(p);
    p.drawRect(QRectF(13, 3, 8, 8));
    Arrow(p, QPointF(7, 17), QPointF(15.5, 8.5), kAccent);
}

void DrawMirror(QPainter& p)
{
    UsePen(p, kAccent, kDimensionWidth, Dash::Chain);
    Line(p, QPointF(12, 1.5), QPointF(12, 22.5));
    InkPen(p, Dash::Dashed);
    p.drawPolygon(QPolygonF{QPointF(10, 5), QPointF(10, 19), QPointF(3, 19)});
    ResultPen(p);
    p.drawPolygon(QPolygonF{QPointF(14, 5), QPointF(14, 19), QPointF(21, 19)});
}

void DrawRotate(QPainter& p)
{
    const QPointF pivot(4, 20);
    const QPolygonF original{pivot, QPointF(18, 20), QPointF(18, 16), QPointF(4, 16)};
    QPolygonF turned;
    for (const QPointF& corner : original) {
        turned << RotateAbout(corner, pivot, 50);
    }
    InkPen(p, Dash::Dashed);
    p.drawPolygon(original);
    ResultPen(p);
    p.drawPolygon(turned);
    ArcArrow(p, pivot, 18, 22, 36, kAccent);
    Dot(p, pivot);
}

void DrawScale(QPainter& p)
{
    InkPen(p, Dash::Dashed);
    p.drawRect(QRectF(3, 14, 7, 7));
    ResultPen(p);
    p.drawRect(QRectF(3, 4, 17, 17));
    Arrow(p, QPointF(9, 15), QPointF(16.5, 7.5), kAccent);
}

// Two shapes inside the dashed frame of their group.
void DrawGroup(QPainter& p)
{
    PickedPen(p, Dash::Dashed);
    p.drawRect(QRectF(2.5, 2.5, 16, 16));
    ResultPen(p);
    Circle(p, QPointF(8.5, 8.5), 3.5);
    p.drawRect(QRectF(9, 10, 6, 6));
}

void DrawGroupEdit(QPainter& p)
{
    DrawGroup(p);
    UsePen(p, kAccent, kResultWidth);
    PlusSign(p, QPointF(19.5, 16), 3);
    MinusSign(p, QPointF(19.5, 21.5), 3);
}

void DrawOrigin(QPainter& p)
{
    const QPointF origin(5, 19);
    Arrow(p, origin, QPointF(22, 19), kInk);
    Arrow(p, origin, QPointF(5, 2), kInk);
    PickedPen(p);
    Circle(p, origin, 3);
    Dot(p, origin, kAccent, 1.2);
    UsePen(p, kResult, kInkWidth);
    LettersXY(p, QRectF(11, 7, 8, 6));
}

void DrawProperties(QPainter& p)
{
    UsePen(p, kAccent, kResultWidth);
    Circle(p, kMiddle, 9.5);
    Dot(p, QPointF(12, 7), kResult, 1.6);
    UsePen(p, kResult, 2.6);
    Line(p, QPointF(12, 11), QPointF(12, 18));
}

void DividedLine(QPainter& p)
{
    ResultPen(p);
    Line(p, QPointF(2.5, 14), QPointF(21.5, 14));
    UsePen(p, kInk, kThinWidth);
    Line(p, QPointF(2.5, 10), QPointF(2.5, 18));
    Line(p, QPointF(21.5, 10), QPointF(21.5, 18));
}

void DrawDivide(QPainter& p)
{
    DividedLine(p);
    Dots(p, {QPointF(7.25, 14), QPointF(12, 14), QPointF(16.75, 14)});
}

void DrawHalve(QPainter& p)
{
    DividedLine(p);
    UsePen(p, kAccent, kInkWidth);
    Line(p, QPointF(6.25, 17), QPointF(8.25, 11));
    Line(p, QPointF(15.75, 17), QPointF(17.75, 11));
    Dot(p, QPointF(12, 14));
}

void DrawCurveToLines(QPainter& p)
{
    const QPointF centre(12, 18);
    PickedPen(p);
    Arc(p, centre, 10, 0, 180);
    ResultPen(p);
    QPolygonF chords;
    for (int vertex = 0; vertex <= 3; ++vertex) {
        chords << OnCircle(centre, 10, 60.0 * vertex);
    }
    p.drawPolyline(chords);
    for (const QPointF& at : chords) {
        Dot(p, at, kResult, 1.4);
    }
}

void DrawHatch(QPainter& p)
{
    p.save();
    p.setClipPath(Region());
    UsePen(p, kInk, kThinWidth);
    for (int x = -20; x < 24; x += 4) {
        Line(p, QPointF(x, 24), QPointF(x + 24, 0));
    }
    p.restore();
    ResultPen(p);
    p.drawPath(Region());
}

void DrawFill(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kShade);
    p.drawPath(Region());
    ResultPen(p);
    p.drawPath(Region());
}

// ---- view, history, drawing -----------------------------------------------------------------

void DrawRedraw(QPainter& p)
{
    ArcArrow(p, kMiddle, 8, 100, -310, kInk, kResultWidth);
}

void DrawZoomWindow(QPainter& p)
{
    UsePen(p, kAccent, kThinWidth, Dash::Dashed);
    p.drawRect(QRectF(6.5, 7.5, 7, 5));
    Magnifier(p);
}

// The drawing sheet with its title block, framed.
void DrawSheetView(QPainter& p)
{
    InkPen(p);
    p.drawRect(QRectF(5, 6, 14, 12));
    p.drawRect(QRectF(13, 14, 6, 4));
    CornerBrackets(p, QRectF(1.5, 2.5, 21, 19));
}

void DrawPreviousView(QPainter& p)
{
    Magnifier(p);
    Arrow(p, QPointF(14, 10), QPointF(6, 10), kAccent, kInkWidth);
}

void DrawZoomIn(QPainter& p)
{
    Magnifier(p);
    UsePen(p, kAccent, kResultWidth);
    PlusSign(p, kLensCentre, 3.5);
}

void DrawZoomOut(QPainter& p)
{
    Magnifier(p);
    UsePen(p, kAccent, kResultWidth);
    MinusSign(p, kLensCentre, 3.5);
}

void DrawFitToDrawing(QPainter& p)
{
    ResultPen(p);
    Circle(p, QPointF(9, 11), 4.5);
    Line(p, QPointF(6, 18), QPointF(18, 6));
    CornerBrackets(p, QRectF(1.5, 1.5, 21, 21));
}

void DrawUndo(QPainter& p)
{
    ArcArrow(p, QPointF(12, 15), 7.5, -20, 205, kInk, kResultWidth);
}

void DrawRedo(QPainter& p)
{
    ArcArrow(p, QPointF(12, 15), 7.5, 200, -205, kInk, kResultWidth);
}

void DrawNewDrawing(QPainter& p)
{
    InkPen(p);
    p.drawPolygon(QPolygonF{QPointF(4, 2), QPointF(14, 2), QPointF(19, 7), QPointF(19, 22), QPointF(4, 22)});
    Polyline(p, {QPointF(14, 2), QPointF(14, 7), QPointF(19, 7)});
    UsePen(p, kAccent, kResultWidth);
    PlusSign(p, QPointF(11, 14), 3.5);
}

// An opened folder.
void DrawOpenFile(QPainter& p)
{
    Filled(p, QPolygonF{QPointF(2, 7), QPointF(8, 7), QPointF(10, 9), QPointF(19, 9), QPointF(19, 12),
                        QPointF(2, 12)}, kShade);
    InkPen(p);
    p.drawPolygon(QPolygonF{QPointF(2, 20), QPointF(2, 7), QPointF(8, 7), QPointF(10, 9), QPointF(19, 9),
                            QPointF(19, 12)});
    UsePen(p, kAccent, kResultWidth);
    p.drawPolygon(QPolygonF{QPointF(2, 20), QPointF(6, 12), QPointF(22, 12), QPointF(18, 20)});
}

// A floppy disk, the program's sign for writing the drawing file.
void FloppyDisk(QPainter& p)
{
    InkPen(p);
    p.drawPolygon(QPolygonF{QPointF(3, 3), QPointF(18, 3), QPointF(21, 6), QPointF(21, 21), QPointF(3, 21)});
    Filled(p, QPolygonF{QPointF(7, 3), QPointF(16, 3), QPointF(16, 9), QPointF(7, 9)}, kShade);
    InkPen(p);
    p.drawRect(QRectF(6.5, 13, 11, 8));
}

void DrawSave(QPainter& p)
{
    FloppyDisk(p);
    UsePen(p, kAccent, kResultWidth);
    Line(p, QPointF(9, 16), QPointF(15, 16));
    Line(p, QPointF(9, 19), QPointF(15, 19));
}

// The disk with a pencil: a new name.
void DrawSaveAs(QPainter& p)
{
    FloppyDisk(p);
    UsePen(p, kAccent, 3.0);
    Line(p, QPointF(11, 20), QPointF(22, 9));
    UsePen(p, kResult, kThinWidth);
    Line(p, QPointF(10, 21), QPointF(11.5, 19.5));
}

// A second, smaller window in front of the first: the secondary drawing window.
void DrawSecondaryWindow(QPainter& p)
{
    InkPen(p);
    p.drawRect(QRectF(2, 3, 14, 12));
    Line(p, QPointF(2, 6), QPointF(16, 6));
    Filled(p, QPolygonF{QPointF(9, 10), QPointF(22, 10), QPointF(22, 21), QPointF(9, 21)}, kShade);
    UsePen(p, kAccent, kResultWidth);
    p.drawRect(QRectF(9, 10, 13, 11));
    Line(p, QPointF(9, 13), QPointF(22, 13));
}

// A printer with its sheet coming out.
void Printer(QPainter& p)
{
    Filled(p, QPolygonF{QPointF(2, 9), QPointF(22, 9), QPointF(22, 17), QPointF(2, 17)}, kShade);
    InkPen(p);
    p.drawRect(QRectF(2, 9, 20, 8));
    p.drawRect(QRectF(6, 3, 12, 6));
}

// The printer and a sheet with a ruler's marks: printed at actual size.
void DrawPrintActualSize(QPainter& p)
{
    Printer(p);
    UsePen(p, kAccent, kResultWidth);
    p.drawRect(QRectF(6, 14, 12, 8));
    for (const double x : {8.0, 11.0, 14.0}) Line(p, QPointF(x, 14), QPointF(x, 17));
}

// The printer and a sheet holding a small screen: printed as the canvas shows it.
void DrawPrintAsOnScreen(QPainter& p)
{
    Printer(p);
    UsePen(p, kAccent, kResultWidth);
    p.drawRect(QRectF(6, 14, 12, 8));
    p.drawRect(QRectF(8.5, 16, 7, 4));
}

// A stop sign.
void DrawCancel(QPainter& p)
{
    QPolygonF octagon;
    for (int corner = 0; corner < 8; ++corner) {
        octagon << OnCircle(kMiddle, 10.5, 22.5 + 45.0 * corner);
    }
    Filled(p, octagon, kRemove);
    UsePen(p, Qt::white, 3.0);
    Line(p, QPointF(7, 12), QPointF(17, 12));
}

// ---- the table ------------------------------------------------------------------------------

struct GlyphEntry {
    std::string_view objectName;
    void (*draw)(QPainter&);
};

constexpr std::array kGlyphs{
    GlyphEntry{"SpeedButton17", DrawTwoPointLine},
    GlyphEntry{"SpeedButton15", DrawHorizontalLine},
    GlyphEntry{"SpeedButton16", DrawVerticalLine},
    GlyphEntry{"SpeedButton19", DrawContinuousLines},
    GlyphEntry{"SpeedButton22", DrawAngleLine},
    GlyphEntry{"SpeedButton23", DrawTwoPointAngleLine},
    GlyphEntry{"SpeedButton202", DrawTangentLineOfCircles},
    GlyphEntry{"SpeedButton241", DrawMidLine},
    GlyphEntry{"SpeedButton30", DrawCircleRadius},
    GlyphEntry{"SpeedButton34", DrawCircleTwoPoints},
    GlyphEntry{"SpeedButton36", DrawCircleThreePoints},
    GlyphEntry{"SpeedButton32", DrawTangentCircle},
    GlyphEntry{"SpeedButton64", DrawTangentArc},
    GlyphEntry{"SpeedButton59", DrawCircleOfThreeElements},
    GlyphEntry{"SpeedButton243", DrawArcBetweenLines},
    GlyphEntry{"SpeedButton39", DrawRectangle},
    GlyphEntry{"SpeedButton41", DrawPolygonBySide},
    GlyphEntry{"SpeedButton44", DrawPolygonByVertex},
    GlyphEntry{"SpeedButton49", DrawEllipseTwoPoints},
    GlyphEntry{"SpeedButton52", DrawEllipseCentre},
    GlyphEntry{"SpeedButton21", DrawPoint},
    GlyphEntry{"SpeedButton47", DrawFreeCurve},
    GlyphEntry{"SpeedButton235", DrawCentreLineOfLine},
    GlyphEntry{"SpeedButton232", DrawCircleCentreLines},
    GlyphEntry{"SpeedButton296", DrawText},
    GlyphEntry{"SpeedButton150", DrawHorizontalDimension},
    GlyphEntry{"SpeedButton153", DrawVerticalDimension},
    GlyphEntry{"SpeedButton156", DrawAlignedDimension},
    GlyphEntry{"SpeedButton250", DrawRadiusDimension},
    GlyphEntry{"SpeedButton252", DrawBentRadiusDimension},
    GlyphEntry{"SpeedButton255", DrawDiameterDimension},
    GlyphEntry{"SpeedButton257", DrawBentDiameterDimension},
    GlyphEntry{"SpeedButton260", DrawAngleDimension},
    GlyphEntry{"SpeedButton159", DrawCoordinateDimension},
    GlyphEntry{"SpeedButton162", DrawRelativeDimension},
    GlyphEntry{"SpeedButton167", DrawBaseCoordinateDimension},
    GlyphEntry{"SpeedButton171", DrawLeaderText},
    GlyphEntry{"SpeedButton300", DrawDelete},
    GlyphEntry{"SpeedButton199", DrawPartialDelete},
    GlyphEntry{"SpeedButton208", DrawTrim},
    GlyphEntry{"SpeedButton238", DrawChainTrim},
    GlyphEntry{"SpeedButton206", DrawExtend},
    GlyphEntry{"SpeedButton211", DrawFillet},
    GlyphEntry{"SpeedButton213", DrawChamfer},
    GlyphEntry{"SpeedButton215", DrawExplode},
    GlyphEntry{"SpeedButton200", DrawOffset},
    GlyphEntry{"SpeedButton229", DrawChainOffset},
    GlyphEntry{"SpeedButton231", DrawDoubleOffset},
    GlyphEntry{"SpeedButton100", DrawMove},
    GlyphEntry{"SpeedButton108", DrawMirror},
    GlyphEntry{"SpeedButton116", DrawRotate},
    GlyphEntry{"SpeedButton125", DrawScale},
    GlyphEntry{"SpeedButton220", DrawGroup},
    GlyphEntry{"SpeedButton224", DrawGroupEdit},
    GlyphEntry{"SpeedButton166", DrawOrigin},
    GlyphEntry{"SpeedButton297", DrawProperties},
    GlyphEntry{"SpeedButton246", DrawDivide},
    GlyphEntry{"SpeedButton234", DrawHalve},
    GlyphEntry{"SpeedButton240", DrawCurveToLines},
    GlyphEntry{"SpeedButton55", DrawHatch},
    GlyphEntry{"SpeedButton228", DrawFill},
    GlyphEntry{"SpeedButton1", DrawRedraw},
    GlyphEntry{"SpeedButton3", DrawZoomWindow},
    GlyphEntry{"SpeedButton8", DrawSheetView},
    GlyphEntry{"SpeedButton9", DrawPreviousView},
    GlyphEntry{"SpeedButton10", DrawZoomIn},
    GlyphEntry{"SpeedButton11", DrawZoomOut},
    GlyphEntry{"SpeedButtonFit", DrawFitToDrawing},
    GlyphEntry{"SpeedButtonUNDU", DrawUndo},
    GlyphEntry{"SpeedButtonREDU", DrawRedo},
    GlyphEntry{"SpeedButtonNew1", DrawNewDrawing},
    GlyphEntry{"SpeedButtonOpen", DrawOpenFile},
    GlyphEntry{"SpeedButtonSave", DrawSaveAs},
    GlyphEntry{"SpeedButtonSave2", DrawSave},
    GlyphEntry{"SpeedButton0", DrawCancel},
    GlyphEntry{"SpeedButton20", DrawSecondaryWindow},
    GlyphEntry{"SpeedButtonPrint1", DrawPrintActualSize},
    GlyphEntry{"SpeedButton24", DrawPrintAsOnScreen},
};

QPixmap RenderGlyph(void (*draw)(QPainter&), int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    draw(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace

QIcon ToolButtonGlyph(const QString& objectName)
{
    const auto entry = std::find_if(kGlyphs.begin(), kGlyphs.end(), [&](const GlyphEntry& glyph) {
        return objectName == QLatin1String(glyph.objectName.data(),
                                           static_cast<qsizetype>(glyph.objectName.size()));
    });
    if (entry == kGlyphs.end()) {
        return QIcon();
    }
    QIcon icon;
    icon.addPixmap(RenderGlyph(entry->draw, kSmallSize));
    icon.addPixmap(RenderGlyph(entry->draw, kLargeSize));
    return icon;
}

}  // namespace vantro
