#include "view/ViewState.h"

#include "document/Layers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace vantro {
namespace {

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();

// The default 800 mm sheet fitted into a canvas.
ViewState FittedView(int width = 1000, int height = 600, int position = kDefaultReferencePosition)
{
    ViewState view;
    view.CanvasWidth = width;
    view.CanvasHeight = height;
    view.ReferencePosition = position;
    SetSheetSize(view, kDefaultSheetIndex);
    return view;
}

// One pixel per millimetre on a 1000 × 600 canvas, the world origin at the given pixel.
ViewState PlainView(int32_t originX, int32_t originY, float zoom = 1)
{
    ViewState view;
    view.CanvasWidth = 1000;
    view.CanvasHeight = 600;
    view.Zoom = zoom;
    view.FitScale = 1;
    view.OriginX = originX;
    view.OriginY = originY;
    return view;
}

void ExpectSameView(const ViewState& actual, const ViewState& expected)
{
    EXPECT_EQ(actual.Zoom, expected.Zoom);
    EXPECT_EQ(actual.FitScale, expected.FitScale);
    EXPECT_EQ(actual.OriginX, expected.OriginX);
    EXPECT_EQ(actual.OriginY, expected.OriginY);
    EXPECT_EQ(actual.ViewHistory, expected.ViewHistory);
    EXPECT_EQ(actual.SizeText, expected.SizeText);
}

TCadData Line(double x1, double y1, double x2, double y2, uint8_t layer = 1)
{
    TCadData e;
    e.Kind = kKindLine;
    e.Layer = layer;
    e.X1 = x1;
    e.Y1 = y1;
    e.X2 = x2;
    e.Y2 = y2;
    return e;
}

TCadData Placed(int8_t kind, double cx, double cy, double r = 0, uint8_t layer = 1)
{
    TCadData e;
    e.Kind = kind;
    e.Layer = layer;
    e.Cx = cx;
    e.Cy = cy;
    e.R = r;
    return e;
}

TCadData Arc(double cx, double cy, double r, double x1, double y1, double x2, double y2, double sweep)
{
    TCadData e = Placed(kKindArc, cx, cy, r);
    e.X1 = x1;
    e.Y1 = y1;
    e.X2 = x2;
    e.Y2 = y2;
    e.Angle = sweep;
    return e;
}

TCadData Ellipse(double cx, double cy, double r, double ratio)
{
    TCadData e = Placed(kKindEllipse, cx, cy, r);
    e.Y1 = ratio;
    e.Angle = 0.5;
    e.X1 = r;
    e.X2 = -r;
    return e;
}

TCadData FilledRect(double x1, double y1, double x2, double y2)
{
    TCadData e = Line(x1, y1, x2, y2);
    e.Kind = kKindFilledRect;
    return e;
}

Drawing DrawingOf(const std::vector<TCadData>& elements)
{
    Drawing drawing;
    for (const TCadData& e : elements) drawing[++drawing.Count] = e;
    return drawing;
}

// ---------------------------------------------------------------- sheet fit

TEST(ViewStateFit, SheetFitsTheCanvasAtEachReferencePosition)
{
    struct Case {
        int width, height, position;
        float fitScale;
        int32_t originX, originY;
    };
    // 1000 × 600: width governs (1.25 < 1.5), 1.25 × 0.95 = 1.1875.
    const Case cases[] = {
        {1000, 600, 0, 1.1875f, 10, 10},   {1000, 600, 1, 1.1875f, 10, 301},  {1000, 600, 2, 1.1875f, 10, 590},
        {1000, 600, 3, 1.1875f, 501, 10},  {1000, 600, 4, 1.1875f, 501, 301}, {1000, 600, 5, 1.1875f, 501, 590},
        {1000, 600, 6, 1.1875f, 990, 10},  {1000, 600, 7, 1.1875f, 990, 301}, {1000, 600, 8, 1.1875f, 990, 590},
        {2000, 600, 4, 1.425f, 1001, 301},  // height governs: 1.5 × 0.95
        {600, 1000, 4, 0.7125f, 301, 501},
        {800, 400, 4, 0.95f, 401, 201},  // equal ratios take the width
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " position " << c.position);
        const ViewState view = FittedView(c.width, c.height, c.position);
        EXPECT_FLOAT_EQ(view.FitScale, c.fitScale);
        EXPECT_EQ(view.OriginX, c.originX);
        EXPECT_EQ(view.OriginY, c.originY);
        EXPECT_EQ(view.Zoom, 1.0f);
        EXPECT_EQ(view.SizeText, "ｻｲｽﾞ800 x1");
    }
}

