#include "ui/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace vantro {
namespace {

const QString kCaption = QStringLiteral("VantroCad");

std::optional<std::string> Chosen(const QString& path)
{
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const std::string& text,
                                            std::optional<QuestionButtons> buttons)
{
    auto box = std::make_unique<QMessageBox>(buttons ? QMessageBox::Question : QMessageBox::Information, kCaption,
                                             QString::fromStdString(text), QMessageBox::NoButton, parent);
    const auto add = [&box](QMessageBox::StandardButton button, const char* caption) {
        box->addButton(button)->setText(QString::fromUtf8(caption));
    };
    const QuestionButtons shown = buttons.value_or(QuestionButtons::OkCancel);
    const bool yes = buttons && shown != QuestionButtons::OkCancel;
    if (yes) add(QMessageBox::Yes, "はい");
    if (shown == QuestionButtons::YesNo || shown == QuestionButtons::YesNoCancel) add(QMessageBox::No, "いいえ");
    if (!yes) add(QMessageBox::Ok, "OK");
    if (buttons && shown != QuestionButtons::YesNo) add(QMessageBox::Cancel, "キャンセル");
    return box;
}

QString QtFileFilter(const std::string& filter)
{
    const QString text = QString::fromStdString(filter);
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    const QString caption = text.left(bar);
    const QStringList patterns = text.mid(bar + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    // Qt takes the patterns from the last parentheses only, so a caption that lists several in
    // parentheses of their own ("(*.dpa)(*.dca)") gets them in one: "(*.dpa *.dca)".
    if (bar < 0 || patterns.size() < 2) return caption;
    const qsizetype open = caption.indexOf(QLatin1Char('('));
    return caption.left(open < 0 ? caption.size() : open) + QLatin1Char('(') + patterns.join(QLatin1Char(' ')) +
           QLatin1Char(')');
}

void InstallJapaneseTranslations(QApplication& application)
{
    for (const char* name : {"qtbase_ja", "qt_ja"}) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QString::fromLatin1(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) continue;
        translator->setParent(&application);
        QApplication::installTranslator(translator.release());
    }
}

void QtDialogs::ShowMessage(const std::string& text) { MakeMessageBox(parent_, text, std::nullopt)->exec(); }

DialogAnswer QtDialogs::Ask(const std::string& text, QuestionButtons buttons)
{
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(parent_, text, buttons);
    box->exec();
    switch (box->standardButton(box->clickedButton())) {
    case QMessageBox::Yes: return DialogAnswer::Yes;
    case QMessageBox::No: return DialogAnswer::No;
    case QMessageBox::Ok: return DialogAnswer::Ok;
    default: return DialogAnswer::Cancel;
    }
}

std::optional<std::string> QtDialogs::InputLine(const std::string& caption, const std::string& prompt,
                                                const std::string& initial)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(QString::fromStdString(caption));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(initial));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

std::optional<std::string> QtDialogs::ChooseOpenFile(const std::string& folder, const std::string& filter)
{
    return Chosen(QFileDialog::getOpenFileName(parent_, QString(), QString::fromStdString(folder), QtFileFilter(filter)));
}

std::optional<std::string> QtDialogs::ChooseSaveFile(const std::string& folder, const std::string& filter)
{
    // The program asks about overwriting itself, with its own words.
    return Chosen(QFileDialog::getSaveFileName(parent_, QString(), QString::fromStdString(folder), QtFileFilter(filter),
                                               nullptr, QFileDialog::DontConfirmOverwrite));
}

}  // namespace vantro
