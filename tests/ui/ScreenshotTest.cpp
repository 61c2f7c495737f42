// Renders the window with a small drawing at the two reference sizes. The pictures are written only
// when VANTRO_SCREENSHOT_DIR names a folder, and the drawing when VANTRO_SAMPLES_DIR does
// (scripts/screenshots.sh); the test itself checks that nothing of the layout is clipped away.
#include "MainWindowFixture.h"

#include "files/DrawingFile.h"
#include "document/Cp932.h"
#include "geometry/Constructions.h"
#include "geometry/Dimensions.h"
#include "geometry/TextElements.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPlainTextEdit>

#include <filesystem>
#include <QLabel>

namespace vantro::testing {
namespace {

void DrawSample(TForm1& window)
{
    const CurrentAttributes attributes = window.Attributes();
    Drawing& d = window.Document();
    MakeRectangle(d, attributes, {-150, -90}, {150, 90}, false);
    AppendCircle(d, attributes, true, {0, 0}, 60);
    AppendCircle(d, attributes, true, {-110, 55}, 12);
    AppendCircle(d, attributes, true, {110, 55}, 12);
    AppendCircle(d, attributes, true, {-110, -55}, 12);
    AppendCircle(d, attributes, true, {110, -55}, 12);
    AppendArc(d, attributes, true, true, {40, 0}, {-40, 0}, {0, 0}, 40);
    CurrentAttributes centre = attributes;
    centre.LineStyle = kStyleDashDot;
    centre.Color = 0x0000C4;
    AppendLine(d, centre, true, true, {-180, 0}, {180, 0});
    AppendLine(d, centre, true, true, {0, -110}, {0, 110});

    DimensionOptions options;
    AppendLinearDimension(d, attributes, options, kKindDimX, {-150, 90}, {150, 90}, {0, 125});
    AppendLinearDimension(d, attributes, options, kKindDimX, {-110, -55}, {110, -55}, {0, -125});
    options.Tolerance = "+0.1-0.05";
    AppendLinearDimension(d, attributes, options, kKindDimY, {150, -90}, {150, 90}, {195, 0});
    options.Tolerance.clear();
    AppendRadiusDimension(d, attributes, options, kKindDimDiameter, {0, 0}, 60, {70, 70});
    AppendRadiusDimension(d, attributes, options, kKindDimRadius, {0, 0}, 40, {-25, 20});
    AppendLeaderText(d, attributes, Utf8ToCp932("4-φ24 キリ"), {-118.5, 63.5}, {-170, 120}, -240);
    CurrentAttributes title = attributes;
    title.Color = 0x000000;
    AppendTextLines(d, title, 10, {Utf8ToCp932("フランジ  S=1:1")}, {-150, -150});
}

// The README's pictures, when VANTRO_SCREENSHOT_DIR names a folder.
void SavePicture(const QImage& picture, const QString& name)
{
    const QByteArray folder = qgetenv("VANTRO_SCREENSHOT_DIR");
    if (!folder.isEmpty()) picture.save(QDir(QString::fromLocal8Bit(folder)).filePath(name));
}

void ExpectInside(const QWidget& window, const QWidget& widget, const char* name)
{
    const QRect inWindow(widget.mapTo(&window, QPoint(0, 0)), widget.size());
    EXPECT_TRUE(window.rect().contains(inWindow)) << name;
    EXPECT_GE(widget.width(), widget.minimumSizeHint().width()) << name;
}

// The line command at 1280 × 800 and a dimension command with its option panels at 1920 × 1080.
TEST_F(MainWindowTest, TheWindowFitsAtTheReferenceSizes)
{
    const struct {
        QSize Size;
        const char* Button;
        std::vector<const char*> Shown;
    } cases[] = {
        {QSize(1280, 800), "SpeedButton17", {"PanelCad", "StatusPanel4", "Panelcad2", "LabelRayer", "CheckBoxGrp", "EditY"}},
        {QSize(1920, 1080), "SpeedButton150",
         {"PanelCad", "StatusPanel4", "Panelcad2", "LabelRayer", "CheckBoxGrp", "PanelDim", "PanelDim2", "EditCome"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Size.width());
        Open(Settings{}, c.Size);
        DrawSample(*window);
        window->RedrawAll(true);
        Press(c.Button);
        for (const char* name : c.Shown) {
            QWidget* widget = Find(name);
            EXPECT_TRUE(widget->isVisible()) << name;
            ExpectInside(*window, *widget, name);
        }
        const QByteArray samples = qgetenv("VANTRO_SAMPLES_DIR");
        if (!samples.isEmpty()) {
            const std::filesystem::path sample = std::filesystem::path(samples.toStdString()) / "flange.dca";
            EXPECT_TRUE(WriteDrawingFile(sample, window->Document(), DrawingFileSettings{}).Ok);
        }
        SavePicture(window->grab().toImage(),
                    QStringLiteral("vantrocad-%1x%2.png").arg(c.Size.width()).arg(c.Size.height()));
        QTest::keyClick(window.get(), Qt::Key_Escape);
    }
}

// The text dialog over the window, where it opens: beside the tool panel, inside the window.
TEST_F(MainWindowTest, TheTextDialogPicture)
{
    DrawSample(*window);
    window->RedrawAll(true);
    QImage picture;
    window->SetTextDialogRunner([&](TTextDialog& dialog) {
        dialog.Memo()->setPlainText(QStringLiteral("表面粗さ Ra1.6"));
        dialog.show();
        QApplication::processEvents();
        const QPoint at = window->mapFromGlobal(dialog.pos());
        EXPECT_TRUE(window->rect().contains(QRect(at, dialog.size()))) << "the dialog lies within the window";
        picture = window->grab().toImage();
        QPainter painter(&picture);
        painter.drawImage(at, dialog.grab().toImage());
        dialog.hide();
        return false;
    });
    Press("SpeedButton296");
    ASSERT_FALSE(picture.isNull());
    SavePicture(picture, QStringLiteral("vantrocad-text-dialog.png"));
}

}  // namespace
}  // namespace vantro::testing