TEST(ViewStateFit, SheetIndexChoosesWidthAndHalfHeight)
{
    struct Case {
        int index, width, height;
        const char* text;
    };
    const Case cases[] = {
        {0, 200, 100, "ｻｲｽﾞ200 x1"},
        {3, 800, 400, "ｻｲｽﾞ800 x1"},
        {5, 1500, 750, "ｻｲｽﾞ1500 x1"},
        {11, 100000, 50000, "ｻｲｽﾞ100000 x1"},
        {-1, 800, 400, "ｻｲｽﾞ800 x1"},  // a bad index from the settings falls back to the default
        {12, 800, 400, "ｻｲｽﾞ800 x1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        ViewState view = PlainView(0, 0, 7);
        SetSheetSize(view, c.index);
        EXPECT_EQ(view.SheetWidth, c.width);
        EXPECT_EQ(view.SheetHeight, c.height);
        EXPECT_EQ(view.SizeText, c.text);
        EXPECT_EQ(view.Zoom, 1.0f);
        EXPECT_FLOAT_EQ(view.FitScale, 1000.0f / c.width * 0.95f);
    }
}

TEST(ViewStateFit, CanvasWithoutAreaKeepsTheLastView)
{
    struct Case {
        int width, height;
    };
    const Case cases[] = {{0, 600}, {1000, 0}, {0, 0}, {-5, 600}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        ViewState view = FittedView();
        ZoomAboutCentre(view, 2);
        const ViewState before = view;
        view.CanvasWidth = c.width;
        view.CanvasHeight = c.height;
        FitSheet(view);
        ExpectSameView(view, before);
        ResetToSheet(view);
        EXPECT_EQ(view.FitScale, before.FitScale);
        EXPECT_EQ(view.OriginX, before.OriginX);
        EXPECT_EQ(view.OriginY, before.OriginY);
        EXPECT_TRUE(std::isfinite(ViewScale(view)));
        EXPECT_GT(ViewScale(view), 0.0f);
    }
}

// ---------------------------------------------------------------- zoom limits

enum class ZoomControl { Double, Half, CtrlUp, CtrlDown, WheelIn, WheelOut };

// What each control does, including the guard its button or key checks first.
bool Use(ViewState& view, ZoomControl control)
{
    switch (control) {
    case ZoomControl::Double:
        if (!ZoomInAllowed(view)) return false;
        ZoomAboutCentre(view, 2);
        return true;
    case ZoomControl::Half:
        if (!ZoomOutAllowed(view)) return false;
        ZoomAboutCentre(view, 0.5f);
        return true;
    case ZoomControl::CtrlUp: return StepZoom(view, true);
    case ZoomControl::CtrlDown: return StepZoom(view, false);
    case ZoomControl::WheelIn: return WheelZoom(view, true);
    case ZoomControl::WheelOut: return WheelZoom(view, false);
    }
    return false;
}

TEST(ViewStateZoom, LimitsHoldAtBothEnds)
{
    struct Case {
        const char* name;
        float start;
        ZoomControl control;
        bool changes;
        float zoom;
    };
    const Case cases[] = {
        {"x2 at 2000 reaches the limit exactly", 2000, ZoomControl::Double, true, 3000},
        {"x2 at 3000", 3000, ZoomControl::Double, false, 3000},
        {"x2 at 1", 1, ZoomControl::Double, true, 2},
        {"1/2 at 0.015", 0.015f, ZoomControl::Half, false, 0.015f},
        {"1/2 at 0.02 reaches the lower limit", 0.02f, ZoomControl::Half, true, 0.01f},
        {"Ctrl+Up at 2600 is clamped", 2600, ZoomControl::CtrlUp, true, 3000},
        {"Ctrl+Up at 3000", 3000, ZoomControl::CtrlUp, false, 3000},
        {"Ctrl+Down at 0.015 keeps the 1/2 guard", 0.015f, ZoomControl::CtrlDown, false, 0.015f},
        {"Ctrl+Down at 0.03", 0.03f, ZoomControl::CtrlDown, true, 0.024f},
        {"wheel in at 2900 is clamped", 2900, ZoomControl::WheelIn, true, 3000},
        {"wheel in at 3000", 3000, ZoomControl::WheelIn, false, 3000},
        {"wheel out at 0.012 would pass 0.01", 0.012f, ZoomControl::WheelOut, false, 0.012f},
        {"wheel out at 0.0125", 0.0125f, ZoomControl::WheelOut, true, 0.01f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewState view = FittedView();
        view.Zoom = c.start;
        view.LastMousePixel = {300, 200};
        const ViewState before = view;
        EXPECT_EQ(Use(view, c.control), c.changes);
        if (!c.changes) {
            ExpectSameView(view, before);
            continue;
        }
        EXPECT_FLOAT_EQ(view.Zoom, c.zoom);
        EXPECT_LE(view.Zoom, kMaxZoom);
        EXPECT_GE(view.Zoom, kMinZoom);
    }
}

TEST(ViewStateZoom, CtrlStepsScaleAboutTheCentreWithoutHistory)
{
    struct Case {
        bool in;
        float zoom;
        int32_t originX, originY;
    };
    // From the top-left origin (10, 10) about (500, 300): 500 + f·(10 − 500), 300 + f·(10 − 300).
    const Case cases[] = {{true, 1.2f, -88, -48}, {false, 0.8f, 108, 68}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in ? "Ctrl+Up" : "Ctrl+Down");
        ViewState view = FittedView(1000, 600, 0);
        ASSERT_TRUE(StepZoom(view, c.in));
        EXPECT_FLOAT_EQ(view.Zoom, c.zoom);
        EXPECT_EQ(view.OriginX, c.originX);
        EXPECT_EQ(view.OriginY, c.originY);
        EXPECT_EQ(view.ViewHistory, ViewState{}.ViewHistory);
        EXPECT_EQ(view.SizeText, c.in ? "ｻｲｽﾞ800x1.2" : "ｻｲｽﾞ800x0.8");
    }
}

// ---------------------------------------------------------------- history

TEST(ViewStateHistory, CentreZoomRecordsAndPreviousViewWalksBack)
{
    enum class Step { Double, CtrlUp, Previous };
    struct Case {
        Step step;
        bool changes;
        float zoom;
        int32_t originX, originY;
        ViewHistoryEntry entry0, entry1, entry2;
    };
    // Fitted to 1000 × 600: Zoom 1 at (501, 301); the canvas centre is (500, 300).
    const Case cases[] = {
        {Step::Previous, false, 1, 501, 301, {}, {}, {}},  // nothing recorded yet
        {Step::Double, true, 2, 502, 302, {2, 502, 302}, {1, 501, 301}, {}},
        {Step::Double, true, 4, 504, 304, {4, 504, 304}, {2, 502, 302}, {1, 501, 301}},
        {Step::Previous, true, 2, 502, 302, {2, 502, 302}, {1, 501, 301}, {}},
        // Ctrl+Up is not recorded, so the next x2 goes back to (2, 502, 302), not to this view.
        {Step::CtrlUp, true, 2.4f, 502, 302, {2, 502, 302}, {1, 501, 301}, {}},
        {Step::Double, true, 4.8f, 504, 304, {4.8f, 504, 304}, {2, 502, 302}, {1, 501, 301}},
        {Step::Previous, true, 2, 502, 302, {2, 502, 302}, {1, 501, 301}, {}},
        {Step::Previous, true, 1, 501, 301, {1, 501, 301}, {}, {}},
        {Step::Previous, false, 1, 501, 301, {1, 501, 301}, {}, {}},
    };
    ViewState view = FittedView();
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "step " << index++);
        bool changed = true;
        switch (c.step) {
        case Step::Double: ZoomAboutCentre(view, 2); break;
        case Step::CtrlUp: changed = StepZoom(view, true); break;
        case Step::Previous: changed = PreviousView(view); break;
        }
        EXPECT_EQ(changed, c.changes);
        EXPECT_FLOAT_EQ(view.Zoom, c.zoom);
        EXPECT_EQ(view.OriginX, c.originX);
        EXPECT_EQ(view.OriginY, c.originY);
        EXPECT_EQ(view.ViewHistory[0], c.entry0);
        EXPECT_EQ(view.ViewHistory[1], c.entry1);
        EXPECT_EQ(view.ViewHistory[2], c.entry2);
    }
    EXPECT_EQ(view.SizeText, "ｻｲｽﾞ800x1");
}

