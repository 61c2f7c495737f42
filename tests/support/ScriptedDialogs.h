// A dialog seam for tests: records every text shown and answers questions from a script.
#pragma once

#include "document/UserDialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace vantro::testing {

class ScriptedDialogs : public UserDialogs {
public:
    void ShowMessage(const std::string& text) override;
    DialogAnswer Ask(const std::string& text, QuestionButtons buttons) override;
    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override;
    // File dialogs take their answers from Files, in order; none left means cancelled.
    std::optional<std::string> ChooseOpenFile(const std::string& folder, const std::string& filter) override;
    std::optional<std::string> ChooseSaveFile(const std::string& folder, const std::string& filter) override;

    // Answers for the next questions, in order; a question without a scripted answer fails the test.
    std::deque<DialogAnswer> Answers;
    std::deque<std::optional<std::string>> Inputs;
    std::deque<std::string> Files;

    std::vector<std::string> Messages;
    std::vector<std::string> Questions;
    // Every file dialog shown: its initial folder and filter.
    struct FileDialog {
        std::string Folder;
        std::string Filter;
        bool operator==(const FileDialog&) const = default;
    };
    std::vector<FileDialog> FileDialogs;
};

}  // namespace vantro::testing
