#include "commands/StepTable.h"
#include "commands/ToolButtonTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vantro {
namespace {

// The tool buttons as the program's reference describes them, written out here rather than read
// from the tables under test. Right: 0 when the button has no right-button command; its own code
// when the right button starts the same command's variant.
struct ButtonCase {
    const char* Name;
    uint16_t Left;
    int LeftLayout;
    uint16_t Right;
    int RightLayout;
    const char* LeftPrompt;
    const char* RightPrompt;
    const char* LabelR;  // nullptr: a dimension start keeps LabelR and shows PanelDim
    int Help;
};

constexpr ButtonCase kButtons[] = {
    {"SpeedButton17", 17, 4, 0, 0, " 1点目を指定して下さい(直線-2点)", nullptr, "R", 17},
    {"SpeedButton15", 15, 2, 0, 0, " Y座標を指定して下さい(直線-X軸)", nullptr, "R", 15},
    {"SpeedButton16", 16, 1, 0, 0, " X座標を指定して下さい(直線-Y軸)", nullptr, "R", 16},
    {"SpeedButton19", 19, 4, 0, 0, " 1点目を指定して下さい(直線-2点)", nullptr, "R", 19},
    {"SpeedButton22", 22, 6, 0, 0, " 基点(XY)と角度を指定して下さい(直線-通過点と角度)", nullptr, "Q", 22},
    {"SpeedButton23", 23, 0, 0, 0, " 基点をクリックして下さい(直線-２点と角度)", nullptr, "Q", 23},
    {"SpeedButton202", 202, 0, 0, 0, " 1つ目の要素を選択して下さい(直線-接円)", nullptr, "R", 202},
    {"SpeedButton241", 241, 0, 0, 0, " 1つ目の直線を選択して下さい(直線-2直線の中間線)", nullptr, "R", 241},
    {"SpeedButton30", 30, 5, 30, 5, " 中心点と半径を指定して下さい(円-中心と半径)",
     " 中心点と直径を指定して下さい(円-中心と直径)", "R", 30},
    {"SpeedButton34", 34, 4, 0, 0, "1点目を入力、又はクリックして下さい(円-2点)", nullptr, "R", 34},
    {"SpeedButton36", 36, 4, 0, 0, "1点目を入力、又はクリックして下さい(円-3点)", nullptr, "R", 36},
    {"SpeedButton32", 32, 3, 32, 3, " 1つ目の要素を選択して下さい(円-接円)", " 1つ目の要素を選択して下さい(円-接円)",
     "R", 32},
    {"SpeedButton64", 64, 3, 64, 3, " 1つ目の要素を選択して下さい(円弧-接円)",
     " 1つ目の要素を選択して下さい(円弧-接円)", "R", 32},
    {"SpeedButton59", 59, 0, 59, 0, "1つ目の直線をクリックして下さい。(円作図-3要素に接する円)",
     "1つ目の直線をクリックして下さい。(円作図-3要素に接する円)", "R", 59},
    {"SpeedButton243", 243, 3, 0, 0, "1つ目の直線をクリックして下さい(円弧-2直線と半径)", nullptr, "R", 243},
    {"SpeedButton39", 39, 4, 39, 4, "1つ目の頂点を入力するかクリックして下さい(四角作図)",
     "1つ目の頂点を入力するかクリックして下さい(四角作図)", "R", 39},
    {"SpeedButton41", 41, 3, 0, 0,
     "初めに角数を入力してエンターキーを押すか中心点をクリックして下さい。(多角形作図-辺指定)", nullptr, "N", 41},
    {"SpeedButton44", 44, 3, 0, 0,
     "初めに角数を入力してエンターキーを押すか中心点をクリックして下さい。(多角形作図-頂点指定)", nullptr, "N", 44},
    {"SpeedButton49", 49, 4, 0, 0, "基点(端点)を入力するかクリックして下さい(楕円作図)", nullptr, "R", 49},
    {"SpeedButton52", 52, 4, 0, 0, "中心点を入力するかクリックして下さい(楕円作図)", nullptr, "R", 52},
    {"SpeedButton21", 21, 4, 247, 0, "座標を指定して下さい(点)", "交点を求める1個めの図形をクリックして下さい(点)",
     "R", 21},
    {"SpeedButton47", 47, 4, 47, 4, "通過点を入力するかクリックして下さい。(自由曲線)",
     "制御点を入力するかクリックして下さい。(自由曲線)", "R", 47},
    {"SpeedButton235", 235, 0, 0, 0, "直線、円弧をクリックして下さい(中心直線）", nullptr, "R", 235},
    {"SpeedButton232", 232, 0, 0, 0, "円をクリックして下さい(円の中心線)", nullptr, "R", 0},
    {"SpeedButton296", 296, 0, 0, 0, "文字を記入後、書きこむ位置をクリックして下さい(Text)", nullptr, "R", 296},
    {"SpeedButton150", 150, 0, 0, 0, "1つ目のポイントを選択して下さい(寸法線-X座標距離)", nullptr, nullptr, 156},
    {"SpeedButton153", 153, 0, 0, 0, "1つ目のポイントを選択して下さい(寸法線-Y座標距離)", nullptr, nullptr, 156},
    {"SpeedButton156", 156, 0, 0, 0, "1つ目のポイントを選択して下さい(寸法線-直線距離)", nullptr, nullptr, 156},
    {"SpeedButton250", 250, 0, 0, 0, "円、又は円弧を選択して下さい(寸法線-半径)", nullptr, nullptr, 250},
    {"SpeedButton252", 252, 0, 0, 0, "円、又は円弧を選択して下さい(寸法線-折れ線半径)", nullptr, nullptr, 252},
    {"SpeedButton255", 255, 0, 0, 0, "円、又は円弧を選択して下さい(寸法線-直径)", nullptr, nullptr, 250},
    {"SpeedButton257", 257, 0, 0, 0, "円、又は円弧を選択して下さい(寸法線-直径)", nullptr, nullptr, 252},
    {"SpeedButton260", 260, 0, 0, 0, "1つ目の直線を選択して下さい(角度表示)", nullptr, nullptr, 260},
    {"SpeedButton159", 159, 0, 0, 0, "座標をクリックして下さい(座標表示)", nullptr, "R", 159},
    {"SpeedButton162", 162, 0, 0, 0, "基点となる位置をクリックして下さい(相対値寸法表示)", nullptr, nullptr, 162},
    {"SpeedButton167", 167, 0, 0, 0, "基点となる座標をクリックして下さい(基点相対座標)", nullptr, "R", 167},
    {"SpeedButton171", 171, 0, 0, 0, "基点位置をクリックして下さい(折れ線TEXT)", nullptr, "R", 171},
    {"SpeedButton300", 300, 0, 0, 0, " 削除する図形を単独、又は範囲選択して下さい。(削除)", nullptr, "R", 300},
    {"SpeedButton199", 199, 0, 0, 0, "マウスで消して下さい(クリック点より端点に近い方を消去します)", nullptr, "R", 199},
    {"SpeedButton208", 208, 0, 0, 0, " 境界となる図形を単独、又は範囲選択して下さい。(トリム)", nullptr, "R", 208},
    {"SpeedButton238", 238, 0, 0, 0, "1つ目の要素の開始側クリックして下さい。(連続トリム)", nullptr, "R", 238},
    {"SpeedButton206", 206, 0, 206, 0, "延長する直線又は円弧を選択して下さい(延長)",
     "延長する直線又は円弧を選択して下さい(延長)", "R", 206},
    {"SpeedButton211", 211, 3, 0, 0, "半径を入力して、1つ目の直線を選択して下さい(角丸め)", nullptr, "R", 211},
    {"SpeedButton213", 213, 3, 0, 0, "面長さを入力して、1つ目の直線を選択して下さい(面取り)", nullptr, "C", 211},
    {"SpeedButton215", 215, 0, 0, 0, "分解する図形を選択して下さい(図形分解)", nullptr, "R", 215},
    {"SpeedButton200", 200, 3, 0, 0, " 要素を選択して下さい(オフセット)", nullptr, "W", 200},
    {"SpeedButton229", 229, 3, 0, 0, " 要素を選択して下さい(連続線オフセット)", nullptr, "W", 229},
    {"SpeedButton231", 231, 3, 0, 0, " 要素を選択して下さい(Ｗオフセット)", nullptr, "W", 231},
    {"SpeedButton100", 100, 0, 104, 0, "移動する図形を単独、又は範囲選択して下さい。(移動)",
     "移動する図形を単独、又は範囲選択して下さい。(移動-コピー)", "", 100},
    {"SpeedButton108", 108, 0, 112, 0, "ミラーイメージする図形を単独、又は範囲選択して下さい。(ミラー)",
     "ミラーイメージする図形を単独、又は範囲選択して下さい。(ミラー-コピー)", "", 108},
    {"SpeedButton116", 116, 0, 120, 0, "回転する図形を単独、又は範囲選択して下さい。(回転)",
     "回転する図形を単独、又は範囲選択して下さい。(回転-コピー)", "", 116},
    {"SpeedButton125", 125, 0, 0, 0, "図形を選択するか範囲を作図して下さい(倍率変換)", nullptr, "N", 125},
    {"SpeedButton220", 220, 0, 223, 0, "グループ登録する図形を単独、又は範囲選択して下さい。",
     "グループ解除する図形の一つを選択して下さい。", "R", 220},
    {"SpeedButton224", 224, 0, 226, 0, "追加元グループの一つを選択して下さい。",
     "グループから除外する図形を選択して下さい。", "R", 224},
    {"SpeedButton166", 166, 0, 0, 0, "新しい原点となる位置をクリックして下さい(原点変更)", nullptr, "R", 166},
    {"SpeedButton297", 297, 0, 0, 0, " 図形を単独、又は範囲選択して下さい。(プロパティ)", nullptr, "R", 297},
    {"SpeedButton246", 246, 0, 0, 0, "分割する直線、円、円弧をクリックして下さい(分割)", nullptr, "R", 0},
    {"SpeedButton234", 234, 0, 0, 0, "2分割する直線、円弧をクリックして下さい(2分割)", nullptr, "R", 234},
    {"SpeedButton240", 240, 0, 0, 0, "直線に変更する曲線の端点をクリックして下さい(直線変換)", nullptr, "R", 0},
    {"SpeedButton55", 55, 0, 0, 0, "境界となる図形又は点をクリックして下さい(ハッチング)", nullptr, "R", 55},
    {"SpeedButton228", 228, 0, 0, 0, "塗りつぶしを行う閉じたグループを選択して下さい。", nullptr, "R", 228},
};

void ExpectStart(uint16_t code, int layout, const char* prompt, bool altVariant, const ButtonCase& c)
{
    const StepRow* row = FindStep(code);
    ASSERT_NE(row, nullptr) << code;
    EXPECT_EQ(row->Layout, layout);
    EXPECT_STREQ(EntryPrompt(*row, altVariant), prompt);
    const char* label = StartLabelR(*row);
    if (c.LabelR == nullptr) {
        EXPECT_EQ(label, nullptr);
        EXPECT_NE(row->Dimension, DimensionPanels::None);
    } else {
        ASSERT_NE(label, nullptr);
        // A right button that starts another command has that command's caption ("移動-コピー": "N").
        if (code == c.Left) {
            EXPECT_STREQ(label, c.LabelR);
        }
    }
}

TEST(StepTable, EveryToolButtonStartsAsTheReferenceDescribes)
{
    std::set<std::string> seen;
    for (const ButtonCase& c : kButtons) {
        SCOPED_TRACE(c.Name);
        seen.insert(c.Name);
        const ToolButtonRow* button = nullptr;
        for (const ToolButtonRow& row : ToolButtonRows())
            if (std::string(row.Name) == c.Name) button = &row;
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->Start, c.Left);
        ExpectStart(c.Left, c.LeftLayout, c.LeftPrompt, false, c);
        EXPECT_EQ(FindStep(c.Left)->HelpContext, c.Help);
        if (c.Right == 0) {
            EXPECT_EQ(button->Right, RightButton::Click);
        } else if (c.Right == c.Left) {
            EXPECT_EQ(button->Right, RightButton::AltVariant);
            ExpectStart(c.Right, c.RightLayout, c.RightPrompt, true, c);
        } else {
            EXPECT_EQ(button->Right, RightButton::OtherCommand);
            EXPECT_EQ(button->RightStart, c.Right);
            ExpectStart(c.Right, c.RightLayout, c.RightPrompt, false, c);
        }
    }
    EXPECT_EQ(seen.size(), ToolButtonRows().size()) << "a button of the table is missing here";
}

