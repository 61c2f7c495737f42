// The secondary drawing window beside the main one: exchanging elements, selecting, its one undo
// level, its view, its read-out and its files.
#include "MainWindowFixture.h"

#include "commands/ElementProperties.h"
#include "document/Layers.h"
#include "document/TextLimit.h"
#include "files/DrawingFile.h"
#include "files/FileSystem.h"
#include "subwindow/SecondaryWindow.h"
#include "support/DrawingFileFixture.h"
#include "support/Fixtures.h"
#include "view/PaintPreferences.h"
#include "view/QPainterSurface.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QWheelEvent>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

namespace vantro::testing {
namespace {

class SecondaryWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        folder = std::filesystem::temp_directory_path() / ("vantro-secondary-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        sub = std::make_unique<TFormCAD2>(*window, folder);
        sub->resize(640, 480);
        sub->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sub.get()));
    }
    void TearDown() override
    {
        sub.reset();
        std::filesystem::remove_all(folder);
        MainWindowTest::TearDown();
    }

    template <typename T = QAction>
    T* SubItem(const char* name) const
    {
        T* item = sub->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(item, nullptr) << name;
        return item;
    }
    QWidget* SubCanvas() const { return sub->centralWidget(); }
    QPoint SubPixel(double x, double y) const
    {
        const CanvasPoint p = WorldToCanvas(sub->View(), x, y);
        return {p.X, p.Y};
    }
    void SubClick(double x, double y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(SubCanvas(), button, {}, SubPixel(x, y));
    }
    void SubDrag(double x0, double y0, double x1, double y1)
    {
        const QPoint from = SubPixel(x0, y0);
        const QPoint to = SubPixel(x1, y1);
        QTest::mousePress(SubCanvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(SubCanvas(), (from + to) / 2);
        QTest::mouseMove(SubCanvas(), to);
        QTest::mouseRelease(SubCanvas(), Qt::LeftButton, {}, to);
    }
    // The read-out of panel 1 with the mouse at the world point. The move is sent to the canvas
    // itself: a moved cursor would reach whichever window the offscreen screen puts on top.
    QString ReadOutAt(double x, double y)
    {
        const QPointF at = SubPixel(x, y);
        QMouseEvent move(QEvent::MouseMove, at, SubCanvas()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(SubCanvas(), &move);
        return sub->PanelText(1);
    }
    Drawing& SubDoc() { return sub->Document(); }
    // How many pixels of the canvas as it shows now pass the test.
    int CanvasPixels(const std::function<bool(const QColor&)>& counted) const
    {
        const QImage image = SubCanvas()->grab().toImage();
        int found = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (counted(image.pixelColor(x, y))) ++found;
        return found;
    }
    int PixelsOtherThan(const QColor& background) const
    {
        return CanvasPixels([&](const QColor& c) { return c != background; });
    }

    // Three lines on layers 2, 3 and 5 copied through the main window's own menu.
    void CopyThreeInMain()
    {
        Drawn({Line(0, 0, 40, 0, 2), Line(0, 20, 40, 20, 3), Line(0, 40, 40, 40, 5)});
        Find<QAction>("menuSentakuStert")->trigger();
        for (const double y : {0.0, 20.0, 40.0}) ClickAt(20, y);
        Find<QAction>("menuCopy")->trigger();
        ASSERT_EQ(window->Clipboard().Records.size(), 3u);
    }
    std::string SavedFile(const char* name) const { return Utf8FromPath(folder / name); }

    std::filesystem::path folder;
    std::unique_ptr<TFormCAD2> sub;
};

TEST_F(SecondaryWindowTest, PastingKeepsTheLayersOrPutsEveryElementOnTheTypedLayer)
{
    CopyThreeInMain();
    SubItem("menuPest2")->trigger();
    ASSERT_EQ(SubDoc().Count, 3);
    EXPECT_EQ(SubDoc()[1].Layer, 2);
    EXPECT_EQ(SubDoc()[2].Layer, 3);
    EXPECT_EQ(SubDoc()[3].Layer, 5);
    EXPECT_TRUE(dialogs.Questions.empty()) << "no question about repositioning here";

    dialogs.Inputs = {std::string("7")};
    SubItem("menuPest1")->trigger();
    ASSERT_EQ(SubDoc().Count, 6);
    for (int i = 4; i <= 6; ++i) EXPECT_EQ(SubDoc()[i].Layer, 7) << i;
    EXPECT_EQ(SubDoc()[4].Y1, 0);
    EXPECT_EQ(window->Document().Count, 3) << "the main drawing is not touched";
}

TEST_F(SecondaryWindowTest, ATypedLayerThatIsNoLayerIsRefusedWithItsMessage)
{
    CopyThreeInMain();
    const struct {
        const char* typed;
        const char* message;
    } cases[] = {
        {"a", "レイヤーは番号で入力して下さい"},
        {"", "レイヤーは番号で入力して下さい"},
        {"3.5", "レイヤーは番号で入力して下さい"},
        {"0", "レイヤーは1から96までの番号で入力して下さい"},
        {"97", "レイヤーは1から96までの番号で入力して下さい"},
        {"-1", "レイヤーは1から96までの番号で入力して下さい"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        dialogs.Messages.clear();
        dialogs.Inputs = {std::string(c.typed)};
        SubItem("menuPest1")->trigger();
        EXPECT_EQ(SubDoc().Count, 0);
        EXPECT_EQ(dialogs.Messages, std::vector<std::string>{c.message});
    }
    dialogs.Inputs = {std::nullopt};
    SubItem("menuPest1")->trigger();
    EXPECT_EQ(SubDoc().Count, 0) << "キャンセル pastes nothing";
    EXPECT_FALSE(SubItem("menuUndo")->isEnabled());
}

TEST_F(SecondaryWindowTest, CutThenOneUndoBringsTheElementsBack)
{
    CopyThreeInMain();
    SubItem("menuPest2")->trigger();
    const std::vector<TCadData> pasted = ElementsOf(SubDoc());
    window->Clipboard().Records.clear();
    SubClick(20, 20);
    ASSERT_EQ(sub->SelectionCount(), 1);
    SubItem("menuCut")->trigger();
    EXPECT_EQ(SubDoc().Count, 2);
    EXPECT_EQ(window->Clipboard().Records.size(), 1u) << "the cut element goes to the shared buffer";
    EXPECT_EQ(SubItem("menuUndo")->text(), QStringLiteral("元に戻す-切り取り"));
    EXPECT_TRUE(sub->PanelText(0).isEmpty());
    SubItem("menuUndo")->trigger();
    EXPECT_EQ(ElementsOf(SubDoc()), pasted);
    EXPECT_EQ(window->Clipboard().Records.size(), 1u) << "the buffer still holds the cut element";
    EXPECT_FALSE(SubItem("menuUndo")->isEnabled()) << "one level only";
    EXPECT_TRUE(std::filesystem::exists(folder / "CadUndo2"));
}

TEST_F(SecondaryWindowTest, TwoWindowsNeverShareAnUndoFile)
{
    CopyThreeInMain();
    const std::filesystem::path otherFile = folder / ("CadUndo2-" + std::to_string(::getpid()));
    {
        TFormCAD2 other(*window, folder);
        SubItem("menuPest2")->trigger();
        other.PasteKeepingLayers();
        other.Document().Count = 1;
        SubClick(20, 0);
        SubItem("menuDel")->trigger();
        other.Document()[1].Selected = 1;
        other.DeleteSelection();
        SubItem("menuUndo")->trigger();
        other.UndoLast();
        EXPECT_EQ(SubDoc().Count, 3);
        EXPECT_EQ(other.Document().Count, 1) << "each window gets back what it had";
        EXPECT_TRUE(std::filesystem::exists(otherFile));
    }
    EXPECT_FALSE(std::filesystem::exists(otherFile)) << "a window's undo file goes with it";
    EXPECT_TRUE(std::filesystem::exists(folder / "CadUndo2"));
}

TEST_F(SecondaryWindowTest, ElementsCopiedHereArePastedIntoTheMainWindow)
{
    CopyThreeInMain();
    SubItem("menuPest2")->trigger();
    window->Clipboard().Records.clear();
    SubClick(20, 0);
    SubClick(20, 40);
    ASSERT_EQ(sub->SelectionCount(), 2);
    SubItem("menuCopy")->trigger();
    ASSERT_EQ(window->Clipboard().Records.size(), 2u);
    EXPECT_EQ(SubDoc()[1].Selected, 0) << "the copy lets the selection go here";

    dialogs.Answers = {DialogAnswer::No};
    Find<QAction>("menuPest2")->trigger();
    ASSERT_EQ(window->Document().Count, 5);
    for (const auto& [index, y, layer] : {std::tuple{4, 0.0, 2}, std::tuple{5, 40.0, 5}}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(window->Document()[index].Y1, y);
        EXPECT_EQ(window->Document()[index].Layer, layer);
        EXPECT_EQ(window->Document()[index].Selected, 0);
    }
    Press("SpeedButtonUNDU");
    EXPECT_EQ(window->Document().Count, 3) << "the paste is one undo step of the main drawing";
}

// A buffer filled from a drawing that never went through a file may hold texts no file can keep.
TEST_F(SecondaryWindowTest, LongTextsArePastedCutAndSavedCutWithAWordEachTime)
{
    window->Clipboard().Records = {TextElement(0, 0, 5, std::string(3000, 'x'))};
    SubItem("menuPest2")->trigger();
    ASSERT_EQ(SubDoc().Count, 1);
    EXPECT_EQ(SubDoc()[1].Text.size(), kMaxTextBytes);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{std::string("1") + kLongTextsCutSuffix});

    dialogs.Messages.clear();
    SubDoc().Layers.Name[0] = std::string(2600, 'n');
    dialogs.Files = {SavedFile("long")};
    ASSERT_TRUE(sub->SaveAsCommand());
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{std::string("1") + kStringsCutOnSaveSuffix});
}

