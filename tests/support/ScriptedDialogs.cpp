#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace vantro::testing {

void ScriptedDialogs::ShowMessage(const std::string& text) { Messages.push_back(text); }

DialogAnswer ScriptedDialogs::Ask(const std::string& text, QuestionButtons)
{
    Questions.push_back(text);
    if (Answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text;
        return DialogAnswer::Cancel;
    }
    const DialogAnswer answer = Answers.front();
    Answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::InputLine(const std::string&, const std::string& prompt,
                                                      const std::string&)
{
    Questions.push_back(prompt);
    if (Inputs.empty()) {
        ADD_FAILURE() << "unscripted input: " << prompt;
        return std::nullopt;
    }
    auto input = Inputs.front();
    Inputs.pop_front();
    return input;
}

namespace {

std::optional<std::string> NextFile(std::deque<std::string>& files)
{
    if (files.empty()) return std::nullopt;
    std::string path = files.front();
    files.pop_front();
    return path;
}

}  // namespace

std::optional<std::string> ScriptedDialogs::ChooseOpenFile(const std::string& folder, const std::string& filter)
{
    FileDialogs.push_back({folder, filter});
    return NextFile(Files);
}

std::optional<std::string> ScriptedDialogs::ChooseSaveFile(const std::string& folder, const std::string& filter)
{
    FileDialogs.push_back({folder, filter});
    return NextFile(Files);
}

}  // namespace vantro::testing