TEST(ViewStateHistory, PreviousViewRightAfterStartDoesNothing)
{
    ViewState view = FittedView();
    const ViewState before = view;
    EXPECT_FALSE(PreviousView(view));
    ExpectSameView(view, before);
}

TEST(ViewStateHistory, TenViewsAreKeptAndTheOldestStays)
{
    ViewState view = PlainView(500, 300);
    for (int i = 0; i < 11; ++i) ZoomAboutCentre(view, 2);
    EXPECT_EQ(view.Zoom, 2048.0f);
    EXPECT_EQ(view.ViewHistory[0].Zoom, 2048.0f);
    EXPECT_EQ(view.ViewHistory[9].Zoom, 4.0f);  // zoom 1 and 2 have dropped off
    for (int i = 0; i < 9; ++i) ASSERT_TRUE(PreviousView(view));
    EXPECT_EQ(view.Zoom, 4.0f);
    // Entry 9 is not cleared by stepping back, so the oldest view is reached again.
    EXPECT_TRUE(PreviousView(view));
    EXPECT_EQ(view.Zoom, 4.0f);
}

// ---------------------------------------------------------------- wheel

TEST(ViewStateWheel, FactorsFollowTheSensitivity)
{
    struct Case {
        int wheel;
        bool in;
        float zoom;
        int32_t originX, originY;
    };
    // Origin (500, 300), mouse (100, 100): origin := mouse + Round((origin − mouse)·f).
    const Case cases[] = {
        {1, true, 1.1f, 540, 320}, {1, false, 0.95f, 480, 290},  //
        {4, true, 1.4f, 660, 380}, {4, false, 0.8f, 420, 260},   //
        {9, true, 1.9f, 860, 480}, {9, false, 0.55f, 320, 210},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Wheel " << c.wheel << (c.in ? " in" : " out"));
        ViewState view = PlainView(500, 300);
        view.Wheel = c.wheel;
        view.LastMousePixel = {100, 100};
        ASSERT_TRUE(WheelZoom(view, c.in));
        EXPECT_FLOAT_EQ(view.Zoom, c.zoom);
        EXPECT_EQ(view.OriginX, c.originX);
        EXPECT_EQ(view.OriginY, c.originY);
        EXPECT_EQ(view.ViewHistory, ViewState{}.ViewHistory);
    }
}