// This store has no capacity of its own: a paste beyond the largest "CadMax" is taken whole.
TEST_F(SecondaryWindowTest, APasteBeyondTheLargestCapacityIsTakenWhole)
{
    window->Clipboard().Records.assign(static_cast<size_t>(kMaxCapacity) + 1, Line(0, 0, 10, 0));
    SubItem("menuPest2")->trigger();
    EXPECT_EQ(SubDoc().Count, kMaxCapacity + 1);
    EXPECT_TRUE(dialogs.Messages.empty());
}

// The menu's enable state used to stay with the shortcuts: at the start Ctrl+C with nothing selected
// emptied the buffer the main window shares, and Delete took the one undo level for nothing.
TEST_F(SecondaryWindowTest, TheEditShortcutsDoNothingWithoutASelectionAndWorkOnceThereIsOne)
{
    CopyThreeInMain();
    SubItem("menuPest2")->trigger();
    SubItem("menuUndo")->trigger();
    ASSERT_FALSE(SubItem("menuUndo")->isEnabled());
    ASSERT_EQ(SubDoc().Count, 0);
    SubItem("menuPest2")->trigger();
    for (const char* name : {"menuCopy", "menuCut", "menuDel"}) {
        SCOPED_TRACE(name);
        SubItem(name)->trigger();
        EXPECT_EQ(window->Clipboard().Records.size(), 3u) << "the shared buffer is kept";
        EXPECT_EQ(SubDoc().Count, 3);
        EXPECT_EQ(SubItem("menuUndo")->text(), QStringLiteral("元に戻す-貼り付け")) << "the paste is still undoable";
    }

    auto* edit = SubItem<QMenu>("N6");
    emit edit->aboutToShow();
    EXPECT_FALSE(SubItem("menuDel")->isEnabled()) << "the open menu shows there is nothing to delete";
    emit edit->aboutToHide();
    SubClick(20, 0);
    sub->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(sub.get()));
    QTest::keyClick(sub.get(), Qt::Key_Delete);
    EXPECT_EQ(SubDoc().Count, 2) << "the shortcut works once something is selected";
}

