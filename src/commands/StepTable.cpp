#include "commands/StepTable.h"

#include "commands/BreakSteps.h"
#include "commands/CircleSteps.h"
#include "commands/CornerSteps.h"
#include "commands/CurveSteps.h"
#include "commands/DeleteSteps.h"
#include "commands/DimensionSteps.h"
#include "commands/DivideSteps.h"
#include "commands/ExtendSteps.h"
#include "commands/FillSteps.h"
#include "commands/GroupSteps.h"
#include "commands/HatchSteps.h"
#include "commands/ImageSteps.h"
#include "commands/LeaderSteps.h"
#include "commands/LineCommandSteps.h"
#include "commands/LineSteps.h"
#include "commands/OffsetSteps.h"
#include "commands/PartSaveSteps.h"
#include "commands/PointSteps.h"
#include "commands/PropertySteps.h"
#include "commands/SelectionSteps.h"
#include "commands/ShapeSteps.h"
#include "commands/TangentSteps.h"
#include "commands/TextSteps.h"
#include "commands/TransformSteps.h"
#include "commands/TrimSteps.h"

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
                               int help, bool annotations, ClickStepFunction click)
{
    return {.Code = code, .Prompt = prompt, .Again = again, .LabelR = labelR, .HelpContext = help,
            .Kind = SK::SelectionStep, .PickKinds = "0", .WindowTakesAnnotations = annotations,
            .Click = click};
}