TEST(StepTable, RightButtonStartsHaveTheirOwnCaptionAndHelp)
{
    const struct {
        uint16_t Code;
        const char* LabelR;
        int Help;
    } cases[] = {{104, "N", 0}, {112, "", 0}, {120, "", 0}, {223, "R", 220}, {226, "R", 224}, {247, "R", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Code);
        const StepRow* row = FindStep(c.Code);
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(StartLabelR(*row), c.LabelR);
        EXPECT_EQ(row->HelpContext, c.Help);
    }
}

TEST(StepTable, OnlyTheLinearDimensionsShowTheSecondPanel)
{
    for (const uint16_t code : {150, 153, 156}) EXPECT_EQ(FindStep(code)->Dimension, DimensionPanels::OptionsAndLinear);
    for (const uint16_t code : {162, 250, 252, 255, 257, 260}) EXPECT_EQ(FindStep(code)->Dimension, DimensionPanels::Options);
}

TEST(StepTable, RangesOfTheModes)
{
    const struct {
        uint16_t Code;
        bool Step;
        bool Parkable;
        bool Snaps;
        bool Thin;
    } cases[] = {
        {0, false, false, false, false},   {7, false, true, false, false},    {10, false, false, false, false},
        {11, false, false, false, false},  {17, true, true, true, false},     {18, true, true, true, false},
        {99, true, true, true, false},     {103, true, true, true, true},     {199, true, true, true, true},
        {200, true, true, false, true},    {292, true, true, false, true},    {296, true, true, false, true},
        {301, true, true, false, true},    {302, false, false, false, false}, {999, false, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Code);
        const StepRow* row = FindStep(c.Code);
        EXPECT_EQ(row != nullptr, c.Step);
        EXPECT_EQ(IsParkable(c.Code), c.Parkable);
        if (row == nullptr) continue;
        EXPECT_EQ(row->Snaps, c.Snaps);
        EXPECT_EQ(row->ThinPreview, c.Thin);
    }
}