TEST_F(SecondaryWindowTest, AFailedUndoWriteOffersNoUndo)
{
    CopyThreeInMain();
    SubItem("menuPest2")->trigger();
    ASSERT_TRUE(SubItem("menuUndo")->isEnabled());
    std::filesystem::remove(folder / "CadUndo2");
    std::filesystem::create_directory(folder / "CadUndo2");  // no file can be put in its place
    SubClick(20, 0);
    SubItem("menuDel")->trigger();
    EXPECT_EQ(SubDoc().Count, 2) << "the delete still happens";
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kWriteFailedMessage});
    EXPECT_FALSE(SubItem("menuUndo")->isEnabled());
    EXPECT_EQ(SubItem("menuUndo")->text(), QStringLiteral("元に戻す"));
}

TEST_F(SecondaryWindowTest, AClickSelectsOnlyTheElementEvenAGroupedCrossCircle)
{
    TCadData marker = Circle(20, 20, 2);
    marker.Kind = kKindCrossCircle;
    marker.Group = 5;
    TCadData member = Line(0, 0, 40, 0);
    member.Group = 5;
    window->Clipboard().Records = {marker, member};
    SubItem("menuPest2")->trigger();
    SubClick(22, 20);
    EXPECT_EQ(SubDoc()[1].Selected, 1);
    EXPECT_EQ(SubDoc()[2].Selected, 0);
    EXPECT_EQ(sub->PanelText(0), QStringLiteral("選択数1"));
}

