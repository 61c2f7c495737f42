// A command context over a drawing, with no window: one pixel per millimetre, the world origin at the
// bottom-left corner of an 800 × 600 canvas, and scripted dialogs.
#pragma once

#include "commands/CommandContext.h"
#include "commands/Dispatch.h"
#include "commands/SelectionSteps.h"
#include "document/UndoHistory.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <deque>

namespace vantro::testing {

class CommandTest : public ::testing::Test {
protected:
    CommandTest()
    {
        view.CanvasWidth = 800;
        view.CanvasHeight = 600;
        view.OriginY = 600;
        drawing.Dialogs = &dialogs;
    }

    CommandContext& Context()
    {
        context_.emplace(CommandContext{.Document = drawing,
                                        .State = state,
                                        .View = view,
                                        .Dialogs = dialogs,
                                        .Index = index,
                                        .Preferences = settings,
                                        .FillsShown = false,
                                        .Attributes = attributes,
                                        .Entries = entries,
                                        .Text = {},
                                        .Choose = [this](const std::vector<int>& candidates) {
                                            Offered.push_back(candidates);
                                            if (Choices.empty()) return -1;
                                            const int choice = Choices.front();
                                            Choices.pop_front();
                                            return choice;
                                        },
                                        .Result = {}});
        return *context_;
    }

    // The pixel of a world point.
    static ClickInput At(double x, double y, int shift = kLeftButton)
    {
        return {static_cast<int>(x), static_cast<int>(600 - y), shift};
    }

    // A click at the world point as the window gives it to a step: the cursor is recorded first.
    CommandContext& ClickAt(double x, double y, int shift = kLeftButton)
    {
        const ClickInput click = At(x, y, shift);
        state.CursorPixel = {click.X, click.Y};
        CommandContext& ctx = Context();
        DispatchClick(ctx, click);
        return ctx;
    }

    // Enter in a field, the fields holding the texts of entries.
    CommandContext& EnterIn(EntryField field)
    {
        CommandContext& ctx = Context();
        PressEnter(ctx, field);
        return ctx;
    }

    // A drag from (x0, y0) to (x1, y1), world millimetres, in the command's selection step.
    void Drag(double x0, double y0, double x1, double y1)
    {
        DispatchClick(Context(), At(x0, y0));
        ASSERT_TRUE(state.WindowDragActive);
        const ClickInput end = At(x1, y1);
        FinishWindowDrag(Context(), end.X, end.Y);
    }

    // A command started as its button starts it.
    void Start(uint16_t code, bool altVariant = false)
    {
        BeginCommandState(drawing, state, code);
        state.AltVariant = altVariant;
    }

    // The elements are selected by a window and "確定" runs the confirmation step.
    CommandContext& ConfirmWindowOf(std::initializer_list<int> indices)
    {
        for (const int i : indices) drawing[i].Selected = 1;
        state.MultiSelectPending = true;
        CommandContext& ctx = Context();
        ConfirmSelection(ctx);
        return ctx;
    }

    // One undo brings back exactly the elements before the command (deleted ones at the end), and nothing is left to undo.
    void ExpectOneUndoRestores(const std::vector<TCadData>& before)
    {
        Undo(drawing);
        EXPECT_EQ(SortedById(ElementsOf(drawing)), SortedById(before));
        EXPECT_FALSE(CanUndo(drawing)) << "one undo step for the command";
    }

    std::vector<int> Selected() const
    {
        std::vector<int> out;
        for (int i = 1; i <= drawing.Count; ++i)
            if (drawing[i].Selected == 1) out.push_back(i);
        return out;
    }

    Drawing drawing;
    CommandState state;
    ViewState view;
    ScriptedDialogs dialogs;
    ElementIndex index;
    Settings settings;
    EntrySnapshot entries;
    CurrentAttributes attributes;
    // The chooser's answers in order; none left cancels it.
    std::deque<int> Choices;
    std::vector<std::vector<int>> Offered;

private:
    std::optional<CommandContext> context_;
};

}  // namespace vantro::testing
