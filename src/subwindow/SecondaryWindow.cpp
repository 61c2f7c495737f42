#include "subwindow/SecondaryWindow.h"

#include "document/ElementStore.h"
#include "document/Layers.h"
#include "subwindow/SubLayerPanel.h"
#include "ui/CanvasWidget.h"
#include "ui/MainWindow.h"
#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLockFile>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <filesystem>
#include <limits>

namespace vantro {
namespace {

constexpr int kStatusPanelWidth = 100;
constexpr int kPanStep = 20;

}  // namespace

TFormCAD2::TFormCAD2(TForm1& main, std::filesystem::path undoFolder, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint), main_(main), settings_(main.Preferences()),
      clipboard_(main.Clipboard()), undoFolder_(std::move(undoFolder))
{
    setObjectName(QStringLiteral("FormCAD2"));
    setWindowTitle(QStringLiteral("CadSub"));
    // Closing the main window ends the program, this window or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    canvas_ = new CanvasWidget(this);
    setCentralWidget(canvas_);
    canvas_->SetEvents({
        [this](Qt::MouseButton b, int x, int y, int) { MouseDown(b, x, y); },
        [this](int x, int y, int) { MouseMove(x, y); },
        [this](Qt::MouseButton, int x, int y, int) { MouseUp(x, y); },
        {},
        [this](bool up) { Wheel(up); },
        [this] { Resized(); },
    });
    for (int i = 0; i < 2; ++i) {
        panels_[i] = new QLabel(statusBar());
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panels_[i]->setMinimumWidth(kStatusPanelWidth);
        statusBar()->addWidget(panels_[i], i);
    }
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    SubLayerPanelCallbacks layers;
    layers.Closed = [this] { RedrawAll(); };
    layers.PreviewLayer = [this](int layer) {
        QImage& image = canvas_->Image();
        image.fill(ToQColor(settings_.FormColor));
        QPainterSurface surface(image);
        const PaintSettings paint = Paint();
        // Only that layer, whatever the visible flags and filters, dimensions and texts included,
        // each in its own colour even when selected.
        for (int i = 1; i <= drawing_.Count; ++i) {
            if (drawing_[i].Layer != layer) continue;
            TCadData shown = drawing_[i];
            shown.Selected = 0;
            surface.SetPen(ElementPen(paint, shown, 0));
            DrawWithCurrentPen({surface, view_, drawing_, paint}, shown);
        }
        canvas_->update();
    };
    layerPanel_ = new SubLayerPanel(drawing_.Layers, std::move(layers), canvas_);
    layerPanel_->hide();
    BuildMenus();
    Reset(true);
    // The view starts as the main window's: its zoom, sheet and reference position.
    const ViewState& mainView = main.View();
    view_.Zoom = mainView.Zoom;
    view_.FitScale = mainView.FitScale;
    view_.SheetWidth = mainView.SheetWidth;
    view_.SheetHeight = mainView.SheetHeight;
    view_.ReferencePosition = mainView.ReferencePosition;
    view_.Wheel = settings_.Wheel;
    resize(main.width() / 2, main.height() / 2);
    // Centred on the main window's screen, as a window manager would not always do.
    if (const QScreen* screen = main.screen()) move(screen->availableGeometry().center() - rect().center());
    qApp->installEventFilter(this);
}

TFormCAD2::~TFormCAD2()
{
    qApp->removeEventFilter(this);
    // Nothing reads an undo file in a later run; one per process would otherwise pile up.
    std::error_code ignored;
    std::filesystem::remove(UndoFile(), ignored);
}

// This store has no capacity of its own (memory is its limit), and tells a failed append through
// the main window's dialogs.
void TFormCAD2::TakeStoreRules()
{
    drawing_.Capacity = std::numeric_limits<int32_t>::max() - 1;
    drawing_.Dialogs = &main_.Dialogs();
}

QString TFormCAD2::PanelText(int panel) const { return panels_[panel]->text(); }

QString TFormCAD2::CurrentFile() const
{
    return windowTitle() == QStringLiteral("CadSub") ? QString() : windowTitle();
}

void TFormCAD2::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル"));
    file->setObjectName(QStringLiteral("MenuFile"));
    const auto add = [this](QMenu* menu, const char* name, const char* caption, auto action) {
        QAction* item = menu->addAction(QString::fromUtf8(caption));
        item->setObjectName(QString::fromUtf8(name));
        connect(item, &QAction::triggered, this, action);
        return item;
    };
    add(file, "menuNew", "図形クリアー", [this] { ClearDrawing(); });
    add(file, "MenuOpen", "開く", [this] { OpenCommand(); });
    add(file, "menuSave1", "上書き保存", [this] { OverwriteCommand(); });
    add(file, "menuSave2", "名前を付けて保存", [this] { SaveAsCommand(); });
    add(file, "N5", "閉じる", [this] { hide(); });
    add(file, "N11", "レイヤー", [this] {
        layerPanel_->adjustSize();
        layerPanel_->move(0, 0);
        layerPanel_->show();
        layerPanel_->raise();
    });
    BuildEditMenu();
    BuildViewMenus();
}

