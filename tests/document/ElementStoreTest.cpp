#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "support/CapacityRefusal.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace vantro {
namespace {

using testing::Line;
using testing::PutElement;
using testing::ScriptedDialogs;

class RecordingListener : public DrawingListener {
public:
    void AppendRefused() override { ++refusals; }
    void DrawingWasReset() override { ++resets; }
    int refusals = 0;
    int resets = 0;
};

TEST(ElementStore, AppendAfterResetGivesIndexOneAndIdOne)
{
    Drawing drawing;
    PutElement(drawing, Line(0, 0, 1, 1));
    PutElement(drawing, Line(0, 0, 2, 2));
    Reset(drawing, nullptr);
    ASSERT_TRUE(Append(drawing, true));
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].Id, 1);
    EXPECT_EQ(drawing.LastId, 1u);
    EXPECT_EQ(drawing.IndexOfId[1], 1);
}

TEST(ElementStore, AppendWithoutIdLeavesTheCounterAlone)
{
    Drawing drawing;
    ASSERT_TRUE(Append(drawing, false));
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing.LastId, 0u);
    EXPECT_EQ(drawing[1].Id, 0);
}

TEST(ElementStore, AppendGivesAZeroedSlotEvenOverAStaleOne)
{
    Drawing drawing;
    PutElement(drawing, Line(1, 2, 3, 4));
    Delete(drawing, 1, false);
    ASSERT_TRUE(Append(drawing, true));
    EXPECT_EQ(drawing[1].Kind, kKindEmpty);
    EXPECT_EQ(drawing[1].X2, 0);
    EXPECT_EQ(drawing[1].Id, 2);
}

// Guards against non-finite numbers entering the store, where every painter, file writer and
// later edit would meet them.
TEST(ElementStore, RecordsWithANumberThatIsNotFiniteNeverEnterTheStore)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    TCadData bad[] = {Line(0, 0, nan, 1), Line(0, 0, 1, 1), Line(0, 0, 1, 1), Line(0, 0, 1, 1)};
    bad[1].R = inf;
    bad[2].Angle = -inf;
    bad[3].Value = nan;
    for (const TCadData& element : bad) {
        SCOPED_TRACE(::testing::Message() << element.X2 << " " << element.R << " " << element.Angle);
        Drawing drawing;
        const int index = AppendElement(drawing, Line(0, 0, 1, 1), true);
        ASSERT_EQ(index, 1);
        EXPECT_EQ(drawing[1].Id, 1);
        ASSERT_EQ(drawing.History.UndoRecords.size(), 1u);
        const TCadData stored = drawing[1];
        EXPECT_EQ(AppendElement(drawing, element, true), 0);
        EXPECT_EQ(AppendElement(drawing, element, false), 0);
        EXPECT_EQ(drawing.Count, 1);
        EXPECT_EQ(drawing.LastId, 1u);
        EXPECT_FALSE(ReplaceElement(drawing, 1, element));
        EXPECT_EQ(drawing[1], stored);
        EXPECT_EQ(drawing.History.UndoRecords.size(), 1u);
        // A finite state is written and recorded as modified.
        ASSERT_TRUE(ReplaceElement(drawing, 1, Line(0, 0, 2, 2)));
        EXPECT_EQ(drawing[1].X2, 2);
        EXPECT_EQ(drawing.History.UndoRecords.back().Action, kActionModified);
    }
}

TEST(ElementStore, CapacityAdmitsOneMoreThanTheSettingThenRefusesWithItsMessage)
{
    Drawing drawing;
    ScriptedDialogs dialogs;
    RecordingListener listener;
    drawing.Dialogs = &dialogs;
    drawing.Listener = &listener;
    drawing.Capacity = 100;
    for (int i = 0; i < 101; ++i) ASSERT_TRUE(Append(drawing, true)) << "append " << i + 1;
    EXPECT_TRUE(dialogs.Messages.empty());

    EXPECT_FALSE(Append(drawing, true));
    EXPECT_EQ(drawing.Count, 101);
    EXPECT_EQ(drawing.LastId, 101u);
    EXPECT_TRUE(drawing.AppendFailed);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], kCapacityMessage);
    EXPECT_EQ(listener.refusals, 1);

    // Later appends fail at once, without another message, while nothing has made room.
    EXPECT_FALSE(Append(drawing, true));
    EXPECT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(listener.refusals, 1);
}

