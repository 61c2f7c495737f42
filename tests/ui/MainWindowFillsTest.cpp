// Fills and hatching in the main window: the fill switch and memo, the fill command, the hatch
// command through its dialog.
#include "MainWindowFixture.h"

#include "commands/HatchSteps.h"
#include "document/ElementStore.h"
#include "document/Groups.h"
#include "files/DrawingFile.h"
#include "files/ScratchFolder.h"
#include "geometry/FillRegions.h"
#include "ui/CanvasWidget.h"
#include "view/QPainterSurface.h"

#include <QPushButton>

namespace vantro::testing {
namespace {

constexpr QRgb kRed = 0xFFFF0000;

class FillsTest : public MainWindowTest {
protected:
    // Four lines of one new group, corners (0, 0) and (100, 50), as the rectangle command makes them.
    int32_t DrawnRectangle()
    {
        const int32_t group = NewGroupNumber(Doc());
        for (TCadData line : {Line(0, 0, 100, 0), Line(100, 0, 100, 50), Line(100, 50, 0, 50), Line(0, 50, 0, 0)}) {
            line.Group = group;
            AddElement(Doc(), line);
        }
        ClearUndo(Doc());
        window->RedrawAll(true);
        return group;
    }

    QRgb PixelAt(double x, double y) const
    {
        const QPoint p = PixelOf(x, y);
        return Find<CanvasWidget>("PaintBox1")->Image().pixel(p);
    }

    QString MemoText() const { return Find<QPlainTextEdit>("MemoBrush")->toPlainText(); }

    ScratchFolder folder;
};

// The switch never reached the painter, was only ever set on, and outlived its drawing: it now
// shows and hides the fills and goes off with a new drawing or a DXF import.
TEST_F(FillsTest, TheFillSwitchShowsTheFillsAndGoesWithTheDrawing)
{
    const int32_t group = DrawnRectangle();
    Doc().MemoBrush = {std::to_string(group) + ",255"};
    window->RedrawAll(true);
    EXPECT_NE(PixelAt(50, 25), kRed);
    Press("ButtonBrushOnOff");
    EXPECT_TRUE(window->FillsShown());
    EXPECT_EQ(PixelAt(50, 25), kRed);
    Press("ButtonBrushOnOff");
    EXPECT_FALSE(window->FillsShown());
    EXPECT_NE(PixelAt(50, 25), kRed);

    Press("ButtonBrushOnOff");
    Doc().Saved = true;
    Press("SpeedButtonNew1");
    EXPECT_FALSE(window->FillsShown());
    EXPECT_FALSE(Find<QToolButton>("ButtonBrushOnOff")->isChecked());
    EXPECT_TRUE(Doc().MemoBrush.empty());
    EXPECT_TRUE(MemoText().isEmpty());

    Press("ButtonBrushOnOff");
    const std::filesystem::path dxf = folder / "line.dxf";
    WriteBytes(dxf, "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n8\r\n0\r\n10\r\n0\r\n20\r\n0\r\n11\r\n10\r\n21\r\n10\r\n"
                    "0\r\nENDSEC\r\n0\r\nEOF\r\n");
    ASSERT_TRUE(window->ImportDxfFile(dxf.string()));
    EXPECT_EQ(Count(), 1);
    EXPECT_FALSE(window->FillsShown());
}

TEST_F(FillsTest, TheFillCommandPaintsTheRegionAtOnceAndKeepsItsLine)
{
    Settings red;
    red.Color1 = 0x0000FF;
    Open(red);
    const int32_t group = DrawnRectangle();
    Press("SpeedButton228");
    EXPECT_EQ(Prompt(), QStringLiteral("塗りつぶしを行う閉じたグループを選択して下さい。"));
    ClickCanvas(PixelOf(30, 0));
    const std::string line = std::to_string(group) + ",255";
    EXPECT_EQ(Doc().MemoBrush, std::vector<std::string>{line});
    EXPECT_EQ(PixelAt(50, 25), kRed);
    EXPECT_EQ(PixelAt(50, 0), ToQColor(Element(1).Color).rgb()) << "the outline is drawn over the fill";
    EXPECT_EQ(MemoText(), QString::fromStdString(line));
    EXPECT_EQ(Mode(), step::kFill) << "the command stays for further picks";
}

TEST_F(FillsTest, AFillWhoseChainWasBrokenIsDroppedWithItsMessageAtTheNextRepaint)
{
    const int32_t group = DrawnRectangle();
    Doc().MemoBrush = {std::to_string(group) + ",255"};
    Press("ButtonBrushOnOff");
    EXPECT_EQ(PixelAt(50, 25), kRed);
    Delete(Doc(), 2, true);
    window->RedrawAll(true);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kFillNotClosedMessage});
    EXPECT_TRUE(Doc().MemoBrush.empty());
    EXPECT_TRUE(MemoText().isEmpty());
    EXPECT_TRUE(window->FillsShown()) << "fill display stays on";
    EXPECT_NE(PixelAt(50, 25), kRed);
}

