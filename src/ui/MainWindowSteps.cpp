// The command steps that clicks and Enter drive.
#include "ui/MainWindow.h"

#include "geometry/Constructors.h"
#include "ui/EntryCalculator.h"
#include "ui/CanvasWidget.h"

#include <QCheckBox>
#include <QCursor>
#include <QLineEdit>

#include <cmath>

namespace vantro {
namespace {

const QString kLineFirstPrompt = QStringLiteral(" 1点目を指定して下さい(直線-2点)");
const QString kLineSecondPrompt = QStringLiteral(" 2点目を指定して下さい(直線-2点)");
constexpr const char* kBadNumberMessage = "入力数値を確認して下さい！";

}  // namespace

// The single routing point of clicks and Enter: each command family adds its steps here.
void TForm1::RunStep(bool enter, int x, int y, int shift)
{
    switch (command_.CommandMode) {
    case 17: enter ? LineFirstEnter() : LineFirstClick(x, y, shift); break;
    case 18: enter ? LineSecondEnter() : LineSecondClick(x, y, shift); break;
    case 296:
        if (!enter) TextPlacementClick(shift);
        break;
    default: break;
    }
}

void TForm1::DispatchClick(int x, int y, int shift) { RunStep(false, x, y, shift); }

void TForm1::DispatchEnter() { RunStep(true, 0, 0, 0); }

// Enter in an entry field: the calculator and the "@" offsets first, then the step.
void TForm1::EnterPressed(QLineEdit* field)
{
    const EntryFields typed{editX_->text().toStdString(), editY_->text().toStdString(), editR_->text().toStdString(),
                            editX_->isVisible(), editY_->isVisible()};
    const EntryField pressedIn = field == editX_ ? EntryField::X : field == editY_ ? EntryField::Y : EntryField::R;
    const EnterResolution resolution = ResolveEnter(typed, pressedIn, command_.LastPoint);
    auto show = [](QLineEdit* edit, const std::string& text) {
        edit->setText(QString::fromStdString(text));
        edit->end(false);
    };
    switch (resolution.Outcome) {
    case EnterOutcome::CalculatorError:
        dialogs_->ShowMessage(kCalculatorErrorMessage);
        return;
    case EnterOutcome::BadNumber:
        dialogs_->ShowMessage(kBadEntryMessage);
        return;
    case EnterOutcome::WroteBack:
        show(editX_, resolution.Shown.X);
        show(editY_, resolution.Shown.Y);
        show(editR_, resolution.Shown.R);
        return;
    case EnterOutcome::Dispatch:
        break;
    }
    show(editX_, resolution.Shown.X);
    show(editY_, resolution.Shown.Y);
    command_.LastPoint = resolution.LastPoint;
    command_.HasLastPoint = true;
    DispatchEnter();
    if (!resolution.XAfterStep.empty()) show(editX_, resolution.XAfterStep);
    if (!resolution.YAfterStep.empty()) show(editY_, resolution.YAfterStep);
}

bool TForm1::SnapRuleRefuses(int shift) const
{
    return settings_.SnapChk && !command_.SnapFound && shift == kLeftButton;
}

Point TForm1::ClickPoint(int shift) const
{
    if (command_.SnapFound) return command_.SnapPoint;
    const CanvasPoint cursor = command_.CursorPixel;
    const Point raw = ToWorld(cursor.X, cursor.Y);
    if (checkBoxInt_->isChecked()) return {std::nearbyint(raw.X), std::nearbyint(raw.Y)};
    if (shift == (kShiftKey | kLeftButton)) {
        const CanvasPoint anchor = command_.AnchorPixel;
        if (std::abs(anchor.X - cursor.X) > std::abs(anchor.Y - cursor.Y)) return {raw.X, command_.InputPoint1.Y};
        return {command_.InputPoint1.X, raw.Y};
    }
    return raw;
}

bool TForm1::ReadEntryPoint(Point& point)
{
    const double x = ParseFloatOr(editX_->text().toStdString(), std::nan(""));
    const double y = ParseFloatOr(editY_->text().toStdString(), std::nan(""));
    if (!std::isfinite(x) || !std::isfinite(y)) {
        dialogs_->ShowMessage(kBadNumberMessage);
        return false;
    }
    point = {x, y};
    command_.LastPoint = point;
    command_.HasLastPoint = true;
    return true;
}

void TForm1::MovePointerTo(Point world)
{
    const CanvasPoint pixel = WorldToCanvas(view_, world.X, world.Y);
    QCursor::setPos(canvas_->mapToGlobal(QPoint(pixel.X, pixel.Y)));
}

void TForm1::LineFirstClick(int x, int y, int shift)
{
    if (SnapRuleRefuses(shift)) return;
    TakeClickPoint(x, y, true);
    FocusEntry(editX_);
    SetPrompt(kLineSecondPrompt);
}

void TForm1::LineSecondClick(int, int, int shift)
{
    if (SnapRuleRefuses(shift)) return;
    ErasePreview();
    const Point end = ClickPoint(shift);
    command_.SnapFound = false;
    if (!AppendLine(drawing_, Attributes(), true, true, command_.InputPoint1, end)) return;
    command_.CommandMode = 17;
    ShowPoint(end);
    SetPrompt(kLineFirstPrompt);
    FocusEntry(editX_);
    command_.LastPoint = end;
    command_.HasLastPoint = true;
}

void TForm1::LineFirstEnter()
{
    Point p;
    if (!ReadEntryPoint(p)) return;
    command_.InputPoint1 = p;
    command_.AnchorPixel = WorldToCanvas(view_, p.X, p.Y);
    MovePointerTo(p);
    command_.CommandMode = 18;
    SetPrompt(kLineSecondPrompt);
    FocusEntry(editX_);
}

void TForm1::LineSecondEnter()
{
    Point p;
    if (!ReadEntryPoint(p)) return;
    ErasePreview();
    if (!AppendLine(drawing_, Attributes(), true, true, command_.InputPoint1, p)) return;
    command_.CommandMode = 17;
    SetPrompt(kLineFirstPrompt);
    MovePointerTo(p);
    FocusEntry(editX_);
}

}  // namespace vantro
