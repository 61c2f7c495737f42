#include "ui/CadSettingsDialog.h"
#include "ui/ColourSwatch.h"
#include "ui/SettingsDialog.h"
#include "support/ScriptedDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

namespace vantro {
namespace {

template <typename W>
W* Find(const QWidget& root, const char* name)
{
    W* widget = root.findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QString Text(const QWidget& root, const char* name)
{
    return Find<QLineEdit>(root, name)->text();
}

void CheckRadio(const QWidget& root, const char* group, int index)
{
    Find<QRadioButton>(root, QStringLiteral("%1_%2").arg(group).arg(index).toLatin1().constData())->setChecked(true);
}

Settings Changed()
{
    Settings s;
    s.CadFolder = "/home/u/図面";
    s.DxfFolder = "/tmp/dxf";
    s.FormColor = 0x112233;
    s.Width2 = 7;
    s.Senter = 0;
    s.RiteClick = true;
    s.Trimdelete = false;
    s.Pick = 9;
    s.Timer = 15;
    s.EpsIndex = 5;
    s.ArrowLength = 2.5;
    s.Textheight = 3.25;
    s.Precision = 1;
    s.Dim0Chk = false;
    s.ColorChk = 1;
    s.HoseiX = 0.975;
    s.Bunkatu = 360;
    s.CadMax = 20000;
    s.Os = 2000;
    s.GridPit = 2.5;
    s.GridCountX = 40;
    s.Patern = 2;
    s.GridPit2 = 3;
    s.Wheel = 7;
    s.Color3 = 0x00FF00;
    return s;
}

std::optional<uint32_t> NoColour(uint32_t)
{
    return std::nullopt;
}

TEST(SettingsDialogScreen, ControlsShowTheSettings)
{
    SettingsDialog dialog(Changed(), NoColour, nullptr);
    EXPECT_EQ(Text(dialog, "EditCadPath"), QStringLiteral("/home/u/図面"));
    EXPECT_EQ(Text(dialog, "EditDXFPath"), QStringLiteral("/tmp/dxf"));
    EXPECT_EQ(Find<ColourSwatch>(dialog, "ShapeFormColor")->Colour(), 0x112233u);
    EXPECT_EQ(CheckedIndex(Find<QGroupBox>(dialog, "RadioGroup1")), 7);
    EXPECT_EQ(CheckedIndex(Find<QGroupBox>(dialog, "RadioGroupKijyun")), 0);
    EXPECT_EQ(Find<QGroupBox>(dialog, "RadioGroup1")->findChildren<QRadioButton*>().size(), 12);
    EXPECT_EQ(Find<QGroupBox>(dialog, "RadioGroupKijyun")->findChildren<QRadioButton*>().size(), 9);
}

TEST(SettingsDialogScreen, OkTakesOnlyTheChangedControls)
{
    const Settings before = Changed();
    SettingsDialog dialog(before, [](uint32_t) { return std::optional<uint32_t>(0x445566); }, nullptr);
    Find<QLineEdit>(dialog, "EditDXFPath")->setText("/srv/dxf");
    CheckRadio(dialog, "RadioGroupKijyun", 8);
    Find<QPushButton>(dialog, "ShapeFormColorChange")->click();
    dialog.Confirm();
    Settings expected = before;
    expected.DxfFolder = "/srv/dxf";
    expected.Senter = 8;
    expected.FormColor = 0x445566;
    EXPECT_TRUE(dialog.Accepted());
    EXPECT_EQ(dialog.Result(), expected);
}

TEST(SettingsDialogScreen, CancelChangesNothing)
{
    const Settings before = Changed();
    SettingsDialog dialog(before, NoColour, nullptr);
    Find<QLineEdit>(dialog, "EditCadPath")->setText("/elsewhere");
    CheckRadio(dialog, "RadioGroup1", 0);
    Find<QPushButton>(dialog, "ButtonCancel")->click();
    EXPECT_FALSE(dialog.Accepted());
    EXPECT_EQ(dialog.Result(), before);
}

TEST(SettingsDialogScreen, OkWithoutChangesKeepsEverything)
{
    const Settings before = Changed();
    SettingsDialog dialog(before, NoColour, nullptr);
    Find<QPushButton>(dialog, "Button3")->click();
    EXPECT_TRUE(dialog.Accepted());
    EXPECT_EQ(dialog.Result(), before);
}

TEST(SettingsDialogScreen, BrowseOffersTheFolderAndTakesTheChoice)
{
    std::string offered;
    SettingsDialog dialog(Changed(), NoColour, [&offered](const std::string& folder) {
        offered = folder;
        return std::optional<std::string>("/srv/図面");
    });
    Find<QPushButton>(dialog, "EditCadPathBrowse")->click();
    EXPECT_EQ(offered, "/home/u/図面");
    dialog.Confirm();
    EXPECT_EQ(dialog.Result().CadFolder, "/srv/図面");
}

class SettingsDialogCad : public ::testing::Test {
protected:
    testing::ScriptedDialogs messages;
    int undoCleared = 0;
    Settings before = Changed();
    CadSettingsDialog dialog{before, messages, NoColour, [this] { ++undoCleared; }};
};

TEST_F(SettingsDialogCad, ControlsShowTheSettings)
{
    EXPECT_TRUE(Find<QCheckBox>(dialog, "CheckBoxRiteClick")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(dialog, "CheckBoxTrimDelete")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(dialog, "CheckBoxDim0")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(dialog, "CheckBoxOfset")->isChecked());
    EXPECT_EQ(Find<QSpinBox>(dialog, "SpinEdit1")->value(), 9);
    EXPECT_EQ(Find<QSpinBox>(dialog, "SpinEditTime")->value(), 15);
    EXPECT_EQ(Find<QSpinBox>(dialog, "SpinEditGrid")->value(), 3);
    EXPECT_EQ(Find<QComboBox>(dialog, "ComboBoxEps")->currentText(), QStringLiteral("0.00001"));
    EXPECT_EQ(Find<QComboBox>(dialog, "ComboBox1")->currentText(), QStringLiteral("1.0"));
    EXPECT_EQ(Text(dialog, "Edit7"), QStringLiteral("2.5"));
    EXPECT_EQ(Text(dialog, "Edit10"), QStringLiteral("3.25"));
    EXPECT_EQ(Text(dialog, "EdithoseiX"), QStringLiteral("0.975"));
    EXPECT_EQ(Text(dialog, "EditGridPit"), QStringLiteral("2.5"));
    EXPECT_EQ(Text(dialog, "EditGridX"), QStringLiteral("40"));
    EXPECT_EQ(CheckedIndex(Find<QGroupBox>(dialog, "RadioGroupGrid")), 2);
    EXPECT_EQ(CheckedIndex(Find<QGroupBox>(dialog, "RadioGroupColorSet")), 1);
    EXPECT_EQ(Find<QSlider>(dialog, "TrackBar1")->value(), 7);
    EXPECT_EQ(Find<ColourSwatch>(dialog, "ShapeGet")->Colour(), 0x00FF00u);
    EXPECT_EQ(Text(dialog, "EditSys1"), QStringLiteral("360"));
    EXPECT_EQ(Text(dialog, "EditSys5"), QStringLiteral("20000"));
    EXPECT_EQ(Text(dialog, "EditSys9"), QStringLiteral("2000"));
    EXPECT_EQ(Text(dialog, "EditSys10"), QString());
}

TEST_F(SettingsDialogCad, OkTakesOnlyTheChangedControls)
{
    Find<QCheckBox>(dialog, "CheckBoxWav")->setChecked(true);
    Find<QSpinBox>(dialog, "SpinEdit3")->setValue(40);
    Find<QComboBox>(dialog, "ComboBoxEps")->setCurrentIndex(0);
    Find<QLineEdit>(dialog, "Edit9")->setText("1.5");
    Find<QLineEdit>(dialog, "EditSys2")->setText("70");
    Find<QLineEdit>(dialog, "EditGridY")->setText("60");
    CheckRadio(dialog, "RadioGroupGrid", 1);
    Find<QPushButton>(dialog, "ButtonOK")->click();
    Settings expected = before;
    expected.Wav = true;
    expected.Undo = 40;
    expected.EpsIndex = 0;
    expected.ArrowOffset = 1.5;
    expected.Hani = 70;
    expected.GridCountY = 60;
    expected.Patern = 1;
    EXPECT_TRUE(dialog.Accepted());
    EXPECT_EQ(dialog.Result(), expected);
    EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(SettingsDialogCad, DecimalsOutsideTheirRangeAreBroughtInside)
{
    // A text height of 0 or a grid pitch of a hundred kilometres was once taken as typed.
    const struct {
        const char* Edit;
        const char* Typed;
        double Settings::*Field;
        double Taken;
    } cases[] = {
        {"Edit10", "0", &Settings::Textheight, 0.1},         {"Edit10", "99999", &Settings::Textheight, 1000},
        {"Edit7", "5000", &Settings::ArrowLength, 1000},      {"EdithoseiY", "0", &Settings::HoseiY, 0.01},
        {"EditGridPit", "0", &Settings::GridPit, 0.01},       {"EditGridPit", "100000000", &Settings::GridPit, 100000},
        {"Edit9", "0", &Settings::ArrowOffset, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Edit + std::string(" ") + c.Typed);
        CadSettingsDialog fresh{before, messages, NoColour, [] {}};
        Find<QLineEdit>(fresh, c.Edit)->setText(QString::fromUtf8(c.Typed));
        Find<QPushButton>(fresh, "ButtonOK")->click();
        EXPECT_EQ(fresh.Result().*c.Field, c.Taken);
    }
}

TEST_F(SettingsDialogCad, CancelChangesNothing)
{
    Find<QCheckBox>(dialog, "CheckBoxDaen")->setChecked(true);
    Find<QLineEdit>(dialog, "EditSys1")->setText("12");
    Find<QPushButton>(dialog, "ButtonCancel")->click();
    EXPECT_FALSE(dialog.Accepted());
    EXPECT_EQ(dialog.Result(), before);
}

TEST_F(SettingsDialogCad, Parameter5AboveTheMaximumIsCut)
{
    QLineEdit* edit = Find<QLineEdit>(dialog, "EditSys5");
    edit->clear();
    QTest::keyClicks(edit, "200000");
    EXPECT_EQ(messages.Messages, std::vector<std::string>{"パラメータ5番の最大数は100000です"});
    EXPECT_EQ(edit->text(), QStringLiteral("100000"));
}

TEST_F(SettingsDialogCad, Parameter5BelowTheMinimumIsRaisedOnLeaving)
{
    QLineEdit* edit = Find<QLineEdit>(dialog, "EditSys5");
    edit->clear();
    QTest::keyClicks(edit, "50");
    EXPECT_TRUE(messages.Messages.empty());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(messages.Messages, std::vector<std::string>{"パラメータ5番の最小数は100です"});
    EXPECT_EQ(edit->text(), QStringLiteral("100"));
}

TEST_F(SettingsDialogCad, DefaultFillsTheStandardParameters)
{
    Find<QPushButton>(dialog, "ButtonDefault")->click();
    const std::array<const char*, 10> standard = {"90", "30", "3", "10", "50000", "1", "0", "1", "98", ""};
    for (size_t i = 0; i < standard.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(Text(dialog, QStringLiteral("EditSys%1").arg(i + 1).toLatin1().constData()),
                  QString::fromLatin1(standard[i]));
    }
}

TEST_F(SettingsDialogCad, ParameterThatIsNotANumberCountsAsItsDefault)
{
    Find<QLineEdit>(dialog, "EditSys4")->clear();
    dialog.Confirm();
    EXPECT_EQ(dialog.Result().Mado, 10);
}

TEST_F(SettingsDialogCad, GridCountAboveTheMaximumIsCut)
{
    QLineEdit* edit = Find<QLineEdit>(dialog, "EditGridX");
    edit->clear();
    QTest::keyClicks(edit, "101");
    EXPECT_EQ(messages.Messages, std::vector<std::string>{"最大数100まで！"});
    EXPECT_EQ(edit->text(), QStringLiteral("100"));
}

TEST_F(SettingsDialogCad, GridPitchThatIsNotANumberIsReported)
{
    QLineEdit* edit = Find<QLineEdit>(dialog, "EditGridPit");
    edit->clear();
    QTest::keyClicks(edit, "1..");
    EXPECT_EQ(messages.Messages, std::vector<std::string>{"不正な入力数値です"});
    EXPECT_EQ(edit->selectedText(), QStringLiteral("1.."));
}

TEST_F(SettingsDialogCad, NumericEditsRefuseLetters)
{
    QLineEdit* edit = Find<QLineEdit>(dialog, "EditSys1");
    edit->clear();
    QTest::keyClicks(edit, "1a2");
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
}

TEST_F(SettingsDialogCad, UndoButtonRunsTheCallback)
{
    Find<QPushButton>(dialog, "Button21")->click();
    EXPECT_EQ(undoCleared, 1);
}

TEST_F(SettingsDialogCad, HelpShowsTheParameterList)
{
    Find<QPushButton>(dialog, "ButtonHelp")->click();
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_NE(messages.Messages[0].find("5:作図可能最大要素数(50000)"), std::string::npos);
}

TEST_F(SettingsDialogCad, ColourButtonChangesTheSwatch)
{
    CadSettingsDialog chosen(before, messages, [](uint32_t) { return std::optional<uint32_t>(0x123456); }, nullptr);
    Find<QPushButton>(chosen, "ShapeGridChange")->click();
    chosen.Confirm();
    EXPECT_EQ(chosen.Result().GridColor, 0x123456u);
}

TEST_F(SettingsDialogCad, TheFontButtonAndTheSelectionMenuBox)
{
    dialog.SetFontChooser([this](const FontChoice& current) -> std::optional<FontChoice> {
        EXPECT_EQ(current.Face, before.DimTextName);
        return FontChoice{"IPAGothic", 0x0000FF};
    });
    dialog.SetSelectionMenuShown(false);
    QTest::mouseClick(dialog.findChild<QPushButton*>("ButtonFont"), Qt::LeftButton);
    EXPECT_EQ(dialog.findChild<QLabel*>("labelfontName")->text(), "IPAGothic");
    dialog.Confirm();
    EXPECT_EQ(dialog.Result().DimTextName, "IPAGothic");
    EXPECT_EQ(dialog.Result().TextColor, 0x0000FFu);
    EXPECT_FALSE(dialog.SelectionMenuShown());
}

}  // namespace
}  // namespace vantro