// The preview of one layer draws every kind on it, texts included, whatever the layer's box says.
TEST_F(SecondaryWindowTest, TheLayerPreviewDrawsTextsOnAHiddenLayer)
{
    TCadData text = TextElement(0, 0, 20, "ABC");
    text.Layer = 2;
    text.Color = 0x20C040;  // a colour nothing else on the canvas has
    window->Clipboard().Records = {text};
    SubItem("menuPest2")->trigger();
    SubDoc().Layers.Visible[1] = 0;
    sub->RedrawAll();
    SubItem("N11")->trigger();
    const QColor colour = ToQColor(text.Color);
    const auto textPixels = [&] {
        return CanvasPixels([&](const QColor& c) {
            return std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                       std::abs(c.blue() - colour.blue()) <
                   60;
        });
    };
    ASSERT_EQ(textPixels(), 0) << "the layer is hidden";
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(sub->findChild<QWidget*>(QStringLiteral("LabelName2")), &enter);
    EXPECT_GT(textPixels(), 0);
}

TEST_F(SecondaryWindowTest, TheLayerPanelShowsTabsSetsTheLayersAndTheKindFilters)
{
    CopyThreeInMain();
    SubItem("menuPest2")->trigger();
    SubDoc().Layers.Name[16] = "Seventeen";
    SubItem("N11")->trigger();
    auto* panel = sub->findChild<QWidget*>(QStringLiteral("PanelReyar"));
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->pos(), QPoint(0, 0));
    sub->findChild<QTabBar*>(QStringLiteral("TabControlRey"))->setCurrentIndex(1);
    EXPECT_EQ(sub->findChild<QLabel*>(QStringLiteral("LabelRey1"))->text(), QStringLiteral("17"));
    EXPECT_EQ(sub->findChild<QLabel*>(QStringLiteral("LabelName1"))->text(), QStringLiteral("Seventeen"));

    const auto button = [this](const char* name) { return sub->findChild<QPushButton*>(QString::fromUtf8(name)); };
    QTest::mouseClick(button("Button1"), Qt::LeftButton);
    EXPECT_EQ(std::ranges::count(SubDoc().Layers.Visible, 0), 96) << "全消";
    EXPECT_FALSE(sub->findChild<QCheckBox*>(QStringLiteral("CheckBoxR1"))->isChecked());
    QTest::mouseClick(button("Button5"), Qt::LeftButton);
    EXPECT_EQ(std::ranges::count(SubDoc().Layers.Visible, 1), 96) << "全表";
    sub->findChild<QTabBar*>(QStringLiteral("TabControlRey"))->setCurrentIndex(0);
    sub->findChild<QCheckBox*>(QStringLiteral("CheckBoxR3"))->click();
    EXPECT_EQ(SubDoc().Layers.Visible[2], 0);

    QTest::mouseClick(sub->findChild<QCheckBox*>(QStringLiteral("CheckBox_Li")), Qt::LeftButton);
    EXPECT_FALSE(SubDoc().Layers.Filters.Lines);
    QTest::mouseClick(button("ButtonClose"), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    SubClick(20, 0);
    EXPECT_EQ(sub->SelectionCount(), 0) << "lines are filtered out of picking";
}

