// The dialog seam's real implementation: Qt message boxes, questions and input boxes.
#pragma once

#include "document/UserDialogs.h"

#include <memory>

class QApplication;
class QMessageBox;
class QString;
class QWidget;

namespace vantro {

class QtDialogs final : public UserDialogs {
public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}
    void ShowMessage(const std::string& text) override;
    DialogAnswer Ask(const std::string& text, QuestionButtons buttons) override;
    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override;
    std::optional<std::string> ChooseOpenFile(const std::string& folder, const std::string& filter) override;
    std::optional<std::string> ChooseSaveFile(const std::string& folder, const std::string& filter) override;

private:
    QWidget* parent_;
};

// A message box or question with the program's caption and Japanese buttons (はい, いいえ,
// キャンセル, OK), whatever the system's language; built without showing it.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const std::string& text,
                                            std::optional<QuestionButtons> buttons);

// A file dialog filter of the program ("caption|*.ext", several patterns separated by ";") as Qt
// reads filters: the caption with the patterns in its last parentheses.
QString QtFileFilter(const std::string& filter);

// Qt's own dialogs and buttons in Japanese, from the system's Qt translations when installed.
void InstallJapaneseTranslations(QApplication& application);

// Forwards to whichever seam is installed, so that parts holding the window's seam follow a
// replacement (tests install a scripted one after the window exists).
class DialogRelay final : public UserDialogs {
public:
    void SetTarget(UserDialogs* target) { target_ = target; }
    UserDialogs* Target() const { return target_; }
    void ShowMessage(const std::string& text) override { target_->ShowMessage(text); }
    DialogAnswer Ask(const std::string& text, QuestionButtons buttons) override { return target_->Ask(text, buttons); }
    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override
    {
        return target_->InputLine(caption, prompt, initial);
    }
    std::optional<std::string> ChooseOpenFile(const std::string& folder, const std::string& filter) override
    {
        return target_->ChooseOpenFile(folder, filter);
    }
    std::optional<std::string> ChooseSaveFile(const std::string& folder, const std::string& filter) override
    {
        return target_->ChooseSaveFile(folder, filter);
    }

private:
    UserDialogs* target_ = nullptr;
};

}  // namespace vantro
