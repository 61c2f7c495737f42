#include "document/ElementStore.h"
#include "document/Groups.h"
#include "document/Layers.h"
#include "document/Maintenance.h"
#include "document/UndoHistory.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <functional>

namespace vantro {
namespace {

using testing::AddLine;
using testing::PutElement;

std::vector<TCadData> Snapshot(const Drawing& drawing)
{
    return {drawing.Elements.begin() + 1, drawing.Elements.begin() + 1 + drawing.Count};
}

// Moves every element of the list by dx under one step, as the move command does.
void MoveAll(Drawing& drawing, const std::vector<int>& indices, double dx)
{
    const int32_t step = BeginUndoStep(drawing);
    for (const int i : indices) {
        RecordUndo(drawing, step, kActionModified, i);
        drawing[i].X1 += dx;
        drawing[i].X2 += dx;
    }
}

TEST(UndoHistory, UndoOfACreatedLineRemovesItAndRedoBringsItBackWithTheSameId)
{
    Drawing drawing;
    AddLine(drawing, 0, 0, 5, 0);
    AddLine(drawing, 0, 0, 0, 5);
    const TCadData second = drawing[2];
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_TRUE(CanRedo(drawing));
    Redo(drawing);
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[2], second);
    EXPECT_EQ(drawing.IndexOfId[2], 2);
}

TEST(UndoHistory, UndoOfADeleteBringsTheElementBackAtTheEnd)
{
    Drawing drawing;
    for (int i = 1; i <= 3; ++i) PutElement(drawing, testing::Line(i, 0, i, 1));
    const TCadData first = drawing[1];
    Delete(drawing, 1, true);
    Undo(drawing);
    ASSERT_EQ(drawing.Count, 3);
    EXPECT_EQ(drawing[3], first);
    EXPECT_EQ(drawing.IndexOfId[1], 3);
    EXPECT_EQ(drawing.History.UndoStep, 0);

    Redo(drawing);
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[1].Id, 2);
    EXPECT_EQ(drawing[2].Id, 3);
}

TEST(UndoHistory, AMultiElementStepIsUndoneAndRedoneWhole)
{
    Drawing drawing;
    for (int i = 1; i <= 6; ++i) AddLine(drawing, i, 0, i, 1);
    const auto original = Snapshot(drawing);
    MoveAll(drawing, {1, 2, 3, 4, 5}, 10);
    const auto moved = Snapshot(drawing);

    Undo(drawing);
    EXPECT_EQ(Snapshot(drawing), original);
    Redo(drawing);
    EXPECT_EQ(Snapshot(drawing), moved);
    Undo(drawing);
    EXPECT_EQ(Snapshot(drawing), original);

    // The next undo takes only the newest creation step.
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 5);
}

TEST(UndoHistory, UndoOfAStepThatAddedAndDeletedRestoresBoth)
{
    Drawing drawing;
    for (int i = 1; i <= 4; ++i) PutElement(drawing, testing::Line(i, 0, i, 1));
    const auto original = Snapshot(drawing);
    // One step: delete two, add one (as a join does).
    drawing[2].Selected = 1;
    drawing[3].Selected = 1;
    DeleteSelected(drawing);
    const int32_t step = drawing.History.UndoStep;
    Append(drawing, true);
    drawing[drawing.Count] = testing::Line(2, 0, 3, 1);
    drawing[drawing.Count].Id = static_cast<int32_t>(drawing.LastId);
    RecordUndo(drawing, step, kActionAdded, drawing.Count);
    Undo(drawing);
    ASSERT_EQ(drawing.Count, 4);
    // The added one is gone; the deleted ones come back at the end, newest record first.
    EXPECT_EQ(drawing[1], original[0]);
    EXPECT_EQ(drawing[2], original[3]);
    EXPECT_EQ(drawing[3], original[2]);
    EXPECT_EQ(drawing[4], original[1]);
}

