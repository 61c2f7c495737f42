#include "document/Layers.h"
#include "document/UndoHistory.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

using testing::PutElement;
using testing::ScriptedDialogs;

TEST(Layers, RowFiveOfTabThreeIsLayerThirtySeven)
{
    LayerTable layers;
    ResetLayers(layers, nullptr);
    layers.Name[36] = "\x8A\x4F\x8C\x60";  // 外形
    SelectActiveLayer(layers, LayerOfRow(2, 5), false);
    EXPECT_EQ(layers.ActiveLayer, 37);
    EXPECT_EQ(ActiveLayerCaption(layers), "37:外形");
}

TEST(Layers, TheActiveLayerCannotBeHiddenOrLockedOnAnyTab)
{
    for (int tab = 0; tab < kLayerTabs; ++tab) {
        SCOPED_TRACE(tab);
        LayerTable layers;
        ResetLayers(layers, nullptr);
        const int active = LayerOfRow(tab, 3);
        SelectActiveLayer(layers, active, false);
        SetLayerVisible(layers, active, false);
        SetLayerLocked(layers, active, true);
        EXPECT_TRUE(IsLayerVisible(layers, active));
        EXPECT_FALSE(IsLayerLocked(layers, active));
        HideTab(layers, tab);
        HideAllButActive(layers);
        EXPECT_TRUE(IsLayerVisible(layers, active));
    }
}

TEST(Layers, SelectingALockedHiddenLayerMakesItVisibleAndFree)
{
    LayerTable layers;
    ResetLayers(layers, nullptr);
    SetLayerVisible(layers, 9, false);
    SetLayerLocked(layers, 9, true);
    SelectActiveLayer(layers, 9, false);
    EXPECT_TRUE(IsLayerVisible(layers, 9));
    EXPECT_FALSE(IsLayerLocked(layers, 9));
}

TEST(Layers, HidingATabHidesTheOtherFifteenOfThatTabOnly)
{
    LayerTable layers;
    ResetLayers(layers, nullptr);
    SelectActiveLayer(layers, 20, false);
    HideTab(layers, 1);
    int hidden = 0;
    for (int layer = 1; layer <= kLayerCount; ++layer) hidden += IsLayerVisible(layers, layer) ? 0 : 1;
    EXPECT_EQ(hidden, 15);
    EXPECT_TRUE(IsLayerVisible(layers, 16));
    EXPECT_TRUE(IsLayerVisible(layers, 33));
    ShowTab(layers, 1);
    EXPECT_TRUE(IsLayerVisible(layers, 17));
}

TEST(Layers, HideOthersDownFollowsTheNewActiveLayer)
{
    LayerTable layers;
    ResetLayers(layers, nullptr);
    SelectActiveLayer(layers, 40, true);
    EXPECT_TRUE(IsLayerVisible(layers, 40));
    EXPECT_FALSE(IsLayerVisible(layers, 1));
    ShowAllLayers(layers);
    EXPECT_TRUE(IsLayerVisible(layers, 1));
}

TEST(Layers, KindFiltersDecideWhatIsShown)
{
    struct Case {
        const char* name;
        int8_t kind;
        int32_t group;
        bool KindFilters::*filter;
        bool shownWhenFilterCleared;
    };
    const Case cases[] = {
        {"line", kKindLine, 0, &KindFilters::Lines, false},
        {"arc", kKindArc, 0, &KindFilters::Arcs, false},
        {"circle", kKindCircle, 0, &KindFilters::Arcs, false},
        {"point", kKindPoint, 0, &KindFilters::Points, false},
        {"unlisted dimension code", 25, 0, &KindFilters::Dimensions, false},
        {"text", kKindText, 0, &KindFilters::Texts, false},
        {"grouped line", kKindLine, 3, &KindFilters::Groups, false},
        {"ellipse under the line filter", kKindEllipse, 0, &KindFilters::Lines, true},
        {"grouped ellipse", kKindEllipse, 2, &KindFilters::Groups, false},
        {"ungrouped curve under the group filter", kKindCurveThroughPoints, 0, &KindFilters::Groups, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LayerTable layers;
        ResetLayers(layers, nullptr);
        TCadData e{};
        e.Kind = c.kind;
        e.Group = c.group;
        e.Layer = 2;
        EXPECT_TRUE(IsElementShown(layers, e));
        layers.Filters.*c.filter = false;
        EXPECT_EQ(IsElementShown(layers, e), c.shownWhenFilterCleared);
    }
}

TEST(Layers, EmptyKindsHiddenLayersAndLayersOutOfRangeAreNotShown)
{
    LayerTable layers;
    ResetLayers(layers, nullptr);
    TCadData e = testing::Line(0, 0, 1, 0, 5);
    EXPECT_TRUE(IsElementShown(layers, e));
    SetLayerVisible(layers, 5, false);
    EXPECT_FALSE(IsElementShown(layers, e));
    e.Layer = 0;
    EXPECT_FALSE(IsElementShown(layers, e));
    e.Layer = 97;
    EXPECT_FALSE(IsElementShown(layers, e));
    e.Layer = 1;
    e.Kind = kKindEmpty;
    EXPECT_FALSE(IsElementShown(layers, e));
}

class LayerCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        drawing.Layers.Name[2] = "Axis";
        for (int i = 0; i < 3; ++i) PutElement(drawing, testing::Line(i, 0, i, 1, 3));
        PutElement(drawing, testing::Line(9, 0, 9, 1, 1));
    }
    Drawing drawing;
    ScriptedDialogs dialogs;
};

