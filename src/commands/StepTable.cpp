#include "commands/StepTable.h"

#include "commands/DeleteSteps.h"
#include "commands/LineSteps.h"
#include "commands/PartSaveSteps.h"
#include "commands/SelectionSteps.h"
#include "commands/TextSteps.h"

#include <array>

namespace vantro {
namespace {

using namespace step;
using PS = PreviewShape;
using SC = SnapConstraint;
using DP = DimensionPanels;
using SK = StepKind;

// After a confirmed window the command goes on as after a single pick.
void ConfirmedWindowClick(CommandContext& ctx, const ClickInput&)
{
    EnterStep(ctx, static_cast<uint16_t>(ctx.State.CommandMode + 1));
}

// The selection step of an editing command and its confirmed window.
constexpr StepRow SelectionRow(uint16_t code, const char* prompt, const char* again, const char* labelR,
                               int help, bool annotations)
{
    return {.Code = code, .Prompt = prompt, .Again = again, .LabelR = labelR, .HelpContext = help,
            .Kind = SK::SelectionStep, .PickKinds = "0", .WindowTakesAnnotations = annotations,
            .Click = SelectionStepClick};
}

constexpr StepRow WindowRow(uint16_t code, bool annotations)
{
    return {.Code = code, .Kind = SK::ConfirmedWindow, .WindowTakesAnnotations = annotations,
            .Click = ConfirmedWindowClick};
}

constexpr const char* kMoveAgain = "移動する要素を選択するか範囲を作図して下さい(移動)";
constexpr const char* kMirrorAgain = "ミラーイメージする要素を選択するか範囲を作図して下さい(ミラー)";
constexpr const char* kRotateAgain = "回転する要素を選択するか範囲を作図して下さい(回転)";
constexpr const char* kLinearDimensionAgain = "1つ目のポイントを選択して下さい(寸法線-距離)";
constexpr const char* kLinearDimensionSecond = "2つ目のポイントを選択して下さい(寸法線-距離)";
constexpr const char* kLinearDimensionPosition = "表示位置をクリックして下さい(寸法線-距離)";

constexpr StepRow kTable[] = {
    // Lines.
    {.Code = kHorizontalLine, .Prompt = " Y座標を指定して下さい(直線-X軸)", .Layout = kLayoutY,
     .Constraint = SC::HorizontalLine, .HelpContext = 15},
    {.Code = kVerticalLine, .Prompt = " X座標を指定して下さい(直線-Y軸)", .Layout = kLayoutX,
     .Constraint = SC::VerticalLine, .HelpContext = 16},
    {.Code = kLineFirstPoint, .Prompt = " 1点目を指定して下さい(直線-2点)", .Layout = kLayoutXY, .HelpContext = 17,
     .Click = LineFirstClick, .Enter = LineFirstEnter},
    {.Code = kLineSecondPoint, .Prompt = " 2点目を指定して下さい(直線-2点)", .Preview = PS::RubberLine,
     .Click = LineSecondClick, .Enter = LineSecondEnter},
    {.Code = kContinuousLineFirst, .Prompt = " 1点目を指定して下さい(直線-2点)", .Layout = kLayoutXY,
     .HelpContext = 19},
    {.Code = kContinuousLineNext, .Prompt = " 次の点を指定して下さい(直線-連続)", .Preview = PS::RubberLine},
    {.Code = kPoint, .Prompt = "座標を指定して下さい(点)", .Layout = kLayoutXY, .HelpContext = 21},
    {.Code = kAngleLine, .Prompt = " 基点(XY)と角度を指定して下さい(直線-通過点と角度)", .Layout = kLayoutXYRFocusR,
     .LabelR = "Q", .Constraint = SC::AngleLine, .HelpContext = 22},
    {.Code = kAngleLineBase, .Prompt = " 基点をクリックして下さい(直線-２点と角度)",
     .Again = "  基点をクリックして下さい(直線-２点と角度)", .LabelR = "Q", .HelpContext = 23},
    {.Code = kAngleLineSecond, .Prompt = " ２点目を指定して下さい(直線-２点と角度)", .Preview = PS::RubberLine},
    {.Code = kAngleLineAngle, .Prompt = " 相対角度を入力して下さい(直線-２点と角度)"},
    {.Code = kTangentLineFirst, .Prompt = " 1つ目の要素を選択して下さい(直線-接円)",
     .Again = " 1つ目の要素を選択して下さい(直線-外接円)", .HelpContext = 202, .PickKinds = "34"},
    {.Code = kTangentLineSecond, .Prompt = "２つ目の要素を選択して下さい(直線-接円)", .PickKinds = "34"},
    {.Code = kMiddleLine, .Prompt = " 1つ目の直線を選択して下さい(直線-2直線の中間線)",
     .Again = "1つ目の直線を選択して下さい(直線-2直線の中間線)", .HelpContext = 241, .PickKinds = "1"},
    {.Code = kMiddleLineSecond, .Prompt = "2つ目の直線を選択して下さい(直線-2直線の中間線)", .PickKinds = "1"},

    // Circles and arcs.
    {.Code = kCircleCentre, .Prompt = " 中心点と半径を指定して下さい(円-中心と半径)",
     .AltPrompt = " 中心点と直径を指定して下さい(円-中心と直径)",
     .Again = "中心点と半径を入力又はクリックして下さい(円-中心)",
     .AltAgain = "中心点と直径を入力又はクリックして下さい(円-中心)", .Layout = kLayoutXYR,
     .Preview = PS::TypedCircle, .HelpContext = 30},
    {.Code = kCircleRadius, .Prompt = "半径を入力又はクリックして下さい(円-中心)",
     .AltPrompt = "直径を入力又はクリックして下さい(円-中心)", .Preview = PS::CircleByRadius},
    {.Code = kTangentCircleFirst, .Prompt = " 1つ目の要素を選択して下さい(円-接円)", .Layout = kLayoutR,
     .HelpContext = 32, .PickKinds = "1345"},
    {.Code = kTangentCircleSecond, .Prompt = " ２つ目の要素を選択して下さい(円-接円)", .PickKinds = "1345"},
    {.Code = kCircle2PointsFirst, .Prompt = "1点目を入力、又はクリックして下さい(円-2点)", .Layout = kLayoutXY,
     .HelpContext = 34},
    {.Code = kCircle2PointsSecond, .Prompt = " 2点目を指定して下さい(円-2点)", .Preview = PS::CircleOn2Points},
    {.Code = kCircle3PointsFirst, .Prompt = "1点目を入力、又はクリックして下さい(円-3点)", .Layout = kLayoutXY,
     .HelpContext = 36},
    {.Code = kCircle3PointsSecond, .Prompt = " 2点目を指定して下さい(円-3点)"},
    {.Code = kCircle3PointsThird, .Prompt = " 3点目を指定して下さい(円-3点)", .Preview = PS::CircleThrough3Points},
    {.Code = kTangent3First, .Prompt = "1つ目の直線をクリックして下さい。(円作図-3要素に接する円)",
     .Again = "1つ目の要素を選択して下さい(3要素-接円)", .HelpContext = 59, .PickKinds = "1345"},
    {.Code = kTangent3Second, .Prompt = "２つ目の要素を選択して下さい(3要素-接円)", .PickKinds = "1345"},
    {.Code = kTangent3Third, .Prompt = "３つ目の要素を選択して下さい(3要素-接円)", .PickKinds = "1345"},
    {.Code = kTangentArcFirst, .Prompt = " 1つ目の要素を選択して下さい(円弧-接円)", .Layout = kLayoutR,
     .HelpContext = 32, .PickKinds = "1345"},
    {.Code = kTangentArcSecond, .Prompt = " ２つ目の要素を選択して下さい(円-接円)", .PickKinds = "1345"},
    {.Code = kArcBetweenLinesRadius, .Prompt = "半径を入力するかクリックして下さい(円弧-2直線と半径)",
     .Preview = PS::ArcBetweenLines},
    {.Code = kArcBetweenLinesFirst, .Prompt = "1つ目の直線をクリックして下さい(円弧-2直線と半径)",
     .Again = "1つ目の直線を選択して下さい(円弧-2直線と半径)", .Layout = kLayoutR, .HelpContext = 243,
     .PickKinds = "1"},
    {.Code = kArcBetweenLinesSecond, .Prompt = "2つ目の直線を選択して下さい(円弧-2直線と半径)", .PickKinds = "1"},

    // Rectangles, polygons, curves, ellipses.
    {.Code = kRectangleFirst, .Prompt = "1つ目の頂点を入力するかクリックして下さい(四角作図)", .Layout = kLayoutXY,
     .HelpContext = 39},
    {.Code = kRectangleSecond, .Prompt = "対角の頂点を入力するかクリックして下さい(四角作図)",
     .Preview = PS::Rectangle},
    {.Code = kPolygonBySide,
     .Prompt = "初めに角数を入力してエンターキーを押すか中心点をクリックして下さい。(多角形作図-辺指定)",
     .Layout = kLayoutR, .LabelR = "N", .HelpContext = 41},
    {.Code = kPolygonBySideCentre, .Prompt = "中心を入力するかクリックして下さい(多角形作図)"},
    {.Code = kPolygonBySideSize, .Prompt = "辺の長さを入力するかクリックして下さい(多角形作図)",
     .Preview = PS::PolygonBySide},
    {.Code = kPolygonByVertex,
     .Prompt = "初めに角数を入力してエンターキーを押すか中心点をクリックして下さい。(多角形作図-頂点指定)",
     .Layout = kLayoutR, .LabelR = "N", .HelpContext = 44},
    {.Code = kPolygonByVertexCentre, .Prompt = "中心を入力するかクリックして下さい(多角形作図)"},
    {.Code = kPolygonByVertexSize, .Prompt = "頂点の長さを入力するかクリックして下さい(多角形作図)",
     .Preview = PS::PolygonByVertex},
    {.Code = kCurveFirst, .Prompt = "通過点を入力するかクリックして下さい。(自由曲線)",
     .AltPrompt = "制御点を入力するかクリックして下さい。(自由曲線)", .Layout = kLayoutXY, .HelpContext = 47},
    {.Code = kCurveNext, .Preview = PS::LineFromLastPoint},
    {.Code = kEllipseByEndsFirst, .Prompt = "基点(端点)を入力するかクリックして下さい(楕円作図)",
     .Layout = kLayoutXY, .HelpContext = 49},
    {.Code = kEllipseByEndsSecond, .Prompt = "対角線上の点を入力するかクリックして下さい(楕円作図)",
     .Preview = PS::EllipseAxisByEnds},
    {.Code = kEllipseByEndsHeight, .Prompt = "高さを示す点をクリックするか扁平率を入力して下さい(楕円作図)",
     .Preview = PS::EllipseHeightByEnds},
    {.Code = kEllipseByCentre, .Prompt = "中心点を入力するかクリックして下さい(楕円作図)", .Layout = kLayoutXY,
     .HelpContext = 52},
    {.Code = kEllipseByCentreAxis, .Prompt = "半径を入力するかクリックして下さい(楕円作図)",
     .Preview = PS::EllipseAxisFromCentre},
    {.Code = kEllipseByCentreHeight, .Prompt = "高さを示す点をクリックするか扁平率を入力して下さい(楕円作図)",
     .Preview = PS::EllipseHeightFromCentre},

    // Fill and hatching.
    {.Code = kHatch, .Prompt = "境界となる図形又は点をクリックして下さい(ハッチング)", .HelpContext = 55},
    {.Code = kFill, .Prompt = "塗りつぶしを行う閉じたグループを選択して下さい。", .HelpContext = 228,
     .PickKinds = "0"},

    // Move, mirror, rotate, scale.
    {.Code = kMoveCopyCount},
    SelectionRow(kMoveSelect, "移動する図形を単独、又は範囲選択して下さい。(移動)", kMoveAgain, "", 100, true),
    WindowRow(kMoveWindow, true),
    {.Code = kMoveBase, .Prompt = "基点をクリックするか移動距離を入力して下さい(移動)"},
    {.Code = kMoveDestination, .Prompt = "移動点をクリックするか、移動距離を入力して下さい(移動)",
     .Preview = PS::SelectionMoved},
    SelectionRow(kMoveCopySelect, "移動する図形を単独、又は範囲選択して下さい。(移動-コピー)", kMoveAgain, "N", 0,
                 true),
    WindowRow(kMoveCopyWindow, true),
    {.Code = kMoveCopyBase, .Prompt = "基点をクリックするか移動距離を入力して下さい(移動)"},
    {.Code = kMoveCopyDestination, .Prompt = "移動点をクリックするか、移動距離を入力して下さい(移動)",
     .Preview = PS::SelectionMoved},
    SelectionRow(kMirrorSelect, "ミラーイメージする図形を単独、又は範囲選択して下さい。(ミラー)", kMirrorAgain, "", 108,
                 true),
    WindowRow(kMirrorWindow, true),
    {.Code = kMirrorAxisStart, .Prompt = "軸の基点をクリックするか入力して下さい(ミラー)"},
    {.Code = kMirrorAxisEnd, .Prompt = "軸の終点をクリックするか入力して下さい(ミラー)",
     .Preview = PS::SelectionMirrored},
    SelectionRow(kMirrorCopySelect, "ミラーイメージする図形を単独、又は範囲選択して下さい。(ミラー-コピー)",
                 kMirrorAgain, "", 0, true),
    WindowRow(kMirrorCopyWindow, true),
    {.Code = kMirrorCopyAxisStart, .Prompt = "軸の基点をクリックするか入力して下さい(ミラー)"},
    {.Code = kMirrorCopyAxisEnd, .Prompt = "軸の終点をクリックするか入力して下さい(ミラー)",
     .Preview = PS::SelectionMirrored},
    SelectionRow(kRotateSelect, "回転する図形を単独、又は範囲選択して下さい。(回転)", kRotateAgain, "", 116, true),
    WindowRow(kRotateWindow, true),
    {.Code = kRotateCentre, .Prompt = "回転中心をクリックするか入力して下さい(回転)"},
    {.Code = kRotateAngle, .Prompt = "回転角度を入力して下さい(回転)", .Preview = PS::SelectionRotated},
    SelectionRow(kRotateCopySelect, "回転する図形を単独、又は範囲選択して下さい。(回転-コピー)", kRotateAgain, "", 0,
                 true),
    WindowRow(kRotateCopyWindow, true),
    {.Code = kRotateCopyCentre, .Prompt = "回転中心をクリックするか入力して下さい(回転)"},
    {.Code = kRotateCopyAngle, .Prompt = "回転角度を入力して下さい(回転)", .Preview = PS::SelectionRotated},
    {.Code = kRotateCopyCount, .Prompt = "コピー個数を入力して下さい(回転)"},
    SelectionRow(kScaleSelect, "図形を選択するか範囲を作図して下さい(倍率変換)", nullptr, "N", 125, true),
    WindowRow(kScaleWindow, true),
    {.Code = kScaleBase, .Prompt = "倍率をかける基点をクリックするか入力して下さい(倍率変更)"},
    {.Code = kScaleFactor, .Prompt = "倍率を入力して下さい(倍率変更)"},

    // Part files and inserted images.
    {.Code = kPartSaveSelect, .Prompt = "部分保存する図形を包み窓により指定してください。",
     .Kind = SK::SelectionStep, .PickKinds = "0", .WindowTakesAnnotations = true, .PanelAlways = true,
     .Click = SelectionStepClick},
    {.Code = kPartSaveWindow, .Kind = SK::ConfirmedWindow, .WindowTakesAnnotations = true,
     .Click = PartSaveConfirmClick},
    {.Code = kImagePick},
    {.Code = kImagePlace},
    {.Code = kImageDelete},
    {.Code = kImageResizePick},
    {.Code = kImageResize},

    // Dimensions and coordinate annotations.
    {.Code = kHorizontalDimension, .Prompt = "1つ目のポイントを選択して下さい(寸法線-X座標距離)",
     .Again = kLinearDimensionAgain, .Dimension = DP::OptionsAndLinear, .HelpContext = 156},
    {.Code = kHorizontalDimensionSecond, .Prompt = kLinearDimensionSecond},
    {.Code = kHorizontalDimensionPosition, .Prompt = kLinearDimensionPosition, .Preview = PS::HorizontalDimension},
    {.Code = kVerticalDimension, .Prompt = "1つ目のポイントを選択して下さい(寸法線-Y座標距離)",
     .Again = kLinearDimensionAgain, .Dimension = DP::OptionsAndLinear, .HelpContext = 156},
    {.Code = kVerticalDimensionSecond, .Prompt = kLinearDimensionSecond},
    {.Code = kVerticalDimensionPosition, .Prompt = kLinearDimensionPosition, .Preview = PS::VerticalDimension},
    {.Code = kAlignedDimension, .Prompt = "1つ目のポイントを選択して下さい(寸法線-直線距離)",
     .Again = kLinearDimensionAgain, .Dimension = DP::OptionsAndLinear, .HelpContext = 156},
    {.Code = kAlignedDimensionSecond, .Prompt = kLinearDimensionSecond},
    {.Code = kAlignedDimensionPosition, .Prompt = kLinearDimensionPosition, .Preview = PS::AlignedDimension},
    {.Code = kCoordinate, .Prompt = "座標をクリックして下さい(座標表示)", .HelpContext = 159},
    {.Code = kCoordinateKnee, .Prompt = "折れ線位置をクリックして下さい(座標位置)", .Preview = PS::LineFromLastPoint},
    {.Code = kCoordinatePosition, .Prompt = "表示位置をクリックして下さい(座標位置)", .Preview = PS::LeaderShoulder},
    {.Code = kRelativeValues, .Prompt = "基点となる位置をクリックして下さい(相対値寸法表示)",
     .Dimension = DP::Options, .HelpContext = 162},
    {.Code = kRelativeValuesPosition, .Prompt = "表示位置をクリックして下さい(相対値寸法表示)",
     .Preview = PS::RelativeValueLine},
    {.Code = kRelativeValuesNext, .Prompt = "次ぎの座標をクリックして下さい(Shiftキーで表示位置変更)(相対値寸法表示)",
     .Again = "次ぎの座標をクリックして下さい(相対値寸法表示)"},
    {.Code = kRelativeValuesNewPosition, .Prompt = "表示位置をクリックして下さい(相対値寸法表示)"},
    {.Code = kOriginChange, .Prompt = "新しい原点となる位置をクリックして下さい(原点変更)", .HelpContext = 166},
    {.Code = kBaseCoordinate, .Prompt = "基点となる座標をクリックして下さい(基点相対座標)", .HelpContext = 167},
    {.Code = kBaseCoordinatePoint, .Prompt = "座標をクリックして下さい(基点相対座標)"},
    {.Code = kBaseCoordinateKnee, .Prompt = "折れ線位置をクリックして下さい(基点相対座標)",
     .Preview = PS::LineFromLastPoint},
    {.Code = kBaseCoordinatePosition, .Prompt = "表示位置をクリックして下さい(基点相対座標)",
     .Preview = PS::LeaderShoulder},
    {.Code = kLeaderText, .Prompt = "基点位置をクリックして下さい(折れ線TEXT)", .HelpContext = 171},
    {.Code = kLeaderTextKnee, .Prompt = "折れ線位置をクリックして下さい(折れ線TEXT)", .Preview = PS::LineFromLastPoint},
    {.Code = kLeaderTextPosition, .Prompt = "表示位置をクリックして下さい(折れ線TEXT)", .Preview = PS::LeaderShoulder},
    {.Code = kRadiusDimension, .Prompt = "円、又は円弧を選択して下さい(寸法線-半径)", .Dimension = DP::Options,
     .HelpContext = 250, .PickKinds = "34"},
    {.Code = kRadiusDimensionPosition, .Prompt = "表示位置をクリックして下さい(寸法線-半径)",
     .Preview = PS::RadiusLeader},
    {.Code = kRadiusLeader, .Prompt = "円、又は円弧を選択して下さい(寸法線-折れ線半径)",
     .Again = "円、又は円弧を選択して下さい(寸法線-半径)", .Dimension = DP::Options, .HelpContext = 252,
     .PickKinds = "34"},
    {.Code = kRadiusLeaderKnee, .Prompt = "折れ線位置をクリックして下さい(寸法線-半径)",
     .Preview = PS::LineFromLastPoint},
    {.Code = kRadiusLeaderPosition, .Prompt = "表示位置をクリックして下さい(寸法線-半径)",
     .Preview = PS::LeaderShoulder},
    {.Code = kDiameterDimension, .Prompt = "円、又は円弧を選択して下さい(寸法線-直径)", .Dimension = DP::Options,
     .HelpContext = 250, .PickKinds = "34"},
    {.Code = kDiameterDimensionPosition, .Prompt = "表示位置をクリックして下さい(寸法線-直径)",
     .Preview = PS::DiameterLeader},
    {.Code = kDiameterLeader, .Prompt = "円、又は円弧を選択して下さい(寸法線-直径)", .Dimension = DP::Options,
     .HelpContext = 252, .PickKinds = "34"},
    {.Code = kDiameterLeaderKnee, .Prompt = "折れ線位置をクリックして下さい(寸法線-直径)",
     .Preview = PS::LineFromLastPoint},
    {.Code = kDiameterLeaderPosition, .Prompt = "表示位置をクリックして下さい(寸法線-直径)",
     .Preview = PS::LeaderShoulder},
    {.Code = kAngleDimension, .Prompt = "1つ目の直線を選択して下さい(角度表示)",
     .Again = "1つ目の直線を指定して下さい(角度表示)", .Dimension = DP::Options, .HelpContext = 260,
     .PickKinds = "1"},
    {.Code = kAngleDimensionSecond, .Prompt = "2つ目の直線を指定して下さい(角度表示)", .PickKinds = "1"},
    {.Code = kAngleDimensionPosition, .Prompt = "表示位置をクリックして下さい(角度表示)", .Preview = PS::AngleArc},

    // Editing.
    {.Code = kPartialDelete, .Prompt = "マウスで消して下さい(クリック点より端点に近い方を消去します)",
     .HelpContext = 199, .PickKinds = "1234"},
    {.Code = kOffset, .Prompt = " 要素を選択して下さい(オフセット)", .Layout = kLayoutR, .LabelR = "W",
     .HelpContext = 200, .PickKinds = "1234"},
    {.Code = kOffsetSide, .Prompt = " 方向を指定して下さい(オフセット)"},
    {.Code = kExtend, .Prompt = "延長する直線又は円弧を選択して下さい(延長)",
     .AltPrompt = "延長する直線又は円弧を選択して下さい(延長)", .HelpContext = 206, .PickKinds = "123"},
    {.Code = kExtendTarget, .Prompt = "延長先の図形又は位置をクリックして下さい(延長)", .PickKinds = "1234"},
    {.Code = kTrimSelect, .Prompt = " 境界となる図形を単独、又は範囲選択して下さい。(トリム)",
     .Again = " 境界となる要素を選択するか範囲を作図して下さい。(トリム)", .HelpContext = 208,
     .Kind = SK::SelectionStep, .PickKinds = "12345", .Click = SelectionStepClick},
    {.Code = kTrimWindow, .Kind = SK::ConfirmedWindow, .WindowTakesLocked = true, .Click = ConfirmedWindowClick},
    {.Code = kTrimPiece, .Prompt = " クリック=トリム、[Shift]+クリック=選択変更　(トリム）", .PickKinds = "12345"},
    {.Code = kFillet, .Prompt = "半径を入力して、1つ目の直線を選択して下さい(角丸め)",
     .Again = "半径を入力して、1つ目の要素を選択して下さい(角丸め)", .Layout = kLayoutR, .HelpContext = 211,
     .PickKinds = "134"},
    {.Code = kFilletSecond, .Prompt = "２つ目の要素を選択して下さい(角丸め)", .PickKinds = "134"},
    {.Code = kChamfer, .Prompt = "面長さを入力して、1つ目の直線を選択して下さい(面取り)", .Layout = kLayoutR,
     .LabelR = "C", .HelpContext = 211, .PickKinds = "1"},
    {.Code = kChamferSecond, .Prompt = "2つ目の直線を選択して下さい(面取り)", .PickKinds = "1"},
    {.Code = kBreak, .Prompt = "分解する図形を選択して下さい(図形分解)", .HelpContext = 215, .PickKinds = "1234"},
    {.Code = kBreakBoundary, .Prompt = "境界となる要素を選択して下さい(図形分解)", .PickKinds = "1234"},
    {.Code = kGroupCreate, .Prompt = "グループ登録する図形を単独、又は範囲選択して下さい。", .HelpContext = 220,
     .Kind = SK::SelectionStep, .PickKinds = "0", .WindowTakesAnnotations = true, .PanelAlways = true,
     .Click = SelectionStepClick},
    WindowRow(kGroupCreateWindow, true),
    {.Code = kGroupDissolve, .Prompt = "グループ解除する図形の一つを選択して下さい。", .HelpContext = 220,
     .PickKinds = "0"},
    {.Code = kGroupAdd, .Prompt = "追加元グループの一つを選択して下さい。", .HelpContext = 224, .PickKinds = "0"},
    {.Code = kGroupAddMember, .Prompt = "グループに追加する図形をクリックして下さい(グループ追加)", .PickKinds = "0"},
    {.Code = kGroupRemove, .Prompt = "グループから除外する図形を選択して下さい。", .HelpContext = 224,
     .PickKinds = "0"},
    {.Code = kChainOffset, .Prompt = " 要素を選択して下さい(連続線オフセット)", .Layout = kLayoutR, .LabelR = "W",
     .HelpContext = 229, .PickKinds = "13"},
    {.Code = kChainOffsetSide, .Prompt = " 方向を指定して下さい(連続線オフセット)"},
    {.Code = kOffsetBothSides, .Prompt = " 要素を選択して下さい(Ｗオフセット)", .Layout = kLayoutR, .LabelR = "W",
     .HelpContext = 231, .PickKinds = "1234"},
    {.Code = kCircleCentreLines, .Prompt = "円をクリックして下さい(円の中心線)", .PickKinds = "34"},
    {.Code = kHalve, .Prompt = "2分割する直線、円弧をクリックして下さい(2分割)", .HelpContext = 234,
     .PickKinds = "134"},
    {.Code = kCentreLine, .Prompt = "直線、円弧をクリックして下さい(中心直線）", .HelpContext = 235, .PickKinds = "13"},
    {.Code = kContinuousTrim, .Prompt = "1つ目の要素の開始側クリックして下さい。(連続トリム)", .HelpContext = 238,
     .PickKinds = "134"},
    {.Code = kContinuousTrimNext, .Prompt = "次の要素を選択して下さい(連続トリム)", .PickKinds = "134"},
    {.Code = kCurveToLines, .Prompt = "直線に変更する曲線の端点をクリックして下さい(直線変換)", .PickKinds = "-4-5"},
    {.Code = kDivide, .Prompt = "分割する直線、円、円弧をクリックして下さい(分割)", .PickKinds = "134"},
    {.Code = kIntersectionPoints, .Prompt = "交点を求める1個めの図形をクリックして下さい(点)", .PickKinds = "134"},
    {.Code = kIntersectionPointsSecond, .Prompt = "もう1個の要素を選択して下さい（点)", .PickKinds = "134"},
    {.Code = kChainCheck, .Prompt = "確認する図形を選択して下さい(連続要素確認)", .PickKinds = "134"},

    // Free selection, the text, properties and delete.
    {.Code = kFreeSelection, .Click = FreeSelectionClick},
    {.Code = kFreeSelectionWindow},
    {.Code = kText, .Prompt = "文字を記入後、書きこむ位置をクリックして下さい(Text)", .Preview = PS::TextPlacement,
     .HelpContext = 296, .Click = TextPlacementClick},
    SelectionRow(kPropertiesSelect, " 図形を単独、又は範囲選択して下さい。(プロパティ)", nullptr, nullptr, 297, true),
    WindowRow(kPropertiesWindow, true),
    {.Code = kDeleteSelect, .Prompt = " 削除する図形を単独、又は範囲選択して下さい。(削除)", .HelpContext = 300,
     .Kind = SK::SelectionStep, .PickKinds = "0", .WindowTakesAnnotations = true, .Click = DeleteClick},
    {.Code = kDeleteWindow, .Kind = SK::ConfirmedWindow, .WindowTakesAnnotations = true, .Click = DeleteWindowClick},
};

// The snap search runs in the drawing steps and the base-point steps below 200; previews of the
// steps above 99 (dimensions, leaders, selections) are thin; "整数" belongs to the drawing commands
// up to the ellipses; the editing commands from 200 on start with snapping locked.
constexpr uint16_t kLastSnappingStep = 199;
constexpr uint16_t kLastThickPreviewStep = 99;
constexpr uint16_t kLastIntegerStep = 52;
constexpr uint16_t kFirstLockedStep = 200;
constexpr uint16_t kHighestStep = 303;

constexpr auto kRows = [] {
    std::array<StepRow, std::size(kTable)> rows{};
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i] = kTable[i];
        rows[i].Snaps = rows[i].Code <= kLastSnappingStep;
        rows[i].ThinPreview = rows[i].Code > kLastThickPreviewStep;
        rows[i].IntegerBox = rows[i].Code <= kLastIntegerStep;
        rows[i].StartsLocked = rows[i].Code >= kFirstLockedStep;
    }
    return rows;
}();