TEST(StepTable, PreviewsAndSnapConstraintsOfTheSteps)
{
    const struct {
        uint16_t Code;
        PreviewShape Shape;
    } previews[] = {
        {18, PreviewShape::RubberLine},       {20, PreviewShape::RubberLine},         {24, PreviewShape::RubberLine},
        {30, PreviewShape::TypedCircle},      {31, PreviewShape::CircleByRadius},     {35, PreviewShape::CircleOn2Points},
        {38, PreviewShape::CircleThrough3Points}, {40, PreviewShape::Rectangle},      {43, PreviewShape::PolygonBySide},
        {46, PreviewShape::PolygonByVertex},  {48, PreviewShape::LineFromLastPoint},  {50, PreviewShape::EllipseAxisByEnds},
        {53, PreviewShape::EllipseAxisFromCentre}, {51, PreviewShape::EllipseHeightByEnds},
        {54, PreviewShape::EllipseHeightFromCentre}, {66, PreviewShape::ArcBetweenLines},
        {103, PreviewShape::SelectionMoved},  {107, PreviewShape::SelectionMoved},    {111, PreviewShape::SelectionMirrored},
        {115, PreviewShape::SelectionMirrored}, {119, PreviewShape::SelectionRotated}, {123, PreviewShape::SelectionRotated},
        {152, PreviewShape::HorizontalDimension}, {155, PreviewShape::VerticalDimension},
        {158, PreviewShape::AlignedDimension}, {160, PreviewShape::LineFromLastPoint}, {169, PreviewShape::LineFromLastPoint},
        {172, PreviewShape::LineFromLastPoint}, {253, PreviewShape::LineFromLastPoint}, {258, PreviewShape::LineFromLastPoint},
        {161, PreviewShape::LeaderShoulder},  {170, PreviewShape::LeaderShoulder},    {173, PreviewShape::LeaderShoulder},
        {254, PreviewShape::LeaderShoulder},  {259, PreviewShape::LeaderShoulder},    {163, PreviewShape::RelativeValueLine},
        {251, PreviewShape::RadiusLeader},    {256, PreviewShape::DiameterLeader},    {262, PreviewShape::AngleArc},
        {296, PreviewShape::TextPlacement},   {17, PreviewShape::None},               {150, PreviewShape::None},
    };
    for (const auto& c : previews) {
        SCOPED_TRACE(c.Code);
        EXPECT_EQ(FindStep(c.Code)->Preview, c.Shape);
    }
    EXPECT_EQ(FindStep(15)->Constraint, SnapConstraint::HorizontalLine);
    EXPECT_EQ(FindStep(16)->Constraint, SnapConstraint::VerticalLine);
    EXPECT_EQ(FindStep(22)->Constraint, SnapConstraint::AngleLine);
    EXPECT_EQ(FindStep(17)->Constraint, SnapConstraint::None);
}

