// Drawing::Generation: every operation that changes the elements advances it, so caches built from
// the elements (the pick index) know when to rebuild; reading leaves it alone.
#include "document/ElementStore.h"
#include "document/Groups.h"
#include "document/UndoHistory.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace vantro {
namespace {

using testing::AddLine;
using testing::PutElement;

// Three lines, the first selected, one undo step each.
void ThreeLines(Drawing& drawing)
{
    AddLine(drawing, 0, 0, 1, 0);
    AddLine(drawing, 0, 1, 1, 1);
    AddLine(drawing, 0, 2, 1, 2);
    drawing[1].Selected = 1;
}

struct GenerationCase {
    const char* Name;
    std::function<void(Drawing&)> Operation;
    bool Advances;
};

TEST(DrawingGeneration, ChangesAdvanceItAndReadsDoNot)
{
    const std::vector<GenerationCase> cases = {
        {"append", [](Drawing& d) { Append(d, true); }, true},
        {"append without an id", [](Drawing& d) { Append(d, false); }, true},
        {"delete with undo", [](Drawing& d) { Delete(d, 2, true); }, true},
        {"delete without undo", [](Drawing& d) { Delete(d, 2, false); }, true},
        {"delete the selected", [](Drawing& d) { DeleteSelected(d); }, true},
        {"undo record before a change", [](Drawing& d) { RecordUndo(d, BeginUndoStep(d), kActionModified, 3); }, true},
        {"undo", [](Drawing& d) { Undo(d); }, true},
        {"redo", [](Drawing& d) {
             Undo(d);
             const uint64_t before = d.Generation;
             Redo(d);
             EXPECT_GT(d.Generation, before);
         },
         true},
        {"reset", [](Drawing& d) { Reset(d, nullptr); }, true},
        {"remove candidates", [](Drawing& d) {
             PutElement(d, testing::Line(5, 5, 6, 6));
             d.CandidateCount = 1;
             const uint64_t before = d.Generation;
             RemoveCandidates(d);
             EXPECT_GT(d.Generation, before);
         },
         true},
        {"a group change records undo first", [](Drawing& d) {
             testing::ScriptedDialogs dialogs;
             FormGroup(d, dialogs);
         },
         true},
        {"reading", [](Drawing& d) { (void)FindIndexOfId(d, 2); (void)CanUndo(d); }, false},
        {"delete the selected with none selected", [](Drawing& d) {
             d[1].Selected = 0;
             DeleteSelected(d);
         },
         false},
        {"undo with no history", [](Drawing& d) {
             ClearUndo(d);
             Undo(d);
         },
         false},
        {"selection flags", [](Drawing& d) { ClearSelection(d); }, false},
    };
    for (const GenerationCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Drawing drawing;
        ThreeLines(drawing);
        const uint64_t before = drawing.Generation;
        c.Operation(drawing);
        EXPECT_EQ(drawing.Generation > before, c.Advances);
    }
}

TEST(DrawingGeneration, ResetDoesNotStartItAgain)
{
    Drawing drawing;
    ThreeLines(drawing);
    const uint64_t before = drawing.Generation;
    Reset(drawing, nullptr);
    PutElement(drawing, testing::Line(0, 0, 1, 1));
    EXPECT_GT(drawing.Generation, before);
}

}  // namespace
}  // namespace vantro
