// What the document asks of the screen. The window implements it; the document never includes
// view or UI code. Every call has a default that does nothing, for headless use.
#pragma once

namespace vantro {

class DrawingListener {
public:
    virtual ~DrawingListener() = default;
    // Paint the element in the background colour before its undo copy is taken.
    virtual void EraseElement(int /*index*/) {}
    // Paint the element as it now is (highlighted when its Selected flag is set).
    virtual void DrawElement(int /*index*/) {}
    virtual void RepaintAll() {}
    // The undo or redo list became empty or non-empty.
    virtual void UndoButtonsChanged(bool /*canUndo*/, bool /*canRedo*/) {}
    // The store was reset: caption "VantroCad", first layer tab, settings-driven colours.
    virtual void DrawingWasReset() {}
    // An append was refused at the capacity: end the running command (the caller repaints).
    virtual void AppendRefused() {}
};

}  // namespace vantro
