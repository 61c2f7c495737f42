// A dialog seam for the benchmarks that answers every question the same way and shows nothing.
#pragma once

#include "document/UserDialogs.h"

namespace vantro::bench {

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
