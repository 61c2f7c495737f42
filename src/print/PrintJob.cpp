#include "print/PrintJob.h"

#include "document/Layers.h"
#include "files/DrawingFile.h"
#include "files/FileSystem.h"
#include "print/PrintPainter.h"
#include "view/ElementExtents.h"
#include "view/QPainterSurface.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QTemporaryFile>

#include <cmath>
#include <cstdint>

namespace vantro {
namespace {

PrintPage PageOf(const QPrinter& printer)
{
    PrintPage page;
    page.Width = printer.width();
    page.Height = printer.height();
    page.PhysicalHeight = static_cast<int>(std::lround(printer.paperRect(QPrinter::DevicePixel).height()));
    page.Landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    return page;
}

// A 12-point font at the printer's resolution.
int HeaderFontHeight(const QPrinter& printer)
{
    return static_cast<int>(std::lround(12.0 * printer.resolution() / 72.0));
}

// The middle of the elements on visible layers, rounded as a click on the canvas is.
void DrawingCentre(const Drawing& drawing, double& a, double& b)
{
    ExtentBox box;
    for (int i = 1; i <= drawing.Count; ++i)
        if (drawing[i].Kind != kKindEmpty && IsLayerVisible(drawing.Layers, drawing[i].Layer))
            AddElementExtent(box, drawing[i]);
    a = box.Empty ? 0 : std::nearbyint((static_cast<double>(box.MinX) + box.MaxX) / 2);
    b = box.Empty ? 0 : std::nearbyint((static_cast<double>(box.MinY) + box.MaxY) / 2);
}

}  // namespace

bool PrintDrawing(QPrinter& printer, const Drawing& drawing, const PaintSettings& paint,
                  const PrintOptions& options, const PrintPlacement& placement, const QString& caption)
{
    if (drawing.Count <= 0) return true;
    const PrintPage page = PageOf(printer);
    const PrintTransform transform = placement.ActualSize
                                         ? ActualSizeTransform(page, placement.PaperHeight, placement.A, placement.B, options)
                                         : OnScreenTransform(page, placement.View, options);
    const PrintHeader header{caption, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat),
                             HeaderFontHeight(printer)};
    QPainterSurface surface(printer);
    if (!surface.IsActive()) return false;
    PrintElements(surface, transform, drawing, paint, options, header);
    return true;
}

bool PrintToPdf(const std::string& output, const Drawing& drawing, const PaintSettings& paint,
                const PrintOptions& options, const PdfRequest& request, const QString& caption, std::ostream& errors)
{
    const std::filesystem::path target = PathFromUtf8(output);
    if (IsReadOnlyFile(target)) {
        errors << "VantroCad: " << output << ": " << kReadOnlyFileMessage << '\n';
        return false;
    }
    if (drawing.Count <= 0) {
        errors << "VantroCad: " << output << ": " << kNothingToPrintMessage << '\n';
        return false;
    }
    const NamedPaper& paper = request.Paper ? *request.Paper : *PaperNamed("A4");
    QTemporaryFile pdf;
    if (!pdf.open()) {
        errors << "VantroCad: " << output << ": " << kWriteFailedMessage << '\n';
        return false;
    }
    pdf.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf.fileName());
    printer.setResolution(request.Resolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(paper.Id));
    printer.setPageOrientation(request.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setColorMode(Monochrome(options) ? QPrinter::GrayScale : QPrinter::Color);
    PrintPlacement placement;
    placement.PaperHeight = ScaledPaper(Oriented(paper.Size, request.Landscape), request.Factor).Height;
    DrawingCentre(drawing, placement.A, placement.B);
    if (!PrintDrawing(printer, drawing, paint, options, placement, caption)) {
        errors << "VantroCad: " << output << ": " << kPrintErrorMessage << '\n';
        return false;
    }
    std::string bytes;
    if (ReadWholeFile(PathFromUtf8(pdf.fileName().toStdString()), SIZE_MAX, bytes) == FileReadStatus::Read &&
        WriteFileAtomically(target, bytes))
        return true;
    errors << "VantroCad: " << output << ": " << kWriteFailedMessage << '\n';
    return false;
}

}  // namespace vantro
