#include "MainWindowFixture.h"

#include "document/Cp932.h"
#include "support/Fixtures.h"
#include "ui/CanvasWidget.h"
#include "view/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace vantro::testing {
namespace {

class PreviewTest : public MainWindowTest {
protected:
    QImage& CanvasImage() const { return Find<CanvasWidget>("PaintBox1")->Image(); }
    void MoveMouse(QPoint at) { QTest::mouseMove(Canvas(), at); }
    // A step entered directly, as its command would leave it after taking a point at pixel from.
    void EnterStep(int mode, QPoint from)
    {
        window->Command().CommandMode = static_cast<uint16_t>(mode);
        window->Command().AnchorPixel = {from.x(), from.y()};
        double x = 0;
        double y = 0;
        CanvasToWorld(window->View(), from.x(), from.y(), x, y);
        window->Command().LastPoint = window->Command().InputPoint1 = {x, y};
        window->Command().HasLastPoint = true;
    }
};

TEST_F(PreviewTest, MovingTwiceThenCancellingLeavesTheCanvasAsItWas)
{
    const struct {
        const char* Name;
        int Mode;
    } steps[] = {{"line", 18}, {"circle by radius", 31}, {"rectangle", 40}, {"circle on two points", 35},
                 {"polygon", 46}, {"move", 103}, {"rotate", 119}};
    window->Command().LastCorners = 6;
    PutElement(window->Document(), Line(-50, -20, 40, 30));
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Name);
        window->Document()[1].Selected = 1;  // cancelling clears the selection
        window->RedrawAll(true);
        const QImage before = CanvasImage().copy();
        EnterStep(step.Mode, {300, 300});
        MoveMouse({420, 350});
        const QImage first = CanvasImage().copy();
        EXPECT_NE(first, before) << "the first move shows the shape";
        MoveMouse({380, 240});
        EXPECT_NE(CanvasImage(), first) << "the shape follows the mouse";
        window->CancelCommand();
        // Cancelling also shows the selection unselected; a full repaint must find nothing else.
        const QImage afterCancel = CanvasImage().copy();
        window->RedrawAll(true);
        EXPECT_EQ(afterCancel, CanvasImage());
    }
}

TEST_F(PreviewTest, ARepaintDuringAPreviewLeavesNoStaleMarks)
{
    Press("SpeedButton17");
    ClickCanvas({300, 300});
    MoveMouse({500, 350});
    window->RedrawAll(true);
    MoveMouse({350, 450});  // draws without taking back the shape the repaint wiped
    MoveMouse({360, 420});
    window->CancelCommand();
    const QImage afterCancel = CanvasImage().copy();
    window->RedrawAll(true);
    EXPECT_EQ(afterCancel, CanvasImage());
}

// Fault guarded against: the click drew the line over the rubber band still on the canvas, and
// the next mouse move took the band back by inverting it again, wiping the new line.
TEST_F(PreviewTest, AClickTakesTheRubberBandBackBeforeTheStepDraws)
{
    Press("SpeedButton17");
    ClickCanvas({300, 300});
    MoveMouse({450, 380});
    ClickCanvas({450, 380});
    ASSERT_EQ(window->Document().Count, 1);
    MoveMouse({500, 200});
    const QImage afterMove = CanvasImage().copy();
    window->RedrawAll(true);
    EXPECT_EQ(afterMove, CanvasImage());
}

TEST_F(PreviewTest, TheCircleRadiusStepShowsTheRadiusInTheEntryField)
{
    EnterStep(31, {300, 300});
    MoveMouse({300 + 30, 300 + 40});
    const double expected = 50 / ViewScale(window->View());
    EXPECT_NEAR(Find<QLineEdit>("EditR")->text().toDouble(), expected, 0.001);
    window->CancelCommand();
}

TEST_F(PreviewTest, AnUnreadableTypedRadiusIsReportedAndCleared)
{
    EnterStep(30, {300, 300});
    Find<QCheckBox>("CheckBoxLock")->setChecked(true);
    Find<QLineEdit>("EditR")->setText("abc");
    MoveMouse({320, 310});
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"半径の数値が不正です。入力しなおして下さい！"});
    EXPECT_TRUE(Find<QLineEdit>("EditR")->text().isEmpty());
    window->CancelCommand();
}

TEST_F(PreviewTest, ShiftKeepsTheRubberLineHorizontalOrVertical)
{
    Press("SpeedButton17");
    ClickCanvas({300, 300});
    window->RedrawAll(true);
    const QImage base = CanvasImage().copy();
    QTest::mouseMove(Canvas(), {450, 320});
    QMouseEvent move(QEvent::MouseMove, QPointF(450, 320), Canvas()->mapToGlobal(QPointF(450, 320)), Qt::NoButton,
                     Qt::NoButton, Qt::ShiftModifier);
    QApplication::sendEvent(Canvas(), &move);
    // The line runs along the anchor's row.
    int changedOffRow = 0;
    int changedOnRow = 0;
    for (int y = 280; y < 340; ++y)
        for (int x = 310; x < 440; ++x)
            if (CanvasImage().pixel(x, y) != base.pixel(x, y)) (y == 300 ? changedOnRow : changedOffRow)++;
    EXPECT_GT(changedOnRow, 100);
    EXPECT_EQ(changedOffRow, 0);
    window->CancelCommand();
}

