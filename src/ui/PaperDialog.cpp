#include "ui/PaperDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <charconv>
#include <optional>

namespace vantro {
namespace {

// In the order of kNamedPapers, then the user size.
constexpr const char* kItemCaptions[8] = {
    "Ａ１ (840 x 594)", "Ａ２ (594 x 420)", "Ａ３ (420 x 297)", "Ａ４ (297 x 210)",
    "Ａ５ (210 x 148)", "Ｂ４ (364 x 257)", "Ｂ５ (257 x 182)", "ユザｰ設定",
};

std::optional<int> ReadWholeNumber(const QString& text)
{
    const std::string digits = text.trimmed().toStdString();
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

QLineEdit* SizeField(const char* name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromUtf8(name));
    field->setMaximumWidth(80);
    return field;
}

}  // namespace

TFormPrint::TFormPrint(UserDialogs& messages, QWidget* parent) : QDialog(parent), messages_(messages)
{
    setObjectName(QStringLiteral("FormPrint"));
    setWindowTitle(QStringLiteral("印刷"));
    auto* rows = new QVBoxLayout(this);
    auto* label = new QLabel(QString::fromUtf8(kUnknownPaperMessage), this);
    label->setObjectName(QStringLiteral("Label1"));
    rows->addWidget(label);
    auto* group = new QGroupBox(QStringLiteral("用紙サイズ"), this);
    group->setObjectName(QStringLiteral("RadioGroup2"));
    auto* grid = new QGridLayout(group);
    for (size_t i = 0; i < items_.size(); ++i) {
        items_[i] = new QRadioButton(QString::fromUtf8(kItemCaptions[i]), group);
        grid->addWidget(items_[i], static_cast<int>(i % 4), static_cast<int>(i / 4));
    }
    rows->addWidget(group);
    // The user size is typed only while its item is chosen.
    auto* userSize = new QWidget(this);
    auto* userRow = new QHBoxLayout(userSize);
    userRow->setContentsMargins(0, 0, 0, 0);
    editX_ = SizeField("EditX", userSize);
    editY_ = SizeField("EditY", userSize);
    userRow->addWidget(editX_);
    userRow->addWidget(new QLabel(QStringLiteral("x"), userSize));
    userRow->addWidget(editY_);
    userRow->addStretch();
    rows->addWidget(userSize);
    userSize->setVisible(false);
    connect(items_[kUserSizeItem], &QRadioButton::toggled, userSize, &QWidget::setVisible);
    connect(editX_, &QLineEdit::textEdited, this, [this] { Typed(editX_); });
    connect(editY_, &QLineEdit::textEdited, this, [this] { Typed(editY_); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button4"));
    ok->setDefault(true);
    auto* stop = new QPushButton(QStringLiteral("中止"), this);
    stop->setObjectName(QStringLiteral("Button2"));
    buttons->addWidget(ok);
    buttons->addWidget(stop);
    rows->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TFormPrint::accept);
    connect(stop, &QPushButton::clicked, this, &TFormPrint::reject);
}

// A field cleared on the way to a new number is not yet a fault.
void TFormPrint::Typed(QLineEdit* field)
{
    if (field->text().trimmed().isEmpty() || ReadWholeNumber(field->text())) return;
    messages_.ShowMessage(kBadPaperFieldMessage);
    field->selectAll();
}

int TFormPrint::ChosenItem() const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

void TFormPrint::accept()
{
    const int item = ChosenItem();
    if (item < 0) {
        messages_.ShowMessage(kNoPaperChosenMessage);
        return;
    }
    if (item == kUserSizeItem) {
        const std::optional<int> width = ReadWholeNumber(editX_->text());
        const std::optional<int> height = ReadWholeNumber(editY_->text());
        // A paper without area would place and scale nothing.
        if (!width || !height || *width < 1 || *height < 1) {
            messages_.ShowMessage(kBadUserPaperMessage);
            return;
        }
        paper_ = {*width, *height};
    } else {
        paper_ = kNamedPapers[item].Size;
    }
    QDialog::accept();
}

void TFormPrint::reject()
{
    paper_ = {};
    QDialog::reject();
}

}  // namespace vantro
