// Printing from the window: the print commands, the paper placed on the canvas, the image print and
// the canvas saved as a bitmap.
#include "ui/MainWindow.h"

#include "commands/StepCodes.h"
#include "files/DrawingFile.h"
#include "files/FileSystem.h"
#include "print/PrintJob.h"
#include "ui/CanvasWidget.h"
#include "ui/PaperDialog.h"
#include "view/DrawingImage.h"
#include "view/QPainterSurface.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QToolButton>

#include <cmath>

namespace vantro {
namespace {

constexpr const char* kPrintConfirmation = "印刷を開始します、よろしいですか？";
constexpr const char* kBitmapFilter = "ビットマップ (*.bmp)|*.bmp";

// The menu items of the scaled prints: name, caption and the percentage of their Tag.
struct ScaledPrintItem {
    const char* Name;
    const char* Caption;
    int Tag;
};
constexpr ScaledPrintItem kScaledPrintItems[] = {
    {"Print1000", "10倍", 1000}, {"Print500", "5倍", 500}, {"Print200", "2倍", 200}, {"Print150", "1.5倍", 150},
    {"Print75", "75%", 75},      {"Print50", "50%", 50},   {"Print25", "25%", 25},   {"Print10", "10%", 10},
};

bool RunPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

// An empty drawing is told and not printed.
bool NothingToPrint(const Drawing& drawing, UserDialogs& dialogs)
{
    if (drawing.Count > 0) return false;
    dialogs.ShowMessage(kNothingToPrintMessage);
    return true;
}

bool IsLandscape(const QPrinter& printer) { return printer.pageLayout().orientation() == QPageLayout::Landscape; }

}  // namespace

void TForm1::AddPrintItems(QMenu* file)
{
    QAction* actualSize = AddAction(file, QStringLiteral("Print1"), QStringLiteral("実寸で印刷"));
    connect(actualSize, &QAction::triggered, this, [this] { StartPlacedPrint(1); });
    QAction* asOnScreen = AddAction(file, QStringLiteral("Print2"), QStringLiteral("表示画面と同じに印刷"));
    connect(asOnScreen, &QAction::triggered, this, [this] { PrintAsOnScreen(); });
    connect(toolButtons_.at(QStringLiteral("SpeedButtonPrint1")), &QToolButton::clicked, actualSize, &QAction::trigger);
    connect(toolButtons_.at(QStringLiteral("SpeedButton24")), &QToolButton::clicked, asOnScreen, &QAction::trigger);
    QMenu* scaled = file->addMenu(QStringLiteral("拡大、縮小して印刷"));
    for (const ScaledPrintItem& item : kScaledPrintItems)
        connect(AddAction(scaled, QString::fromUtf8(item.Name), QString::fromUtf8(item.Caption)), &QAction::triggered,
                this, [this, tag = item.Tag] { StartPlacedPrint(tag / 100.0); });
    connect(AddAction(scaled, QStringLiteral("printN"), QStringLiteral("倍率指定")), &QAction::triggered, this,
            [this] { TypedFactorPrint(); });
    connect(AddAction(file, QStringLiteral("ImagePrint"), QStringLiteral("イメージ印刷(&I)")), &QAction::triggered,
            this, [this] { ImagePrintCommand(); });
    connect(AddAction(file, QStringLiteral("PrintSetei"), QStringLiteral("プリンターの設定(&T)")),
            &QAction::triggered, this, [this] {
                if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
                if (choosePrinter_) choosePrinter_(*printer_);
                else RunPrintDialog(*printer_, this);
            });
    connect(AddAction(file, QStringLiteral("B2"), QStringLiteral("ビットマップで保存(&M)")), &QAction::triggered, this,
            [this] { SaveBitmapCommand(); });
}

bool TForm1::ChoosePrinter()
{
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const bool chosen = choosePrinter_ ? choosePrinter_(*printer_) : RunPrintDialog(*printer_, this);
    if (!chosen) return false;
    printer_->setColorMode(settings_.ColorChk == 1 ? QPrinter::GrayScale : QPrinter::Color);
    paper_ = Oriented(PaperOfPrinter(), IsLandscape(*printer_));
    return paper_.Width > 0 && paper_.Height > 0;
}

// A page size no paper code names is asked for in the paper dialog; "中止" leaves no paper.
PaperSize TForm1::PaperOfPrinter()
{
    if (const std::optional<PaperSize> known = PaperOfPageSize(printer_->pageLayout().pageSize().id())) return *known;
    TFormPrint dialog(*dialogs_, this);
    const bool chosen = runPaperDialog_ ? runPaperDialog_(dialog) : dialog.exec() == QDialog::Accepted;
    return chosen ? dialog.Paper() : PaperSize{};
}

void TForm1::StartPlacedPrint(double factor)
{
    if (NothingToPrint(drawing_, *dialogs_)) return;
    CancelCommand();
    if (!ChoosePrinter()) return;
    paper_ = ScaledPaper(paper_, factor);
    FitToDrawing(view_, drawing_, 2, paper_.Width, paper_.Height);
    AfterZoom();
    command_.CommandMode = step::kPrintPlacement;
    command_.CursorPixel = {-1000, -1000};
}

void TForm1::TypedFactorPrint()
{
    if (NothingToPrint(drawing_, *dialogs_)) return;
    CancelCommand();
    const std::optional<std::string> typed = dialogs_->InputLine("倍率指定印刷", "倍率を入力して下さい(0.01～100)", "1");
    if (!typed) return;
    const FactorReading reading = ReadPrintFactor(*typed);
    if (!reading.Factor) {
        dialogs_->ShowMessage(reading.Message);
        return;
    }
    StartPlacedPrint(*reading.Factor);
}

void TForm1::DrawPaperRectangle(CanvasPoint centre)
{
    const float s = ViewScale(view_);
    const int halfWidth = static_cast<int>(std::nearbyint(paper_.Width / 2.0f * s));
    const int halfHeight = static_cast<int>(std::nearbyint(paper_.Height / 2.0f * s));
    DrawXorRectangle({centre.X - halfWidth, centre.Y - halfHeight}, {centre.X + halfWidth, centre.Y + halfHeight});
}

void TForm1::MovePaperRectangle(int x, int y)
{
    // After a repaint the old rectangle is gone already; drawing it again would leave it behind.
    if (view_.OverlayWiped) view_.OverlayWiped = false;
    else DrawPaperRectangle(command_.CursorPixel);
    command_.CursorPixel = {x, y};
    DrawPaperRectangle(command_.CursorPixel);
}

void TForm1::PlacePrint(int x, int y)
{
    command_.CommandMode = step::kIdle;
    if (IsAffirmative(dialogs_->Ask(kPrintConfirmation, QuestionButtons::OkCancel))) {
        PrintPlacement placement;
        CanvasToWorld(view_, x, y, placement.A, placement.B);
        placement.A = std::nearbyint(placement.A);
        placement.B = std::nearbyint(placement.B);
        placement.PaperHeight = paper_.Height;
        if (!PrintDrawing(*printer_, drawing_, CurrentPaintSettings(), PrintOptionsFrom(settings_), placement,
                          windowTitle()))
            dialogs_->ShowMessage(kPrintErrorMessage);
    }
    RedrawAll(false);
}

void TForm1::CancelPrintPlacement()
{
    command_.CommandMode = step::kIdle;
    DrawPaperRectangle(command_.CursorPixel);
}

void TForm1::PrintAsOnScreen()
{
    if (NothingToPrint(drawing_, *dialogs_)) return;
    CancelCommand();
    if (!ChoosePrinter()) return;
    PrintPlacement placement;
    placement.ActualSize = false;
    placement.View = view_;
    if (!PrintDrawing(*printer_, drawing_, CurrentPaintSettings(), PrintOptionsFrom(settings_), placement,
                      windowTitle()))
        dialogs_->ShowMessage(kPrintErrorMessage);
}

// A pixel copy of the canvas stretched over the page, keeping the canvas's proportions.
void TForm1::ImagePrintCommand()
{
    CancelCommand();
    if (!ChoosePrinter()) return;
    RedrawAll(true);
    const QImage& image = canvas_->Image();
    if (image.isNull() || image.height() == 0) return;
    const double q = static_cast<double>(image.width()) / image.height();
    const int pageWidth = printer_->width();
    const int pageHeight = printer_->height();
    QSize size;
    if (IsLandscape(*printer_)) size = QSize(static_cast<int>(std::trunc((pageHeight - 20) * q)), pageHeight - 20);
    else size = QSize(pageWidth - 20, static_cast<int>(std::trunc((pageWidth - 20) / q)));
    QPainter painter;
    if (!painter.begin(printer_.get())) {
        dialogs_->ShowMessage(kPrintErrorMessage);
        return;
    }
    painter.drawImage(QRect(QPoint(10, 10), size), image);
}

// The copy is taken before the dialog opens, so neither the dialog nor anything drawn meanwhile is
// in the picture. Any extension gives way to ".BMP".
void TForm1::SaveBitmapCommand()
{
    const QImage copy = canvas_->Image().copy();
    const std::optional<std::string> chosen = dialogs_->ChooseSaveFile(settings_.CadFolder, kBitmapFilter);
    if (!chosen) return;
    std::filesystem::path target = PathFromUtf8(*chosen);
    target.replace_extension(".BMP");
    if (!SaveImageAtomically(copy, target, "BMP")) dialogs_->ShowMessage(kWriteFailedMessage);
}

}  // namespace vantro
