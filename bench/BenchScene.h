// What the benchmarks share besides their drawing: the sheet on a full-HD canvas, and a dialog
// seam that answers every question the same way and shows nothing.
#pragma once

#include "document/UserDialogs.h"
#include "view/ViewState.h"

namespace vantro::bench {

// The 800 × 400 mm sheet about the origin on a 1920 × 1080 canvas.
inline ViewState SheetOnFullHd()
{
    ViewState view;
    view.CanvasWidth = 1920;
    view.CanvasHeight = 1080;
    view.FitScale = 1080.0f / 400 * 0.95f;
    view.OriginX = 960;
    view.OriginY = 540;
    return view;
}

struct SilentDialogs final : UserDialogs {
    explicit SilentDialogs(DialogAnswer answer) : Answer(answer) {}
    void ShowMessage(const std::string&) override {}
    DialogAnswer Ask(const std::string&, QuestionButtons) override { return Answer; }
    std::optional<std::string> InputLine(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&) override { return {}; }

    DialogAnswer Answer;
};

}  // namespace vantro::bench