// ---------------------------------------------------------------- transform

TEST(ViewStateTransform, WorldToCanvasRoundsTiesToEven)
{
    struct Case {
        double x, y;
        int32_t px, py;
    };
    const Case cases[] = {
        {0.5, -0.5, 0, 0},  {1.5, -1.5, 2, 2},  {2.5, -2.5, 2, 2},
        {-0.5, 0.5, 0, 0},  {-1.5, 1.5, -2, -2}, {-2.5, 2.5, -2, -2},
        {3.5, 0.25, 4, 0},  {0.7, -0.7, 1, 1},
    };
    const ViewState view = PlainView(0, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        EXPECT_EQ(WorldToCanvas(view, c.x, c.y), (CanvasPoint{c.px, c.py}));
    }
}

TEST(ViewStateTransform, TruncDropsTheFractionTowardZero)
{
    struct Case {
        float zoom;
        int32_t originX, originY;
        double x, y;
        CanvasPoint rounded, truncated;
    };
    const Case cases[] = {
        {1, 0, 0, 3.7, -3.7, {4, 4}, {3, 3}},
        {1, 0, 0, -3.7, 3.7, {-4, -4}, {-3, -3}},
        {1, 0, 0, 0.6, -0.6, {1, 1}, {0, 0}},
        {1, 0, 0, 2.5, -2.5, {2, 2}, {2, 2}},
        {2.5f, 100, 50, 1.1, 1.1, {103, 47}, {102, 47}},  // 102.75 and 47.25
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y << " at zoom " << c.zoom);
        const ViewState view = PlainView(c.originX, c.originY, c.zoom);
        EXPECT_EQ(WorldToCanvas(view, c.x, c.y), c.rounded);
        EXPECT_EQ(WorldToCanvasTrunc(view, c.x, c.y), c.truncated);
    }
}