TEST(UndoHistory, AGroupThatRecordsNothingLeavesTheStepCounterAlone)
{
    Drawing drawing;
    for (int i = 1; i <= 3; ++i) PutElement(drawing, testing::Line(i, 0, i, 1));
    MoveAll(drawing, {1, 2, 3}, 5);
    { UndoStepGroup nothing(drawing); }
    EXPECT_EQ(drawing.History.UndoStep, 1);
    {
        UndoStepGroup two(drawing);
        RecordUndo(drawing, two.Step(), kActionModified, 1);
        RecordUndo(drawing, two.Step(), kActionModified, 2);
    }
    EXPECT_EQ(drawing.History.UndoStep, 2);
    EXPECT_EQ(drawing.History.UndoRecords.back().Step, 2);
    Undo(drawing);
    Undo(drawing);
    EXPECT_EQ(drawing[3].X1, 3) << "the whole move came back";
}

TEST(UndoHistory, TrimmingKeepsTheNewestUndoDepthSteps)
{
    Drawing drawing;
    drawing.History.UndoDepth = 2;
    AddLine(drawing, 0, 0, 1, 0);
    AddLine(drawing, 0, 0, 2, 0);
    AddLine(drawing, 0, 0, 3, 0);
    Undo(drawing);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_FALSE(CanUndo(drawing));
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 1) << "the first step was trimmed away";
    EXPECT_EQ(drawing.History.UndoStep, 0);
}

TEST(UndoHistory, TheDefaultDepthDropsStepOneAtTheFirstRecordOfStepEleven)
{
    Drawing drawing;
    for (int i = 1; i <= 10; ++i) AddLine(drawing, 0, 0, i, 0);
    EXPECT_EQ(drawing.History.UndoRecords.front().Step, 1);
    AddLine(drawing, 0, 0, 11, 0);
    EXPECT_EQ(drawing.History.UndoRecords.front().Step, 2);
    EXPECT_EQ(drawing.History.UndoRecords.size(), 10u);
}

TEST(UndoHistory, TrimmingDropsTheCopiesWithTheirRecords)
{
    Drawing drawing;
    drawing.History.UndoDepth = 1;
    AddLine(drawing, 0, 0, 1, 0);
    MoveAll(drawing, {1}, 5);
    MoveAll(drawing, {1}, 5);
    EXPECT_EQ(drawing.History.UndoRecords.size(), 1u);
    EXPECT_EQ(drawing.History.UndoCopies.size(), 1u);
    Undo(drawing);
    EXPECT_EQ(drawing[1].X2, 6);
}

TEST(UndoHistory, ANewCommandDiscardsRedo)
{
    Drawing drawing;
    AddLine(drawing, 0, 0, 1, 0);
    AddLine(drawing, 0, 0, 2, 0);
    Undo(drawing);
    Undo(drawing);
    EXPECT_TRUE(CanRedo(drawing));
    ClearRedo(drawing);  // what starting any command does
    EXPECT_FALSE(CanRedo(drawing));
    EXPECT_EQ(drawing.History.RedoStep, 0);
    Redo(drawing);
    EXPECT_EQ(drawing.Count, 0);
}

TEST(UndoHistory, UndoWithAnEmptyHistorySetsTheStepToZeroAndChangesNothing)
{
    Drawing drawing;
    PutElement(drawing, testing::Line(0, 0, 1, 0));
    drawing.History.UndoStep = 4;
    Undo(drawing);
    EXPECT_EQ(drawing.History.UndoStep, 0);
    EXPECT_EQ(drawing.Count, 1);
}

TEST(UndoHistory, UndoAndRedoDoNothingWhileCandidatesArePending)
{
    Drawing drawing;
    AddLine(drawing, 0, 0, 1, 0);
    Append(drawing, false);
    drawing.CandidateCount = 1;
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 2);
    EXPECT_TRUE(CanUndo(drawing));
    RemoveCandidates(drawing);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 0);
    Append(drawing, false);
    drawing.CandidateCount = 1;
    Redo(drawing);
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_TRUE(CanRedo(drawing));
}

