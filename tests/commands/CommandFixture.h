// A command context over a drawing, with no window: one pixel per millimetre, the world origin at the
// bottom-left corner of an 800 × 600 canvas, and scripted dialogs.
#pragma once

#include "commands/CommandContext.h"
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
