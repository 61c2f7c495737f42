#include "CadSettingsPages.h"

#include "files/IniStore.h"
#include "files/SettingsFile.h"
#include "geometry/Primitives.h"
#include "view/QtText.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace vantro {
namespace {

constexpr std::array kDrawingChecks = {
    CheckSpec{"CheckBoxRiteClick", "複数選択を右クリックで実行", &Settings::RiteClick},
    CheckSpec{"CheckBoxTrimDelete", "トリムで交差しない線は削除する", &Settings::Trimdelete},
    CheckSpec{"CheckBoxDaen", "楕円を直線で作図する", &Settings::DaenChk},
    CheckSpec{"CheckBoxpeje", "曲線を直線で作図する", &Settings::PejeChk},
    CheckSpec{"CheckBoxOfset", "連続線オフセットを円弧で接続する", &Settings::OfsetPatern},
    CheckSpec{"CheckBoxErr1", "連続線オフセットの重なりチェック", &Settings::OfsetErr1},
    CheckSpec{"CheckBoxErr2", "連続線オフセットの反転チェック（直線）", &Settings::OfsetErr2},
    CheckSpec{"CheckBoxSnap", "スナップ点以外では作図しない", &Settings::SnapChk},
    CheckSpec{"CheckBoxCadFlat", "CADアイコン表示フラット", &Settings::IconFlat},
    CheckSpec{"CheckBoxReyClose", "レイヤー設定を自動で閉じる", &Settings::ReyDlgClose},
    CheckSpec{"CheckBoxFileSW", "ファイル読込時に画面、寸法設定を無視", &Settings::SetSW},
    CheckSpec{"CheckBoxWav", "クリック音", &Settings::Wav},
};

constexpr std::array kDrawingSpins = {
    SpinSpec{"SpinEdit1", "ピック範囲（ピクセル）", 2, 10, &Settings::Pick},
    SpinSpec{"SpinEdit2", "ピック表示サイズ", 2, 10, &Settings::Pick2},
    SpinSpec{"SpinEdit3", "Undo最大回数", 2, 95, &Settings::Undo},
    SpinSpec{"SpinEditTime", "自動保存の時間(分)", 0, 120, &Settings::Timer},
    SpinSpec{"SpinEditPeje", "楕円、曲線の直線分割数", 5, 60, &Settings::PejeValue},
};

constexpr std::array<const char*, 7> kEpsItems = {"0.1", "0.01", "0.003", "0.001", "0.0001", "0.00001", "0.000001"};
const ChoiceSpec kEps{"ComboBoxEps", "計算チェック精度", kEpsItems, &Settings::EpsIndex};

constexpr std::array kDimensionChecks = {
    CheckSpec{"CheckBoxDimR", "R寸法で補助線を中心まで描く", &Settings::DimRChk},
    CheckSpec{"CheckBoxDim0", "小数点0以下を表示しない", &Settings::Dim0Chk},
    CheckSpec{"CheckBoxDimTextOfset", "引き出し線の文字は延長線上に描画する（コメントの有る場合は不可)",
              &Settings::DimTextOfset},
};

constexpr std::array kDimensionFloats = {
    FloatSpec{"Edit7", "矢印長さ(単位mm)", &Settings::ArrowLength, FormatUpToTwoDecimals, kDimensionLengthRange},
    FloatSpec{"Edit8", "引出し線長さ(単位mm)", &Settings::ArrowHeight, FormatUpToTwoDecimals, kDimensionLengthRange},
    FloatSpec{"Edit9", "文字ｵﾌｾｯﾄ(単位mm)", &Settings::ArrowOffset, FormatUpToTwoDecimals, kDimensionLengthRange},
    FloatSpec{"Edit10", "文字高さ(単位mm)", &Settings::Textheight, FormatUpToTwoDecimals, kTextHeightRange},
};

constexpr std::array<const char*, 7> kPrecisionItems = {"1",     "1.0",    "1.00",    "1.000",
                                                        "1.0000", "1.00000", "1.000000"};
const ChoiceSpec kPrecision{"ComboBox1", "表示単位", kPrecisionItems, &Settings::Precision};

constexpr std::array kPrinterChecks = {
    CheckSpec{"CheckBoxLineWidth", "印刷時に実線を強調する", &Settings::LineWidth},
    CheckSpec{"CheckBoxColorNox", "印刷色を反転する", &Settings::ColorNox},
    CheckSpec{"CheckBoxPrintOp", "ファイル名、日付を印刷する", &Settings::Op1},
};

constexpr std::array kPrinterFloats = {
    FloatSpec{"EdithoseiX", "補正係数(縦)", &Settings::HoseiX, FormatIniFloat, kPrinterFactorRange},
    FloatSpec{"EdithoseiY", "補正係数(横)", &Settings::HoseiY, FormatIniFloat, kPrinterFactorRange},
};

constexpr std::array<const char*, 2> kColourSetItems = {"カラー", "白黒"};
const ChoiceSpec kColourSet{"RadioGroupColorSet", "印刷色", kColourSetItems, &Settings::ColorChk};

constexpr std::array kGridFloats = {FloatSpec{"EditGridPit", "ピッチ", &Settings::GridPit, FormatNumber, kGridPitchRange}};
constexpr std::array kGridSpins = {SpinSpec{"SpinEditGrid", "太線ピッチ", 0, 10, &Settings::GridPit2}};
constexpr std::array<const char*, 3> kGridItems = {"非表示", "直線", "点"};
const ChoiceSpec kGridPattern{"RadioGroupGrid", "グリッド", kGridItems, &Settings::Patern};

constexpr int kWheelMin = 1;
constexpr int kWheelMax = 10;

QPushButton* NewButton(const char* name, const char* caption)
{
    auto* button = new QPushButton(ToQ(caption));
    button->setObjectName(name);
    return button;
}

QSlider* NewWheelSlider(int value)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName("TrackBar1");
    slider->setRange(kWheelMin, kWheelMax);
    slider->setValue(value);
    return slider;
}

