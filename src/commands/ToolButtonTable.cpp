#include "commands/ToolButtonTable.h"

#include "commands/StepCodes.h"

namespace vantro {
namespace {

using namespace step;
using enum ToolPreset;
using enum RightButton;

constexpr ToolButtonRow kRows[] = {
    {"SpeedButton17", "２点直線作図", kLineFirstPoint},
    {"SpeedButton15", "水平直線作図", kHorizontalLine},
    {"SpeedButton16", "垂直直線作図", kVerticalLine},
    {"SpeedButton19", "連続直線作図", kContinuousLineFirst},
    {"SpeedButton22", "角度直線作図", kAngleLine, Click, 0, LastAngle},
    {"SpeedButton23", "２点指定角度直線作図", kAngleLineBase, Click, 0, LastAngleHidden},
    {"SpeedButton202", "2円に接する直線作図", kTangentLineFirst},
    {"SpeedButton241", "２直線の中間直線", kMiddleLine},
    {"SpeedButton30", "円作図(左=半径指定　右=直径指定)", kCircleCentre, AltVariant, 0, CircleRadius, true},
    {"SpeedButton34", "2点を通る円作図", kCircle2PointsFirst, Click, 0, CircleCentreBox},
    {"SpeedButton36", "3点を通る円作図", kCircle3PointsFirst, Click, 0, CircleCentreBox},
    {"SpeedButton32", "接円作図(2要素と半径)", kTangentCircleFirst, AltVariant, 0, TangentRadius, true},
    {"SpeedButton64", "接円弧作図（2要素と半径）", kTangentArcFirst, AltVariant, 0, TangentRadius, true},
    {"SpeedButton59", "接円作図（3要素に接する円）", kTangent3First, AltVariant, 0, TangentThree, true},
    {"SpeedButton243", "２直線の中間円弧", kArcBetweenLinesFirst, Click, 0, LastRadiusFocused},
    {"SpeedButton39", "四角作図　右=塗りつぶし", kRectangleFirst, AltVariant, 0, None, true},
    {"SpeedButton41", "多角形（辺）", kPolygonBySide, Click, 0, LastCorners},
    {"SpeedButton44", "多角形（頂点）", kPolygonByVertex, Click, 0, LastCorners},
    {"SpeedButton49", "楕円-2点", kEllipseByEndsFirst},
    {"SpeedButton52", "楕円-中心+半径", kEllipseByCentre},
    {"SpeedButton21", "左=点作図　右=2要素の交点作図", kPoint, OtherCommand, kIntersectionPoints},
    {"SpeedButton47", "左=通過点曲線、右=制御点曲線", kCurveFirst, AltVariant, 0, None, true},
    {"SpeedButton235", "直線、円弧の中心線", kCentreLine},
    {"SpeedButton232", "円の中心線", kCircleCentreLines, Click, 0, OnPanelOp},
    {"SpeedButton296", "テキスト挿入", kText, Click, 0, TextDialog},
    {"SpeedButton150", "水平寸法", kHorizontalDimension},
    {"SpeedButton153", "垂直寸法", kVerticalDimension},
    {"SpeedButton156", "長さ寸法", kAlignedDimension},
    {"SpeedButton250", "半径寸法", kRadiusDimension},
    {"SpeedButton252", "半径寸法-折れ線", kRadiusLeader},
    {"SpeedButton255", "直径寸法", kDiameterDimension},
    {"SpeedButton257", "直径寸法-折れ線", kDiameterLeader},
    {"SpeedButton260", "角度表示", kAngleDimension},
    {"SpeedButton159", "座標表示", kCoordinate},
    {"SpeedButton162", "相対値表示", kRelativeValues},
    {"SpeedButton167", "座標表示（基点指定）", kBaseCoordinate},
    {"SpeedButton171", "引き出しテキスト", kLeaderText},
    {"SpeedButton300", "図形削除", kDeleteSelect},
    {"SpeedButton199", "部分削除", kPartialDelete},
    {"SpeedButton208", "トリム", kTrimSelect},
    {"SpeedButton238", "連続トリム", kContinuousTrim},
    {"SpeedButton206", "延長（左=要素指定　右=長さ、角度指定）", kExtend, AltVariant, 0},
    {"SpeedButton211", "2直線角丸め", kFillet, Click, 0, FilletRadius},
    {"SpeedButton213", "2直線面取り", kChamfer, Click, 0, ChamferZero},
    {"SpeedButton215", "分解", kBreak},
    {"SpeedButton200", "ｵﾌｾｯﾄ", kOffset, Click, 0, LastOffset},
    {"SpeedButton229", "連続線オフセット", kChainOffset, Click, 0, LastOffset},
    {"SpeedButton231", "オフセットW", kOffsetBothSides, Click, 0, LastOffset},
    {"SpeedButton100", "左=移動、右=移動コピー", kMoveSelect, OtherCommand, kMoveCopySelect, LockSnapping},
    {"SpeedButton108", "左=ミラー、右=ミラーコピー", kMirrorSelect, OtherCommand, kMirrorCopySelect, LockSnapping},
    {"SpeedButton116", "左=回転、右=回転コピー", kRotateSelect, OtherCommand, kRotateCopySelect, LockSnapping},
    {"SpeedButton125", "倍率変更", kScaleSelect, Click, 0, LockSnapping},
    {"SpeedButton220", "左=グループ作成　右=グループ解除", kGroupCreate, OtherCommand, kGroupDissolve},
    {"SpeedButton224", "左=グループ追加　右=グループ除外", kGroupAdd, OtherCommand, kGroupRemove},
    {"SpeedButton166", "原点変更", kOriginChange},
    {"SpeedButton297", "図形情報", kPropertiesSelect},
    {"SpeedButton246", "等分割", kDivide, Click, 0, OnPanelOp},
    {"SpeedButton234", "2分割", kHalve, Click, 0, OnPanelOp},
    {"SpeedButton240", "曲線から直線に変換", kCurveToLines, Click, 0, OnPanelOp},
    {"SpeedButton55", "ハッチ", kHatch, Click, 0, HatchDialog},
    {"SpeedButton228", "塗りつぶし", kFill},
};

}  // namespace

std::span<const ToolButtonRow> ToolButtonRows() { return kRows; }

const ToolButtonRow* FindToolButton(uint16_t start)
{
    for (const ToolButtonRow& row : kRows)
        if (row.Start == start || (row.Right == OtherCommand && row.RightStart == start)) return &row;
    return nullptr;
}

}  // namespace vantro
