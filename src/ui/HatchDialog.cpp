#include "ui/HatchDialog.h"

#include "commands/HatchSteps.h"
#include "geometry/Primitives.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantro {

THathiDlg::THathiDlg(UserDialogs& messages, QWidget* parent) : QDialog(parent), messages_(messages)
{
    setObjectName(QStringLiteral("HathiDlg"));
    setWindowTitle(QStringLiteral("ダイアログ"));
    auto* rows = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("傾斜方向、ピッチを指定してOKボタンを押してください\n"
                                            "ダイアログが閉じたら、\n"
                                            "図形、又は通過点を指定して範囲を作図してください\n"
                                            "「多数図形選択終了」ボタンを押して終了します。"),
                             this);
    label->setObjectName(QStringLiteral("Label1"));
    rows->addWidget(label);
    auto* slope = new QGroupBox(QStringLiteral("傾斜方向"), this);
    slope->setObjectName(QStringLiteral("RadioGroup1"));
    auto* slopeRows = new QVBoxLayout(slope);
    rising_ = new QRadioButton(QStringLiteral("／／／／／／"), slope);
    falling_ = new QRadioButton(QStringLiteral("＼＼＼＼＼＼"), slope);
    rising_->setChecked(true);
    slopeRows->addWidget(rising_);
    slopeRows->addWidget(falling_);
    rows->addWidget(slope);
    auto* pitchRow = new QHBoxLayout;
    pitchRow->addWidget(new QLabel(QStringLiteral("ピッチ"), this));
    pitchField_ = new QLineEdit(this);
    pitchField_->setObjectName(QStringLiteral("LabeledEdit1"));
    pitchRow->addWidget(pitchField_);
    rows->addLayout(pitchRow);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    rows->addWidget(buttons);
}

void THathiDlg::SetValues(float pitch, bool falling)
{
    pitch_ = pitch;
    pitchField_->setText(QString::fromStdString(FormatNumber(pitch)));
    (falling ? falling_ : rising_)->setChecked(true);
}

void THathiDlg::accept()
{
    const std::optional<float> pitch = ReadHatchPitch(pitchField_->text().toStdString());
    if (!pitch) {
        messages_.ShowMessage(kBadPitchMessage);
        return;
    }
    pitch_ = *pitch;
    QDialog::accept();
}

bool THathiDlg::Falling() const { return falling_->isChecked(); }

}  // namespace vantro