void TakeGridCount(const QWidget* root, const char* name, int& field)
{
    const auto value = ParseIniInteger(FromQ(root->findChild<QLineEdit*>(name)->text()));
    if (value) field = std::clamp(*value, 0, kGridCountMax);
}

}  // namespace

QWidget* NewDrawingPage(const Settings& settings, const ColourChooser& choose, const std::function<void()>& clearUndo)
{
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* checks = new QVBoxLayout;
    AddCheckBoxes(checks, kDrawingChecks, settings);
    layout->addLayout(checks);
    auto* form = new QFormLayout;
    AddSpinBoxes(form, kDrawingSpins, settings);
    AddComboBox(form, kEps, settings);
    form->addRow(QStringLiteral("マウスホイールの感度"), NewWheelSlider(settings.Wheel));
    AddColourRow(form, "ShapeGet", "選択線の色変更", settings.Color3, choose);
    QPushButton* clear = NewButton("Button21", "ｱﾝﾄﾞｩｰ初期化");
    QObject::connect(clear, &QPushButton::clicked, page, [clearUndo] {
        if (clearUndo) clearUndo();
    });
    form->addRow(clear);
    layout->addLayout(form);
    return page;
}

QWidget* NewDimensionPage(const Settings& settings, const ColourChooser& choose)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    AddFloatEdits(form, kDimensionFloats, settings);
    AddComboBox(form, kPrecision, settings);
    auto* fontName = new QLabel(ToQString(settings.DimTextName));
    fontName->setObjectName("labelfontName");
    form->addRow(QStringLiteral("フォント"), fontName);
    AddColourRow(form, "ShapeDim", "寸法線の色変更", settings.Color2, choose);
    layout->addLayout(form);
    AddCheckBoxes(layout, kDimensionChecks, settings);
    return page;
}

QWidget* NewPrinterPage(const Settings& settings)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    AddCheckBoxes(layout, kPrinterChecks, settings);
    layout->addWidget(NewRadioGroup(kColourSet, 2, settings));
    auto* form = new QFormLayout;
    AddFloatEdits(form, kPrinterFloats, settings);
    layout->addLayout(form);
    return page;
}

QWidget* NewGridPage(const Settings& settings, const ColourChooser& choose)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    AddFloatEdits(form, kGridFloats, settings);
    form->addRow(QStringLiteral("配列数X"), NewIntegerEdit("EditGridX", QString::number(settings.GridCountX)));
    form->addRow(QStringLiteral("配列数Y"), NewIntegerEdit("EditGridY", QString::number(settings.GridCountY)));
    AddSpinBoxes(form, kGridSpins, settings);
    AddColourRow(form, "ShapeGrid", "線色変更", settings.GridColor, choose);
    layout->addLayout(form);
    layout->addWidget(NewRadioGroup(kGridPattern, 3, settings));
    return page;
}

void TakeCadPages(const QWidget* root, Settings& settings)
{
    TakeCheckBoxes(root, kDrawingChecks, settings);
    TakeCheckBoxes(root, kDimensionChecks, settings);
    TakeCheckBoxes(root, kPrinterChecks, settings);
    TakeSpinBoxes(root, kDrawingSpins, settings);
    TakeSpinBoxes(root, kGridSpins, settings);
    TakeFloatEdits(root, kDimensionFloats, settings);
    TakeFloatEdits(root, kPrinterFloats, settings);
    TakeFloatEdits(root, kGridFloats, settings);
    TakeComboBox(root, kEps, settings);
    TakeComboBox(root, kPrecision, settings);
    TakeRadioGroup(root, kColourSet, settings);
    TakeRadioGroup(root, kGridPattern, settings);
    TakeGridCount(root, "EditGridX", settings.GridCountX);
    TakeGridCount(root, "EditGridY", settings.GridCountY);
    settings.Wheel = root->findChild<QSlider*>("TrackBar1")->value();
    settings.Color3 = SwatchColour(root, "ShapeGet");
    settings.Color2 = SwatchColour(root, "ShapeDim");
    settings.GridColor = SwatchColour(root, "ShapeGrid");
}

}  // namespace vantro
