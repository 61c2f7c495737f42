#include "ui/TextDialog.h"

#include "document/TextLimit.h"
#include "view/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vantro {
namespace {

QColor Swatch(uint32_t colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

}  // namespace

TTextDialog::TTextDialog(const Settings& settings, UserDialogs& messages, QWidget* parent)
    : QDialog(parent), messages_(messages)
{
    setObjectName(QStringLiteral("TextDialog"));
    setWindowTitle(QStringLiteral("テキスト入力"));
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    height_ = new QSpinBox(this);
    height_->setObjectName(QStringLiteral("SpinEdit1"));
    height_->setRange(1, 1000);
    const int remembered = settings.TextDlgHeight > 0 ? settings.TextDlgHeight
                                                      : std::max(1, static_cast<int>(std::lround(settings.Textheight)));
    height_->setValue(std::clamp(remembered, 1, 1000));
    colours_ = new QComboBox(this);
    colours_->setObjectName(QStringLiteral("ColorBox_text"));
    for (const NamedColour& c : kTextColours) {
        QPixmap swatch(16, 12);
        swatch.fill(Swatch(c.Colour));
        colours_->addItem(QIcon(swatch), QString::fromUtf8(c.Name));
    }
    colours_->setCurrentIndex(std::clamp(settings.TextDlgColor, 0, static_cast<int>(kTextColours.size()) - 1));
    faces_ = new QComboBox(this);
    faces_->setObjectName(QStringLiteral("ComboBoxText"));
    const QString current = ToQString(settings.TextName);
    QStringList families = QFontDatabase::families();
    // A face that is not installed goes last, so the remembered item index still names the same font.
    if (!families.contains(current)) families.append(current);
    faces_->addItems(families);
    faces_->setCurrentIndex(std::max(0, static_cast<int>(families.indexOf(current))));
    if (settings.TextDlgFont >= 0 && settings.TextDlgFont < faces_->count()) faces_->setCurrentIndex(settings.TextDlgFont);
    connect(faces_, &QComboBox::currentIndexChanged, this, [this] {
        chosenFace_ = ToCp932(faces_->currentText());
        memo_->setFocus();
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("文字高さ(mm)"), height_);
    form->addRow(QStringLiteral("色"), colours_);
    form->addRow(QStringLiteral("フォント"), faces_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    QPushButton* cancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TTextDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TTextDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void TTextDialog::Activate(uint32_t windowColour)
{
    if (TextColour() == windowColour)
        colours_->setCurrentIndex((colours_->currentIndex() + 1) % static_cast<int>(kTextColours.size()));
    memo_->setFocus();
    memo_->selectAll();
}

void TTextDialog::accept()
{
    if (Lines().empty()) {
        messages_.ShowMessage(kNoTextMessage);
        return;
    }
    // A longer line could not be saved whole: the drafter shortens it while it is still in view.
    const std::vector<std::string> lines = Lines();
    if (std::any_of(lines.begin(), lines.end(), [](const std::string& line) { return line.size() > kMaxTextBytes; })) {
        messages_.ShowMessage(kTextTooLongMessage);
        return;
    }
    QDialog::accept();
}

std::vector<std::string> TTextDialog::Lines() const
{
    std::vector<std::string> lines;
    for (const QString& line : memo_->toPlainText().split(QLatin1Char('\n'))) lines.push_back(ToCp932(line));
    // Line breaks after the last text end the memo; they make no empty text elements.
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

int TTextDialog::TextHeight() const { return height_->value(); }

uint32_t TTextDialog::TextColour() const { return kTextColours[static_cast<size_t>(colours_->currentIndex())].Colour; }

void TTextDialog::Remember(Settings& settings) const
{
    settings.TextDlgHeight = height_->value();
    settings.TextDlgColor = colours_->currentIndex();
    settings.TextDlgFont = faces_->currentIndex();
}

}  // namespace vantro
