// The edit menu's clipboard, the element information dialog and the real-time display in the window.
#include "MainWindowFixture.h"

#include "document/TextLimit.h"
#include "support/Fixtures.h"
#include "ui/PropertyDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace vantro::testing {
namespace {

class ClipboardWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        AddLine(window->Document(), 0, 0, 50, 0);
        AddLine(window->Document(), 0, 30, 50, 30);
        window->RedrawAll(true);
    }
    void SelectFirstLine()
    {
        Find<QAction>("menuSentakuStert")->trigger();
        ClickCanvas(PixelOf(25, 0));
        ASSERT_EQ(window->Command().SelectionCount, 1);
    }
    void OpenEditMenu() { emit Find<QMenu>("Cadhensyu")->aboutToShow(); }
};

TEST_F(ClipboardWindowTest, MenuItemsFollowTheSelectionAndTheBuffer)
{
    OpenEditMenu();
    for (const char* name : {"menuCut", "menuCopy", "menuPest1", "menuPest2", "menuDel"})
        EXPECT_FALSE(Find<QAction>(name)->isEnabled()) << name;
    SelectFirstLine();
    OpenEditMenu();
    EXPECT_TRUE(Find<QAction>("menuCopy")->isEnabled());
    EXPECT_FALSE(Find<QAction>("menuPest1")->isEnabled());
    Find<QAction>("menuCopy")->trigger();
    OpenEditMenu();
    EXPECT_FALSE(Find<QAction>("menuCopy")->isEnabled()) << "the copy clears the selection";
    EXPECT_TRUE(Find<QAction>("menuPest1")->isEnabled());
}

TEST_F(ClipboardWindowTest, PasteOntoTheActiveLayerWithoutRepositioning)
{
    SelectFirstLine();
    Find<QAction>("menuCopy")->trigger();
    window->Document().Layers.ActiveLayer = 4;
    dialogs.Answers = {DialogAnswer::No};
    Find<QAction>("menuPest1")->trigger();
    ASSERT_EQ(window->Document().Count, 3);
    EXPECT_EQ(window->Document()[3].Layer, 4);
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"貼り付けた図形の位置を修正しますか?"});
    EXPECT_EQ(Mode(), 0);
}

TEST_F(ClipboardWindowTest, ARepositioningPasteGoesOnAsTheMoveCommand)
{
    SelectFirstLine();
    Find<QAction>("menuCopy")->trigger();
    dialogs.Answers = {DialogAnswer::Yes};
    Find<QAction>("menuPest2")->trigger();
    ASSERT_EQ(window->Document().Count, 3);
    EXPECT_EQ(window->Document()[3].Selected, 1);
    EXPECT_TRUE(window->Command().Editing.PasteReposition);
    EXPECT_EQ(Mode(), 102) << "the base point of the move comes next";
    ClickAt(0, 0);
    ClickAt(10, 20);
    EXPECT_EQ(Mode(), 0) << "the move ends itself after placing the paste";
    EXPECT_FALSE(window->Command().Editing.PasteReposition);
    const double pixel = 1 / ViewScale(window->View());  // clicked points land on whole pixels
    EXPECT_NEAR(window->Document()[3].X1, 10, pixel);
    EXPECT_NEAR(window->Document()[3].Y1, 20, pixel);
    EXPECT_EQ(window->Document()[1].Y1, 0) << "the copied element stays";
}

TEST_F(ClipboardWindowTest, CutThenUndoRestores)
{
    SelectFirstLine();
    Find<QAction>("menuCut")->trigger();
    ASSERT_EQ(window->Document().Count, 1);
    EXPECT_EQ(window->Clipboard().Records.size(), 1u);
    Press("SpeedButtonUNDU");
    EXPECT_EQ(window->Document().Count, 2);
    EXPECT_EQ(window->Clipboard().Records.size(), 1u) << "the buffer still holds the cut element";
}

TEST_F(ClipboardWindowTest, DeleteWithNothingSelectedDoesNothing)
{
    const size_t records = window->Document().History.UndoRecords.size();
    QTest::keyClick(window.get(), Qt::Key_Delete);
    Find<QAction>("menuDel")->trigger();
    EXPECT_EQ(window->Document().Count, 2);
    EXPECT_EQ(window->Document().History.UndoRecords.size(), records);
}

