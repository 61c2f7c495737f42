#include "SettingsDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace vantro {
namespace {

constexpr std::array<const char*, 12> kRangeItems = {"200",  "400",  "600",  "800",   "1000",  "1500",
                                                     "2000", "3000", "5000", "10000", "50000", "100000"};
constexpr std::array<const char*, 9> kReferenceItems = {"左上", "左中", "左下", "中上", "中心",
                                                        "中下", "右上", "右中", "右下"};
const ChoiceSpec kRange{"RadioGroup1", "描画範囲（横方向の長さm/m）", kRangeItems, &Settings::Width2};
const ChoiceSpec kReference{"RadioGroupKijyun", "基準位置", kReferenceItems, &Settings::Senter};

}  // namespace

SettingsDialog::SettingsDialog(Settings settings, ColourChooser chooseColour, FolderChooser chooseFolder,
                               QWidget* parent)
    : QDialog(parent), original_(std::move(settings)), result_(original_), chooseColour_(std::move(chooseColour)),
      chooseFolder_(std::move(chooseFolder))
{
    setWindowTitle(QStringLiteral("設定"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    AddFolderRow(form, "EditCadPath", "CADファイルの指定パス", original_.CadFolder);
    AddFolderRow(form, "EditDXFPath", "DXFファイルの指定パス", original_.DxfFolder);
    AddColourRow(form, "ShapeFormColor", "画面背景色の変更", original_.FormColor, chooseColour_);
    layout->addLayout(form);
    auto* groups = new QHBoxLayout;
    groups->addWidget(NewRadioGroup(kRange, 3, original_));
    groups->addWidget(NewRadioGroup(kReference, 3, original_));
    layout->addLayout(groups);
    AddOkCancel(layout, this, "Button3", [this] { Confirm(); });
}

void SettingsDialog::AddFolderRow(QFormLayout* form, const char* name, const char* caption, const std::string& folder)
{
    auto* row = new QHBoxLayout;
    auto* edit = new QLineEdit(ToQ(folder));
    edit->setObjectName(name);
    auto* browse = new QPushButton(QStringLiteral("参照"));
    browse->setObjectName(QStringLiteral("%1Browse").arg(name));
    connect(browse, &QPushButton::clicked, this, [this, edit] {
        if (!chooseFolder_) return;
        if (const auto chosen = chooseFolder_(FromQ(edit->text()))) edit->setText(ToQ(*chosen));
    });
    row->addWidget(edit);
    row->addWidget(browse);
    form->addRow(ToQ(caption), row);
}

void SettingsDialog::Confirm()
{
    result_ = original_;
    result_.CadFolder = FromQ(findChild<QLineEdit*>("EditCadPath")->text());
    result_.DxfFolder = FromQ(findChild<QLineEdit*>("EditDXFPath")->text());
    result_.FormColor = SwatchColour(this, "ShapeFormColor");
    TakeRadioGroup(this, kRange, result_);
    TakeRadioGroup(this, kReference, result_);
    accepted_ = true;
    accept();
}

}  // namespace vantro