TEST(StepTable, SelectionStepsAndTheirWindows)
{
    const struct {
        uint16_t Code;
        bool Annotations;
    } selections[] = {{100, true}, {104, true}, {108, true}, {112, true}, {116, true}, {120, true},
                      {125, true}, {130, true}, {208, false}, {220, true}, {297, true}, {300, true}};
    for (const auto& c : selections) {
        SCOPED_TRACE(c.Code);
        EXPECT_EQ(FindStep(c.Code)->Kind, StepKind::SelectionStep);
        const StepRow* window = FindStep(static_cast<uint16_t>(c.Code + 1));
        EXPECT_EQ(window->Kind, StepKind::ConfirmedWindow);
        EXPECT_EQ(window->WindowTakesAnnotations, c.Annotations);
        EXPECT_EQ(window->WindowTakesLocked, c.Code == 208);
    }
    EXPECT_STREQ(FindStep(208)->PickKinds, "12345");
    EXPECT_TRUE(FindStep(220)->PanelAlways);
    EXPECT_TRUE(FindStep(130)->PanelAlways);
    EXPECT_FALSE(FindStep(100)->PanelAlways);
}

// Guards against an editing step left without its click or Enter function: such a step silently
// ignores the user.
TEST(StepTable, EveryEditingStepTakesItsInput)
{
    const uint16_t clicked[] = {100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116,
                                117, 118, 119, 120, 121, 122, 123, 125, 126, 127, 128, 166, 199, 200, 201, 206, 207,
                                208, 209, 210, 211, 212, 213, 214, 215, 216, 220, 221, 223, 224, 225, 226, 229, 230,
                                231, 234, 238, 239, 240, 246, 249, 297, 298, 300, 301};
    for (const uint16_t code : clicked) {
        SCOPED_TRACE(code);
        EXPECT_NE(FindStep(code)->Click, nullptr);
    }
    const uint16_t typed[] = {99, 102, 106, 110, 111, 114, 115, 118, 119, 122, 123, 124, 127, 128, 200, 201, 231};
    for (const uint16_t code : typed) {
        SCOPED_TRACE(code);
        EXPECT_NE(FindStep(code)->Enter, nullptr);
    }
}

}  // namespace
}  // namespace vantro
