#include "MainWindowFixture.h"

#include "commands/StepTable.h"
#include "commands/ToolButtonTable.h"
#include "document/ElementStore.h"
#include "document/Layers.h"
#include "document/UndoHistory.h"
#include "support/Fixtures.h"
#include "ui/CanvasWidget.h"
#include "ui/LayerPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QWheelEvent>

namespace vantro::testing {
namespace {

const QString kFirstPrompt = QStringLiteral(" 1点目を指定して下さい(直線-2点)");
const QString kSecondPrompt = QStringLiteral(" 2点目を指定して下さい(直線-2点)");

TEST_F(MainWindowTest, ACanvasResizedDuringARepaintIsPaintedAtItsNewSizeAfterwards)
{
    // Resizing the window while a repaint gave the event loop a turn once replaced the image the
    // repaint was drawing into (a use after free under the address sanitizer), and the rest of
    // the drawing went nowhere. Run under the sanitizers.
    Drawing& drawing = window->Document();
    // Dashed circles are drawn through QPainter, slowly enough that the repaint takes several turns.
    for (int k = 0; k < 40000; ++k) {
        TCadData circle = Circle(k % 200 - 100.0, k / 200 - 100.0, 30);
        circle.LineStyle = kStyleDash;
        PutElement(drawing, circle);
    }
    PutElement(drawing, Line(-100000, 0, 100000, 0));  // drawn last, across every canvas
    const QSize before = Canvas()->size();
    int resizedWhilePainting = 0;
    QTimer resizer;
    QObject::connect(&resizer, &QTimer::timeout, [&] {
        if (window->View().Repaint == RepaintState::Idle || resizedWhilePainting == 3) return;
        ++resizedWhilePainting;
        window->resize(window->size() + QSize(40, 30));
    });
    resizer.start(0);
    window->RedrawAll(true);
    resizer.stop();
    ASSERT_GT(resizedWhilePainting, 0) << "the repaint gave the event loop no turn";
    const QImage& image = Find<CanvasWidget>("PaintBox1")->Image();
    EXPECT_NE(Canvas()->size(), before);
    EXPECT_EQ(image.size(), Canvas()->size());
    EXPECT_EQ(window->View().CanvasWidth, Canvas()->width());
    EXPECT_EQ(window->View().CanvasHeight, Canvas()->height());
    EXPECT_EQ(window->View().Repaint, RepaintState::Idle);
    const int row = window->View().OriginY;
    ASSERT_TRUE(row >= 0 && row < image.height());
    EXPECT_EQ(image.pixel(image.width() - 1, row) & 0xFFFFFF, 0u) << "the line reaches the new right edge";
}

// Wheel steps zoom at once; the canvas is repainted once, after the steps that were waiting, at
// the last view.
TEST_F(MainWindowTest, WheelStepsZoomAtOnceAndShareOneRepaint)
{
    Drawn({Line(-50, 0, 50, 0), Circle(0, 0, 20)});
    const QImage before = Find<CanvasWidget>("PaintBox1")->Image().copy();
    const float scale = ViewScale(window->View());
    const QPoint at = Canvas()->rect().center();
    for (int step = 0; step < 2; ++step) {
        QWheelEvent wheel(at, Canvas()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(Canvas(), &wheel);
    }
    EXPECT_GT(ViewScale(window->View()), scale * 1.2f * 1.2f) << "both steps zoomed in";
    EXPECT_EQ(Find<CanvasWidget>("PaintBox1")->Image(), before) << "nothing repainted yet";
    QCoreApplication::processEvents();
    const QImage zoomed = Find<CanvasWidget>("PaintBox1")->Image().copy();
    EXPECT_NE(zoomed, before);
    window->RedrawAll(true);
    EXPECT_EQ(Find<CanvasWidget>("PaintBox1")->Image(), zoomed) << "the repaint showed the last view";
}

TEST_F(MainWindowTest, TheTwoPointLineButtonStartsStepSeventeen)
{
    Press("SpeedButton17");
    EXPECT_EQ(Mode(), 17);
    EXPECT_EQ(Prompt(), kFirstPrompt);
    EXPECT_TRUE(Find<QLineEdit>("EditX")->isVisible());
    EXPECT_TRUE(Find<QLineEdit>("EditY")->isVisible());
    EXPECT_FALSE(Find<QLineEdit>("EditR")->isVisible());
    EXPECT_TRUE(Find<QLineEdit>("EditX")->hasFocus());
    EXPECT_TRUE(Find<QToolButton>("SpeedButton17")->isChecked());
}

TEST_F(MainWindowTest, TwoClicksDrawALineWithTheCurrentAttributesAndUndoTakesItBack)
{
    window->Document().Layers.ActiveLayer = 5;
    Find<QComboBox>("ComboBox1")->setCurrentIndex(4);  // 点線（荒）
    Press("SpeedButton17");
    ClickCanvas({300, 200});
    EXPECT_EQ(Mode(), 18);
    EXPECT_EQ(Prompt(), kSecondPrompt);
    ClickCanvas({500, 260});
    ASSERT_EQ(window->Document().Count, 1);
    EXPECT_EQ(Mode(), 17);
    EXPECT_EQ(Prompt(), kFirstPrompt);
    const TCadData line = window->Document()[1];
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    CanvasToWorld(window->View(), 300, 200, x1, y1);
    CanvasToWorld(window->View(), 500, 260, x2, y2);
    EXPECT_DOUBLE_EQ(line.X1, x1);
    EXPECT_DOUBLE_EQ(line.Y1, y1);
    EXPECT_DOUBLE_EQ(line.X2, x2);
    EXPECT_DOUBLE_EQ(line.Y2, y2);
    EXPECT_EQ(line.Layer, 5);
    EXPECT_EQ(line.LineStyle, kStyleDash);
    EXPECT_EQ(line.Width, 1);
    EXPECT_EQ(line.Color, window->Preferences().Color1);
    EXPECT_EQ(window->Document().History.UndoRecords.size(), 1u);
    EXPECT_TRUE(Find<QToolButton>("SpeedButtonUNDU")->isEnabled());

    Press("SpeedButtonUNDU");
    EXPECT_EQ(window->Document().Count, 0);
    EXPECT_TRUE(Find<QToolButton>("SpeedButtonREDU")->isEnabled());
    Press("SpeedButtonREDU");
    ASSERT_EQ(window->Document().Count, 1);
    EXPECT_EQ(window->Document()[1], line);
}

TEST_F(MainWindowTest, TwoTypedPointsDrawALine)
{
    Press("SpeedButton17");
    auto* x = Find<QLineEdit>("EditX");
    auto* y = Find<QLineEdit>("EditY");
    x->setText("10");
    y->setText("20");
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_EQ(Mode(), 18);
    x->setText("40");
    y->setText("-5.5");
    QTest::keyClick(x, Qt::Key_Return);
    ASSERT_EQ(window->Document().Count, 1);
    const TCadData& line = window->Document()[1];
    EXPECT_EQ(line.X1, 10);
    EXPECT_EQ(line.Y1, 20);
    EXPECT_EQ(line.X2, 40);
    EXPECT_EQ(line.Y2, -5.5);
    EXPECT_EQ(Mode(), 17);
    x->setText("abc");
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"入力数値を確認して下さい！"});
    EXPECT_EQ(Mode(), 17);
}

TEST_F(MainWindowTest, EscapeAndRightClickCancel)
{
    for (const bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Esc" : "right click");
        Press("SpeedButton17");
        ClickCanvas({300, 200});
        if (escape) QTest::keyClick(Find<QLineEdit>("EditX"), Qt::Key_Escape);
        else ClickCanvas({310, 210}, Qt::RightButton);
        EXPECT_EQ(Mode(), 0);
        EXPECT_TRUE(Prompt().isEmpty());
        EXPECT_TRUE(Find<QToolButton>("SpeedButton0")->isChecked());
        EXPECT_FALSE(Find<QLineEdit>("EditX")->isVisible());
    }
}

TEST_F(MainWindowTest, RightClickWhenIdleRepeatsTheLastCommandAndCancelsAfterStartUp)
{
    ClickCanvas({300, 200}, Qt::RightButton);
    EXPECT_EQ(Mode(), 0);
    EXPECT_TRUE(Find<QToolButton>("SpeedButton0")->isChecked());
    Press("SpeedButton30", Qt::RightButton);  // circle by diameter
    EXPECT_TRUE(window->Command().AltVariant);
    QTest::keyClick(Find<QLineEdit>("EditX"), Qt::Key_Escape);
    ClickCanvas({300, 200}, Qt::RightButton);
    EXPECT_EQ(Mode(), 30);
    EXPECT_TRUE(window->Command().AltVariant) << "the circle comes back as it last ran";
    EXPECT_TRUE(Prompt().startsWith(QStringLiteral(" 中心点と直径を指定して下さい(円-中心と直径)")));
    EXPECT_EQ(window->Command().AnchorPixel, (CanvasPoint{300, 200}));
}

TEST_F(MainWindowTest, ALetterTypedIntoAnEntryFieldStartsItsCommand)
{
    Press("SpeedButton15");
    auto* y = Find<QLineEdit>("EditY");
    y->setFocus();
    QTest::keyClicks(y, "12");
    EXPECT_EQ(y->text(), "12");
    Press("SpeedButton17");
    auto* x = Find<QLineEdit>("EditX");
    x->setText("5");
    QTest::keyClick(x, Qt::Key_W);
    EXPECT_EQ(Mode(), 17);
    EXPECT_EQ(x->text(), "") << "the letter was not typed; the command started afresh";
    QTest::keyClick(x, Qt::Key_Q);
    EXPECT_EQ(Mode(), 247) << "Q is the intersection point";
}

TEST_F(MainWindowTest, F1AsksForTheHelpOfTheStepOrNone)
{
    Press("SpeedButton17");
    QTest::keyClick(Find<QLineEdit>("EditX"), Qt::Key_F1);
    EXPECT_EQ(window->LastHelpContext(), 17);
    ClickCanvas({300, 200});
    QTest::keyClick(Find<QLineEdit>("EditX"), Qt::Key_F1);
    EXPECT_EQ(window->LastHelpContext(), 0);
    EXPECT_TRUE(dialogs.Messages.empty()) << "without Cadhelp.chm the built-in help answers";
}

TEST_F(MainWindowTest, AMiddleDragInTheSecondStepPansAndResumesTheStep)
{
    Press("SpeedButton17");
    ClickCanvas({300, 200});
    const Point first = window->Command().InputPoint1;
    const int originX = window->View().OriginX;
    QWidget* canvas = Canvas();
    QTest::mousePress(canvas, Qt::MiddleButton, {}, {400, 300});
    EXPECT_EQ(Mode(), step::kPan);
    QTest::mouseRelease(canvas, Qt::MiddleButton, {}, {460, 330});
    EXPECT_EQ(Mode(), 18);
    EXPECT_EQ(Prompt(), kSecondPrompt);
    EXPECT_EQ(window->View().OriginX, originX + 60);
    EXPECT_EQ(window->Command().InputPoint1, first);
    EXPECT_EQ(window->Command().AnchorPixel, (CanvasPoint{360, 230}));
}

TEST_F(MainWindowTest, ClosingAfterAnyToolButtonAsksToSave)
{
    EXPECT_TRUE(window->close()) << "nothing changed: closes silently";
    Open(Settings{});
    Press("SpeedButton300");
    dialogs.Answers = {DialogAnswer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.Questions.back(), "CADデータは変更されています保存しますか？");
    dialogs.Answers = {DialogAnswer::No};
    EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, UndoAndLayerEditsAlsoMarkTheDrawingChanged)
{
    Press("SpeedButton17");
    ClickCanvas({300, 200});
    ClickCanvas({400, 200});
    QTest::keyClick(Find<QLineEdit>("EditX"), Qt::Key_Escape);
    window->Document().Saved = true;
    Press("SpeedButtonUNDU");
    EXPECT_FALSE(window->Document().Saved);
}

// What the layer panel shows after a click on LabelRayer.
LayerPanel* OpenLayerPanel(TForm1& window)
{
    QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("LabelRayer")), Qt::LeftButton);
    auto* panel = window.findChild<LayerPanel*>(QStringLiteral("PanelReyar"));
    EXPECT_TRUE(panel != nullptr && panel->isVisible());
    return panel;
}

