#include "ui/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace vantro {
namespace {

const QString kCaption = QStringLiteral("VantroCad");

}  // namespace

void QtDialogs::ShowMessage(const std::string& text)
{
    QMessageBox::information(parent_, kCaption, QString::fromStdString(text));
}

DialogAnswer QtDialogs::Ask(const std::string& text, QuestionButtons buttons)
{
    QMessageBox::StandardButtons shown;
    switch (buttons) {
    case QuestionButtons::YesNo: shown = QMessageBox::Yes | QMessageBox::No; break;
    case QuestionButtons::YesNoCancel: shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case QuestionButtons::OkCancel: shown = QMessageBox::Ok | QMessageBox::Cancel; break;
    case QuestionButtons::YesCancel: shown = QMessageBox::Yes | QMessageBox::Cancel; break;
    }
    switch (QMessageBox::question(parent_, kCaption, QString::fromStdString(text), shown)) {
    case QMessageBox::Yes: return DialogAnswer::Yes;
    case QMessageBox::No: return DialogAnswer::No;
    case QMessageBox::Ok: return DialogAnswer::Ok;
    default: return DialogAnswer::Cancel;
    }
}

std::optional<std::string> QtDialogs::InputLine(const std::string& caption, const std::string& prompt,
                                                const std::string& initial)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(parent_, QString::fromStdString(caption), QString::fromStdString(prompt),
                                               QLineEdit::Normal, QString::fromStdString(initial), &accepted);
    if (!accepted) return std::nullopt;
    return text.toStdString();
}

}  // namespace vantro