// The refusal used to outlive every deletion and a raised capacity, until a new drawing.
TEST(ElementStore, ARefusedAppendSucceedsAgainOnceThereIsRoom)
{
    struct Case {
        const char* name;
        std::function<void(Drawing&)> makeRoom;
    };
    const Case cases[] = {
        {"delete", [](Drawing& d) { Delete(d, 1, true); }},
        {"delete without undo", [](Drawing& d) { Delete(d, 1, false); }},
        {"delete selected", [](Drawing& d) {
             d[5].Selected = 1;
             DeleteSelected(d);
         }},
        {"undo of a creation", [](Drawing& d) { Undo(d); }},
        {"a raised capacity", [](Drawing& d) { SetCapacity(d, 150); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing drawing;
        ScriptedDialogs dialogs;
        drawing.Dialogs = &dialogs;
        SetCapacity(drawing, 100);
        for (int i = 0; i < 101; ++i) ASSERT_TRUE(testing::AddLine(drawing, 0, i, 1, i) > 0);
        ASSERT_FALSE(Append(drawing, true));
        ASSERT_TRUE(drawing.AppendFailed);
        c.makeRoom(drawing);
        EXPECT_TRUE(Append(drawing, true));
        EXPECT_FALSE(drawing.AppendFailed);
        EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kCapacityMessage});
    }
}

// Cancelling the refused command removes its candidates; the rest of that command's appends must
// still fail rather than add candidates to a drawing no command is waiting on.
TEST(ElementStore, RoomMadeByTheRefusalsOwnCancellationDoesNotEndIt)
{
    Drawing drawing;
    const testing::CancellingListener listener(drawing);
    testing::RefuseAfterTwoCandidates(drawing);
    EXPECT_FALSE(Append(drawing, false));
    EXPECT_EQ(drawing.CandidateCount, 0);
    EXPECT_EQ(drawing.Count, 99);
}

TEST(ElementStore, TheCapacityIsKeptWithinItsRange)
{
    Drawing drawing;
    const std::pair<int32_t, int32_t> cases[] = {{5, kMinCapacity}, {500, 500}, {200000, kMaxCapacity}};
    for (const auto& [asked, kept] : cases) {
        SCOPED_TRACE(asked);
        SetCapacity(drawing, asked);
        EXPECT_EQ(drawing.Capacity, kept);
    }
}

TEST(ElementStore, GrowthKeepsTenSpareSlotsAndGrowsByAHundred)
{
    Drawing drawing;
    for (int i = 0; i < 91; ++i) Append(drawing, true);
    EXPECT_EQ(drawing.Elements.size(), 100u);
    Append(drawing, true);  // Count 91 leaves fewer than 10 spare slots: grow to Count + 100
    EXPECT_EQ(drawing.Elements.size(), 191u);
    EXPECT_GE(drawing.IndexOfId.size(), drawing.LastId + 10);
}

TEST(ElementStore, DeletingTheFirstOfThreeMovesTheOthersDownAndUpdatesIndexOfId)
{
    Drawing drawing;
    for (int i = 1; i <= 3; ++i) PutElement(drawing, Line(i, 0, i, 1));
    Delete(drawing, 1, false);
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[1].Id, 2);
    EXPECT_EQ(drawing[2].Id, 3);
    EXPECT_EQ(drawing[1].X1, 2);
    EXPECT_EQ(drawing.IndexOfId[2], 1);
    EXPECT_EQ(drawing.IndexOfId[3], 2);
}

TEST(ElementStore, DeletingTheLastOnlyLowersTheCount)
{
    Drawing drawing;
    for (int i = 1; i <= 3; ++i) PutElement(drawing, Line(i, 0, i, 1));
    const std::vector<TCadData> before(drawing.Elements.begin() + 1, drawing.Elements.begin() + 3);
    Delete(drawing, 3, false);
    EXPECT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[1], before[0]);
    EXPECT_EQ(drawing[2], before[1]);
}