void TriggerLayerCommand(LayerPanel& panel, int row, const char* action)
{
    auto* item = panel.NameMenu(row)->findChild<QAction*>(QString::fromLatin1(action));
    ASSERT_NE(item, nullptr) << action;
    item->trigger();
}

// The capacity message advises raising "CadMax"; the refusal used to outlast the raise until New.
TEST_F(MainWindowTest, ARaisedCapacityLetsTheDrafterDrawOnAfterARefusal)
{
    Settings settings;
    settings.CadMax = 100;
    Open(settings);
    for (int i = 0; i < 101; ++i) AddLine(window->Document(), 0, i, 10, i);
    const auto drawLine = [this] {
        Press("SpeedButton17");
        ClickCanvas({300, 200});
        ClickCanvas({500, 200});
        QTest::keyClick(Find<QLineEdit>("EditX"), Qt::Key_Escape);
    };
    drawLine();
    ASSERT_EQ(window->Document().Count, 101);
    ASSERT_EQ(dialogs.Messages, std::vector<std::string>{kCapacityMessage});

    Settings raised = window->Preferences();
    raised.CadMax = 200;
    window->ApplySettings(raised);
    drawLine();
    EXPECT_EQ(window->Document().Count, 102);
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}

// Above the capacity every command is refused with the message, not only the first.
TEST_F(MainWindowTest, EveryCommandAboveTheCapacityIsToldWhyItDrawsNothing)
{
    for (int i = 0; i < 150; ++i) AddLine(window->Document(), 0, i, 10, i);
    SetCapacity(window->Document(), 100);  // as a lowered "CadMax" leaves it
    for (int attempt = 1; attempt <= 2; ++attempt) {
        SCOPED_TRACE(attempt);
        Press("SpeedButton17");
        ClickCanvas({300, 200});
        ClickCanvas({500, 200});
        QTest::keyClick(Find<QLineEdit>("EditX"), Qt::Key_Escape);
        EXPECT_EQ(window->Document().Count, 150);
        EXPECT_EQ(dialogs.Messages.size(), static_cast<size_t>(attempt));
    }
    EXPECT_EQ(dialogs.Messages.back(), kCapacityMessage);
}

