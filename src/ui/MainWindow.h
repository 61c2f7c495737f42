// TForm1, the main window: the canvas, tool buttons, entry fields, snap options, status bar, layer
// and colour panels, and the command state machine that clicks and typed values drive.
#pragma once

#include "document/Drawing.h"
#include "document/DrawingListener.h"
#include "files/AutoSave.h"
#include "files/DrawingFile.h"
#include "files/IniStore.h"
#include "files/RecentFiles.h"
#include "files/Settings.h"
#include "commands/CommandContext.h"
#include "commands/Clipboard.h"
#include "commands/CommandState.h"
#include "desktop/SoundPlayer.h"
#include "ui/QtDialogs.h"
#include "print/Paper.h"
#include "view/ImagePainter.h"
#include "view/PreviewPainter.h"
#include "view/Surface.h"
#include "view/ViewState.h"

#include <QImage>
#include <QMainWindow>
#include <QPrinter>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;

namespace vantro {

class CanvasWidget;
class DimensionControls;
class Surface;
class ElementIndex;
class HelpWindow;
class ColorPanel;
class LayerPanel;
class TFormGet;
class TFormPropaty;
class TFormPrint;
class THathiDlg;
class TTextDialog;
struct StepRow;
struct ToolButtonRow;

class TForm1 final : public QMainWindow, public DrawingListener {
public:
    // settingsFile: where the layer names and the exit settings are written; empty writes nothing.
    explicit TForm1(Settings settings = {}, std::filesystem::path settingsFile = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // The owned state, for the command code and for tests.
    Drawing& Document() { return drawing_; }
    CommandState& Command() { return command_; }
    ViewState& View() { return view_; }
    const Settings& Preferences() const { return settings_; }
    CurrentAttributes Attributes() const;

    // Tests install a scripted seam; the window keeps its own otherwise.
    void SetDialogs(UserDialogs* dialogs);
    UserDialogs* InstalledDialogs() const { return relay_.Target(); }
    UserDialogs& Dialogs() { return relay_; }

    void StartCommand(int mode, int layout);
    void CancelCommand();
    void RepeatLastCommand(int x, int y);
    void DispatchClick(int x, int y, int shift);
    void DispatchEnter();
    void RedrawAll(bool clear);
    // "確定" and "反転" of PanelMulti.
    void ConfirmSelection();
    void InvertSelection();
    // "削除" of the edit menu and the Delete key: the selected elements, as one undo step.
    void DeleteSelection();
    // The clipboard commands of the edit menu (MainWindowClipboard.cpp).
    void CopySelectionToClipboard();
    void CutSelectionToClipboard();
    void PasteFromClipboard(bool keepLayers);
    ClipboardBuffer& Clipboard() { return clipboard_; }
    const ClipboardBuffer& Clipboard() const { return clipboard_; }
    // SpeedButton20 shows the secondary drawing window, which the program's start-up provides.
    void SetSecondaryWindowOpener(std::function<void()> open) { openSecondary_ = std::move(open); }
    // The element information dialog for the selection; how it is shown: modally unless a test
    // answers it (true: 更新).
    void ShowProperties();
    void SetPropertyRunner(std::function<bool(TFormPropaty&)> runner);
    // Printing (MainWindowPrint.cpp). The printer is chosen in the system's print dialog unless a
    // test sets it up itself (false: cancelled).
    void SetPrinterChooser(std::function<bool(QPrinter&)> choose) { choosePrinter_ = std::move(choose); }
    // The paper dialog for a page size the print commands do not know; shown modally unless a test
    // answers it (true: OK).
    void SetPaperDialogRunner(std::function<bool(TFormPrint&)> runner) { runPaperDialog_ = std::move(runner); }
    // "ビットマップで保存(&M)": the canvas as it is now, as a BMP file.
    void SaveBitmapCommand();

    // Status bar panel 0..4.
    QString PanelText(int panel) const;
    void SetPrompt(const QString& prompt);
    void ShowTransientMessage(const QString& text);

    // The screen's work area, the frame included (as the window would be laid out on start-up).
    void FitToWorkArea();

    // Presses a tool button as the user would, with the left or right mouse button.
    void PressToolButton(const ToolButtonRow& row, bool right);

    // Drawing files (MainWindowFiles.cpp). Each reports failures through the dialog seam.
    bool OpenDrawing(const std::string& path);
    void OpenCommand();
    bool SaveAsCommand();
    bool OverwriteSaveCommand();
    // The current file name lives in the caption; "VantroCad" means none.
    QString CurrentFile() const;
    // Writes the drawing file without a dialog; a failure is told through the dialog seam.
    bool WriteDrawingTo(const std::string& path);
    // What a drawing file written now carries besides the elements: style, fills, images.
    DrawingFileSettings CurrentFileSettings() const;

    // Part files (MainWindowParts.cpp): "部分保存(&H)" starts the selection whose "確定" saves it;
    // "追加読込(&B)" merges a part file or the elements of a drawing file into the drawing.
    void StartPartSave();
    bool LoadPartCommand();
    bool MergeFile(const std::string& path);

    // Pap files (MainWindowPap.cpp): "開く" replaces the drawing, "保存" writes its lines, arcs
    // and circles.
    bool PapOpenCommand();
    bool PapSaveCommand();
    bool OpenPapFile(const std::string& path);

    // Recent files (MainWindowFileMenu.cpp): every drawing file read or written goes to the top;
    // choosing an entry opens it, or removes it with a message when the file has gone.
    void RememberRecentFile(const std::string& path);
    void OpenRecentFile(size_t slot);
    const RecentFileList& RecentFiles() const { return settings_.RecentFiles; }

    // Auto-save (MainWindowAutoSave.cpp). Claims a backup in the program folder (the user's data
    // folder when that is read-only), offers the backups a killed program left, and runs the
    // timer from "Timer". True when a left backup was opened.
    bool StartAutoSave(const std::filesystem::path& programFolder);
    // One tick of Timer1: the drawing goes to the backup, its saved state and caption untouched.
    void AutoSaveTick();
    // The backup this window writes; empty before StartAutoSave or when no slot was free.
    std::filesystem::path BackupFile() const;

    // The two settings dialogs; OK applies and stores the values (MainWindowSettings.cpp).
    void ShowSettingsDialog();
    void ShowCadSettingsDialog(int page = 0);
    // Puts changed settings into effect: view, tolerance, capacity, grid, colours.
    void ApplySettings(const Settings& changed);

    // How the text dialog is shown: modally unless a test answers it (true: OK).
    void SetTextDialogRunner(std::function<bool(TTextDialog&)> runner);
    // How the overlapping-element chooser is shown: modally unless a test answers it (true: 確定).
    void SetChooserRunner(std::function<bool(TFormGet&)> runner);
    // How the hatch dialog is shown: modally unless a test or a script answers it (true: OK).
    void SetHatchDialogRunner(std::function<bool(THathiDlg&)> runner);

    // ButtonBrushOnOff: the fills are painted and filled rectangles can be picked.
    bool FillsShown() const { return fillsShown_; }
    const ImageDisplay& ImageDisplaySwitches() const { return imageDisplay_; }

    // DXF (MainWindowDxf.cpp): write all or only the visible layers' elements; read a file into a
    // new drawing.
    bool DxfSaveCommand(bool visibleOnly);
    bool DxfOpenCommand();
    bool ImportDxfFile(const std::string& path);

    // The dimension options as the controls show them.
    DimensionOptions CurrentDimensionOptions() const;

    // The help context the last F1 asked for (0: none).
    int LastHelpContext() const { return lastHelpContext_; }
    const SoundPlayer& Sounds() const { return sounds_; }

    // DrawingListener
    void EraseElement(int index) override;
    void DrawElement(int index) override;
    void RepaintAll() override;
    void UndoButtonsChanged(bool canUndo, bool canRedo) override;
    void DrawingWasReset() override;
    void AppendRefused() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout (MainWindowLayout.cpp)
    void BuildMenus();
    void BuildToolPanel();
    void BuildRealTimeDisplay(QGridLayout& grid);
    QToolButton* AddToolButton(const QString& name, const QString& hint, QWidget* parent);
    void BuildEntryFields();
    void BuildSnapPanel();
    void BuildStatusBar();
    void BuildPanels();
    void BuildMultiPanel();
    void PreviewLayer(int layer);
    QAction* AddAction(QMenu* menu, const QString& name, const QString& caption);
    void AddPartItems(QMenu* file);
    void AddPapMenu(QMenu* file);
    void AddPrintItems(QMenu* file);
    bool ChoosePrinter();
    PaperSize PaperOfPrinter();
    void StartPlacedPrint(double factor);
    void TypedFactorPrint();
    void PrintAsOnScreen();
    void ImagePrintCommand();
    void MovePaperRectangle(int x, int y);
    void PlacePrint(int x, int y);
    void CancelPrintPlacement();
    void DrawPaperRectangle(CanvasPoint centre);
    void AddRecentFileItems(QMenu* file);
    void ConnectFileButtons(QAction* open, QAction* saveAs, QAction* save);
    void RefreshRecentFileItems();
    void RestartAutoSaveTimer();
    bool OfferLeftBackups(const std::filesystem::path& folder);

    // Commands (MainWindowCommands.cpp)
    void ApplyLayout(int layout);
    void SetLabelR(const StepRow& row);
    void ApplyPreset(const ToolButtonRow& row);
    // Undo or Redo, then what the running command must do about it.
    void StepHistory(void (*step)(Drawing&));
    void RestartPickingCommand();
    void SetEditShortcutsEnabled(bool enabled);
    void FocusEntry(QLineEdit* field);

    // The translation between the widgets and the command steps (MainWindowDispatch.cpp)
    CommandContext MakeContext();
    EntrySnapshot Snapshot() const;
    void ApplyStepResult(const StepResult& result);
    void EnterPressed(QLineEdit* field);
    void MovePointerTo(Point world);
    int ChooseElement(const std::vector<int>& candidates);
    void DrawCandidate(int index, bool highlighted);

    // Canvas (MainWindowCanvas.cpp)
    void ConnectViewButtons();
    void CanvasMouseDown(Qt::MouseButton button, int x, int y, int shift);
    void CanvasMouseMove(int x, int y, int shift);
    void CanvasMouseUp(Qt::MouseButton button, int x, int y, int shift);
    void CanvasDoubleClick();
    void CanvasWheel(bool up);
    void CanvasResized();
    void DrawXorRectangle(CanvasPoint a, CanvasPoint b);
    void DrawCrosshair(CanvasPoint at);
    void ResumeParkedMode();
    void ParkForViewOperation();
    void AfterZoom();
    Point ToWorld(int x, int y) const;
    PaintSettings CurrentPaintSettings() const;

    // Keys (MainWindowKeys.cpp)
    bool HandleKeyPress(QKeyEvent* event);
    bool HandleEntryFieldKey(QLineEdit* field, QKeyEvent* event);
    void RequestHelp();

    // Desktop services (MainWindowDesktop.cpp)
    void ShowHelp(int context);
    void PlaySound(int sound);
    void BuildShortcutMenu(QMenu* setup);

    // Snapping (MainWindowSnap.cpp)
    void SearchSnapAt(int x, int y, int shift);
    void EraseSnapMarker();

    // Clipboard, properties (MainWindowClipboard.cpp)
    void UpdateEditActions();
    void ShowRealTimeProperties(int x, int y);

    // Preview (MainWindowPreview.cpp)
    PreviewInput CurrentPreviewInput(CanvasPoint cursor);
    std::optional<double> DrawPreviewInput(const PreviewInput& input, const Pen& pen);
    void ShowPreview(CanvasPoint cursor);
    void ErasePreview();

    // Editing commands (MainWindowEditing.cpp)
    void StartChainCheck();
    void DrawMarkers(const std::vector<Point>& points);

    // Text command (MainWindowText.cpp)
    void StartTextCommand();
    void ShowTextDialog();
    void EndTextDialog();
    TextEntry TextContent() const;
    bool ShowsTextPlacement(uint16_t mode) const;
    void RestoreTextBacking();
    void DrawTextPlacement(CanvasPoint mouse);

    // Fills and hatching (MainWindowFills.cpp)
    void BuildFillControls();
    // The switch and its button; the caller repaints.
    void SetFillsShown(bool shown);
    // The fill memo's panel shows the drawing's fill list.
    void ShowFillMemo();
    // The repaint's pass over the fill memo: broken lines go, a colour that cannot be read turns
    // fill display off.
    void CheckFills();
    void PaintFillLine(size_t line);
    void DrawHatchTrace();
    void StartHatchCommand();

    // Images (MainWindowImages.cpp)
    void BuildImageMenu(QMenu& file);
    void ShowImageDisplay();
    // The first step of a repaint: the background image, or the window colour when clear; then the
    // inserted images.
    void PaintBackground(bool clear = true);
    void PaintBackground(Surface& surface, bool clear = true);
    // The open dialog for a bitmap and its pixels; the path is set to the chosen file (CP932).
    // Nothing when cancelled or unreadable (the reader's reason is shown).
    std::shared_ptr<const Bitmap> ChooseBitmap(std::string& path);
    void OpenBackgroundImage();
    void InsertImage();

    // Writes the given keys into the settings file, keeping every other entry in it.
    void StoreSettings(void (*write)(const Settings&, IniStore&));

    Settings settings_;
    std::filesystem::path settingsFile_;
    Drawing drawing_;
    ViewState view_;
    CommandState command_;
    CurrentAttributes attributes_;
    std::unique_ptr<QtDialogs> ownDialogs_;
    DialogRelay relay_;
    UserDialogs* dialogs_ = &relay_;
    std::unique_ptr<QPrinter> printer_;
    std::function<bool(QPrinter&)> choosePrinter_;
    PaperSize paper_;  // PaperWidth × PaperHeight, mm, as placed
    std::function<bool(TFormPrint&)> runPaperDialog_;

    CanvasWidget* canvas_ = nullptr;
    LayerPanel* layerPanel_ = nullptr;
    ColorPanel* colorPanel_ = nullptr;
    QButtonGroup* toolGroup_ = nullptr;
    std::map<QString, QToolButton*> toolButtons_;
    QLineEdit* editX_ = nullptr;
    QLineEdit* editY_ = nullptr;
    QLineEdit* editR_ = nullptr;
    QLabel* labelX_ = nullptr;
    QLabel* labelY_ = nullptr;
    QLabel* labelR_ = nullptr;
    QHBoxLayout* entryRow_ = nullptr;
    QWidget* panelCad_ = nullptr;
    QLineEdit* lastEntryField_ = nullptr;
    std::array<QCheckBox*, 9> snapBoxes_{};  // CheckBoxSnap1..9
    QCheckBox* checkBoxLock_ = nullptr;
    QCheckBox* checkBoxLock2_ = nullptr;
    QCheckBox* checkBoxCrCenter_ = nullptr;
    QCheckBox* checkBoxInt_ = nullptr;
    QCheckBox* checkBoxGrp_ = nullptr;
    QFrame* panelDim_ = nullptr;
    QFrame* panelDim2_ = nullptr;
    QWidget* panelMulti_ = nullptr;
    QPushButton* buttonMulti_ = nullptr;
    QFrame* panelOp_ = nullptr;
    QToolButton* speedButtonOp_ = nullptr;
    QWidget* panelCad2_ = nullptr;
    QComboBox* lineTypeCombo_ = nullptr;
    QLabel* shapeDefColor_ = nullptr;
    QLabel* labelRayer_ = nullptr;
    QLabel* statusPanels_[5] = {};
    QLabel* panelMsg_ = nullptr;
    QTimer* timer2_ = nullptr;
    QTimer* timer1_ = nullptr;  // auto-save
    std::optional<BackupSlot> backupSlot_;
    bool backupFailureTold_ = false;  // a failing backup is told once, not every tick
    std::array<QAction*, 6> recentFileItems_{};  // file7..file12
    QAction* menuSentakuStert_ = nullptr;
    QAction* crosshairAction_ = nullptr;
    QAction* deleteOriginalsAction_ = nullptr;
    std::map<QString, QAction*> editActions_;
    QToolButton* undoButton_ = nullptr;
    QToolButton* redoButton_ = nullptr;

    bool fillsShown_ = false;
    QToolButton* buttonBrushOnOff_ = nullptr;
    QFrame* panelBrushSet_ = nullptr;
    QPlainTextEdit* memoBrush_ = nullptr;
    bool showingMemo_ = false;  // the memo is being filled from the drawing, not edited
    std::function<bool(THathiDlg&)> runHatchDialog_;
    ImageDisplay imageDisplay_;
    QAction* bmpWid_ = nullptr;
    QAction* bmpLine_ = nullptr;
    QAction* bmpOn_ = nullptr;
    bool wheelRepaintQueued_ = false;  // a wheel step's repaint waits for the steps queued behind it
    bool repaintDue_ = false;  // the canvas shows something other than the drawing (a layer's preview)
    std::unique_ptr<ElementIndex> elementIndex_;
    bool previewOn_ = false;
    PreviewInput drawnPreview_;
    Pen drawnPreviewPen_;
    std::unique_ptr<TTextDialog> textDialog_;
    std::unique_ptr<DimensionControls> dimensionControls_;
    std::function<bool(TTextDialog&)> runTextDialog_;
    std::function<bool(TFormGet&)> runChooser_;
    std::function<bool(TFormPropaty&)> runProperties_;
    ClipboardBuffer clipboard_;
    std::function<void()> openSecondary_;
    QToolButton* rtpButton_ = nullptr;
    std::array<QLabel*, 3> labelRial_{};  // LabelRial1..3: captions, values, kind
    QImage textBacking_;
    int lastHelpContext_ = 0;
    HelpWindow* helpWindow_ = nullptr;
    SoundPlayer sounds_;
};

}  // namespace vantro
