#include "ui/QtDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace vantro {
namespace {

const QString kCaption = QStringLiteral("VantroCad");

// "VantroCAD ファイル(*.dca)|*.dca" to Qt's "VantroCAD ファイル(*.dca)".
QString QtFilter(const std::string& filter)
{
    const QString text = QString::fromStdString(filter);
    return text.left(text.indexOf(QLatin1Char('|')));
}

std::optional<std::string> Chosen(const QString& path)
{
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

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

std::optional<std::string> QtDialogs::ChooseOpenFile(const std::string& folder, const std::string& filter)
{
    return Chosen(QFileDialog::getOpenFileName(parent_, QString(), QString::fromStdString(folder), QtFilter(filter)));
}

std::optional<std::string> QtDialogs::ChooseSaveFile(const std::string& folder, const std::string& filter)
{
    // The program asks about overwriting itself, with its own words.
    return Chosen(QFileDialog::getSaveFileName(parent_, QString(), QString::fromStdString(folder), QtFilter(filter),
                                               nullptr, QFileDialog::DontConfirmOverwrite));
}

}  // namespace vantro