TEST_F(SecondaryWindowTest, WithReyDlgCloseAMoveOverTheCanvasClosesTheLayerPanel)
{
    Settings changed = window->Preferences();
    changed.ReyDlgClose = true;
    window->ApplySettings(changed);
    SubItem("N11")->trigger();
    auto* panel = sub->findChild<QWidget*>(QStringLiteral("PanelReyar"));
    ASSERT_TRUE(panel->isVisible());
    ReadOutAt(100, 100);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(SecondaryWindowTest, TheWheelTakesTheSettingAsItIsNowAndASidewaysScrollDoesNotZoom)
{
    Settings changed = window->Preferences();
    changed.Wheel = 9;
    window->ApplySettings(changed);
    const float zoom = sub->View().Zoom;
    QWidget* bar = sub->findChild<QWidget*>(QStringLiteral("StatusBar1"));
    const QPointF at(10, 5);
    QWheelEvent sideways(at, bar->mapToGlobal(at), {}, QPoint(120, 0), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &sideways);
    EXPECT_FLOAT_EQ(sub->View().Zoom, zoom);
    QWheelEvent up(at, bar->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &up);
    EXPECT_NEAR(sub->View().Zoom, zoom * 1.9, 1e-4 * zoom) << "\"Wheel\" 9 steps by 1.9";
}

TEST_F(SecondaryWindowTest, ClosingTheMainWindowEndsTheProgramWithThisWindowOpen)
{
    EXPECT_FALSE(sub->testAttribute(Qt::WA_QuitOnClose));
}

TEST_F(SecondaryWindowTest, AnUndoFileCutShortIsToldAndKeepsTheDrawing)
{
    CopyThreeInMain();
    SubItem("menuPest2")->trigger();
    SubClick(20, 0);
    SubItem("menuDel")->trigger();
    ASSERT_EQ(SubDoc().Count, 2);
    std::filesystem::resize_file(folder / "CadUndo2", 20);
    SubItem("menuUndo")->trigger();
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"アンドゥー読み込みエラー"});
    EXPECT_EQ(SubDoc().Count, 2);
}

TEST_F(SecondaryWindowTest, AWindowSelectsAndTheRightButtonLetsEverythingGo)
{
    CopyThreeInMain();
    SubItem("menuPest2")->trigger();
    SubDrag(-10, -10, 50, 25);
    EXPECT_EQ(sub->SelectionCount(), 2);
    EXPECT_EQ(sub->PanelText(0), QStringLiteral("選択数2"));
    SubDrag(100, 100, 100, 100);
    EXPECT_EQ(sub->PanelText(0), QStringLiteral("選択数2")) << "a click on empty canvas selects nothing new";
    SubClick(60, 60, Qt::RightButton);
    EXPECT_EQ(sub->PanelText(0), QStringLiteral("選択数0"));
    for (int i = 1; i <= SubDoc().Count; ++i) EXPECT_EQ(SubDoc()[i].Selected, 0) << i;
}

