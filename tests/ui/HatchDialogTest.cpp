// "ダイアログ" of the hatch command, driven without showing it.
#include "ui/HatchDialog.h"

#include "commands/HatchSteps.h"
#include "support/ScriptedDialogs.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace vantro::testing {
namespace {

TEST(HatchDialog, ItsCaptionSlopesPitchAndButtons)
{
    ScriptedDialogs messages;
    THathiDlg dialog(messages);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ダイアログ"));
    auto* group = dialog.findChild<QGroupBox*>(QStringLiteral("RadioGroup1"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("傾斜方向"));
    EXPECT_EQ(dialog.RisingButton()->text(), QStringLiteral("／／／／／／"));
    EXPECT_EQ(dialog.FallingButton()->text(), QStringLiteral("＼＼＼＼＼＼"));
    EXPECT_TRUE(dialog.RisingButton()->isChecked()) << "index 0 at program start";
    EXPECT_EQ(dialog.PitchField()->objectName(), QStringLiteral("LabeledEdit1"));
    EXPECT_EQ(dialog.Pitch(), 10.0f);
    EXPECT_NE(dialog.findChild<QPushButton*>(QStringLiteral("OKBtn")), nullptr);
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->text(), QStringLiteral("キャンセル"));
    const QString label = dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text();
    EXPECT_TRUE(label.startsWith(QStringLiteral("傾斜方向、ピッチを指定してOKボタンを押してください")));
    EXPECT_TRUE(label.endsWith(QStringLiteral("「多数図形選択終了」ボタンを押して終了します。")));
}

TEST(HatchDialog, ShowsTheKeptValuesAsTheFieldsWriteNumbers)
{
    ScriptedDialogs messages;
    THathiDlg dialog(messages);
    dialog.SetValues(2.5f, true);
    EXPECT_EQ(dialog.PitchField()->text(), QStringLiteral("2.5"));
    EXPECT_TRUE(dialog.Falling());
    dialog.SetValues(10, false);
    EXPECT_EQ(dialog.PitchField()->text(), QStringLiteral("10"));
    EXPECT_FALSE(dialog.Falling());
}

// A pitch that is no positive number is refused with the message, and the dialog stays open for
// another try.
TEST(HatchDialog, OkRefusesAPitchThatIsNoPositiveNumber)
{
    for (const char* bad : {"abc", "", "0", "-5"}) {
        SCOPED_TRACE(bad);
        ScriptedDialogs messages;
        THathiDlg dialog(messages);
        dialog.PitchField()->setText(QString::fromUtf8(bad));
        dialog.accept();
        EXPECT_EQ(messages.Messages, std::vector<std::string>{kBadPitchMessage});
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Pitch(), 10.0f);
    }
    ScriptedDialogs messages;
    THathiDlg dialog(messages);
    dialog.PitchField()->setText(QStringLiteral("7.5"));
    dialog.FallingButton()->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Pitch(), 7.5f);
    EXPECT_TRUE(dialog.Falling());
    EXPECT_TRUE(messages.Messages.empty());
}

}  // namespace
}  // namespace vantro::testing
