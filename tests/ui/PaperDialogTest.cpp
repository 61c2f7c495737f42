// The paper dialog of printing, driven without showing it.
#include "ui/PaperDialog.h"

#include "support/ScriptedDialogs.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vantro::testing {
namespace {

TEST(PaperDialog, ItsItemsFieldsAndButtons)
{
    ScriptedDialogs messages;
    TFormPrint dialog(messages);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("印刷"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>(QStringLiteral("RadioGroup2"))->title(), QStringLiteral("用紙サイズ"));
    EXPECT_EQ(dialog.Item(0)->text(), QStringLiteral("Ａ１ (840 x 594)"));
    EXPECT_EQ(dialog.Item(6)->text(), QStringLiteral("Ｂ５ (257 x 182)"));
    EXPECT_EQ(dialog.Item(TFormPrint::kUserSizeItem)->text(), QStringLiteral("ユザｰ設定"));
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text().startsWith(
        QStringLiteral("プリンターの設定から用紙サイズを認識できません")));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("Button4"))->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("Button2"))->text(), QStringLiteral("中止"));
    EXPECT_FALSE(dialog.EditX()->isVisibleTo(&dialog)) << "the user size is typed only for its item";
    dialog.Item(TFormPrint::kUserSizeItem)->setChecked(true);
    EXPECT_TRUE(dialog.EditX()->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.EditY()->isVisibleTo(&dialog));
    dialog.Item(3)->setChecked(true);
    EXPECT_FALSE(dialog.EditY()->isVisibleTo(&dialog));
}

// Each answer: the item chosen (-1 none), the typed user size, the message and the paper.
TEST(PaperDialog, OkGivesTheChosenSizeOrStaysWithItsMessage)
{
    struct Case {
        int item;
        const char* x;
        const char* y;
        const char* message;
        PaperSize paper;
    };
    const Case cases[] = {
        {-1, "", "", kNoPaperChosenMessage, {}},
        {0, "", "", nullptr, {840, 594}},
        {3, "", "", nullptr, {297, 210}},
        {5, "", "", nullptr, {364, 257}},
        {TFormPrint::kUserSizeItem, "500", "300", nullptr, {500, 300}},
        {TFormPrint::kUserSizeItem, "500.5", "300", kBadUserPaperMessage, {}},
        {TFormPrint::kUserSizeItem, "500", "", kBadUserPaperMessage, {}},
        {TFormPrint::kUserSizeItem, "0", "300", kBadUserPaperMessage, {}},
        {TFormPrint::kUserSizeItem, "99999999999", "300", kBadUserPaperMessage, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.item) + " " + c.x + " × " + c.y);
        ScriptedDialogs messages;
        TFormPrint dialog(messages);
        if (c.item >= 0) dialog.Item(c.item)->setChecked(true);
        dialog.EditX()->setText(QString::fromUtf8(c.x));
        dialog.EditY()->setText(QString::fromUtf8(c.y));
        dialog.accept();
        EXPECT_EQ(messages.Messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.message == nullptr);
        EXPECT_EQ(dialog.Paper(), c.paper);
    }
}

TEST(PaperDialog, StopLeavesNoPaper)
{
    ScriptedDialogs messages;
    TFormPrint dialog(messages);
    dialog.Item(2)->setChecked(true);
    dialog.accept();
    ASSERT_EQ(dialog.Paper(), (PaperSize{420, 297}));
    dialog.reject();
    EXPECT_EQ(dialog.Paper(), PaperSize{});
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

// Typing tells at once when a size field holds no whole number, and selects it for the next try;
// a field emptied on the way to a new number is not told.
TEST(PaperDialog, TypingSomethingOtherThanAWholeNumberIsToldAtOnce)
{
    ScriptedDialogs messages;
    TFormPrint dialog(messages);
    dialog.Item(TFormPrint::kUserSizeItem)->setChecked(true);
    QTest::keyClicks(dialog.EditX(), QStringLiteral("42"));
    EXPECT_TRUE(messages.Messages.empty());
    QTest::keyClick(dialog.EditX(), Qt::Key_Backspace);
    QTest::keyClick(dialog.EditX(), Qt::Key_Backspace);
    EXPECT_TRUE(messages.Messages.empty());
    QTest::keyClicks(dialog.EditY(), QStringLiteral("1x"));
    EXPECT_EQ(messages.Messages, std::vector<std::string>{kBadPaperFieldMessage});
    EXPECT_EQ(dialog.EditY()->selectedText(), QStringLiteral("1x"));
}

}  // namespace
}  // namespace vantro::testing
