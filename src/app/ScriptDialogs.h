// The dialog seam of a command script: messages are written out, and every question, input box,
// file dialog and chooser takes the next answer the script queued with "answer".
#pragma once

#include "document/UserDialogs.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>

namespace vantro {

class ScriptDialogs final : public UserDialogs {
public:
    explicit ScriptDialogs(std::ostream& messages) : messages_(messages) {}

    void ShowMessage(const std::string& text) override;
    DialogAnswer Ask(const std::string& text, QuestionButtons buttons) override;
    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override;
    std::optional<std::string> ChooseOpenFile(const std::string& folder, const std::string& filter) override;
    std::optional<std::string> ChooseSaveFile(const std::string& folder, const std::string& filter) override;

    // The next queued answer to what is asked; nothing (and a failure) when none is queued. "cancel"
    // is returned as it is.
    std::optional<std::string> Take(const std::string& asked);
    void Fail(std::string reason);

    std::deque<std::string> Answers;
    // Set when the script could not answer; the runner stops at the line.
    std::string Failure;

private:
    std::optional<std::string> TakeOrCancel(const std::string& asked);
    std::ostream& messages_;
};

}  // namespace vantro