TEST_F(SecondaryWindowTest, SelectedElementsAreShownInTheHighlightColourUntilLetGo)
{
    CopyThreeInMain();
    SubItem("menuPest2")->trigger();
    const QColor highlight = ToQColor(PaintSettingsFrom(window->Preferences()).HighlightColour);
    const auto colourOfLine = [&](double y) { return SubCanvas()->grab().toImage().pixelColor(SubPixel(10, y)); };
    const QColor plain = colourOfLine(20);
    ASSERT_NE(plain, highlight);
    SubClick(20, 20);
    EXPECT_EQ(colourOfLine(20), highlight) << "a click";
    SubClick(20, 20);
    EXPECT_EQ(colourOfLine(20), plain) << "a second click lets it go";
    SubDrag(-10, 35, 50, 45);
    EXPECT_EQ(colourOfLine(40), highlight) << "a window";
    SubClick(60, 60, Qt::RightButton);
    EXPECT_EQ(colourOfLine(40), plain) << "the right button";
}

TEST_F(SecondaryWindowTest, TheReadOutShowsEndPointsElementsOrThePosition)
{
    CopyThreeInMain();
    SubItem("menuPest2")->trigger();
    EXPECT_TRUE(ReadOutAt(40, 20).startsWith(QStringLiteral("<端点> X40"))) << ReadOutAt(40, 20).toStdString();
    EXPECT_EQ(ReadOutAt(20, 20), QString::fromStdString(ElementInfoText(SubDoc()[2])));
    const QPoint empty = SubPixel(20, 60);
    double wx = 0;
    double wy = 0;
    CanvasToWorld(sub->View(), empty.x(), empty.y(), wx, wy);
    const QString position = QString::fromStdString("X" + FormatNumber(wx) + " Y" + FormatNumber(wy));
    EXPECT_EQ(ReadOutAt(20, 60), position);
    SubItem("menushow0")->trigger();
    EXPECT_TRUE(ReadOutAt(20, 20).startsWith(QStringLiteral("X"))) << "unchecked: the plain position";
    EXPECT_TRUE(ReadOutAt(40, 20).startsWith(QStringLiteral("X")));
}

TEST_F(SecondaryWindowTest, AnEmptyDrawingPaintsNothingButTheBackground)
{
    EXPECT_EQ(PixelsOtherThan(ToQColor(window->Preferences().FormColor)), 0) << "not even the origin marker";
}

TEST_F(SecondaryWindowTest, TheStandardViewPutsTheOriginAtTheCentreAndZoomOutStopsNearTheLimit)
{
    sub->View().Zoom = 3;
    sub->View().OriginX = 7;
    SubItem("N1")->trigger();
    EXPECT_EQ(sub->View().Zoom, 1);
    EXPECT_EQ(sub->View().OriginX, sub->View().CanvasWidth / 2);
    EXPECT_EQ(sub->View().OriginY, sub->View().CanvasHeight / 2);

    sub->View().Zoom = 0.0124f;
    SubItem("ViewX_Dn")->trigger();
    EXPECT_FLOAT_EQ(sub->View().Zoom, 0.0124f) << "0.0124 × 0.8 would pass below 0.01";
    sub->View().Zoom = 0.013f;
    SubItem("ViewX_Dn")->trigger();
    EXPECT_NEAR(sub->View().Zoom, 0.0104, 1e-6);
}

