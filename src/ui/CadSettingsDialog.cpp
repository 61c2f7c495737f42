#include "CadSettingsDialog.h"

#include "CadSettingsPages.h"
#include "document/UserDialogs.h"
#include "files/IniStore.h"
#include "view/QtText.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace vantro {
namespace {

struct ParameterSpec {
    int Settings::*Field;  // nullptr: the tenth edit, not used
    int Missing;           // the value of a text that is not a number
    const char* Standard;  // what "デフォルト" puts in the edit
};

constexpr std::array kParameters = {
    ParameterSpec{&Settings::Bunkatu, 180, "90"}, ParameterSpec{&Settings::Hani, 50, "30"},
    ParameterSpec{&Settings::LineWid, 3, "3"},    ParameterSpec{&Settings::Mado, 10, "10"},
    ParameterSpec{&Settings::CadMax, 50000, "50000"}, ParameterSpec{&Settings::DimWid, 1, "1"},
    ParameterSpec{&Settings::Set600, 0, "0"},     ParameterSpec{&Settings::ClsChk, 0, "1"},
    ParameterSpec{&Settings::Os, 98, "98"},       ParameterSpec{nullptr, 0, ""},
};

constexpr int kCapacityIndex = 4;  // parameter 5
constexpr int kCapacityMin = 100;
constexpr int kCapacityMax = 100000;
constexpr const char* kCapacityMaxMessage = "パラメータ5番の最大数は100000です";
constexpr const char* kCapacityMinMessage = "パラメータ5番の最小数は100です";
constexpr const char* kBadNumberMessage = "不正な入力数値です";
constexpr const char* kGridCountMaxMessage = "最大数100まで！";
constexpr const char* kParameterHelp =
    "パラメータの変更には十分注意してください（）は標準値\n詳細はCADヘルプの設定をご覧下さい\n"
    "1:円、円弧、楕円を表示するための粗さ(最大3600)(90)自由曲線は別設定\n"
    "2:移動、回転、ミラー操作時、表示対象要素数(30)\n3:プリンター、実線の表示強調係数(3)\n"
    "4:多数選択する時の囲み窓を有効にする最低数(10)\n5:作図可能最大要素数(50000)\n"
    "6:プリンター、寸法線の表示強調係数(1)\n7:縦解像度600以上=0 600以下=1\n"
    "8:削除、トリム等の再表示で画面をクリアーせずに表示=0 クリアーしてから表示=1(1)\n"
    "9:円弧表示をOSに依存。(2000又は98)\n10:-----\n";

// Each parameter's line of the help text ("5:作図可能最大要素数(50000)"), as its label.
QString ParameterLabel(size_t index)
{
    const QStringList lines = QString::fromUtf8(kParameterHelp).split(QLatin1Char('\n'));
    const QString prefix = QString::number(index + 1) + QLatin1Char(':');
    for (const QString& line : lines)
        if (line.startsWith(prefix)) return line;
    return QString::number(index + 1);
}

QString ParameterName(size_t index)
{
    return QStringLiteral("EditSys%1").arg(index + 1);
}

std::optional<int> EditNumber(const QLineEdit* edit)
{
    const auto value = ParseIniInteger(FromQ(edit->text()));
    return value ? std::optional<int>(*value) : std::nullopt;
}

}  // namespace

CadSettingsDialog::CadSettingsDialog(Settings settings, UserDialogs& dialogs, ColourChooser chooseColour,
                                     std::function<void()> clearUndo, QWidget* parent)
    : QDialog(parent), original_(std::move(settings)), result_(original_), dialogs_(dialogs)
{
    setWindowTitle(QStringLiteral("CAD設定"));
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("PageControl1"));
    tabs->addTab(NewDrawingPage(original_, chooseColour, clearUndo), QStringLiteral("作図"));
    tabs->addTab(NewDimensionPage(original_, chooseColour), QStringLiteral("寸法"));
    tabs->addTab(NewPrinterPage(original_), QStringLiteral("印刷"));
    tabs->addTab(NewParameterPage(), QStringLiteral("パラメータ"));
    tabs->addTab(NewGridPage(original_, chooseColour), QStringLiteral("グリッド"));
    layout->addWidget(tabs);
    font_ = {original_.DimTextName, original_.TextColor};
    auto* dimensionPage = tabs->widget(1);
    auto* fontButton = new QPushButton(QStringLiteral("フォントの変更"), dimensionPage);
    fontButton->setObjectName(QStringLiteral("ButtonFont"));
    dimensionPage->layout()->addWidget(fontButton);
    connect(fontButton, &QPushButton::clicked, this, [this] { ChangeFont(); });
    auto* selection = new QCheckBox(QStringLiteral("作図中止時にマウスの拡大/縮小を有効にする"), tabs->widget(0));
    selection->setObjectName(QStringLiteral("CheckBoxSentaku"));
    selection->setChecked(true);
    tabs->widget(0)->layout()->addWidget(selection);
    ConnectGridChecks();
    AddOkCancel(layout, this, "ButtonOK", [this] { Confirm(); });
}

