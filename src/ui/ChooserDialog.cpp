#include "ui/ChooserDialog.h"

#include "commands/Selection.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantro {

TFormGet::TFormGet(const Drawing& drawing, std::function<void(int, bool)> draw, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), drawing_(drawing), draw_(std::move(draw))
{
    setObjectName(QStringLiteral("FormGet"));
    setWindowTitle(QStringLiteral("重複選択"));
    auto* column = new QVBoxLayout(this);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    column->addWidget(label_);
    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    const auto addButton = [&](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromUtf8(name));
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    QPushButton* confirm = addButton("Button1", QStringLiteral("確定"));
    QPushButton* next = addButton("Button2", QStringLiteral("次候補"));
    QPushButton* cancel = addButton("Button3", QStringLiteral("中止"));
    confirm->setDefault(true);
    connect(confirm, &QPushButton::clicked, this, &QDialog::accept);
    connect(next, &QPushButton::clicked, this, [this] { Next(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormGet::Begin(std::vector<int> candidates)
{
    candidates_ = std::move(candidates);
    current_ = -1;
    Next();
}

void TFormGet::Next()
{
    if (candidates_.empty()) return;
    if (current_ >= 0) draw_(candidates_[static_cast<size_t>(current_)], false);
    current_ = (current_ + 1) % static_cast<int>(candidates_.size());
    const int index = candidates_[static_cast<size_t>(current_)];
    draw_(index, true);
    label_->setText(QString::fromStdString(
        ChooserCaption(current_ + 1, static_cast<int>(candidates_.size()), drawing_[index].Kind)));
}

void TFormGet::End()
{
    if (current_ >= 0) draw_(candidates_[static_cast<size_t>(current_)], false);
}

int TFormGet::CurrentIndex() const { return current_ >= 0 ? candidates_[static_cast<size_t>(current_)] : -1; }

QString TFormGet::Caption() const { return label_->text(); }

}  // namespace vantro