void TFormCAD2::BuildEditMenu()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集"));
    edit->setObjectName(QStringLiteral("N6"));
    undo_ = edit->addAction(QStringLiteral("元に戻す"));
    undo_->setObjectName(QStringLiteral("menuUndo"));
    undo_->setEnabled(false);
    connect(undo_, &QAction::triggered, this, [this] { UndoLast(); });
    const std::tuple<const char*, const char*, QKeySequence, std::function<void()>> items[] = {
        {"menuCut", "切り取り", QKeySequence(Qt::CTRL | Qt::Key_X), [this] { CutSelection(); }},
        {"menuCopy", "コピー", QKeySequence(Qt::CTRL | Qt::Key_C), [this] { CopySelection(); }},
        {"menuPest1", "貼り付け（レイヤー番号を指定）", QKeySequence(Qt::CTRL | Qt::Key_V), [this] { PasteOntoTypedLayer(); }},
        {"menuPest2", "貼り付け(レイヤー情報有効)", QKeySequence(Qt::CTRL | Qt::Key_B), [this] { PasteKeepingLayers(); }},
        {"menuDel", "削除", QKeySequence(Qt::Key_Delete), [this] { DeleteSelection(); }},
    };
    for (const auto& [name, caption, key, action] : items) {
        QAction* item = edit->addAction(QString::fromUtf8(caption));
        item->setObjectName(QString::fromUtf8(name));
        item->setShortcut(key);
        connect(item, &QAction::triggered, this, action);
        editActions_[QString::fromUtf8(name)] = item;
    }
    connect(edit, &QMenu::aboutToShow, this, [this] {
        for (const char* name : {"menuCut", "menuCopy", "menuDel"})
            editActions_[QString::fromUtf8(name)]->setEnabled(selectionCount_ != 0);
        for (const char* name : {"menuPest1", "menuPest2"})
            editActions_[QString::fromUtf8(name)]->setEnabled(!clipboard_.Records.empty());
    });
    // The shortcuts must not keep the state the menu last showed: the selection and the shared
    // buffer change meanwhile, and the commands themselves do nothing when there is nothing to do.
    connect(edit, &QMenu::aboutToHide, this, [this] {
        for (const char* name : {"menuCut", "menuCopy", "menuDel", "menuPest1", "menuPest2"})
            editActions_[QString::fromUtf8(name)]->setEnabled(true);
    });
}