TEST(UndoHistory, RecordingUndoingAndRedoingMarkTheDrawingUnsaved)
{
    Drawing drawing;
    PutElement(drawing, testing::Line(0, 0, 1, 0));
    EXPECT_TRUE(drawing.Saved);
    RecordUndo(drawing, BeginUndoStep(drawing), kActionModified, 1);
    EXPECT_FALSE(drawing.Saved);
    drawing.Saved = true;
    Undo(drawing);
    EXPECT_FALSE(drawing.Saved);
    drawing.Saved = true;
    Redo(drawing);
    EXPECT_FALSE(drawing.Saved);
}

TEST(UndoHistory, SelectionIsKeptOnTheElementButNotInTheCopy)
{
    Drawing drawing;
    PutElement(drawing, testing::Line(0, 0, 1, 0));
    drawing[1].Selected = 1;
    RecordUndo(drawing, BeginUndoStep(drawing), kActionModified, 1);
    EXPECT_EQ(drawing[1].Selected, 1);
    EXPECT_EQ(drawing.History.UndoCopies.back().Selected, 0);
}

class ButtonListener : public DrawingListener {
public:
    void UndoButtonsChanged(bool canUndo, bool canRedo) override
    {
        undoEnabled = canUndo;
        redoEnabled = canRedo;
    }
    void EraseElement(int index) override { erased.push_back(index); }
    bool undoEnabled = true;
    bool redoEnabled = true;
    std::vector<int> erased;
};

TEST(UndoHistory, TheButtonsFollowTheListsAndChangesAreErasedBeforeTheirCopy)
{
    Drawing drawing;
    ButtonListener listener;
    drawing.Listener = &listener;
    AddLine(drawing, 0, 0, 1, 0);
    EXPECT_TRUE(listener.undoEnabled);
    EXPECT_TRUE(listener.erased.empty()) << "an added element is not erased";
    MoveAll(drawing, {1}, 1);
    EXPECT_EQ(listener.erased, std::vector<int>{1});
    Undo(drawing);
    EXPECT_TRUE(listener.undoEnabled);
    EXPECT_TRUE(listener.redoEnabled);
    Undo(drawing);
    EXPECT_FALSE(listener.undoEnabled);
    ClearUndo(drawing);
    ClearRedo(drawing);
    EXPECT_FALSE(listener.undoEnabled);
    EXPECT_FALSE(listener.redoEnabled);
}

TEST(UndoHistory, AnInconsistentHistoryIsDroppedWithItsMessage)
{
    Drawing drawing;
    testing::ScriptedDialogs dialogs;
    drawing.Dialogs = &dialogs;
    AddLine(drawing, 0, 0, 1, 0);
    drawing.History.UndoRecords.back().ElementId = 99;
    Undo(drawing);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], kUndoHistoryFailedMessage);
    EXPECT_FALSE(CanUndo(drawing));
    EXPECT_EQ(drawing.History.UndoStep, 0);
    EXPECT_EQ(drawing.Count, 1);
}

