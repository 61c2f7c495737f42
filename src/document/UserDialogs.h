// The one seam through which the program talks to the user in boxes: message boxes, questions and
// one-line input. The window installs a Qt implementation; tests install a scripted one.
#pragma once

#include <optional>
#include <string>

namespace vantro {

enum class QuestionButtons { YesNo, YesNoCancel, OkCancel, YesCancel };
enum class DialogAnswer { Yes, No, Ok, Cancel };

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // Texts are UTF-8.
    virtual void ShowMessage(const std::string& text) = 0;
    virtual DialogAnswer Ask(const std::string& text, QuestionButtons buttons) = 0;
    // std::nullopt when the user cancels.
    virtual std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                                 const std::string& initial) = 0;
    // File dialogs: a path (UTF-8) or std::nullopt when cancelled. filter is "caption|*.ext".
    virtual std::optional<std::string> ChooseOpenFile(const std::string& folder, const std::string& filter) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const std::string& folder, const std::string& filter) = 0;
};

inline bool IsAffirmative(DialogAnswer answer)
{
    return answer == DialogAnswer::Yes || answer == DialogAnswer::Ok;
}

}  // namespace vantro