TEST_F(SecondaryWindowTest, TheMovesPanByTwentyPixelsAndAMiddleDragPansOnlyBeyondMado)
{
    const struct {
        const char* item;
        int dx, dy;
    } moves[] = {{"ViewRite", 20, 0}, {"ViewLeft", -20, 0}, {"ViewUp", 0, -20}, {"ViewDn", 0, 20}};
    for (const auto& m : moves) {
        SCOPED_TRACE(m.item);
        const int x = sub->View().OriginX, y = sub->View().OriginY;
        SubItem(m.item)->trigger();
        EXPECT_EQ(sub->View().OriginX, x + m.dx);
        EXPECT_EQ(sub->View().OriginY, y + m.dy);
    }
    const int mado = window->Preferences().Mado;
    const struct {
        int dx, dy;
        bool pans;
    } drags[] = {{mado, mado, false}, {-mado, 0, false}, {mado + 1, 0, true}, {0, -(mado + 1), true}};
    for (const auto& d : drags) {
        SCOPED_TRACE(::testing::Message() << d.dx << "," << d.dy);
        const int x = sub->View().OriginX, y = sub->View().OriginY;
        const QPoint from(200, 200), to(200 + d.dx, 200 + d.dy);
        QTest::mousePress(SubCanvas(), Qt::MiddleButton, {}, from);
        QTest::mouseMove(SubCanvas(), to);
        QTest::mouseRelease(SubCanvas(), Qt::MiddleButton, {}, to);
        EXPECT_EQ(sub->View().OriginX, x + (d.pans ? d.dx : 0));
        EXPECT_EQ(sub->View().OriginY, y + (d.pans ? d.dy : 0));
    }
}