// The first pick is a place in the store; an undo in between once moved another line into it, and
// the fillet was made on that one.
TEST_F(MainWindowTest, AnUndoBetweenTwoPicksStartsTheCommandAgain)
{
    Drawing& d = window->Document();
    AddLine(d, 0, 0, 50, 0);
    AddLine(d, 0, 0, 0, 50);
    AddLine(d, 10, 80, 60, 80);
    Delete(d, 1, true);
    window->RedrawAll(true);
    Press("SpeedButton211");
    ClickAt(35, 80);
    ASSERT_EQ(Mode(), 212);
    ASSERT_EQ(window->Command().FirstPick, 2);
    Press("SpeedButtonUNDU");
    ASSERT_EQ(d.Count, 3) << "the deleted line is back in first place";
    EXPECT_EQ(Mode(), 211);
    EXPECT_EQ(window->Command().FirstPick, 0);
    EXPECT_EQ(d[2].Selected, 0) << "nothing stays marked as picked";

    Press("SpeedButtonUNDU");
    EXPECT_EQ(d.Count, 2);
    EXPECT_EQ(Mode(), 211) << "an undo without a pick leaves the command as it is";
}

// Deleting a layer after an undo used to leave redo standing: Redo then failed on the deleted
// elements, cleared both histories, and the deleted lines could never come back.
TEST_F(MainWindowTest, RedoAfterALayerDeleteChangesNothingAndUndoStillBringsTheLinesBack)
{
    Press("SpeedButton17");
    for (const int y : {200, 260, 320}) {
        ClickCanvas({300, y});
        ClickCanvas({500, y});
    }
    QTest::keyClick(Find<QLineEdit>("EditX"), Qt::Key_Escape);
    Drawing& drawing = window->Document();
    ASSERT_EQ(CountOnLayer(drawing, 1), 3);
    LayerPanel* panel = OpenLayerPanel(*window);
    ASSERT_NE(panel, nullptr);

    dialogs.Answers = {DialogAnswer::Ok};
    TriggerLayerCommand(*panel, 1, "MenuLayerMove");
    QTest::mouseClick(panel->findChild<QLineEdit*>(QStringLiteral("Edit2")), Qt::LeftButton);
    ASSERT_EQ(CountOnLayer(drawing, 2), 3);
    Press("SpeedButtonUNDU");
    ASSERT_EQ(CountOnLayer(drawing, 1), 3);
    dialogs.Answers = {DialogAnswer::Yes};
    TriggerLayerCommand(*panel, 1, "MenuLayerDelete");
    ASSERT_EQ(drawing.Count, 0);
    EXPECT_FALSE(Find<QToolButton>("SpeedButtonREDU")->isEnabled());

    Press("SpeedButtonREDU");
    EXPECT_EQ(drawing.Count, 0);
    for (const std::string& message : dialogs.Messages) EXPECT_NE(message, kUndoHistoryFailedMessage);
    ASSERT_TRUE(Find<QToolButton>("SpeedButtonUNDU")->isEnabled());
    Press("SpeedButtonUNDU");
    EXPECT_EQ(CountOnLayer(drawing, 1), 3);
}