TEST_F(FillsTest, AColourThatCannotBeReadTurnsFillDisplayOff)
{
    const int32_t group = DrawnRectangle();
    Doc().MemoBrush = {std::to_string(group) + ",red"};
    Press("ButtonBrushOnOff");
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kFillDisplayFailedMessage});
    EXPECT_FALSE(window->FillsShown());
    EXPECT_EQ(Doc().MemoBrush.size(), 1u) << "the line stays for the user to mend";
}

TEST_F(FillsTest, TheMemoPanelEditsTheFillList)
{
    const int32_t group = DrawnRectangle();
    auto* panel = Find("PanelBrushSet");
    EXPECT_FALSE(panel->isVisible());
    Press("ButtonBrushSet");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(window->rect().contains(QRect(panel->pos(), panel->size()))) << "the panel lies inside the window";
    Doc().Saved = true;
    Find<QPlainTextEdit>("MemoBrush")->setPlainText(QString::number(group) + QStringLiteral(",65280"));
    EXPECT_EQ(Doc().MemoBrush, std::vector<std::string>{std::to_string(group) + ",65280"});
    EXPECT_FALSE(Doc().Saved);
    Press("ButtonBrushOnOff");
    EXPECT_EQ(PixelAt(50, 25), 0xFF00FF00);
    const auto buttons = panel->findChildren<QPushButton*>();
    const auto close = std::find_if(buttons.begin(), buttons.end(),
                                    [](QPushButton* b) { return b->text() == QStringLiteral("閉じる"); });
    ASSERT_NE(close, buttons.end());
    QTest::mouseClick(*close, Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(FillsTest, TheHatchDialogRefusesABadPitchThenTheBoundaryIsHatched)
{
    DrawnRectangle();
    HatchDialogAnswers = {QStringLiteral("abc"), QStringLiteral("5")};
    Press("SpeedButton55");
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kBadPitchMessage});
    EXPECT_EQ(Mode(), step::kHatch);
    EXPECT_EQ(window->Command().HatchPitch, 5.0f);
    EXPECT_TRUE(Find("PanelMulti")->isVisible());
    EXPECT_EQ(Prompt(), QStringLiteral("境界となる図形又は点をクリックして下さい(ハッチング)"));
    dialogs.Answers = {DialogAnswer::Yes};
    window->Command().SnapFound = false;
    ClickCanvas(PixelOf(30, 0));
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{kFollowChainQuestion});
    // Trunc((50 + 100) / 5) = 30 sweeps, each giving at most one line.
    EXPECT_GT(Count(), 4);
    EXPECT_LE(Count(), 4 + 30);
    EXPECT_EQ(Mode(), step::kIdle);
    EXPECT_FALSE(Find("PanelMulti")->isVisible());
    for (int i = 5; i <= Count(); ++i) EXPECT_EQ(Element(i).Group, Doc().MaxGroup);

    // The next run offers the pitch of this one.
    QString shown;
    window->SetHatchDialogRunner([&shown](THathiDlg& dialog) {
        shown = dialog.PitchField()->text();
        return false;
    });
    Press("SpeedButton55");
    EXPECT_EQ(shown, QStringLiteral("5"));
    EXPECT_EQ(Mode(), step::kIdle) << "キャンセル cancels the command";
}

TEST_F(FillsTest, TheHatchCommandPausesFillDisplay)
{
    Press("ButtonBrushOnOff");
    Press("SpeedButton55");
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kFillDisplayPausedMessage});
    EXPECT_FALSE(window->FillsShown());
    EXPECT_FALSE(Find<QToolButton>("ButtonBrushOnOff")->isChecked());
}

// The lines joining clicked boundary points were elements of the store while the command ran, so
// "上書き保存" wrote them into the file: they are shown on the canvas only.
TEST_F(FillsTest, TheBoundaryTraceIsShownButNeverSaved)
{
    Press("SpeedButton55");
    window->RedrawAll(true);
    const QImage before = Find<CanvasWidget>("PaintBox1")->Image().copy();
    for (const Point p : {Point{20, 20}, Point{120, 20}, Point{70, 100}}) {
        window->Command().SnapFound = false;
        ClickCanvas(PixelOf(p.X, p.Y));
    }
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(window->Command().HatchTrace.size(), 2u);
    EXPECT_NE(PixelAt(70, 20), before.pixel(PixelOf(70, 20))) << "the trace is drawn";
    window->RedrawAll(true);
    EXPECT_NE(PixelAt(70, 20), before.pixel(PixelOf(70, 20))) << "and drawn again by a repaint";

    const std::filesystem::path file = folder / "during.dca";
    ASSERT_TRUE(window->WriteDrawingTo(file.string()));
    Drawing read;
    DrawingFileSettings settings;
    ASSERT_TRUE(ReadDrawingFile(file, read, settings).Ok);
    EXPECT_EQ(read.Count, 0);

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->Command().HatchTrace.empty());
    EXPECT_EQ(PixelAt(70, 20), before.pixel(PixelOf(70, 20))) << "cancelling takes the trace away";
}

}  // namespace
}  // namespace vantro::testing