TEST_F(PreviewTest, TheTextCommandPlacesTheTypedLinesAndAsksForTheNext)
{
    TextDialogAnswers = {QString::fromUtf8("AB\n日本"), std::nullopt};
    window->RedrawAll(true);
    const QImage before = CanvasImage().copy();
    Press("SpeedButton296");
    EXPECT_EQ(Mode(), 296);
    MoveMouse({400, 300});
    EXPECT_NE(CanvasImage(), before) << "the lines follow the mouse";
    MoveMouse({420, 320});
    ClickCanvas({420, 320});
    const Drawing& drawing = window->Document();
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[1].Kind, kKindText);
    EXPECT_EQ(drawing[1].Text, "AB");
    EXPECT_EQ(drawing[2].Text, Utf8ToCp932("日本"));
    double x = 0;
    double y = 0;
    CanvasToWorld(window->View(), 420, 320, x, y);
    const double h = drawing[1].R;
    EXPECT_NEAR(drawing[1].Cx, x, 1e-4);
    EXPECT_NEAR(drawing[1].Cy, y - h, 1e-4);
    EXPECT_NEAR(drawing[2].Cy, y - 2.1 * h, 1e-4);
    EXPECT_EQ(Mode(), step::kIdle) << "the second dialog was cancelled";
}

TEST_F(PreviewTest, TheTextDialogRefusesAnEmptyMemo)
{
    TextDialogAnswers = {QString(), std::nullopt};
    Press("SpeedButton296");
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"文字がありません！"});
    EXPECT_EQ(Mode(), step::kIdle);
}

// A longer line was accepted and then cut, without a word, when the drawing was saved.
TEST(TextDialogTest, ALineLongerThanADrawingFileHoldsIsRefused)
{
    const QString a = QString::fromUtf8("あ");  // two bytes in CP932
    const struct {
        const char* name;
        QString memo;
        bool accepted;
    } cases[] = {
        {"2550 bytes", QString(2550, QLatin1Char('x')), true},
        {"2551 bytes", QString(2551, QLatin1Char('x')), false},
        {"1275 double-byte characters", a.repeated(1275), true},
        {"1276 double-byte characters", a.repeated(1276), false},
        {"a long second line", QStringLiteral("A\n") + QString(2551, QLatin1Char('y')), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs messages;
        TTextDialog dialog(Settings{}, messages);
        dialog.setResult(QDialog::Rejected);
        dialog.Memo()->setPlainText(c.memo);
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
        const std::vector<std::string> expected =
            c.accepted ? std::vector<std::string>{} : std::vector<std::string>{kTextTooLongMessage};
        EXPECT_EQ(messages.Messages, expected);
    }
}

TEST(TextDialogTest, RemembersItsHeightColourAndFontAndAvoidsTheWindowColour)
{
    Settings settings;
    settings.Textheight = 7.6;
    ScriptedDialogs messages;
    TTextDialog fresh(settings, messages);
    EXPECT_EQ(fresh.TextHeight(), 8) << "the dimension text height, rounded";
    settings.TextDlgHeight = 25;
    settings.TextDlgColor = 15;  // white
    TTextDialog dialog(settings, messages);
    EXPECT_EQ(dialog.TextHeight(), 25);
    dialog.Activate(0xFFFFFF);
    EXPECT_NE(dialog.TextColour(), 0xFFFFFFu);
    dialog.findChild<QSpinBox*>("SpinEdit1")->setValue(40);
    Settings remembered;
    dialog.Remember(remembered);
    EXPECT_EQ(remembered.TextDlgHeight, 40);
    EXPECT_EQ(remembered.TextDlgColor, 16);
}

TEST(TextDialogTest, ARememberedFontIsPreselectedEvenWhenTheTextFaceIsNotInstalled)
{
    // The face missing from the font list was once put first, which moved every remembered item
    // index onto the font before it.
    const QStringList families = QFontDatabase::families();
    if (families.size() < 2) GTEST_SKIP() << "needs two installed fonts";
    Settings settings;
    settings.TextName = Utf8ToCp932("未インストールの書体");
    ScriptedDialogs messages;
    const struct {
        int Remembered;
        QString Shown;
    } cases[] = {{1, families[1]}, {0, families[0]}, {-1, QString::fromUtf8("未インストールの書体")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Remembered);
        settings.TextDlgFont = c.Remembered;
        TTextDialog dialog(settings, messages);
        EXPECT_EQ(dialog.findChild<QComboBox*>("ComboBoxText")->currentText(), c.Shown);
    }
}

TEST(TextDialogTest, LineBreaksAfterTheLastTextMakeNoEmptyTexts)
{
    // A line break after the text once made an empty text element.
    const struct {
        const char* Memo;
        std::vector<std::string> Lines;
    } cases[] = {
        {"AB\n", {"AB"}},
        {"AB\nCD\n\n", {"AB", "CD"}},
        {"AB\n\nCD", {"AB", "", "CD"}},
        {"\n\n", {}},
    };
    Settings settings;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Memo);
        ScriptedDialogs messages;
        TTextDialog dialog(settings, messages);
        dialog.Memo()->setPlainText(QString::fromUtf8(c.Memo));
        EXPECT_EQ(dialog.Lines(), c.Lines);
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, !c.Lines.empty());
        EXPECT_EQ(messages.Messages.empty(), !c.Lines.empty()) << "a memo of line breaks alone is refused";
    }
}

}  // namespace
}  // namespace vantro::testing