TEST(ViewStateTransform, UnusableScaleIsNeverDividedBy)
{
    struct Case {
        const char* name;
        float zoom, fitScale;
    };
    const Case cases[] = {
        {"fit scale 0", 1, 0},
        {"zoom 0", 0, 1.1875f},
        {"zoom NaN", std::numeric_limits<float>::quiet_NaN(), 1},
        {"zoom infinite", std::numeric_limits<float>::infinity(), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewState view = PlainView(501, 301, c.zoom);
        view.FitScale = c.fitScale;
        double x = 99;
        double y = 99;
        CanvasToWorld(view, 700, 20, x, y);
        EXPECT_EQ(x, 0.0);
        EXPECT_EQ(y, 0.0);
        EXPECT_EQ(ReadoutX(view, 700), "X0.000");
        EXPECT_EQ(ReadoutY(view, 20), "Y0.000");
    }
}

// ---------------------------------------------------------------- status texts

TEST(ViewStateReadout, ThreeDecimalsWithAPoint)
{
    struct Case {
        const char* name;
        float zoom;
        int px, py;  // relative to the origin pixel
        bool snapped;
        double snappedX, snappedY;
        const char* x;
        const char* y;
    };
    const Case cases[] = {
        {"origin pixel", 1, 0, 0, false, 0, 0, "X0.000", "Y0.000"},
        {"quarter millimetres", 4, 10, 2, false, 0, 0, "X2.500", "Y-0.500"},
        {"an exact half of the last place rounds away from zero", 16, 1, 1, false, 0, 0, "X0.063", "Y-0.063"},
        {"a value that shows as zero has no sign", 10000, 0, 1, false, 0, 0, "X0.000", "Y0.000"},
        {"wide values keep every digit", 1, 123456, -7, false, 0, 0, "X123456.000", "Y7.000"},
        {"a snap shows its own point", 1, 40, 40, true, 12.345, -0.5, "@X12.345", "@Y-0.500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewState view = FittedView();
        view.Zoom = c.zoom;
        view.FitScale = 1;
        EXPECT_EQ(ReadoutX(view, view.OriginX + c.px, c.snapped, c.snappedX), c.x);
        EXPECT_EQ(ReadoutY(view, view.OriginY + c.py, c.snapped, c.snappedY), c.y);
    }
    // The fitted view, whose scale is not a round number, still reads zero at its origin pixel.
    const ViewState fitted = FittedView();
    EXPECT_EQ(ReadoutX(fitted, fitted.OriginX), "X0.000");
    EXPECT_EQ(ReadoutY(fitted, fitted.OriginY), "Y0.000");
}

TEST(ViewStateSizeText, ZoomShowsUpToTwoDecimals)
{
    struct Case {
        int sheetIndex;
        float zoom;
        const char* text;
    };
    const Case cases[] = {
        {3, 1, "ｻｲｽﾞ800x1"},         {3, 1.4f, "ｻｲｽﾞ800x1.4"},    {3, 2.5f, "ｻｲｽﾞ800x2.5"},
        {3, 0.024f, "ｻｲｽﾞ800x0.02"}, {3, 0.125f, "ｻｲｽﾞ800x0.13"}, {3, 0.01f, "ｻｲｽﾞ800x0.01"},
        {3, 0.015f, "ｻｲｽﾞ800x0.01"},  // 0.01499999...
        {3, 0.999f, "ｻｲｽﾞ800x1"},    {3, 9.999f, "ｻｲｽﾞ800x10"},   {3, 3000, "ｻｲｽﾞ800x3000"},
        {5, 2, "ｻｲｽﾞ1500x2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ViewState view = FittedView();
        SetSheetSize(view, c.sheetIndex);
        view.Zoom = c.zoom;
        UpdateSizeText(view);
        EXPECT_EQ(view.SizeText, c.text);
    }
}

// ---------------------------------------------------------------- window zoom

TEST(ViewStateZoomRectangle, CentresTheRectangleAndRecordsTheView)
{
    struct Case {
        const char* name;
        float start;
        int x1, y1, x2, y2;
        bool changes;
        float zoom;
        int32_t originX, originY;
    };
    // Origin (500, 300) at 1 px/mm on 1000 × 600.
    const Case cases[] = {
        {"200 x 120 fills the canvas", 1, 400, 200, 600, 320, true, 5, 500, 500},
        {"corners in any order", 1, 600, 320, 400, 200, true, 5, 500, 500},
        {"5 pixels is enough", 1, 400, 200, 405, 205, true, 120, 12200, 12000},
        {"4 pixels wide", 1, 400, 200, 404, 320, false, 1, 500, 300},
        {"4 pixels high", 1, 400, 200, 600, 204, false, 1, 500, 300},
        {"at the upper limit", 3000, 400, 200, 600, 320, false, 3000, 500, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewState view = PlainView(500, 300, c.start);
        const ViewState before = view;
        EXPECT_EQ(ZoomToRectangle(view, c.x1, c.y1, c.x2, c.y2), c.changes);
        if (!c.changes) {
            ExpectSameView(view, before);
            continue;
        }
        EXPECT_FLOAT_EQ(view.Zoom, c.zoom);
        EXPECT_EQ(view.OriginX, c.originX);
        EXPECT_EQ(view.OriginY, c.originY);
        EXPECT_EQ(view.ViewHistory[0], (ViewHistoryEntry{c.zoom, float(c.originX), float(c.originY)}));
        EXPECT_EQ(view.ViewHistory[1], (ViewHistoryEntry{c.start, 500, 300}));
    }
}

TEST(ViewStateZoomRectangle, ClampsToTheLimits)
{
    struct Case {
        float start;
        int x1, y1, x2, y2;
        float zoom;
    };
    const Case cases[] = {
        {1000, 400, 200, 600, 320, 3000},          // ×5 would pass 3000
        {0.015f, -1000, -600, 1000, 600, 0.01f},  // a rectangle twice the canvas zooms out
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        ViewState view = PlainView(500, 300, c.start);
        view.FitScale = 1 / c.start;
        ASSERT_TRUE(ZoomToRectangle(view, c.x1, c.y1, c.x2, c.y2));
        EXPECT_FLOAT_EQ(view.Zoom, c.zoom);
        EXPECT_LE(view.Zoom, kMaxZoom);
        EXPECT_GE(view.Zoom, kMinZoom);
    }
}

// ---------------------------------------------------------------- fit to drawing

TEST(ViewStateFitToDrawing, OneStraightLineSetsZoomOneAndCentresTheOrigin)
{
    struct Case {
        int width, height;
        TCadData line;
        int32_t originX, originY;
    };
    const Case cases[] = {
        {1000, 600, Line(-50, 0, 50, 0), 500, 300},
        {1000, 600, Line(30, -20, 30, 80), 500, 300},  // vertical: dx is zero instead
        {1001, 601, Line(-50, 0, 50, 0), 500, 300},    // 500.5 and 300.5 round to even
        {1003, 603, Line(-50, 0, 50, 0), 502, 302},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        ViewState view = FittedView(c.width, c.height);
        view.Zoom = 7;
        ZoomAboutCentre(view, 2);
        const auto history = view.ViewHistory;
        ASSERT_TRUE(FitToDrawing(view, DrawingOf({c.line}), 1));
        EXPECT_EQ(view.Zoom, 1.0f);
        EXPECT_EQ(view.OriginX, c.originX);
        EXPECT_EQ(view.OriginY, c.originY);
        EXPECT_EQ(view.SizeText, "ｻｲｽﾞ800x1");
        EXPECT_EQ(view.ViewHistory, history);
    }
}

TEST(ViewStateFitToDrawing, MarginKindsScaleTheBox)
{
    struct Case {
        int marginKind;
        float zoom;
        int32_t originX, originY;
    };
    // Line (10, 20)-(110, 70) on 1000 × 600 with the 800 mm sheet (1.1875 px/mm):
    // min(800 / 100, 480 / 50) = 8; centre (60, 45).
    const Case cases[] = {
        {1, 8, -70, 728},  // 300 + 45·8·1.1875 = 727.5, to even
        {0, 4, 215, 514},
        // Printing: the box starts with the A4 landscape paper (±148.5, ±105), not the 800 mm sheet:
        // min(800 / 297, 480 / 210)·0.5.
        {2, static_cast<float>(480.0 / 210 * 0.5), 500, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.marginKind);
        ViewState view = FittedView();
        ASSERT_TRUE(FitToDrawing(view, DrawingOf({Line(10, 20, 110, 70)}), c.marginKind, 297, 210));
        EXPECT_FLOAT_EQ(view.Zoom, c.zoom);
        EXPECT_EQ(view.OriginX, c.originX);
        EXPECT_EQ(view.OriginY, c.originY);
    }
}

TEST(ViewStateFitToDrawing, EachKindContributesItsBounds)
{
    struct Box {
        double minX, minY, maxX, maxY;
    };
    struct Case {
        const char* name;
        std::vector<TCadData> elements;
        Box box;
    };
    const double d = std::sqrt(0.5) * 10;
    TCadData hiddenCircle = Placed(kKindCircle, 0, 0, 500, 2);
    const Case cases[] = {
        {"line end points", {Line(-10, -5, 30, 15)}, {-10, -5, 30, 15}},
        {"filled rectangle corners", {FilledRect(5, 5, -5, -15)}, {-5, -15, 5, 5}},
        {"quarter arc: two quadrant points", {Arc(0, 0, 10, 10, 0, 0, 10, 90)}, {0, 0, 10, 10}},
        {"three-quarter arc: all four", {Arc(0, 0, 10, 0, 10, 10, 0, 270)}, {-10, -10, 10, 10}},
        {"arc over the top", {Arc(0, 0, 10, d, d, -d, d, 90)}, {-d, d, d, 10}},
        {"circle", {Placed(kKindCircle, 5, 5, 3)}, {2, 2, 8, 8}},
        {"flat ellipse", {Ellipse(0, 0, 10, 0.5)}, {-10, -10, 10, 10}},
        {"ellipse taller than its own x axis", {Ellipse(0, 0, 10, 2)}, {-20, -20, 20, 20}},
        {"point", {Placed(kKindPoint, 3, 4)}, {1, 2, 5, 6}},
        {"text", {Placed(kKindText, 1, 1, 5)}, {-19, -19, 21, 21}},
        {"dimension", {Placed(kKindDimX, 0, 10)}, {-20, -10, 20, 30}},
        {"circle with cross", {Placed(kKindCrossCircle, 0, 0, 100)}, {-20, -20, 20, 20}},
        {"free curve", {Placed(kKindCurveThroughPoints, 50, 0)}, {30, -20, 70, 20}},
        {"hidden layer ignored", {Line(0, 0, 10, 10), hiddenCircle}, {0, 0, 10, 10}},
        {"union", {Line(0, 0, 10, 10), Placed(kKindPoint, 20, -5)}, {0, -7, 22, 10}},
        {"far below the old sentinel", {Line(-2e7, -2e7, -1.99e7, -1.99e7)}, {-2e7, -2e7, -1.99e7, -1.99e7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing drawing = DrawingOf(c.elements);
        SetLayerVisible(drawing.Layers, 2, false);
        ViewState view = FittedView();
        ASSERT_TRUE(FitToDrawing(view, drawing, 1));
        // The fit of 1000 × 600 with the 800 mm sheet: min(800 / dx, 480 / dy) about the box centre.
        const float minX = static_cast<float>(c.box.minX);
        const float minY = static_cast<float>(c.box.minY);
        const float dx = static_cast<float>(c.box.maxX) - minX;
        const float dy = static_cast<float>(c.box.maxY) - minY;
        const float zoom = std::clamp(static_cast<float>(std::min(800.0 / dx, 800.0 / (1000.0 / 600) / dy)), kMinZoom, kMaxZoom);
        const double scale = static_cast<double>(zoom) * 1.1875;
        EXPECT_FLOAT_EQ(view.Zoom, zoom);
        EXPECT_EQ(view.OriginX, static_cast<int32_t>(std::nearbyint(500 - (minX + dx / 2.0) * scale)));
        EXPECT_EQ(view.OriginY, static_cast<int32_t>(std::nearbyint(300 + (minY + dy / 2.0) * scale)));
    }
}

TEST(ViewStateFitToDrawing, ZoomStaysWithinItsLimits)
{
    struct Case {
        const char* name;
        TCadData line;
        float zoom;
        int32_t originX, originY;
    };
    const Case cases[] = {
        // 800 / 0.01 would be 80000; 500 − 0.005·3000·1.1875 and 300 + 0.0025·3000·1.1875.
        {"tiny drawing", Line(0, 0, 0.01, 0.005), 3000, 482, 309},
        {"huge drawing", Line(-1e6, -1e6, 1e6, 1e6), 0.01f, 500, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewState view = FittedView();
        ASSERT_TRUE(FitToDrawing(view, DrawingOf({c.line}), 1));
        EXPECT_EQ(view.Zoom, c.zoom);
        EXPECT_EQ(view.OriginX, c.originX);
        EXPECT_EQ(view.OriginY, c.originY);
    }
}

TEST(ViewStateFitToDrawing, NothingToFitLeavesTheView)
{
    struct Case {
        const char* name;
        std::vector<TCadData> elements;
        int width, height;
    };
    const Case cases[] = {
        {"empty drawing", {}, 1000, 600},
        {"only hidden layers", {Line(0, 0, 10, 10, 2)}, 1000, 600},
        {"minimised canvas", {Line(0, 0, 10, 10)}, 0, 0},
        // Zoom 480 about x = 1e7 puts the origin near −5.7e9 pixels.
        {"origin beyond 32 bits", {Line(1e7, 1e7, 1e7 + 1, 1e7 + 1)}, 1000, 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing drawing = DrawingOf(c.elements);
        SetLayerVisible(drawing.Layers, 2, false);
        ViewState view = FittedView();
        view.CanvasWidth = c.width;
        view.CanvasHeight = c.height;
        const ViewState before = view;
        EXPECT_FALSE(FitToDrawing(view, drawing, 1));
        ExpectSameView(view, before);
    }
}

// ---------------------------------------------------------------- pan and overflow

TEST(ViewStatePan, MenuPanMovesTwentyPixelsAndLeavesTheHistory)
{
    struct Case {
        const char* name;
        int dx, dy;
        int32_t originX, originY;
    };
    const Case cases[] = {
        {"right", kPanStepPixels, 0, 522, 302},
        {"left", -kPanStepPixels, 0, 482, 302},
        {"up", 0, -kPanStepPixels, 502, 282},
        {"down", 0, kPanStepPixels, 502, 322},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewState view = FittedView();
        ZoomAboutCentre(view, 2);
        const ViewState before = view;
        Pan(view, c.dx, c.dy);
        EXPECT_EQ(view.OriginX, c.originX);
        EXPECT_EQ(view.OriginY, c.originY);
        EXPECT_EQ(view.Zoom, before.Zoom);
        EXPECT_EQ(view.ViewHistory, before.ViewHistory);
    }
}

TEST(ViewStateOverflow, OriginsBeyond32BitsLeaveTheViewUnchanged)
{
    struct Case {
        const char* name;
        int32_t originX, originY;
        std::function<bool(ViewState&)> act;
    };
    const Case cases[] = {
        {"x2 about the centre", 2000000000, 300, [](ViewState& v) { ZoomAboutCentre(v, 2); return false; }},
        {"Ctrl+Up", 300, -2000000000, [](ViewState& v) { return StepZoom(v, true); }},
        {"wheel in", 2000000000, 300,
         [](ViewState& v) {
             v.Wheel = 9;
             v.LastMousePixel = {0, 0};
             const bool changed = WheelZoom(v, true);
             v.Wheel = kDefaultWheel;
             v.LastMousePixel = {};
             return changed;
         }},
        {"window zoom", -2000000000, 300, [](ViewState& v) { return ZoomToRectangle(v, 400, 200, 600, 320); }},
        {"previous view", 500, 300,
         [](ViewState& v) {
             v.ViewHistory[1] = {1, 3e9f, 0};
             const bool changed = PreviousView(v);
             v.ViewHistory[1] = {};
             return changed;
         }},
        {"pan right at the edge", kInt32Max - 10, 300, [](ViewState& v) { Pan(v, 20, 0); return false; }},
        {"pan up at the edge", 500, kInt32Min + 10, [](ViewState& v) { Pan(v, 0, -20); return false; }},
        {"unusable factor", 500, 300,
         [](ViewState& v) { ZoomAboutCentre(v, std::numeric_limits<float>::quiet_NaN()); return false; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewState view = PlainView(c.originX, c.originY);
        const ViewState before = view;
        EXPECT_FALSE(c.act(view));
        ExpectSameView(view, before);
    }
}

// ---------------------------------------------------------------- grid and Shift constraint

TEST(ViewStateGrid, OriginFollowsTheReferencePosition)
{
    struct Case {
        int position;
        double x, y;
    };
    // Pitch 10, 20 × 10 cells: the grid is 200 × 100 mm.
    const Case cases[] = {
        {0, 0, -100},   {1, 0, -50},   {2, 0, 0},      //
        {3, -100, -100}, {4, -100, -50}, {5, -100, 0},  //
        {6, -200, -100}, {7, -200, -50}, {8, -200, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        ViewState view;
        view.Grid.Pitch = 10;
        view.Grid.CountX = 20;
        view.Grid.CountY = 10;
        view.ReferencePosition = c.position;
        UpdateGridOrigin(view);
        EXPECT_DOUBLE_EQ(view.GridOriginX, c.x);
        EXPECT_DOUBLE_EQ(view.GridOriginY, c.y);
    }
}

TEST(ViewStateConstrain, ShiftKeepsTheNearerAxisThroughTheLastPoint)
{
    struct Case {
        const char* name;
        CanvasPoint mouse, constrained;
    };
    // Last point (10, 10) mm at 2 px/mm from origin (100, 100): pixel (120, 80).
    const Case cases[] = {
        {"mostly horizontal keeps the last y", {160, 85}, {160, 80}},
        {"mostly vertical keeps the last x", {123, 20}, {120, 20}},
        {"a diagonal keeps the last x", {130, 70}, {120, 70}},
        {"on the point", {120, 80}, {120, 80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ViewState view = PlainView(100, 100, 2);
        EXPECT_EQ(ConstrainThroughPoint(view, c.mouse, 10, 10), c.constrained);
    }
}

}  // namespace
}  // namespace vantro
