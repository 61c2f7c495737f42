// TFormCAD2 "CadSub": a second drawing beside the main one, for reference and for exchanging
// elements through the main window's clipboard. It views, selects, cuts, copies, pastes and
// deletes, with one undo level kept in its "CadUndo2" file, and opens and saves drawing files; the
// painters, picks, snaps, view functions and file code are the main window's own.
#pragma once

#include "commands/Clipboard.h"
#include "document/Drawing.h"
#include "files/DrawingFile.h"
#include "files/Settings.h"
#include "view/ElementIndex.h"
#include "view/PaintSettings.h"
#include "view/ViewState.h"

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLockFile;

namespace vantro {

class CanvasWidget;
class SubLayerPanel;
class TForm1;

class TFormCAD2 final : public QMainWindow {
public:
    // undoFolder: where "CadUndo2" lives (the program's folder for writing).
    TFormCAD2(TForm1& main, std::filesystem::path undoFolder, QWidget* parent = nullptr);
    ~TFormCAD2() override;
    TFormCAD2(const TFormCAD2&) = delete;
    TFormCAD2& operator=(const TFormCAD2&) = delete;

    Drawing& Document() { return drawing_; }
    ViewState& View() { return view_; }
    int SelectionCount() const { return selectionCount_; }
    QString PanelText(int panel) const;
    QString CurrentFile() const;

    // The menu commands.
    void ClearDrawing();
    bool OpenDrawing(const std::string& path);
    void OpenCommand();
    bool SaveAsCommand();
    bool OverwriteCommand();
    void CopySelection();
    void CutSelection();
    void DeleteSelection();
    void PasteKeepingLayers();
    void PasteOntoTypedLayer();
    void UndoLast();
    void ResetView();
    void PlaceBesideMain(bool sideBySide);
    void RedrawAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildEditMenu();
    void BuildViewMenus();
    void Reset(bool clearNames);
    void TakeStoreRules();
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(int x, int y);
    void Wheel(bool up);
    void Resized();
    void DrawElement(int index);
    void DrawDragRectangle(CanvasPoint to);
    void ShowSelectionCount();
    std::string ReadOut(int x, int y);
    bool WriteUndoFile();
    void Paste(std::optional<uint8_t> layer);
    void TakeUndoLevel(const QString& caption);
    void RemoveSelection(const QString& undoCaption);
    std::filesystem::path UndoFile() const;
    bool WriteTo(const std::string& path);
    PaintSettings Paint() const;

    TForm1& main_;
    const Settings& settings_;
    ClipboardBuffer& clipboard_;
    Drawing drawing_;
    DrawingFileSettings file_;  // what the drawing's own file carried besides the elements
    ViewState view_;
    ElementIndex index_;
    int selectionCount_ = 0;
    bool windowDrag_ = false;
    bool panDrag_ = false;
    CanvasPoint anchor_{};     // the selection window's
    CanvasPoint current_{};
    CanvasPoint panAnchor_{};
    std::filesystem::path undoFolder_;
    std::unique_ptr<QLockFile> undoLock_;

    CanvasWidget* canvas_ = nullptr;
    SubLayerPanel* layerPanel_ = nullptr;
    QLabel* panels_[2] = {};
    QAction* undo_ = nullptr;
    QAction* showInfo_ = nullptr;
    std::map<QString, QAction*> editActions_;
};

}  // namespace vantro