TEST(ElementStore, DeleteOnAnEmptyStoreDoesNothing)
{
    Drawing drawing;
    Delete(drawing, 1, true);
    EXPECT_EQ(drawing.Count, 0);
    EXPECT_EQ(drawing.History.UndoStep, 0);
}

TEST(ElementStore, DeleteSelectedWithNothingSelectedChangesNoCounter)
{
    Drawing drawing;
    for (int i = 1; i <= 3; ++i) PutElement(drawing, Line(i, 0, i, 1));
    EXPECT_EQ(DeleteSelected(drawing), 0);
    EXPECT_EQ(drawing.Count, 3);
    EXPECT_EQ(drawing.History.UndoStep, 0);
    EXPECT_FALSE(CanUndo(drawing));
}

TEST(ElementStore, DeleteSelectedKeepsTheOrderOfTheRestUnderOneStep)
{
    Drawing drawing;
    for (int i = 1; i <= 6; ++i) PutElement(drawing, Line(i, 0, i, 1));
    drawing[2].Selected = 1;
    drawing[3].Selected = 1;
    drawing[6].Selected = 1;
    EXPECT_EQ(DeleteSelected(drawing), 3);
    ASSERT_EQ(drawing.Count, 3);
    EXPECT_EQ(drawing[1].Id, 1);
    EXPECT_EQ(drawing[2].Id, 4);
    EXPECT_EQ(drawing[3].Id, 5);
    EXPECT_EQ(drawing.IndexOfId[4], 2);
    EXPECT_EQ(drawing.IndexOfId[5], 3);
    EXPECT_EQ(drawing.History.UndoStep, 1);
    ASSERT_EQ(drawing.History.UndoRecords.size(), 3u);
    for (const UndoRecord& record : drawing.History.UndoRecords) {
        EXPECT_EQ(record.Step, 1);
        EXPECT_EQ(record.Action, kActionDeleted);
    }
    EXPECT_EQ(drawing.History.UndoCopies[0].Selected, 0) << "copies are stored unselected";
}

TEST(ElementStore, RemoveCandidatesDropsThePendingTail)
{
    Drawing drawing;
    PutElement(drawing, Line(0, 0, 1, 0));
    Append(drawing, false);
    Append(drawing, false);
    drawing.CandidateCount = 2;
    RemoveCandidates(drawing);
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing.CandidateCount, 0);
}

TEST(ElementStore, ResetEmptiesTheDrawingAndReinitialisesLayers)
{
    Drawing drawing;
    RecordingListener listener;
    drawing.Listener = &listener;
    testing::AddLine(drawing, 0, 0, 1, 0);
    drawing.MaxGroup = 7;
    drawing.MemoBrush.push_back("1,255");
    drawing.Layers.ActiveLayer = 5;
    drawing.Layers.Visible[3] = 0;
    drawing.Layers.Filters.Texts = false;
    drawing.AppendFailed = true;

    LayerNames names{};
    names[1] = "Outline";
    Reset(drawing, &names);
    EXPECT_EQ(drawing.Count, 0);
    EXPECT_EQ(drawing.LastId, 0u);
    EXPECT_EQ(drawing.Elements.size(), 100u);
    EXPECT_FALSE(CanUndo(drawing));
    EXPECT_EQ(drawing.History.UndoStep, 0);
    EXPECT_EQ(drawing.MaxGroup, 0);
    EXPECT_TRUE(drawing.MemoBrush.empty());
    EXPECT_FALSE(drawing.AppendFailed);
    EXPECT_EQ(drawing.Layers.ActiveLayer, 1);
    EXPECT_EQ(drawing.Layers.Visible[3], 1);
    EXPECT_TRUE(drawing.Layers.Filters.Texts);
    EXPECT_EQ(drawing.Layers.Name[0], "Default");
    EXPECT_EQ(drawing.Layers.Name[1], "Outline");
    EXPECT_EQ(listener.resets, 1);

    Reset(drawing, nullptr);
    EXPECT_EQ(drawing.Layers.Name[1], "");
}

}  // namespace
}  // namespace vantro
