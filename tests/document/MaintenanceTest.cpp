#include "document/Maintenance.h"
#include "document/Tolerance.h"
#include "document/UndoHistory.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

using testing::Circle;
using testing::Line;
using testing::PutElement;
using testing::ScriptedDialogs;

class Maintenance : public ::testing::Test {
protected:
    void SetUp() override { SetEps(kEpsChoices[kDefaultEpsIndex]); }
    void TearDown() override { SetEps(kInitialEps); }
    Drawing drawing;
    ScriptedDialogs dialogs;
};

TEST_F(Maintenance, InvalidElementsByKind)
{
    const double t = Eps();
    TCadData arc{};
    arc.Kind = kKindArc;
    arc.R = 5;
    arc.Angle = 90;
    TCadData smallSweep = arc;
    smallSweep.Angle = t / 2;
    TCadData smallRadius = arc;
    smallRadius.R = t / 2;
    TCadData text{};
    text.Kind = kKindText;
    struct Case {
        const char* name;
        TCadData element;
        bool invalid;
    };
    const Case cases[] = {
        {"empty kind", TCadData{}, true},
        {"zero-length line", Line(1, 1, 1, 1), true},
        {"line just shorter than the tolerance", Line(0, 0, t * 0.99, 0), true},
        {"line of the tolerance", Line(0, 0, t * 1.01, 0), false},
        {"arc", arc, false},
        {"arc of tiny sweep", smallSweep, true},
        {"arc of tiny radius", smallRadius, true},
        {"circle of tiny radius", Circle(0, 0, t / 2), true},
        {"circle", Circle(0, 0, 1), false},
        {"text is never invalid", text, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsInvalidElement(c.element, t), c.invalid);
    }
}

TEST_F(Maintenance, TwoZeroLengthLinesAreRemovedAndOneUndoBringsBothBack)
{
    PutElement(drawing, Line(0, 0, 0, 0));
    PutElement(drawing, Line(0, 0, 5, 0));
    PutElement(drawing, Line(3, 3, 3, 3));
    EXPECT_EQ(RemoveInvalidElements(drawing, dialogs), 2);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"2個の不正図形を削除しました"});
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].X2, 5);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 3);
    EXPECT_FALSE(CanUndo(drawing));
}

// Only kind 0 used to count: codes the kind table does not hold were listed as invalid elsewhere
// but kept by the removal.
TEST_F(Maintenance, EveryKindCodeOutsideTheKindTableIsInvalid)
{
    struct Case {
        int8_t kind;
        bool invalid;
    };
    const Case cases[] = {
        {0, true},   {-1, true},  {-6, true},  {31, true},   {127, true}, {-128, true}, {1, false}, {5, false},
        {6, false},  {18, false}, {29, false}, {30, false},  {-2, false}, {-3, false},  {-4, false}, {-5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        TCadData e = c.kind == kKindLine ? Line(0, 0, 5, 0) : TCadData{};
        e.Kind = c.kind;
        e.R = 5;
        e.Angle = 90;
        e.Layer = 1;
        EXPECT_EQ(IsInvalidElement(e, Eps()), c.invalid);
        Drawing one;
        ScriptedDialogs quiet;
        PutElement(one, e);
        EXPECT_EQ(RemoveInvalidElements(one, quiet), c.invalid ? 1 : 0);
        EXPECT_EQ(one.Count, c.invalid ? 0 : 1);
    }
}

TEST_F(Maintenance, NoInvalidElementsIsSaidAlsoForAnEmptyDrawing)
{
    EXPECT_EQ(RemoveInvalidElements(drawing, dialogs), 0);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"不正図形は有りません"});
    EXPECT_FALSE(CanUndo(drawing));
}

TEST_F(Maintenance, OppositeLinesAreDuplicatesButIdenticalTextsAreNot)
{
    PutElement(drawing, Line(0, 0, 10, 5));
    PutElement(drawing, Line(10, 5, 0, 0));
    TCadData text{};
    text.Kind = kKindText;
    text.Layer = 1;
    text.Text = "ABC";
    PutElement(drawing, text);
    PutElement(drawing, text);
    dialogs.Answers = {DialogAnswer::Yes};
    EXPECT_EQ(RemoveDuplicates(drawing, dialogs, DuplicateScope::All, false), 1);
    EXPECT_EQ(dialogs.Questions.back(), "重複図形は1個(オリジナル数は含まず)です。削除しますか？");
    ASSERT_EQ(drawing.Count, 3);
    EXPECT_EQ(drawing[1].X2, 10);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 4);
}

TEST_F(Maintenance, OfThreeIdenticalTheLaterTwoCountAndTheOptionDeletesAll)
{
    for (int i = 0; i < 3; ++i) PutElement(drawing, Circle(1, 2, 3));
    PutElement(drawing, Circle(1, 2, 4));
    dialogs.Answers = {DialogAnswer::Yes};
    EXPECT_EQ(RemoveDuplicates(drawing, dialogs, DuplicateScope::All, true), 3);
    EXPECT_EQ(dialogs.Questions.back(),
              "重複図形は2個(オリジナル数は含まず)です。削除しますか？\n"
              "（オリジナル削除オプションが有効です。重複した図形は全て消去されます）");
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].R, 4);
}