// Row number + 1 by code, 0 where no step has the code.
constexpr auto kRowOfCode = [] {
    std::array<uint16_t, kHighestStep + 1> rowOf{};
    for (size_t i = 0; i < kRows.size(); ++i) rowOf[kRows[i].Code] = static_cast<uint16_t>(i + 1);
    return rowOf;
}();

}  // namespace

std::span<const StepRow> StepRows() { return kRows; }

const StepRow* FindStep(uint16_t code)
{
    if (code >= kRowOfCode.size() || kRowOfCode[code] == 0) return nullptr;
    return &kRows[kRowOfCode[code] - 1];
}

bool IsParkable(uint16_t code) { return code == step::kPrintPlacement || FindStep(code) != nullptr; }

const char* StartLabelR(const StepRow& row)
{
    if (row.Dimension != DimensionPanels::None) return nullptr;
    return row.LabelR != nullptr ? row.LabelR : "R";
}

const char* EntryPrompt(const StepRow& row, bool altVariant)
{
    return altVariant && row.AltPrompt != nullptr ? row.AltPrompt : row.Prompt;
}

const char* ReturnPrompt(const StepRow& row, bool altVariant)
{
    if (altVariant && row.AltAgain != nullptr) return row.AltAgain;
    return row.Again != nullptr ? row.Again : EntryPrompt(row, altVariant);
}

}  // namespace vantro