QWidget* CadSettingsDialog::NewParameterPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    for (size_t i = 0; i < kParameters.size(); ++i) {
        const ParameterSpec& entry = kParameters[i];
        const QString text = entry.Field ? QString::number(original_.*entry.Field) : QString();
        form->addRow(ParameterLabel(i), NewIntegerEdit(ParameterName(i).toLatin1().constData(), text));
    }
    layout->addLayout(form);
    QLineEdit* capacity = page->findChild<QLineEdit*>(ParameterName(kCapacityIndex));
    connect(capacity, &QLineEdit::textEdited, this, [this, capacity] { CheckParameter5Typed(capacity); });
    connect(capacity, &QLineEdit::editingFinished, this, [this, capacity] { CheckParameter5Left(capacity); });
    auto* buttons = new QHBoxLayout;
    auto* standard = new QPushButton(QStringLiteral("デフォルト"));
    standard->setObjectName("ButtonDefault");
    connect(standard, &QPushButton::clicked, this, &CadSettingsDialog::FillDefaultParameters);
    auto* help = new QPushButton(QStringLiteral("ヘルプ"));
    help->setObjectName("ButtonHelp");
    connect(help, &QPushButton::clicked, this, &CadSettingsDialog::ShowParameterHelp);
    buttons->addWidget(standard);
    buttons->addWidget(help);
    layout->addLayout(buttons);
    return page;
}

void CadSettingsDialog::ShowPage(int index) { findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(index); }

void CadSettingsDialog::ConnectGridChecks()
{
    QLineEdit* pitch = findChild<QLineEdit*>("EditGridPit");
    connect(pitch, &QLineEdit::textEdited, this, [this, pitch] {
        if (pitch->text().isEmpty() || ParseIniFloat(FromQ(pitch->text()))) return;
        dialogs_.ShowMessage(kBadNumberMessage);
        pitch->selectAll();
    });
    for (const char* name : {"EditGridX", "EditGridY"}) {
        QLineEdit* edit = findChild<QLineEdit*>(name);
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { CheckGridCount(edit); });
    }
}

// An empty edit is the user between two numbers and goes unremarked.
void CadSettingsDialog::CheckGridCount(QLineEdit* edit)
{
    if (edit->text().isEmpty()) return;
    const auto count = EditNumber(edit);
    if (!count) {
        dialogs_.ShowMessage(kBadNumberMessage);
    } else if (*count > kGridCountMax) {
        dialogs_.ShowMessage(kGridCountMaxMessage);
        edit->setText(QString::number(kGridCountMax));
    }
}

void CadSettingsDialog::CheckParameter5Typed(QLineEdit* edit)
{
    const auto value = EditNumber(edit);
    if (!value || *value <= kCapacityMax) return;
    dialogs_.ShowMessage(kCapacityMaxMessage);
    edit->setText(QString::number(kCapacityMax));
}

void CadSettingsDialog::CheckParameter5Left(QLineEdit* edit)
{
    const auto value = EditNumber(edit);
    if (!value || *value >= kCapacityMin) return;
    dialogs_.ShowMessage(kCapacityMinMessage);
    edit->setText(QString::number(kCapacityMin));
}

void CadSettingsDialog::FillDefaultParameters()
{
    for (size_t i = 0; i < kParameters.size(); ++i)
        findChild<QLineEdit*>(ParameterName(i))->setText(QString::fromLatin1(kParameters[i].Standard));
}

void CadSettingsDialog::ShowParameterHelp()
{
    dialogs_.ShowMessage(kParameterHelp);
}

void CadSettingsDialog::TakeParameters(Settings& settings) const
{
    for (size_t i = 0; i < kParameters.size(); ++i) {
        const ParameterSpec& entry = kParameters[i];
        if (!entry.Field) continue;
        settings.*entry.Field = EditNumber(findChild<QLineEdit*>(ParameterName(i))).value_or(entry.Missing);
    }
    settings.CadMax = std::clamp(settings.CadMax, kCapacityMin, kCapacityMax);
}

void CadSettingsDialog::ChangeFont()
{
    if (!chooseFont_) return;
    const std::optional<FontChoice> chosen = chooseFont_(font_);
    if (!chosen) return;
    font_ = *chosen;
    findChild<QLabel*>(QStringLiteral("labelfontName"))->setText(ToQString(font_.Face));
}

void CadSettingsDialog::SetSelectionMenuShown(bool shown)
{
    findChild<QCheckBox*>(QStringLiteral("CheckBoxSentaku"))->setChecked(shown);
}

bool CadSettingsDialog::SelectionMenuShown() const
{
    return findChild<QCheckBox*>(QStringLiteral("CheckBoxSentaku"))->isChecked();
}

void CadSettingsDialog::Confirm()
{
    result_ = original_;
    TakeCadPages(this, result_);
    TakeParameters(result_);
    result_.DimTextName = font_.Face;
    result_.TextColor = font_.Colour;
    accepted_ = true;
    accept();
}

}  // namespace vantro