TEST_F(SecondaryWindowTest, TheWheelZoomsAboutTheMouse)
{
    const QPoint at(100, 80);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), SubCanvas()->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, {});
    QApplication::sendEvent(SubCanvas(), &move);
    const float zoom = sub->View().Zoom;
    const CanvasPoint before = WorldToCanvas(sub->View(), 10, 10);
    const QPointF global = SubCanvas()->mapToGlobal(QPointF(at));
    QWheelEvent up(QPointF(at), global, {}, QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(SubCanvas(), &up);
    EXPECT_GT(sub->View().Zoom, zoom);
    const CanvasPoint after = WorldToCanvas(sub->View(), 10, 10);
    EXPECT_GT(std::abs(after.X - at.x()), std::abs(before.X - at.x())) << "points move away from the mouse";
    double stillX = 0, stillY = 0, backX = 0, backY = 0;
    CanvasToWorld(sub->View(), at.x(), at.y(), stillX, stillY);
    QWheelEvent down(QPointF(at), global, {}, QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(SubCanvas(), &down);
    CanvasToWorld(sub->View(), at.x(), at.y(), backX, backY);
    EXPECT_NEAR(backX, stillX, 2 / ViewScale(sub->View())) << "the point under the mouse stays";
    EXPECT_NEAR(backY, stillY, 2 / ViewScale(sub->View()));
}

TEST_F(SecondaryWindowTest, StayingOnTopIsAToggleAndThePlacesCoverHalvesOfTheMainCanvas)
{
    EXPECT_TRUE(sub->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    SubItem("VewOn")->trigger();
    EXPECT_FALSE(sub->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(sub->isVisible()) << "changing the flag shows the window again";
    SubItem("VewOn")->trigger();
    EXPECT_TRUE(sub->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    const QWidget* canvas = Canvas();
    const QRect area(canvas->mapToGlobal(QPoint(0, 0)), canvas->size());
    SubItem("N12")->trigger();
    EXPECT_EQ(sub->frameGeometry(), QRect(area.x() + area.width() / 2 + 4, area.y(), area.width() / 2, area.height()));
    SubItem("N13")->trigger();
    EXPECT_EQ(sub->frameGeometry(), QRect(area.x() + 4, area.y() + area.height() / 2, area.width(), area.height() / 2));
}

TEST_F(SecondaryWindowTest, AVersion269FileLeavesLayers17To96VisibleAndUnnamed)
{
    FixtureOptions options;
    options.version = 269;
    const std::filesystem::path file = folder / "old.dca";
    std::ofstream(file, std::ios::binary) << BuildFixture(options).bytes;
    SubDoc().Layers.Visible.fill(0);
    SubDoc().Layers.Name.fill("stale");
    ASSERT_TRUE(sub->OpenDrawing(Utf8FromPath(file)));
    EXPECT_EQ(SubDoc().Count, 2);
    EXPECT_EQ(SubDoc().Layers.Name[1], kZumen);
    for (size_t slot = 16; slot < 96; ++slot) {
        EXPECT_EQ(SubDoc().Layers.Visible[slot], 1) << slot;
        EXPECT_EQ(SubDoc().Layers.Name[slot], "") << slot;
    }
    EXPECT_EQ(sub->CurrentFile(), QString::fromStdString(Utf8FromPath(file)));
}

TEST_F(SecondaryWindowTest, ClearingEmptiesTheLayerNamesAndAFailedOpenTakesThemFromTheSettings)
{
    Settings named;
    named.LayerNames[3] = "Hidden";
    sub.reset();
    Open(named);
    sub = std::make_unique<TFormCAD2>(*window, folder);
    sub->show();
    SubDoc().Layers.Name[3] = "mine";
    SubItem("menuNew")->trigger();
    EXPECT_EQ(SubDoc().Layers.Name[3], "");
    const std::filesystem::path broken = folder / "broken.dca";
    std::ofstream(broken, std::ios::binary) << std::string("\x0e\x01\x05", 3);
    EXPECT_FALSE(sub->OpenDrawing(Utf8FromPath(broken)));
    EXPECT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(SubDoc().Layers.Name[3], "Hidden");
    EXPECT_EQ(SubDoc().Count, 0);
}

TEST_F(SecondaryWindowTest, AFailedOpenLeavesNoOldDrawingOnTheCanvas)
{
    CopyThreeInMain();
    SubItem("menuPest2")->trigger();
    const QColor background = ToQColor(window->Preferences().FormColor);
    ASSERT_GT(PixelsOtherThan(background), 0);
    const std::filesystem::path broken = folder / "broken.dca";
    std::ofstream(broken, std::ios::binary) << std::string("\x0e\x01\x05", 3);
    EXPECT_FALSE(sub->OpenDrawing(Utf8FromPath(broken)));
    EXPECT_EQ(PixelsOtherThan(background), 0);
}

TEST_F(SecondaryWindowTest, SavingHereKeepsThisDrawingsFillsAndStyleAndLeavesTheMainDrawingAlone)
{
    window->Document().MemoBrush = {"1,255"};
    AddLine(window->Document(), 0, 0, 10, 0);
    window->Document().Saved = false;

    FixtureOptions options;
    options.precision = 1;
    options.memoLine = "6,65280";
    const std::filesystem::path file = folder / "own.dca";
    std::ofstream(file, std::ios::binary) << BuildFixture(options).bytes;
    ASSERT_TRUE(sub->OpenDrawing(Utf8FromPath(file)));
    dialogs.Answers = {DialogAnswer::Yes};
    ASSERT_TRUE(sub->OverwriteCommand());
    dialogs.Files = {SavedFile("copy")};
    ASSERT_TRUE(sub->SaveAsCommand());
    EXPECT_EQ(dialogs.FileDialogs.back().Filter, kDrawingFileFilter);
    EXPECT_FALSE(window->Document().Saved) << "the main drawing still has its unsaved work";
    EXPECT_EQ(window->RecentFiles()[0], SavedFile("copy.dca")) << "the last file written comes first";
    EXPECT_EQ(window->RecentFiles()[1], SavedFile("own.dca"));

    for (const char* name : {"own.dca", "copy.dca"}) {
        SCOPED_TRACE(name);
        Drawing read;
        DrawingFileSettings style;
        ASSERT_TRUE(ReadDrawingFile(folder / name, read, style).Ok);
        EXPECT_EQ(read.Count, 2);
        EXPECT_EQ(style.Precision, 1);
        ASSERT_FALSE(read.MemoBrush.empty());
        EXPECT_EQ(read.MemoBrush[0], "6,65280");
        EXPECT_EQ(read.Layers.Name[1], kZumen);
    }
}

}  // namespace
}  // namespace vantro::testing
