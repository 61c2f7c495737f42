// A print run on a QPrinter (a system printer or a PDF file), and the PDF output of the command line.
#pragma once

#include "document/Drawing.h"
#include "print/Paper.h"
#include "print/PrintOptions.h"
#include "view/PaintSettings.h"
#include "view/ViewState.h"

#include <QString>

#include <ostream>
#include <string>

class QPrinter;

namespace vantro {

inline constexpr const char* kPrintErrorMessage = "印刷エラー";
inline constexpr const char* kNothingToPrintMessage = "印刷するデータがありません";

// Where the drawing goes on the page: the world point (A, B) at the page centre with PaperHeight
// millimetres over the page's height, or (ActualSize false) the canvas as View shows it.
struct PrintPlacement {
    bool ActualSize = true;
    double A = 0;
    double B = 0;
    int PaperHeight = 0;
    ViewState View;
};

// One document with one page. False when the printer refused it; the drawing is never changed.
bool PrintDrawing(QPrinter& printer, const Drawing& drawing, const PaintSettings& paint,
                  const PrintOptions& options, const PrintPlacement& placement, const QString& caption);

struct PdfRequest {
    const NamedPaper* Paper = nullptr;  // A4 when none
    bool Landscape = false;
    double Factor = 1;     // scale: the drawing prints Factor times its actual size
    int Resolution = 600;  // dots per inch of the page's device pixels
};

// The drawing printed at actual size (times the factor) on one PDF page, centred on the middle of
// its elements, written through a temporary file. False with a message on errors.
bool PrintToPdf(const std::string& output, const Drawing& drawing, const PaintSettings& paint,
                const PrintOptions& options, const PdfRequest& request, const QString& caption,
                std::ostream& errors);

}  // namespace vantro