// A renamed layer used to be lost: the window closed without asking.
TEST_F(MainWindowTest, ClosingAfterRenamingALayerAsksToSave)
{
    LayerPanel* panel = OpenLayerPanel(*window);
    ASSERT_NE(panel, nullptr);
    auto* name = panel->findChild<QLineEdit*>(QStringLiteral("Edit2"));
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClicks(name, QStringLiteral("Axis"));
    EXPECT_EQ(window->Document().Layers.Name[1], "Axis");
    dialogs.Answers = {DialogAnswer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"CADデータは変更されています保存しますか？"});
}

TEST_F(MainWindowTest, SnapOnlyRefusesPlainClicksWithoutASnapPoint)
{
    Settings settings;
    settings.SnapChk = true;
    Open(settings);
    Press("SpeedButton17");
    ClickCanvas({300, 200});
    EXPECT_EQ(Mode(), 17);
    ClickCanvas({300, 200}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(Mode(), 18);
    ClickCanvas({400, 250}, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(window->Document().Count, 1);
}

TEST_F(MainWindowTest, ShiftClickMakesTheSecondPointOrthogonal)
{
    Press("SpeedButton17");
    ClickCanvas({300, 200});
    ClickCanvas({500, 230}, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(window->Document().Count, 1);
    EXPECT_EQ(window->Document()[1].Y2, window->Document()[1].Y1);
}

// Every button of the table starts its command as the step table describes it: the window shows
// the step's entry fields and prompt for both mouse buttons.
TEST_F(MainWindowTest, EveryToolButtonStartsItsCommand)
{
    for (const ToolButtonRow& row : ToolButtonRows()) {
        for (const bool right : {false, true}) {
            if (right && row.Right == RightButton::Click) continue;
            SCOPED_TRACE(::testing::Message() << row.Name << (right ? " right" : " left"));
            auto* button = Find<QToolButton>(row.Name);
            if (row.Preset == ToolPreset::TextDialog) TextDialogAnswers = {QStringLiteral("A")};
            if (row.Preset == ToolPreset::OnPanelOp) {
                window->PressToolButton(row, right);
            } else {
                QTest::mouseClick(button, right ? Qt::RightButton : Qt::LeftButton);
            }
            const bool other = right && row.Right == RightButton::OtherCommand;
            EXPECT_EQ(Mode(), other ? row.RightStart : row.Start);
            const StepRow& step = *FindStep(other ? row.RightStart : row.Start);
            const int layout = step.Layout;
            const bool x = layout == 1 || layout == 4 || layout == 5 || layout == 6;
            const bool y = layout == 2 || layout == 4 || layout == 5 || layout == 6;
            const bool r = layout == 3 || layout == 5 || layout == 6;
            EXPECT_EQ(Find<QLineEdit>("EditX")->isVisible(), x);
            EXPECT_EQ(Find<QLineEdit>("EditY")->isVisible(), y);
            EXPECT_EQ(Find<QLineEdit>("EditR")->isVisible(), r);
            EXPECT_EQ(window->Command().AltVariant, right && row.Right == RightButton::AltVariant);
            const QString prompt = QString::fromUtf8(EntryPrompt(step, window->Command().AltVariant));
            const bool built = step.Click != nullptr || step.Enter != nullptr;
            EXPECT_EQ(Prompt(), built ? prompt : prompt + QStringLiteral("　※この機能は準備中です"));
            QTest::keyClick(window.get(), Qt::Key_Escape);
        }
    }
}

TEST_F(MainWindowTest, LabelRTellsWhatEditRHolds)
{
    struct Case {
        const char* button;
        bool right;
        const char* label;
    };
    const Case cases[] = {
        {"SpeedButton22", false, "Q"}, {"SpeedButton41", false, "N"}, {"SpeedButton100", true, "N"},
        {"SpeedButton100", false, ""}, {"SpeedButton200", false, "W"}, {"SpeedButton213", false, "C"},
        {"SpeedButton30", false, "R"}, {"SpeedButton30", true, "D"},  {"SpeedButton211", false, "R"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.button << (c.right ? " right" : ""));
        QTest::mouseClick(Find<QToolButton>(c.button), c.right ? Qt::RightButton : Qt::LeftButton);
        EXPECT_EQ(Find<QLabel>("LabelR")->text(), QString::fromUtf8(c.label));
        QTest::keyClick(window.get(), Qt::Key_Escape);
    }
}

TEST_F(MainWindowTest, PresetsOfferTheLastValues)
{
    window->Command().LastRadius = 12.5;
    window->Command().LastCorners = 6;
    Press("SpeedButton30");
    EXPECT_EQ(Find<QLineEdit>("EditR")->text(), "12.5");
    EXPECT_TRUE(Find<QCheckBox>("CheckBoxLock")->isVisible());
    Press("SpeedButton41");
    EXPECT_EQ(Find<QLineEdit>("EditR")->text(), "6");
    Press("SpeedButton211");
    EXPECT_EQ(Find<QLineEdit>("EditR")->text(), "0");
    EXPECT_TRUE(Find<QCheckBox>("CheckBoxLock2")->isChecked());
    Press("SpeedButton17");
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxLock2")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("CheckBox_Int")->isVisible());
    Press("SpeedButton55");
    EXPECT_FALSE(Find<QCheckBox>("CheckBox_Int")->isVisible());
}

}  // namespace
}  // namespace vantro::testing