// Redo replays records against the store as undo left it. A change made since would make it fail
// on an element that is gone, and the failure used to drop the whole history.
TEST(UndoHistory, EveryOperationThatChangesTheStoreDiscardsRedo)
{
    struct Case {
        const char* name;
        std::function<void(Drawing&, testing::ScriptedDialogs&)> change;
    };
    const Case cases[] = {
        {"レイヤー削除", [](Drawing& d, auto& dialogs) { DeleteLayerCommand(d, dialogs, 1); }},
        {"レイヤーコピー", [](Drawing& d, auto& dialogs) { CopyLayerTo(d, dialogs, 1, 3); }},
        {"レイヤー移動", [](Drawing& d, auto& dialogs) { MoveLayerTo(d, dialogs, 1, 3); }},
        {"不正図形削除", [](Drawing& d, auto& dialogs) { RemoveInvalidElements(d, dialogs); }},
        {"重複図形削除", [](Drawing& d, auto& dialogs) { RemoveDuplicates(d, dialogs, DuplicateScope::All, false); }},
        {"delete", [](Drawing& d, auto&) { Delete(d, 1, true); }},
        {"delete selected", [](Drawing& d, auto&) {
             d[1].Selected = 1;
             DeleteSelected(d);
         }},
        {"form a group", [](Drawing& d, auto& dialogs) {
             d[1].Selected = 1;
             FormGroup(d, dialogs);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing drawing;
        testing::ScriptedDialogs dialogs;
        drawing.Dialogs = &dialogs;
        AddLine(drawing, 0, 0, 10, 0);
        AddLine(drawing, 0, 0, 10, 0);  // a duplicate
        AddLine(drawing, 5, 5, 5, 5);   // invalid
        AddLine(drawing, 0, 9, 10, 9, 2);
        Undo(drawing);
        ASSERT_TRUE(CanRedo(drawing));
        dialogs.Answers = {DialogAnswer::Yes};
        c.change(drawing, dialogs);
        EXPECT_FALSE(CanRedo(drawing));
        EXPECT_EQ(drawing.History.RedoStep, 0);
        const auto changed = Snapshot(drawing);
        dialogs.Messages.clear();
        Redo(drawing);
        EXPECT_EQ(Snapshot(drawing), changed);
        EXPECT_TRUE(dialogs.Messages.empty());
        EXPECT_TRUE(CanUndo(drawing)) << "the change itself can still be undone";
    }
}

// A step used to be applied record by record until one failed, leaving the step half done.
TEST(UndoHistory, AStepThatDoesNotFitTheStoreChangesNothing)
{
    struct Case {
        const char* name;
        bool redo;
        // Spoils a drawing of three lines whose newest step moved lines 1 and 2.
        std::function<void(Drawing&)> spoil;
    };
    const auto removeUnrecorded = [](Drawing& d, int32_t id) { Delete(d, FindIndexOfId(d, id), false); };
    const Case cases[] = {
        {"undo: the older element of the step is gone", false, [&](Drawing& d) { removeUnrecorded(d, 1); }},
        {"undo: a copy is of another element", false, [](Drawing& d) { d.History.UndoCopies.front().Id = 3; }},
        {"undo: an element the step puts back is there", false,
         [](Drawing& d) {
             Undo(d);
             d[1].Selected = d[3].Selected = 1;
             DeleteSelected(d);
             PutElement(d, testing::Line(7, 7, 8, 8));
             d[d.Count].Id = 1;  // as if the deleted element had come back unrecorded
             SetIndexOfId(d, 1, d.Count);
         }},
        {"redo: the later element of the step is gone", true,
         [&](Drawing& d) {
             Undo(d);
             removeUnrecorded(d, 2);
         }},
        {"redo: a copy is of another element", true,
         [](Drawing& d) {
             Undo(d);
             d.History.RedoCopies.front().Id = 3;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing drawing;
        testing::ScriptedDialogs dialogs;
        drawing.Dialogs = &dialogs;
        for (int i = 1; i <= 3; ++i) PutElement(drawing, testing::Line(i, 0, i, 1));
        MoveAll(drawing, {1, 2}, 5);
        c.spoil(drawing);
        const auto before = Snapshot(drawing);
        if (c.redo) Redo(drawing);
        else Undo(drawing);
        EXPECT_EQ(Snapshot(drawing), before);
        EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kUndoHistoryFailedMessage});
        EXPECT_FALSE(CanUndo(drawing));
        EXPECT_FALSE(CanRedo(drawing));
    }
}

}  // namespace
}  // namespace vantro