TEST_F(Maintenance, AnsweringNoClearsTheMarks)
{
    PutElement(drawing, Circle(1, 2, 3));
    PutElement(drawing, Circle(1, 2, 3));
    dialogs.Answers = {DialogAnswer::No};
    EXPECT_EQ(RemoveDuplicates(drawing, dialogs, DuplicateScope::All, true), 0);
    EXPECT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[1].Selected + drawing[2].Selected, 0);
}

TEST_F(Maintenance, ScopesDecideWhichPairsAreCompared)
{
    struct Case {
        const char* name;
        DuplicateScope scope;
        uint8_t secondLayer;
        bool hideLayer;
        bool found;
    };
    const Case cases[] = {
        {"all: across layers", DuplicateScope::All, 2, false, true},
        {"same layer: across layers", DuplicateScope::SameLayer, 2, false, false},
        {"same layer: hidden layer", DuplicateScope::SameLayer, 1, true, true},
        {"visible same layer: hidden layer", DuplicateScope::VisibleSameLayer, 1, true, false},
        {"visible same layer: visible layer", DuplicateScope::VisibleSameLayer, 1, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        ScriptedDialogs answers;
        PutElement(d, Line(0, 0, 1, 1, 1));
        PutElement(d, Line(0, 0, 1, 1, c.secondLayer));
        if (c.hideLayer) d.Layers.Visible[0] = 0;
        if (c.found) answers.Answers = {DialogAnswer::Yes};
        EXPECT_EQ(RemoveDuplicates(d, answers, c.scope, false), c.found ? 1 : 0);
        if (!c.found) {
            EXPECT_EQ(answers.Messages, std::vector<std::string>{"重複図形は有りません"});
        }
    }
}

TEST_F(Maintenance, NewDrawingAsksOnlyForUnsavedChanges)
{
    PutElement(drawing, Line(0, 0, 1, 1));
    drawing.Saved = true;
    EXPECT_TRUE(NewDrawingCommand(drawing, dialogs, nullptr));
    EXPECT_TRUE(dialogs.Questions.empty());
    EXPECT_EQ(drawing.Count, 0);

    PutElement(drawing, Line(0, 0, 1, 1));
    drawing.Saved = false;
    dialogs.Answers = {DialogAnswer::Cancel, DialogAnswer::Ok};
    EXPECT_FALSE(NewDrawingCommand(drawing, dialogs, nullptr));
    EXPECT_EQ(dialogs.Questions.back(), "編集中の CADデータを無効にして、よろしいですか？");
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_TRUE(NewDrawingCommand(drawing, dialogs, nullptr));
    EXPECT_EQ(drawing.Count, 0);
}

TEST_F(Maintenance, ReplacingADrawingAsksWhenItHasElements)
{
    const struct {
        const char* Name;
        bool Empty;
        bool Saved;
        bool EvenWhenSaved;
        bool Asks;
    } cases[] = {
        {"an empty drawing", true, false, true, false},
        {"a saved drawing", false, true, false, false},
        {"a saved drawing, asked all the same", false, true, true, true},
        {"unsaved work", false, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Drawing subject;
        if (!c.Empty) PutElement(subject, Line(0, 0, 1, 1));
        subject.Saved = c.Saved;
        dialogs.Questions.clear();
        dialogs.Answers = {DialogAnswer::Cancel, DialogAnswer::Ok};
        EXPECT_EQ(MayReplaceDrawing(subject, dialogs, c.EvenWhenSaved), !c.Asks);
        EXPECT_EQ(dialogs.Questions.size(), c.Asks ? 1u : 0u);
        if (!c.Asks) continue;
        EXPECT_EQ(dialogs.Questions.back(), "編集中の CADデータがあります、よろしいですか？");
        EXPECT_TRUE(MayReplaceDrawing(subject, dialogs, c.EvenWhenSaved)) << "OK lets it go";
    }
}

TEST_F(Maintenance, ClosingWithUnsavedChangesAsksYesNoCancel)
{
    EXPECT_EQ(AskBeforeClose(drawing, dialogs), CloseChoice::Discard);
    drawing.Saved = false;
    dialogs.Answers = {DialogAnswer::Yes, DialogAnswer::No, DialogAnswer::Cancel};
    EXPECT_EQ(AskBeforeClose(drawing, dialogs), CloseChoice::Save);
    EXPECT_EQ(AskBeforeClose(drawing, dialogs), CloseChoice::Discard);
    EXPECT_EQ(AskBeforeClose(drawing, dialogs), CloseChoice::Cancel);
    EXPECT_EQ(dialogs.Questions.back(), "CADデータは変更されています保存しますか？");
}

}  // namespace
}  // namespace vantro