void TFormCAD2::BuildViewMenus()
{
    QMenu* screen = menuBar()->addMenu(QStringLiteral("画面"));
    screen->setObjectName(QStringLiteral("Vew0"));
    connect(screen->addAction(QStringLiteral("表示範囲を標準に戻す")), &QAction::triggered, this, [this] { ResetView(); });
    screen->actions().back()->setObjectName(QStringLiteral("N1"));
    QAction* onTop = screen->addAction(QStringLiteral("常に前面に表示"));
    onTop->setObjectName(QStringLiteral("VewOn"));
    onTop->setCheckable(true);
    onTop->setChecked(true);
    connect(onTop, &QAction::toggled, this, [this](bool on) {
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
        show();
    });
    connect(screen->addAction(QStringLiteral("左右に表示")), &QAction::triggered, this, [this] { PlaceBesideMain(true); });
    screen->actions().back()->setObjectName(QStringLiteral("N12"));
    connect(screen->addAction(QStringLiteral("上下に表示")), &QAction::triggered, this, [this] { PlaceBesideMain(false); });
    screen->actions().back()->setObjectName(QStringLiteral("N13"));
    showInfo_ = screen->addAction(QStringLiteral("図形情報表示"));
    showInfo_->setObjectName(QStringLiteral("menushow0"));
    showInfo_->setCheckable(true);
    showInfo_->setChecked(true);

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示"));
    view->setObjectName(QStringLiteral("N4"));
    QMenu* move = view->addMenu(QStringLiteral("移動"));
    move->setObjectName(QStringLiteral("N9"));
    for (const auto& [name, caption, key, dx, dy] :
         {std::tuple{"ViewRite", "右移動", Qt::Key_Right, kPanStep, 0}, std::tuple{"ViewLeft", "左移動", Qt::Key_Left, -kPanStep, 0},
          std::tuple{"ViewUp", "上移動", Qt::Key_Up, 0, -kPanStep}, std::tuple{"ViewDn", "下移動", Qt::Key_Down, 0, kPanStep}}) {
        QAction* item = move->addAction(QString::fromUtf8(caption));
        item->setObjectName(QString::fromUtf8(name));
        item->setShortcut(QKeySequence(Qt::SHIFT | key));
        connect(item, &QAction::triggered, this, [this, dx, dy] {
            view_.OriginX += dx;
            view_.OriginY += dy;
            RedrawAll();
        });
    }
    QMenu* scale = view->addMenu(QStringLiteral("倍率"));
    scale->setObjectName(QStringLiteral("N10"));
    for (const auto& [name, caption, key, in] : {std::tuple{"ViewX_Up", "拡大", Qt::Key_Up, true},
                                                 std::tuple{"ViewX_Dn", "縮小", Qt::Key_Down, false}}) {
        QAction* item = scale->addAction(QString::fromUtf8(caption));
        item->setObjectName(QString::fromUtf8(name));
        item->setShortcut(QKeySequence(Qt::CTRL | key));
        connect(item, &QAction::triggered, this, [this, in] {
            if (StepZoom(view_, in, StepZoomGuard::OwnStep)) RedrawAll();
        });
    }
}

// Layer names come from the settings file, or are cleared ("図形クリアー").
void TFormCAD2::Reset(bool clearNames)
{
    vantro::Reset(drawing_, clearNames ? nullptr : &settings_.LayerNames);
    if (clearNames) drawing_.Layers.Name.fill({});
    TakeStoreRules();
    file_ = {};
    setWindowTitle(QStringLiteral("CadSub"));
    selectionCount_ = 0;
    panels_[0]->clear();
    layerPanel_->SetTab(0);
}

void TFormCAD2::ResetView()
{
    view_.Zoom = 1;
    view_.OriginX = view_.CanvasWidth / 2;
    view_.OriginY = view_.CanvasHeight / 2;
    RedrawAll();
}

void TFormCAD2::PlaceBesideMain(bool sideBySide)
{
    const QWidget* canvas = main_.findChild<QWidget*>(QStringLiteral("PaintBox1"));
    const QRect area(canvas->mapToGlobal(QPoint(0, 0)), canvas->size());
    const QRect place = sideBySide
                            ? QRect(area.x() + area.width() / 2 + 4, area.y(), area.width() / 2, area.height())
                            : QRect(area.x() + 4, area.y() + area.height() / 2, area.width(), area.height() / 2);
    // The place is the whole window's, its frame included.
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(place.size() - frame);
    move(place.topLeft());
}

}  // namespace vantro
