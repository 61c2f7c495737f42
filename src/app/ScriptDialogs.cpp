#include "app/ScriptDialogs.h"

namespace vantro {
namespace {

constexpr const char* kCancel = "cancel";

}  // namespace

void ScriptDialogs::ShowMessage(const std::string& text) { messages_ << "VantroCad: " << text << '\n'; }

void ScriptDialogs::Fail(std::string reason)
{
    if (Failure.empty()) Failure = std::move(reason);
}

std::optional<std::string> ScriptDialogs::Take(const std::string& asked)
{
    messages_ << "VantroCad: " << asked << '\n';
    if (Answers.empty()) {
        Fail("答えのない問い合わせです: " + asked);
        return std::nullopt;
    }
    std::string answer = std::move(Answers.front());
    Answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptDialogs::TakeOrCancel(const std::string& asked)
{
    std::optional<std::string> answer = Take(asked);
    if (answer && *answer == kCancel) return std::nullopt;
    return answer;
}

DialogAnswer ScriptDialogs::Ask(const std::string& text, QuestionButtons buttons)
{
    const std::optional<std::string> answer = Take(text);
    if (!answer) return DialogAnswer::Cancel;
    const bool yesNo = buttons != QuestionButtons::OkCancel;
    const bool hasNo = buttons == QuestionButtons::YesNo || buttons == QuestionButtons::YesNoCancel;
    const bool hasCancel = buttons != QuestionButtons::YesNo;
    if (yesNo && *answer == "yes") return DialogAnswer::Yes;
    if (hasNo && *answer == "no") return DialogAnswer::No;
    if (!yesNo && *answer == "ok") return DialogAnswer::Ok;
    if (hasCancel && *answer == kCancel) return DialogAnswer::Cancel;
    Fail("この問い合わせに合わない答えです: " + *answer);
    return hasCancel ? DialogAnswer::Cancel : DialogAnswer::No;
}

std::optional<std::string> ScriptDialogs::InputLine(const std::string& caption, const std::string& prompt,
                                                    const std::string&)
{
    return TakeOrCancel(caption + " " + prompt);
}

std::optional<std::string> ScriptDialogs::ChooseOpenFile(const std::string&, const std::string& filter)
{
    return TakeOrCancel("開くファイル " + filter);
}

std::optional<std::string> ScriptDialogs::ChooseSaveFile(const std::string&, const std::string& filter)
{
    return TakeOrCancel("保存するファイル " + filter);
}

}  // namespace vantro