constexpr StepRow WindowRow(uint16_t code, bool annotations, ClickStepFunction click = ConfirmedWindowClick)
{
    return {.Code = code, .Kind = SK::ConfirmedWindow, .WindowTakesAnnotations = annotations, .Click = click};
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
     .Constraint = SC::HorizontalLine, .HelpContext = 15, .Click = HorizontalLineClick, .Enter = HorizontalLineEnter},
    {.Code = kVerticalLine, .Prompt = " X座標を指定して下さい(直線-Y軸)", .Layout = kLayoutX,
     .Constraint = SC::VerticalLine, .HelpContext = 16, .Click = VerticalLineClick, .Enter = VerticalLineEnter},
    {.Code = kLineFirstPoint, .Prompt = " 1点目を指定して下さい(直線-2点)", .Layout = kLayoutXY, .HelpContext = 17,
     .Click = LineFirstClick, .Enter = LineFirstEnter},
    {.Code = kLineSecondPoint, .Prompt = " 2点目を指定して下さい(直線-2点)", .Preview = PS::RubberLine,
     .Click = LineSecondClick, .Enter = LineSecondEnter},
    {.Code = kContinuousLineFirst, .Prompt = " 1点目を指定して下さい(直線-2点)", .Layout = kLayoutXY,
     .HelpContext = 19, .Click = ContinuousLineFirstClick, .Enter = ContinuousLineFirstEnter},
    {.Code = kContinuousLineNext, .Prompt = " 次の点を指定して下さい(直線-連続)", .Preview = PS::RubberLine,
     .Click = ContinuousLineNextClick, .Enter = ContinuousLineNextEnter},
    {.Code = kPoint, .Prompt = "座標を指定して下さい(点)", .Layout = kLayoutXY, .HelpContext = 21, .Click = PointClick,
     .Enter = PointEnter},
    {.Code = kAngleLine, .Prompt = " 基点(XY)と角度を指定して下さい(直線-通過点と角度)", .Layout = kLayoutXYRFocusR,
     .LabelR = "Q", .Constraint = SC::AngleLine, .HelpContext = 22, .Click = AngleLineClick, .Enter = AngleLineEnter},
    {.Code = kAngleLineBase, .Prompt = " 基点をクリックして下さい(直線-２点と角度)",
     .Again = "  基点をクリックして下さい(直線-２点と角度)", .LabelR = "Q", .HelpContext = 23,
     .Click = AngleLineBaseClick},
    {.Code = kAngleLineSecond, .Prompt = " ２点目を指定して下さい(直線-２点と角度)", .Preview = PS::RubberLine,
     .Click = AngleLineSecondClick},
    {.Code = kAngleLineAngle, .Prompt = " 相対角度を入力して下さい(直線-２点と角度)", .Enter = AngleLineAngleEnter},
    {.Code = kTangentLineFirst, .Prompt = " 1つ目の要素を選択して下さい(直線-接円)",
     .Again = " 1つ目の要素を選択して下さい(直線-外接円)", .HelpContext = 202, .PickKinds = "34",
     .Click = TangentLineFirstClick},
    {.Code = kTangentLineSecond, .Prompt = "２つ目の要素を選択して下さい(直線-接円)", .PickKinds = "34",
     .Click = TangentLineSecondClick},
    {.Code = kMiddleLine, .Prompt = " 1つ目の直線を選択して下さい(直線-2直線の中間線)",
     .Again = "1つ目の直線を選択して下さい(直線-2直線の中間線)", .HelpContext = 241, .PickKinds = "1",
     .Click = MiddleLineFirstClick},
    {.Code = kMiddleLineSecond, .Prompt = "2つ目の直線を選択して下さい(直線-2直線の中間線)", .PickKinds = "1",
     .Click = MiddleLineSecondClick},

    // Circles and arcs.
    {.Code = kCircleCentre, .Prompt = " 中心点と半径を指定して下さい(円-中心と半径)",
     .AltPrompt = " 中心点と直径を指定して下さい(円-中心と直径)",
     .Again = "中心点と半径を入力又はクリックして下さい(円-中心)",
     .AltAgain = "中心点と直径を入力又はクリックして下さい(円-中心)", .Layout = kLayoutXYR,
     .Preview = PS::TypedCircle, .HelpContext = 30, .Click = CircleCentreClick, .Enter = CircleCentreEnter},
    {.Code = kCircleRadius, .Prompt = "半径を入力又はクリックして下さい(円-中心)",
     .AltPrompt = "直径を入力又はクリックして下さい(円-中心)", .Preview = PS::CircleByRadius,
     .Click = CircleRadiusClick, .Enter = CircleRadiusEnter},
    {.Code = kTangentCircleFirst, .Prompt = " 1つ目の要素を選択して下さい(円-接円)", .Layout = kLayoutR,
     .HelpContext = 32, .PickKinds = "1345", .Click = TangentFirstClick},
    {.Code = kTangentCircleSecond, .Prompt = " ２つ目の要素を選択して下さい(円-接円)", .PickKinds = "1345",
     .Click = TangentRadiusSecondClick, .Enter = TangentRadiusEnter},
    {.Code = kCircle2PointsFirst, .Prompt = "1点目を入力、又はクリックして下さい(円-2点)", .Layout = kLayoutXY,
     .HelpContext = 34, .Click = CirclePointsFirstClick, .Enter = CirclePointsFirstEnter},
    {.Code = kCircle2PointsSecond, .Prompt = " 2点目を指定して下さい(円-2点)", .Preview = PS::CircleOn2Points,
     .Click = Circle2PointsSecondClick, .Enter = Circle2PointsSecondEnter},
    {.Code = kCircle3PointsFirst, .Prompt = "1点目を入力、又はクリックして下さい(円-3点)", .Layout = kLayoutXY,
     .HelpContext = 36, .Click = CirclePointsFirstClick, .Enter = CirclePointsFirstEnter},
    {.Code = kCircle3PointsSecond, .Prompt = " 2点目を指定して下さい(円-3点)", .Click = Circle3PointsSecondClick,
     .Enter = Circle3PointsSecondEnter},
    {.Code = kCircle3PointsThird, .Prompt = " 3点目を指定して下さい(円-3点)", .Preview = PS::CircleThrough3Points,
     .Click = Circle3PointsThirdClick, .Enter = Circle3PointsThirdEnter},
    {.Code = kTangent3First, .Prompt = "1つ目の直線をクリックして下さい。(円作図-3要素に接する円)",
     .Again = "1つ目の要素を選択して下さい(3要素-接円)", .HelpContext = 59, .PickKinds = "1345",
     .Click = TangentFirstClick},
    {.Code = kTangent3Second, .Prompt = "２つ目の要素を選択して下さい(3要素-接円)", .PickKinds = "1345",
     .Click = Tangent3SecondClick},
    {.Code = kTangent3Third, .Prompt = "３つ目の要素を選択して下さい(3要素-接円)", .PickKinds = "1345",
     .Click = Tangent3ThirdClick},
    {.Code = kTangentArcFirst, .Prompt = " 1つ目の要素を選択して下さい(円弧-接円)", .Layout = kLayoutR,
     .HelpContext = 32, .PickKinds = "1345", .Click = TangentFirstClick},
    {.Code = kTangentArcSecond, .Prompt = " ２つ目の要素を選択して下さい(円-接円)", .PickKinds = "1345",
     .Click = TangentRadiusSecondClick, .Enter = TangentRadiusEnter},
    {.Code = kArcBetweenLinesRadius, .Prompt = "半径を入力するかクリックして下さい(円弧-2直線と半径)",
     .Preview = PS::ArcBetweenLines, .Click = ArcBetweenLinesRadiusClick, .Enter = ArcBetweenLinesRadiusEnter},
    {.Code = kArcBetweenLinesFirst, .Prompt = "1つ目の直線をクリックして下さい(円弧-2直線と半径)",
     .Again = "1つ目の直線を選択して下さい(円弧-2直線と半径)", .Layout = kLayoutR, .HelpContext = 243,
     .PickKinds = "1", .Click = ArcBetweenLinesFirstClick},
    {.Code = kArcBetweenLinesSecond, .Prompt = "2つ目の直線を選択して下さい(円弧-2直線と半径)", .PickKinds = "1",
     .Click = ArcBetweenLinesSecondClick},

    // Rectangles, polygons, curves, ellipses.
    {.Code = kRectangleFirst, .Prompt = "1つ目の頂点を入力するかクリックして下さい(四角作図)", .Layout = kLayoutXY,
     .HelpContext = 39, .Click = RectangleFirstClick, .Enter = RectangleFirstEnter},
    {.Code = kRectangleSecond, .Prompt = "対角の頂点を入力するかクリックして下さい(四角作図)",
     .Preview = PS::Rectangle, .Click = RectangleSecondClick, .Enter = RectangleSecondEnter},
    {.Code = kPolygonBySide,
     .Prompt = "初めに角数を入力してエンターキーを押すか中心点をクリックして下さい。(多角形作図-辺指定)",
     .Layout = kLayoutR, .LabelR = "N", .HelpContext = 41, .Click = PolygonStartClick, .Enter = PolygonCountEnter},
    {.Code = kPolygonBySideCentre, .Prompt = "中心を入力するかクリックして下さい(多角形作図)",
     .Click = PolygonCentreClick, .Enter = PolygonCentreEnter},
    {.Code = kPolygonBySideSize, .Prompt = "辺の長さを入力するかクリックして下さい(多角形作図)",
     .Preview = PS::PolygonBySide, .Click = PolygonSizeClick, .Enter = PolygonSizeEnter},
    {.Code = kPolygonByVertex,
     .Prompt = "初めに角数を入力してエンターキーを押すか中心点をクリックして下さい。(多角形作図-頂点指定)",
     .Layout = kLayoutR, .LabelR = "N", .HelpContext = 44, .Click = PolygonStartClick, .Enter = PolygonCountEnter},
    {.Code = kPolygonByVertexCentre, .Prompt = "中心を入力するかクリックして下さい(多角形作図)",
     .Click = PolygonCentreClick, .Enter = PolygonCentreEnter},
    {.Code = kPolygonByVertexSize, .Prompt = "頂点の長さを入力するかクリックして下さい(多角形作図)",
     .Preview = PS::PolygonByVertex, .Click = PolygonSizeClick, .Enter = PolygonSizeEnter},
    {.Code = kCurveFirst, .Prompt = "通過点を入力するかクリックして下さい。(自由曲線)",
     .AltPrompt = "制御点を入力するかクリックして下さい。(自由曲線)", .Layout = kLayoutXY, .HelpContext = 47,
     .Click = CurvePointClick, .Enter = CurvePointEnter},
    {.Code = kCurveNext, .Preview = PS::LineFromLastPoint, .Click = CurvePointClick, .Enter = CurvePointEnter},
    {.Code = kEllipseByEndsFirst, .Prompt = "基点(端点)を入力するかクリックして下さい(楕円作図)",
     .Layout = kLayoutXY, .HelpContext = 49, .Click = EllipseFirstClick, .Enter = EllipseFirstEnter},
    {.Code = kEllipseByEndsSecond, .Prompt = "対角線上の点を入力するかクリックして下さい(楕円作図)",
     .Preview = PS::EllipseAxisByEnds, .Click = EllipseAxisClick, .Enter = EllipseAxisEnter},
    {.Code = kEllipseByEndsHeight, .Prompt = "高さを示す点をクリックするか扁平率を入力して下さい(楕円作図)",
     .Preview = PS::EllipseHeightByEnds, .Click = EllipseHeightClick, .Enter = EllipseRatioEnter},
    {.Code = kEllipseByCentre, .Prompt = "中心点を入力するかクリックして下さい(楕円作図)", .Layout = kLayoutXY,
     .HelpContext = 52, .Click = EllipseFirstClick, .Enter = EllipseFirstEnter},
    {.Code = kEllipseByCentreAxis, .Prompt = "半径を入力するかクリックして下さい(楕円作図)",
     .Preview = PS::EllipseAxisFromCentre, .Click = EllipseAxisClick, .Enter = EllipseAxisEnter},
    {.Code = kEllipseByCentreHeight, .Prompt = "高さを示す点をクリックするか扁平率を入力して下さい(楕円作図)",
     .Preview = PS::EllipseHeightFromCentre, .Click = EllipseHeightClick, .Enter = EllipseRatioEnter},

    // Fill and hatching.
    {.Code = kHatch, .Prompt = "境界となる図形又は点をクリックして下さい(ハッチング)", .HelpContext = 55,
     .PickKinds = "1234", .Click = HatchClick},
    {.Code = kFill, .Prompt = "塗りつぶしを行う閉じたグループを選択して下さい。", .HelpContext = 228,
     .PickKinds = "0", .Click = FillClick},

    // Move, mirror, rotate, scale.
    {.Code = kMoveCopyCount, .Enter = MoveCopyCountEnter},
    SelectionRow(kMoveSelect, "移動する図形を単独、又は範囲選択して下さい。(移動)", kMoveAgain, "", 100, true,
                 MoveSelectClick),
    WindowRow(kMoveWindow, true, MoveWindowClick),
    {.Code = kMoveBase, .Prompt = "基点をクリックするか移動距離を入力して下さい(移動)", .Click = MoveBaseClick,
     .Enter = MoveBaseEnter},
    {.Code = kMoveDestination, .Prompt = "移動点をクリックするか、移動距離を入力して下さい(移動)",
     .Preview = PS::SelectionMoved, .Click = MoveDestinationClick},
    SelectionRow(kMoveCopySelect, "移動する図形を単独、又は範囲選択して下さい。(移動-コピー)", kMoveAgain, "N", 0,
                 true, MoveSelectClick),
    WindowRow(kMoveCopyWindow, true, MoveWindowClick),
    {.Code = kMoveCopyBase, .Prompt = "基点をクリックするか移動距離を入力して下さい(移動)", .Click = MoveBaseClick,
     .Enter = MoveBaseEnter},
    {.Code = kMoveCopyDestination, .Prompt = "移動点をクリックするか、移動距離を入力して下さい(移動)",
     .Preview = PS::SelectionMoved, .Click = MoveDestinationClick},
    SelectionRow(kMirrorSelect, "ミラーイメージする図形を単独、又は範囲選択して下さい。(ミラー)", kMirrorAgain, "", 108,
                 true, MirrorSelectClick),
    WindowRow(kMirrorWindow, true, MirrorWindowClick),
    {.Code = kMirrorAxisStart, .Prompt = "軸の基点をクリックするか入力して下さい(ミラー)",
     .Click = MirrorAxisStartClick, .Enter = MirrorAxisStartEnter},
    {.Code = kMirrorAxisEnd, .Prompt = "軸の終点をクリックするか入力して下さい(ミラー)",
     .Preview = PS::SelectionMirrored, .Click = MirrorAxisEndClick, .Enter = MirrorAxisEndEnter},
    SelectionRow(kMirrorCopySelect, "ミラーイメージする図形を単独、又は範囲選択して下さい。(ミラー-コピー)",
                 kMirrorAgain, "", 0, true, MirrorSelectClick),
    WindowRow(kMirrorCopyWindow, true, MirrorWindowClick),
    {.Code = kMirrorCopyAxisStart, .Prompt = "軸の基点をクリックするか入力して下さい(ミラー)",
     .Click = MirrorAxisStartClick, .Enter = MirrorAxisStartEnter},
    {.Code = kMirrorCopyAxisEnd, .Prompt = "軸の終点をクリックするか入力して下さい(ミラー)",
     .Preview = PS::SelectionMirrored, .Click = MirrorAxisEndClick, .Enter = MirrorAxisEndEnter},
    SelectionRow(kRotateSelect, "回転する図形を単独、又は範囲選択して下さい。(回転)", kRotateAgain, "", 116, true,
                 RotateSelectClick),
    WindowRow(kRotateWindow, true, RotateWindowClick),
    {.Code = kRotateCentre, .Prompt = "回転中心をクリックするか入力して下さい(回転)", .Click = RotateCentreClick,
     .Enter = RotateCentreEnter},
    {.Code = kRotateAngle, .Prompt = "回転角度を入力して下さい(回転)", .Preview = PS::SelectionRotated,
     .Click = RotateAngleClick, .Enter = RotateAngleEnter},
    SelectionRow(kRotateCopySelect, "回転する図形を単独、又は範囲選択して下さい。(回転-コピー)", kRotateAgain, "", 0,
                 true, RotateSelectClick),
    WindowRow(kRotateCopyWindow, true, RotateWindowClick),
    {.Code = kRotateCopyCentre, .Prompt = "回転中心をクリックするか入力して下さい(回転)", .Click = RotateCentreClick,
     .Enter = RotateCentreEnter},
    {.Code = kRotateCopyAngle, .Prompt = "回転角度を入力して下さい(回転)", .Preview = PS::SelectionRotated,
     .Click = RotateAngleClick, .Enter = RotateAngleEnter},
    {.Code = kRotateCopyCount, .Prompt = "コピー個数を入力して下さい(回転)", .Enter = RotateCopyCountEnter},
    SelectionRow(kScaleSelect, "図形を選択するか範囲を作図して下さい(倍率変換)", nullptr, "N", 125, true,
                 ScaleSelectClick),
    WindowRow(kScaleWindow, true, ScaleWindowClick),
    {.Code = kScaleBase, .Prompt = "倍率をかける基点をクリックするか入力して下さい(倍率変更)", .Click = ScaleBaseClick,
     .Enter = ScaleBaseEnter},
    {.Code = kScaleFactor, .Prompt = "倍率を入力して下さい(倍率変更)", .Click = ScaleFactorClick,
     .Enter = ScaleFactorEnter},

    // Part files and inserted images.
    {.Code = kPartSaveSelect, .Prompt = "部分保存する図形を包み窓により指定してください。",
     .Kind = SK::SelectionStep, .PickKinds = "0", .WindowTakesAnnotations = true, .PanelAlways = true,
     .Click = SelectionStepClick},
    {.Code = kPartSaveWindow, .Kind = SK::ConfirmedWindow, .WindowTakesAnnotations = true,
     .Click = PartSaveConfirmClick},
    {.Code = kImagePick, .Click = ImagePickClick},
    {.Code = kImagePlace, .Preview = PS::ImageOutline, .Click = ImagePlaceClick},
    {.Code = kImageDelete, .Click = ImageDeleteClick},
    {.Code = kImageResizePick, .Click = ImageResizePickClick},
    {.Code = kImageResize, .Preview = PS::ImageFrame, .Click = ImageResizeClick},

    // Dimensions and coordinate annotations.
    {.Code = kHorizontalDimension, .Prompt = "1つ目のポイントを選択して下さい(寸法線-X座標距離)",
     .Again = kLinearDimensionAgain, .Dimension = DP::OptionsAndLinear, .HelpContext = 156,
     .Click = LinearDimensionFirstClick},
    {.Code = kHorizontalDimensionSecond, .Prompt = kLinearDimensionSecond, .Click = LinearDimensionSecondClick},
    {.Code = kHorizontalDimensionPosition, .Prompt = kLinearDimensionPosition, .Preview = PS::HorizontalDimension,
     .Click = LinearDimensionPositionClick},
    {.Code = kVerticalDimension, .Prompt = "1つ目のポイントを選択して下さい(寸法線-Y座標距離)",
     .Again = kLinearDimensionAgain, .Dimension = DP::OptionsAndLinear, .HelpContext = 156,
     .Click = LinearDimensionFirstClick},
    {.Code = kVerticalDimensionSecond, .Prompt = kLinearDimensionSecond, .Click = LinearDimensionSecondClick},
    {.Code = kVerticalDimensionPosition, .Prompt = kLinearDimensionPosition, .Preview = PS::VerticalDimension,
     .Click = LinearDimensionPositionClick},
    {.Code = kAlignedDimension, .Prompt = "1つ目のポイントを選択して下さい(寸法線-直線距離)",
     .Again = kLinearDimensionAgain, .Dimension = DP::OptionsAndLinear, .HelpContext = 156,
     .Click = LinearDimensionFirstClick},
    {.Code = kAlignedDimensionSecond, .Prompt = kLinearDimensionSecond, .Click = LinearDimensionSecondClick},
    {.Code = kAlignedDimensionPosition, .Prompt = kLinearDimensionPosition, .Preview = PS::AlignedDimension,
     .Click = LinearDimensionPositionClick},
    {.Code = kCoordinate, .Prompt = "座標をクリックして下さい(座標表示)", .HelpContext = 159,
     .Click = LeaderSnapPointClick},
    {.Code = kCoordinateKnee, .Prompt = "折れ線位置をクリックして下さい(座標位置)", .Preview = PS::LineFromLastPoint,
     .Click = LeaderKneeClick},
    {.Code = kCoordinatePosition, .Prompt = "表示位置をクリックして下さい(座標位置)", .Preview = PS::LeaderShoulder,
     .Click = LeaderPositionClick},
    {.Code = kRelativeValues, .Prompt = "基点となる位置をクリックして下さい(相対値寸法表示)",
     .Dimension = DP::Options, .HelpContext = 162, .Click = RelativeValuesBaseClick},
    {.Code = kRelativeValuesPosition, .Prompt = "表示位置をクリックして下さい(相対値寸法表示)",
     .Preview = PS::RelativeValueLine, .Click = RelativeValuesPositionClick},
    {.Code = kRelativeValuesNext, .Prompt = "次ぎの座標をクリックして下さい(Shiftキーで表示位置変更)(相対値寸法表示)",
     .Again = "次ぎの座標をクリックして下さい(相対値寸法表示)", .Click = RelativeValuesNextClick},
    {.Code = kRelativeValuesNewPosition, .Prompt = "表示位置をクリックして下さい(相対値寸法表示)",
     .Click = RelativeValuesNewPositionClick},
    {.Code = kOriginChange, .Prompt = "新しい原点となる位置をクリックして下さい(原点変更)", .HelpContext = 166,
     .Click = OriginChangeClick},
    {.Code = kBaseCoordinate, .Prompt = "基点となる座標をクリックして下さい(基点相対座標)", .HelpContext = 167,
     .Click = BaseCoordinateBaseClick},
    {.Code = kBaseCoordinatePoint, .Prompt = "座標をクリックして下さい(基点相対座標)",
     .Click = LeaderSnapPointClick},
    {.Code = kBaseCoordinateKnee, .Prompt = "折れ線位置をクリックして下さい(基点相対座標)",
     .Preview = PS::LineFromLastPoint, .Click = LeaderKneeClick},
    {.Code = kBaseCoordinatePosition, .Prompt = "表示位置をクリックして下さい(基点相対座標)",
     .Preview = PS::LeaderShoulder, .Click = LeaderPositionClick},
    {.Code = kLeaderText, .Prompt = "基点位置をクリックして下さい(折れ線TEXT)", .HelpContext = 171,
     .Click = LeaderTextPointClick},
    {.Code = kLeaderTextKnee, .Prompt = "折れ線位置をクリックして下さい(折れ線TEXT)", .Preview = PS::LineFromLastPoint,
     .Click = LeaderKneeClick},
    {.Code = kLeaderTextPosition, .Prompt = "表示位置をクリックして下さい(折れ線TEXT)", .Preview = PS::LeaderShoulder,
     .Click = LeaderPositionClick},
    {.Code = kRadiusDimension, .Prompt = "円、又は円弧を選択して下さい(寸法線-半径)", .Dimension = DP::Options,
     .HelpContext = 250, .PickKinds = "34", .Click = DimensionCirclePickClick},
    {.Code = kRadiusDimensionPosition, .Prompt = "表示位置をクリックして下さい(寸法線-半径)",
     .Preview = PS::RadiusLeader, .Click = RadiusDimensionPositionClick},
    {.Code = kRadiusLeader, .Prompt = "円、又は円弧を選択して下さい(寸法線-折れ線半径)",
     .Again = "円、又は円弧を選択して下さい(寸法線-半径)", .Dimension = DP::Options, .HelpContext = 252,
     .PickKinds = "34", .Click = DimensionCirclePickClick},
    {.Code = kRadiusLeaderKnee, .Prompt = "折れ線位置をクリックして下さい(寸法線-半径)",
     .Preview = PS::LineFromLastPoint, .Click = LeaderKneeClick},
    {.Code = kRadiusLeaderPosition, .Prompt = "表示位置をクリックして下さい(寸法線-半径)",
     .Preview = PS::LeaderShoulder, .Click = LeaderPositionClick},
    {.Code = kDiameterDimension, .Prompt = "円、又は円弧を選択して下さい(寸法線-直径)", .Dimension = DP::Options,
     .HelpContext = 250, .PickKinds = "34", .Click = DimensionCirclePickClick},
    {.Code = kDiameterDimensionPosition, .Prompt = "表示位置をクリックして下さい(寸法線-直径)",
     .Preview = PS::DiameterLeader, .Click = RadiusDimensionPositionClick},
    {.Code = kDiameterLeader, .Prompt = "円、又は円弧を選択して下さい(寸法線-直径)", .Dimension = DP::Options,
     .HelpContext = 252, .PickKinds = "34", .Click = DimensionCirclePickClick},
    {.Code = kDiameterLeaderKnee, .Prompt = "折れ線位置をクリックして下さい(寸法線-直径)",
     .Preview = PS::LineFromLastPoint, .Click = LeaderKneeClick},
    {.Code = kDiameterLeaderPosition, .Prompt = "表示位置をクリックして下さい(寸法線-直径)",
     .Preview = PS::LeaderShoulder, .Click = LeaderPositionClick},
    {.Code = kAngleDimension, .Prompt = "1つ目の直線を選択して下さい(角度表示)",
     .Again = "1つ目の直線を指定して下さい(角度表示)", .Dimension = DP::Options, .HelpContext = 260,
     .PickKinds = "1", .Click = AngleDimensionFirstClick},
    {.Code = kAngleDimensionSecond, .Prompt = "2つ目の直線を指定して下さい(角度表示)", .PickKinds = "1",
     .Click = AngleDimensionSecondClick},
    {.Code = kAngleDimensionPosition, .Prompt = "表示位置をクリックして下さい(角度表示)", .Preview = PS::AngleArc,
     .Click = AngleDimensionPositionClick},

    // Editing.
    {.Code = kPartialDelete, .Prompt = "マウスで消して下さい(クリック点より端点に近い方を消去します)",
     .HelpContext = 199, .PickKinds = "1234", .Click = PartialDeleteClick},
    {.Code = kOffset, .Prompt = " 要素を選択して下さい(オフセット)", .Layout = kLayoutR, .LabelR = "W",
     .HelpContext = 200, .PickKinds = "1234", .Click = OffsetPickClick, .Enter = OffsetEnter},
    {.Code = kOffsetSide, .Prompt = " 方向を指定して下さい(オフセット)", .Click = OffsetSideClick, .Enter = OffsetEnter},
    {.Code = kExtend, .Prompt = "延長する直線又は円弧を選択して下さい(延長)",
     .AltPrompt = "延長する直線又は円弧を選択して下さい(延長)", .HelpContext = 206, .PickKinds = "123",
     .Click = ExtendPickClick},
    {.Code = kExtendTarget, .Prompt = "延長先の図形又は位置をクリックして下さい(延長)", .PickKinds = "1234",
     .Click = ExtendTargetClick},
    {.Code = kTrimSelect, .Prompt = " 境界となる図形を単独、又は範囲選択して下さい。(トリム)",
     .Again = " 境界となる要素を選択するか範囲を作図して下さい。(トリム)", .HelpContext = 208,
     .Kind = SK::SelectionStep, .PickKinds = "12345", .Click = TrimBoundaryClick},
    {.Code = kTrimWindow, .Kind = SK::ConfirmedWindow, .WindowTakesLocked = true, .Click = TrimWindowClick},
    {.Code = kTrimPiece, .Prompt = " クリック=トリム、[Shift]+クリック=選択変更　(トリム）", .PickKinds = "12345",
     .Click = TrimPieceClick},
    {.Code = kFillet, .Prompt = "半径を入力して、1つ目の直線を選択して下さい(角丸め)",
     .Again = "半径を入力して、1つ目の要素を選択して下さい(角丸め)", .Layout = kLayoutR, .HelpContext = 211,
     .PickKinds = "134", .Click = FilletFirstClick},
    {.Code = kFilletSecond, .Prompt = "２つ目の要素を選択して下さい(角丸め)", .PickKinds = "134",
     .Click = FilletSecondClick},
    {.Code = kChamfer, .Prompt = "面長さを入力して、1つ目の直線を選択して下さい(面取り)", .Layout = kLayoutR,
     .LabelR = "C", .HelpContext = 211, .PickKinds = "1", .Click = ChamferFirstClick},
    {.Code = kChamferSecond, .Prompt = "2つ目の直線を選択して下さい(面取り)", .PickKinds = "1",
     .Click = ChamferSecondClick},
    {.Code = kBreak, .Prompt = "分解する図形を選択して下さい(図形分解)", .HelpContext = 215, .PickKinds = "1234",
     .Click = BreakFirstClick},
    {.Code = kBreakBoundary, .Prompt = "境界となる要素を選択して下さい(図形分解)", .PickKinds = "1234",
     .Click = BreakBoundaryClick},
    {.Code = kGroupCreate, .Prompt = "グループ登録する図形を単独、又は範囲選択して下さい。", .HelpContext = 220,
     .Kind = SK::SelectionStep, .PickKinds = "0", .WindowTakesAnnotations = true, .PanelAlways = true,
     .Click = SelectionStepClick},
    WindowRow(kGroupCreateWindow, true, GroupCreateWindowClick),
    {.Code = kGroupDissolve, .Prompt = "グループ解除する図形の一つを選択して下さい。", .HelpContext = 220,
     .PickKinds = "0", .Click = GroupDissolveClick},
    {.Code = kGroupAdd, .Prompt = "追加元グループの一つを選択して下さい。", .HelpContext = 224, .PickKinds = "0",
     .Click = GroupAddClick},
    {.Code = kGroupAddMember, .Prompt = "グループに追加する図形をクリックして下さい(グループ追加)", .PickKinds = "0",
     .Click = GroupAddMemberClick},
    {.Code = kGroupRemove, .Prompt = "グループから除外する図形を選択して下さい。", .HelpContext = 224,
     .PickKinds = "0", .Click = GroupRemoveClick},
    {.Code = kChainOffset, .Prompt = " 要素を選択して下さい(連続線オフセット)", .Layout = kLayoutR, .LabelR = "W",
     .HelpContext = 229, .PickKinds = "13", .Click = ChainOffsetPickClick},
    {.Code = kChainOffsetSide, .Prompt = " 方向を指定して下さい(連続線オフセット)", .Click = ChainOffsetSideClick},
    {.Code = kOffsetBothSides, .Prompt = " 要素を選択して下さい(Ｗオフセット)", .Layout = kLayoutR, .LabelR = "W",
     .HelpContext = 231, .PickKinds = "1234", .Click = BothSidesClick, .Enter = BothSidesEnter},
    {.Code = kCircleCentreLines, .Prompt = "円をクリックして下さい(円の中心線)", .PickKinds = "34",
     .Click = CircleCentreLinesClick},
    {.Code = kHalve, .Prompt = "2分割する直線、円弧をクリックして下さい(2分割)", .HelpContext = 234,
     .PickKinds = "134", .Click = HalveClick},
    {.Code = kCentreLine, .Prompt = "直線、円弧をクリックして下さい(中心直線）", .HelpContext = 235, .PickKinds = "13",
     .Click = CentreLineClick},
    {.Code = kContinuousTrim, .Prompt = "1つ目の要素の開始側クリックして下さい。(連続トリム)", .HelpContext = 238,
     .PickKinds = "134", .Click = ContinuousTrimFirstClick},
    {.Code = kContinuousTrimNext, .Prompt = "次の要素を選択して下さい(連続トリム)", .PickKinds = "134",
     .Click = ContinuousTrimNextClick},
    {.Code = kCurveToLines, .Prompt = "直線に変更する曲線の端点をクリックして下さい(直線変換)", .PickKinds = "-4-5",
     .Click = CurveToLinesClick},
    {.Code = kDivide, .Prompt = "分割する直線、円、円弧をクリックして下さい(分割)", .PickKinds = "134",
     .Click = DivideClick},
    {.Code = kIntersectionPoints, .Prompt = "交点を求める1個めの図形をクリックして下さい(点)", .PickKinds = "134",
     .Click = IntersectionFirstClick},
    {.Code = kIntersectionPointsSecond, .Prompt = "もう1個の要素を選択して下さい（点)", .PickKinds = "134",
     .Click = IntersectionSecondClick},
    {.Code = kChainCheck, .Prompt = "確認する図形を選択して下さい(連続要素確認)", .PickKinds = "134",
     .Click = ChainCheckClick},

    // Free selection, the text, properties and delete.
    {.Code = kFreeSelection, .Click = FreeSelectionClick},
    {.Code = kFreeSelectionWindow},
    {.Code = kText, .Prompt = "文字を記入後、書きこむ位置をクリックして下さい(Text)", .Preview = PS::TextPlacement,
     .HelpContext = 296, .Click = TextPlacementClick},
    SelectionRow(kPropertiesSelect, " 図形を単独、又は範囲選択して下さい。(プロパティ)", nullptr, nullptr, 297, true,
                 PropertiesClick),
    WindowRow(kPropertiesWindow, true, PropertiesWindowClick),
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