TEST_F(ClipboardWindowTest, ThePropertyDialogChangesTheColourInOneUndoStep)
{
    const TCadData before = window->Document()[1];
    std::optional<QString> caption;
    window->SetPropertyRunner([&](TFormPropaty& dialog) {
        caption = dialog.windowTitle();
        EXPECT_EQ(dialog.findChild<QLabel*>("Label_P")->text(), QStringLiteral("直線"));
        EXPECT_TRUE(dialog.findChild<QCheckBox*>("CheckBox1")->isChecked());
        dialog.ChooseColour(0x00FF00);
        return true;
    });
    Press("SpeedButton297");
    ClickCanvas(PixelOf(25, 0));
    ASSERT_TRUE(caption);
    EXPECT_EQ(*caption, QStringLiteral("要素情報"));
    EXPECT_EQ(window->Document()[1].Color, 0x00FF00u);
    EXPECT_EQ(window->Document()[1].Selected, 0);
    EXPECT_EQ(Mode(), 297) << "ready for the next element";
    Press("SpeedButtonUNDU");
    EXPECT_EQ(window->Document()[1], before);
}

TEST_F(ClipboardWindowTest, ThePropertyDialogForAWindowOfElements)
{
    std::optional<QString> caption;
    window->SetPropertyRunner([&](TFormPropaty& dialog) {
        caption = dialog.windowTitle();
        return false;
    });
    Press("SpeedButton297");
    const QPoint from = PixelOf(-10, -10);
    const QPoint to = PixelOf(60, 40);
    QTest::mousePress(Canvas(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Canvas(), to);
    QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, to);
    QTest::mouseClick(Find<QWidget>("ButtonMulti"), Qt::LeftButton);
    ASSERT_TRUE(caption);
    EXPECT_EQ(*caption, QStringLiteral("要素情報 直線=2 円弧=0 円=0 点=0 楕円=0 その他=0"));
    EXPECT_EQ(window->Document()[1].Selected, 0) << "中止 drops the selection";
}

// A text in the buffer may come from a drawing that never went through a file.
TEST_F(ClipboardWindowTest, APastedTextTooLongForAFileIsCutAndTheDrafterIsTold)
{
    window->Clipboard().Records = {TextElement(0, 60, 5, std::string(3000, 'x')), Line(0, 0, 1, 1)};
    dialogs.Answers = {DialogAnswer::No};
    OpenEditMenu();
    Find<QAction>("menuPest2")->trigger();
    ASSERT_EQ(window->Document().Count, 4);
    EXPECT_EQ(window->Document()[3].Text.size(), kMaxTextBytes);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{std::string("1") + kLongTextsCutSuffix});
    EXPECT_EQ(window->Clipboard().Records[0].Text.size(), 3000u) << "the buffer keeps what was copied";
}

TEST(PropertyDialogTest, AStringLongerThanADrawingFileHoldsIsRefusedWithTheDialogOpen)
{
    const QString a = QString::fromUtf8("あ");  // two bytes in CP932
    const struct {
        const char* name;
        QString string;
        bool accepted;
    } cases[] = {
        {"2550 bytes", QString(2550, QLatin1Char('x')), true},
        {"2551 bytes", QString(2551, QLatin1Char('x')), false},
        {"1276 double-byte characters", a.repeated(1276), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PropertySummary summary;
        summary.Seen = 1;
        summary.ShowsString = true;
        ScriptedDialogs messages;
        TFormPropaty dialog(summary, LayerTable{}, messages, nullptr);
        dialog.setResult(QDialog::Rejected);
        dialog.findChild<QLineEdit*>("Edit1")->setText(c.string);
        QTest::mouseClick(dialog.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
        const std::vector<std::string> expected =
            c.accepted ? std::vector<std::string>{} : std::vector<std::string>{kTextTooLongMessage};
        EXPECT_EQ(messages.Messages, expected);
    }
}

TEST_F(ClipboardWindowTest, TheRealTimeDisplayFollowsTheMouse)
{
    QTest::mouseClick(Find<QWidget>("SpeedButtonRTP"), Qt::LeftButton);
    QTest::mouseMove(Canvas(), PixelOf(25, 30));
    EXPECT_EQ(Find<QLabel>("LabelRial3")->text(), QStringLiteral("直線"));
    EXPECT_EQ(Find<QLabel>("LabelRial2")->text(), QStringLiteral("0.0000\n30.0000\n50.0000\n30.0000\n50.0000"));
    QTest::mouseMove(Canvas(), PixelOf(25, 15));
    EXPECT_EQ(Find<QLabel>("LabelRial3")->text(), QStringLiteral("-"));
    EXPECT_TRUE(Find<QLabel>("LabelRial1")->text().isEmpty());
}

}  // namespace
}  // namespace vantro::testing