TEST_F(LayerCommands, CopyingALayerAppendsItsElementsAndOneUndoRemovesThem)
{
    dialogs.Answers = {DialogAnswer::Ok};
    ASSERT_TRUE(BeginLayerCopy(drawing, dialogs, 3));
    EXPECT_EQ(dialogs.Questions.back(), "レイヤー3 Axis をコピーします。コピー先をクリックして下さい。");
    EXPECT_TRUE(CopyLayerTo(drawing, dialogs, 3, 4));
    ASSERT_EQ(drawing.Count, 7);
    for (int i = 5; i <= 7; ++i) {
        EXPECT_EQ(drawing[i].Layer, 4);
        EXPECT_EQ(drawing[i].X1, drawing[i - 4].X1);
        EXPECT_EQ(drawing[i].Id, i);
    }
    EXPECT_EQ(dialogs.Messages.back(), "対象レイヤーを4  にコピーしました");
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 4);
}

TEST_F(LayerCommands, CopyOrMoveOntoTheSameLayerIsRefused)
{
    EXPECT_TRUE(CopyLayerTo(drawing, dialogs, 3, 3));
    EXPECT_TRUE(MoveLayerTo(drawing, dialogs, 3, 3));
    EXPECT_EQ(dialogs.Messages, (std::vector<std::string>{"同一レイヤーにはコピーできません！コピーを中止します",
                                                         "移動先は同一レイヤーです！移動を中止します"}));
    EXPECT_EQ(drawing.Count, 4);
    EXPECT_EQ(drawing[1].Layer, 3);
    EXPECT_FALSE(CanUndo(drawing));
}

TEST_F(LayerCommands, MovingALayerIsOneUndoStep)
{
    dialogs.Answers = {DialogAnswer::Ok};
    ASSERT_TRUE(BeginLayerMove(drawing, dialogs, 3));
    drawing.Layers.Name[6] = "Hidden";
    MoveLayerTo(drawing, dialogs, 3, 7);
    EXPECT_EQ(CountOnLayer(drawing, 7), 3);
    EXPECT_EQ(dialogs.Messages.back(), "対象レイヤーを7 Hidden に移動しました");
    Undo(drawing);
    EXPECT_EQ(CountOnLayer(drawing, 3), 3);
    EXPECT_EQ(CountOnLayer(drawing, 7), 0);
}

TEST_F(LayerCommands, DeletingALayerAsksThenRemovesItsElementsInOneStep)
{
    dialogs.Answers = {DialogAnswer::Yes};
    EXPECT_EQ(DeleteLayerCommand(drawing, dialogs, 3), 3);
    EXPECT_EQ(dialogs.Questions.back(), "レイヤー3 Axis を削除してよろしいですか？");
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing.Layers.Name[2], "Axis") << "the name stays";
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 4);
}

TEST_F(LayerCommands, DeletingTheActiveLayerOrAnEmptyOneSaysSo)
{
    dialogs.Answers = {DialogAnswer::Cancel, DialogAnswer::Yes};
    EXPECT_EQ(DeleteLayerCommand(drawing, dialogs, 1), 0);
    EXPECT_EQ(dialogs.Questions.back(), "レイヤー1 Default は作図中のレイヤーです。削除してよろしいですか？");
    EXPECT_EQ(drawing.Count, 4);
    EXPECT_EQ(DeleteLayerCommand(drawing, dialogs, 8), 0);
    EXPECT_EQ(dialogs.Messages.back(), "レイヤー8 　は,削除する図形がありません");
}

TEST_F(LayerCommands, CopyOrMoveOfAnEmptyLayerSaysSoWithoutAsking)
{
    EXPECT_FALSE(BeginLayerCopy(drawing, dialogs, 9));
    EXPECT_FALSE(BeginLayerMove(drawing, dialogs, 9));
    EXPECT_TRUE(dialogs.Questions.empty());
    EXPECT_EQ(dialogs.Messages, (std::vector<std::string>{"レイヤー9 　は,コピーする図形がありません",
                                                         "レイヤー9 　は,移動する図形がありません"}));
}

TEST_F(LayerCommands, CopyStopsQuietlyAtTheCapacity)
{
    drawing.Capacity = 4;
    EXPECT_FALSE(CopyLayerTo(drawing, dialogs, 3, 4));
    EXPECT_EQ(drawing.Count, 5);
    EXPECT_TRUE(dialogs.Messages.empty());
}

}  // namespace
}  // namespace vantro
