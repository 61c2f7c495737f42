// Renders the window with a small drawing at the two reference sizes. The pictures are written only
// when VANTRO_SCREENSHOT_DIR names a folder, and the drawing when VANTRO_SAMPLES_DIR does
// (scripts/screenshots.sh); the test itself checks that nothing of the layout is clipped away.
#include "MainWindowFixture.h"

#include "files/DrawingFile.h"
#include "document/Cp932.h"
#include "geometry/Constructions.h"
#include "geometry/Dimensions.h"
#include "geometry/TextElements.h"

#include <QDir>

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

TEST_F(MainWindowTest, TheWindowFitsAtTheReferenceSizes)
{
    for (const QSize size : {QSize(1280, 800), QSize(1920, 1080)}) {
        SCOPED_TRACE(size.width());
        Open(Settings{}, size);
        DrawSample(*window);
        window->RedrawAll(true);
        Press("SpeedButton17");
        // Every status panel and the tool panel stay fully inside the window.
        for (const char* name : {"PanelCad", "StatusPanel4", "Panelcad2", "LabelRayer", "CheckBoxGrp"}) {
            QWidget* widget = Find(name);
            const QRect inWindow(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
            EXPECT_TRUE(window->rect().contains(inWindow)) << name;
            EXPECT_GE(widget->width(), widget->minimumSizeHint().width()) << name;
        }
        const QByteArray samples = qgetenv("VANTRO_SAMPLES_DIR");
        if (!samples.isEmpty()) {
            const std::filesystem::path sample = std::filesystem::path(samples.toStdString()) / "flange.dca";
            EXPECT_TRUE(WriteDrawingFile(sample, window->Document(), DrawingFileSettings{}).Ok);
        }
        const QByteArray folder = qgetenv("VANTRO_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            window->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(
                QStringLiteral("vantrocad-%1x%2.png").arg(size.width()).arg(size.height())));
        QTest::keyClick(window.get(), Qt::Key_Escape);
    }
}

}  // namespace
}  // namespace vantro::testing
