// The dialog seam's real implementation: Qt message boxes, questions and input boxes.
#pragma once

#include "document/UserDialogs.h"

class QWidget;

namespace vantro {

class QtDialogs final : public UserDialogs {
public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}
    void ShowMessage(const std::string& text) override;
    DialogAnswer Ask(const std::string& text, QuestionButtons buttons) override;
    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override;

private:
    QWidget* parent_;
};

}  // namespace vantro
