#include "ui/ToolButtonTable.h"

#include <array>

namespace vantro {
namespace {

using enum ToolPreset;
using enum RightButton;

constexpr ToolButtonRow kRows[] = {
    {"SpeedButton17", "２点直線作図", 17, 4, " 1点目を指定して下さい(直線-2点)"},
    {"SpeedButton15", "水平直線作図", 15, 2, " Y座標を指定して下さい(直線-X軸)"},
    {"SpeedButton16", "垂直直線作図", 16, 1, " X座標を指定して下さい(直線-Y軸)"},
    {"SpeedButton19", "連続直線作図", 19, 4, " 1点目を指定して下さい(直線-2点)"},
    {"SpeedButton22", "角度直線作図", 22, 6, " 基点(XY)と角度を指定して下さい(直線-通過点と角度)", Click, 0, 0, nullptr, LastAngle},
    {"SpeedButton23", "２点指定角度直線作図", 23, 0, " 基点をクリックして下さい(直線-２点と角度)", Click, 0, 0, nullptr, LastAngleHidden},
    {"SpeedButton202", "2円に接する直線作図", 202, 0, " 1つ目の要素を選択して下さい(直線-接円)"},
    {"SpeedButton241", "２直線の中間直線", 241, 0, " 1つ目の直線を選択して下さい(直線-2直線の中間線)"},
    {"SpeedButton30", "円作図(左=半径指定　右=直径指定)", 30, 5, " 中心点と半径を指定して下さい(円-中心と半径)", AltVariant, 30, 5, " 中心点と直径を指定して下さい(円-中心と直径)", CircleRadius},
    {"SpeedButton34", "2点を通る円作図", 34, 4, "1点目を入力、又はクリックして下さい(円-2点)", Click, 0, 0, nullptr, CircleCentreBox},
    {"SpeedButton36", "3点を通る円作図", 36, 4, "1点目を入力、又はクリックして下さい(円-3点)", Click, 0, 0, nullptr, CircleCentreBox},
    {"SpeedButton32", "接円作図(2要素と半径)", 32, 3, " 1つ目の要素を選択して下さい(円-接円)", AltVariant, 32, 3, " 1つ目の要素を選択して下さい(円-接円)", TangentRadius},
    {"SpeedButton64", "接円弧作図（2要素と半径）", 64, 3, " 1つ目の要素を選択して下さい(円弧-接円)", AltVariant, 64, 3, " 1つ目の要素を選択して下さい(円弧-接円)", TangentRadius},
    {"SpeedButton59", "接円作図（3要素に接する円）", 59, 0, "1つ目の直線をクリックして下さい。(円作図-3要素に接する円)", AltVariant, 59, 0, "1つ目の直線をクリックして下さい。(円作図-3要素に接する円)", TangentThree},
    {"SpeedButton243", "２直線の中間円弧", 243, 3, "1つ目の直線をクリックして下さい(円弧-2直線と半径)", Click, 0, 0, nullptr, LastRadiusFocused},
    {"SpeedButton39", "四角作図　右=塗りつぶし", 39, 4, "1つ目の頂点を入力するかクリックして下さい(四角作図)", AltVariant, 39, 4, "1つ目の頂点を入力するかクリックして下さい(四角作図)"},
    {"SpeedButton41", "多角形（辺）", 41, 3, "初めに角数を入力してエンターキーを押すか中心点をクリックして下さい。(多角形作図-辺指定)", Click, 0, 0, nullptr, LastCorners},
    {"SpeedButton44", "多角形（頂点）", 44, 3, "初めに角数を入力してエンターキーを押すか中心点をクリックして下さい。(多角形作図-頂点指定)", Click, 0, 0, nullptr, LastCorners},
    {"SpeedButton49", "楕円-2点", 49, 4, "基点(端点)を入力するかクリックして下さい(楕円作図)"},
    {"SpeedButton52", "楕円-中心+半径", 52, 4, "中心点を入力するかクリックして下さい(楕円作図)"},
    {"SpeedButton21", "左=点作図　右=2要素の交点作図", 21, 4, "座標を指定して下さい(点)", OtherCommand, 247, 0, "交点を求める1個めの図形をクリックして下さい(点)"},
    {"SpeedButton47", "左=通過点曲線、右=制御点曲線", 47, 4, "通過点を入力するかクリックして下さい。(自由曲線)", AltVariant, 47, 4, "制御点を入力するかクリックして下さい。(自由曲線)"},
    {"SpeedButton235", "直線、円弧の中心線", 235, 0, "直線、円弧をクリックして下さい(中心直線）"},
    {"SpeedButton232", "円の中心線", 232, 0, "円をクリックして下さい(円の中心線)", Click, 0, 0, nullptr, OnPanelOp},
    {"SpeedButton296", "テキスト挿入", 296, 0, "文字を記入後、書きこむ位置をクリックして下さい(Text)", Click, 0, 0, nullptr, TextDialog},
    {"SpeedButton150", "水平寸法", 150, 0, "1つ目のポイントを選択して下さい(寸法線-X座標距離)", Click, 0, 0, nullptr, Dimension},
    {"SpeedButton153", "垂直寸法", 153, 0, "1つ目のポイントを選択して下さい(寸法線-Y座標距離)", Click, 0, 0, nullptr, Dimension},
    {"SpeedButton156", "長さ寸法", 156, 0, "1つ目のポイントを選択して下さい(寸法線-直線距離)", Click, 0, 0, nullptr, Dimension},
    {"SpeedButton250", "半径寸法", 250, 0, "円、又は円弧を選択して下さい(寸法線-半径)", Click, 0, 0, nullptr, Dimension},
    {"SpeedButton252", "半径寸法-折れ線", 252, 0, "円、又は円弧を選択して下さい(寸法線-折れ線半径)", Click, 0, 0, nullptr, Dimension},
    {"SpeedButton255", "直径寸法", 255, 0, "円、又は円弧を選択して下さい(寸法線-直径)", Click, 0, 0, nullptr, Dimension},
    {"SpeedButton257", "直径寸法-折れ線", 257, 0, "円、又は円弧を選択して下さい(寸法線-直径)", Click, 0, 0, nullptr, Dimension},
    {"SpeedButton260", "角度表示", 260, 0, "1つ目の直線を選択して下さい(角度表示)", Click, 0, 0, nullptr, Dimension},
    {"SpeedButton159", "座標表示", 159, 0, "座標をクリックして下さい(座標表示)"},
    {"SpeedButton162", "相対値表示", 162, 0, "基点となる位置をクリックして下さい(相対値寸法表示)", Click, 0, 0, nullptr, Dimension},
    {"SpeedButton167", "座標表示（基点指定）", 167, 0, "基点となる座標をクリックして下さい(基点相対座標)"},
    {"SpeedButton171", "引き出しテキスト", 171, 0, "基点位置をクリックして下さい(折れ線TEXT)"},
    {"SpeedButton300", "図形削除", 300, 0, " 削除する図形を単独、又は範囲選択して下さい。(削除)"},
    {"SpeedButton199", "部分削除", 199, 0, "マウスで消して下さい(クリック点より端点に近い方を消去します)"},
    {"SpeedButton208", "トリム", 208, 0, " 境界となる図形を単独、又は範囲選択して下さい。(トリム)"},
    {"SpeedButton238", "連続トリム", 238, 0, "1つ目の要素の開始側クリックして下さい。(連続トリム)"},
    {"SpeedButton206", "延長（左=要素指定　右=長さ、角度指定）", 206, 0, "延長する直線又は円弧を選択して下さい(延長)", AltVariant, 206, 0, "延長する直線又は円弧を選択して下さい(延長)"},
    {"SpeedButton211", "2直線角丸め", 211, 3, "半径を入力して、1つ目の直線を選択して下さい(角丸め)", Click, 0, 0, nullptr, FilletRadius},
    {"SpeedButton213", "2直線面取り", 213, 3, "面長さを入力して、1つ目の直線を選択して下さい(面取り)", Click, 0, 0, nullptr, ChamferZero},
    {"SpeedButton215", "分解", 215, 0, "分解する図形を選択して下さい(図形分解)"},
    {"SpeedButton200", "ｵﾌｾｯﾄ", 200, 3, " 要素を選択して下さい(オフセット)", Click, 0, 0, nullptr, LastOffset},
    {"SpeedButton229", "連続線オフセット", 229, 3, " 要素を選択して下さい(連続線オフセット)", Click, 0, 0, nullptr, LastOffset},
    {"SpeedButton231", "オフセットW", 231, 3, " 要素を選択して下さい(Ｗオフセット)", Click, 0, 0, nullptr, LastOffset},
    {"SpeedButton100", "左=移動、右=移動コピー", 100, 0, "移動する図形を単独、又は範囲選択して下さい。(移動)", OtherCommand, 104, 0, "移動する図形を単独、又は範囲選択して下さい。(移動-コピー)", LockSnapping},
    {"SpeedButton108", "左=ミラー、右=ミラーコピー", 108, 0, "ミラーイメージする図形を単独、又は範囲選択して下さい。(ミラー)", OtherCommand, 112, 0, "ミラーイメージする図形を単独、又は範囲選択して下さい。(ミラー-コピー)", LockSnappingNoLabel},
    {"SpeedButton116", "左=回転、右=回転コピー", 116, 0, "回転する図形を単独、又は範囲選択して下さい。(回転)", OtherCommand, 120, 0, "回転する図形を単独、又は範囲選択して下さい。(回転-コピー)", LockSnapping},
    {"SpeedButton125", "倍率変更", 125, 0, "図形を選択するか範囲を作図して下さい(倍率変換)", Click, 0, 0, nullptr, LockSnapping},
    {"SpeedButton220", "左=グループ作成　右=グループ解除", 220, 0, "グループ登録する図形を単独、又は範囲選択して下さい。", OtherCommand, 223, 0, "グループ解除する図形の一つを選択して下さい。"},
    {"SpeedButton224", "左=グループ追加　右=グループ除外", 224, 0, "追加元グループの一つを選択して下さい。", OtherCommand, 226, 0, "グループから除外する図形を選択して下さい。"},
    {"SpeedButton166", "原点変更", 166, 0, "新しい原点となる位置をクリックして下さい(原点変更)"},
    {"SpeedButton297", "図形情報", 297, 0, " 図形を単独、又は範囲選択して下さい。(プロパティ)"},
    {"SpeedButton246", "等分割", 246, 0, "分割する直線、円、円弧をクリックして下さい(分割)", Click, 0, 0, nullptr, OnPanelOp},
    {"SpeedButton234", "2分割", 234, 0, "2分割する直線、円弧をクリックして下さい(2分割)", Click, 0, 0, nullptr, OnPanelOp},
    {"SpeedButton240", "曲線から直線に変換", 240, 0, "直線に変更する曲線の端点をクリックして下さい(直線変換)", Click, 0, 0, nullptr, OnPanelOp},
    {"SpeedButton55", "ハッチ", 55, 0, "境界となる図形又は点をクリックして下さい(ハッチング)"},
    {"SpeedButton228", "塗りつぶし", 228, 0, "塗りつぶしを行う閉じたグループを選択して下さい。"},
};

}  // namespace

std::span<const ToolButtonRow> ToolButtonRows() { return kRows; }

const ToolButtonRow* FindToolButton(int start)
{
    for (const ToolButtonRow& row : kRows)
        if (row.Start == start || (row.Right == OtherCommand && row.RightStart == start)) return &row;
    return nullptr;
}

}  // namespace vantro
