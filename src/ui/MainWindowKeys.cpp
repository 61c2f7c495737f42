// Keyboard preview, the entry fields' focus keys, help, and the clicks on labels that open panels.
#include "ui/MainWindow.h"

#include "commands/LetterKeys.h"
#include "commands/StepTable.h"
#include "commands/ToolButtonTable.h"
#include "ui/CanvasWidget.h"
#include "ui/ColorPanel.h"
#include "ui/LayerPanel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace vantro {

void TForm1::RequestHelp()
{
    const StepRow* row = FindStep(command_.CommandMode);
    const int context = row != nullptr ? row->HelpContext : 0;
    lastHelpContext_ = 0;
    if (context != 0) ShowHelp(context);
}

bool TForm1::HandleKeyPress(QKeyEvent* event)
{
    const QString text = event->text().toUpper();
    if (text.size() != 1) return false;
    for (const LetterCommand& letter : kLetterCommands) {
        if (text[0] != QChar(letter.Letter)) continue;
        const ToolButtonRow* row = FindToolButton(letter.Start);
        // The circle comes back in the variant it last ran in.
        const bool right = row->Start != letter.Start || (row->RepeatsVariant && command_.AltVariant);
        PressToolButton(*row, right);
        return true;
    }
    return false;
}

bool TForm1::HandleEntryFieldKey(QLineEdit* field, QKeyEvent* event)
{
    const int key = event->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    const bool down = key == Qt::Key_Down;
    QLineEdit* next = nullptr;
    if (field == editX_) next = down ? editY_ : editR_;
    else if (field == editY_) next = down ? editR_ : editX_;
    else next = down ? editX_ : editY_;
    if (next->isVisible()) {
        lastEntryField_ = next;
        FocusEntry(next);
    }
    return true;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool ours = widget != nullptr && widget->window() == this;
    if (event->type() == QEvent::KeyPress && ours) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && command_.CommandMode != step::kIdle) {
            CancelCommand();
            return true;
        }
        if (key->key() == Qt::Key_F1) {
            RequestHelp();
            return true;
        }
        if (key->key() == Qt::Key_Delete && command_.SelectionCount > 0) {
            DeleteSelection();
            return true;
        }
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        if (auto* field = qobject_cast<QLineEdit*>(watched); field == editX_ || field == editY_ || field == editR_) {
            if (HandleEntryFieldKey(field, key)) return true;
        }
        // Letters start commands only from the drawing side, not while a layer name is typed.
        const bool typingName = qobject_cast<QLineEdit*>(watched) != nullptr && watched != editX_ &&
                                watched != editY_ && watched != editR_;
        return !typingName && HandleKeyPress(key);
    }
    const bool shown = event->type() == QEvent::ShowToParent;
    if (shown || event->type() == QEvent::HideToParent) {
        // A field's label comes and goes with it.
        if (watched == editX_) labelX_->setVisible(shown);
        else if (watched == editY_) labelY_->setVisible(shown);
        else if (watched == editR_) labelR_->setVisible(shown);
    }
    if (event->type() == QEvent::FocusIn && (watched == editY_ || watched == editR_ || watched == editX_))
        lastEntryField_ = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::MouseButtonPress && ours) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (auto* button = qobject_cast<QToolButton*>(watched)) {
            for (const ToolButtonRow& row : ToolButtonRows()) {
                if (button->objectName() != QString::fromUtf8(row.Name) || row.Right == RightButton::Click) continue;
                if (!button->isEnabled()) return false;
                PressToolButton(row, mouse->button() == Qt::RightButton);
                return true;
            }
        }
        if (watched == statusPanels_[0]) {
            ShowSettingsDialog();
            return true;
        }
        if (watched == labelRayer_) {
            layerPanel_->adjustSize();
            layerPanel_->move(canvas_->mapTo(this, QPoint(std::max(0, canvas_->width() - layerPanel_->width() - 8), 8)));
            layerPanel_->show();
            layerPanel_->raise();
            return true;
        }
        if (watched == shapeDefColor_) {
            // At the swatch's left and the canvas's top, kept inside the window.
            colorPanel_->adjustSize();
            const QPoint at(panelCad2_->mapTo(this, QPoint(0, 0)).x(), canvas_->mapTo(this, QPoint(0, 0)).y());
            colorPanel_->move(std::clamp(at.x(), 0, std::max(0, width() - colorPanel_->width())), at.y());
            colorPanel_->show();
            colorPanel_->raise();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vantro
