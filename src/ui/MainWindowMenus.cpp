// The main window's menus.
#include "ui/MainWindow.h"

#include "document/ElementStore.h"
#include "document/Maintenance.h"
#include "document/UndoHistory.h"

#include <QMenuBar>
#include <QToolButton>

namespace vantro {

void TForm1::DeleteSelection()
{
    ClearRedo(drawing_);
    DeleteSelected(drawing_);
    command_.SelectionCount = 0;
    SetPrompt(QString());
    RedrawAll(true);
    UpdateEditActions();
}

void TForm1::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("CadFile1"));
    // The desktop's usual keys for new, open and save, undo and redo collide with none of the program's.
    QAction* newDrawing = AddAction(file, QStringLiteral("New1"), QStringLiteral("ＣＡＤデータ初期化(&N)"));
    newDrawing->setShortcut(QKeySequence::New);
    connect(newDrawing, &QAction::triggered, this, [this] {
        CancelCommand();
        NewDrawingCommand(drawing_, *dialogs_, &settings_.LayerNames);
    });
    file->addSeparator();
    QAction* open = AddAction(file, QStringLiteral("CADOpen"), QStringLiteral("CADファイルを開く(&O)"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this] {
        CancelCommand();
        OpenCommand();
    });
    QAction* save = AddAction(file, QStringLiteral("CADsave2"), QStringLiteral("CADファイル上書き保存(&A)"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { OverwriteSaveCommand(); });
    QAction* saveAs = AddAction(file, QStringLiteral("CADSave"), QStringLiteral("CADファイル名前を付けて保存(&S)"));
    connect(saveAs, &QAction::triggered, this, [this] { SaveAsCommand(); });
    ConnectFileButtons(open, saveAs, save);
    file->addSeparator();
    connect(AddAction(file, QStringLiteral("dxfOpen"), QStringLiteral("dxfファイルを開く")), &QAction::triggered, this,
            [this] {
                CancelCommand();
                DxfOpenCommand();
            });
    connect(AddAction(file, QStringLiteral("dxfSave"), QStringLiteral("ｄｘｆファイルで保存(全てのデータ)")),
            &QAction::triggered, this, [this] { DxfSaveCommand(false); });
    connect(AddAction(file, QStringLiteral("dxfSave2"), QStringLiteral("ｄｘｆファイルで保存(表示レイヤーのみ)")),
            &QAction::triggered, this, [this] { DxfSaveCommand(true); });
    AddPapMenu(file);
    file->addSeparator();
    AddPartItems(file);
    BuildImageMenu(*file);
    file->addSeparator();
    AddPrintItems(file);
    file->addSeparator();
    connect(AddAction(file, QStringLiteral("Exit1"), QStringLiteral("終了(&X)")), &QAction::triggered, this,
            &QWidget::close);
    AddRecentFileItems(file);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->setObjectName(QStringLiteral("Cadhensyu"));
    for (const auto& [name, caption, key, button] :
         {std::tuple{"menuUndo", "元に戻す", QKeySequence(Qt::CTRL | Qt::Key_Z), "SpeedButtonUNDU"},
          std::tuple{"menuRedo", "やり直し", QKeySequence(Qt::CTRL | Qt::Key_Y), "SpeedButtonREDU"}}) {
        QAction* action = AddAction(edit, QString::fromUtf8(name), QString::fromUtf8(caption));
        action->setShortcut(key);
        action->setEnabled(false);
        connect(action, &QAction::triggered, toolButtons_[QString::fromUtf8(button)], &QToolButton::click);
        editActions_[QString::fromUtf8(name)] = action;
    }
    edit->addSeparator();
    menuSentakuStert_ = AddAction(edit, QStringLiteral("menuSentakuStert"), QStringLiteral("図形選択開始"));
    connect(menuSentakuStert_, &QAction::triggered, this, [this] {
        CancelCommand();
        command_.CommandMode = step::kFreeSelection;
    });
    for (const auto& [name, caption, key] :
         {std::tuple{"menuCut", "切り取り", QKeySequence(Qt::CTRL | Qt::Key_X)},
          std::tuple{"menuCopy", "コピー", QKeySequence(Qt::CTRL | Qt::Key_C)},
          std::tuple{"menuPest1", "貼り付け（アクティブレイヤー）", QKeySequence(Qt::CTRL | Qt::Key_V)},
          std::tuple{"menuPest2", "貼り付け（レイヤー情報有効）", QKeySequence(Qt::CTRL | Qt::Key_B)},
          std::tuple{"menuDel", "削除", QKeySequence(Qt::Key_Delete)}}) {
        QAction* action = AddAction(edit, QString::fromUtf8(name), QString::fromUtf8(caption));
        action->setShortcut(key);
        action->setEnabled(false);
        editActions_[QString::fromUtf8(name)] = action;
    }
    connect(editActions_["menuDel"], &QAction::triggered, this, [this] { DeleteSelection(); });
    connect(editActions_["menuCopy"], &QAction::triggered, this, [this] { CopySelectionToClipboard(); });
    connect(editActions_["menuCut"], &QAction::triggered, this, [this] { CutSelectionToClipboard(); });
    connect(editActions_["menuPest1"], &QAction::triggered, this, [this] { PasteFromClipboard(false); });
    connect(editActions_["menuPest2"], &QAction::triggered, this, [this] { PasteFromClipboard(true); });
    // What the selection and the clipboard allow is decided each time the menu opens.
    connect(edit, &QMenu::aboutToShow, this, [this] { UpdateEditActions(); });
    edit->addSeparator();
    connect(AddAction(edit, QStringLiteral("N12"), QStringLiteral("不正図形削除")), &QAction::triggered, this, [this] {
        CancelCommand();
        RemoveInvalidElements(drawing_, *dialogs_);
        RedrawAll(true);
    });
    const std::tuple<const char*, const char*, DuplicateScope> duplicates[] = {
        {"N13", "重複図形削除（表示中の同一レイヤー別）", DuplicateScope::VisibleSameLayer},
        {"N15", "重複図形削除（非表示を含む同一レイヤー別）", DuplicateScope::SameLayer},
        {"N16", "重複図形削除（全図形）", DuplicateScope::All},
    };
    for (const auto& [name, caption, scope] : duplicates) {
        connect(AddAction(edit, QString::fromUtf8(name), QString::fromUtf8(caption)), &QAction::triggered, this,
                [this, scope] {
                    CancelCommand();
                    RemoveDuplicates(drawing_, *dialogs_, scope, deleteOriginalsAction_->isChecked());
                });
    }
    deleteOriginalsAction_ = AddAction(edit, QStringLiteral("CadErrorDelOp"), QStringLiteral("重複図形のオリジナル削除"));
    deleteOriginalsAction_->setCheckable(true);

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("CadView"));
    const std::tuple<const char*, const char*, const char*, QKeySequence> viewItems[] = {
        {"ViewNew", "再表示(&N)", "SpeedButton1", {}},
        {"ViewK1", "拡大(&B)", "SpeedButton10", {}},
        {"ViewK2", "縮小(&H)", "SpeedButton11", {}},
        {"ViewK3", "前画面(&R)", "SpeedButton9", {}},
        {"ViewK0", "設定画面にフィット(&S)", "SpeedButton8", {}},
        {"ViewK0B", "図形にフィット(&F)", "SpeedButtonFit", {}},
    };
    for (const auto& [name, caption, button, key] : viewItems) {
        QAction* action = AddAction(view, QString::fromUtf8(name), QString::fromUtf8(caption));
        connect(action, &QAction::triggered, toolButtons_[QString::fromUtf8(button)], &QToolButton::click);
    }
    view->addSeparator();
    const std::tuple<const char*, const char*, QKeySequence, int, int> pans[] = {
        {"ViewRite", "右に移動", QKeySequence(Qt::SHIFT | Qt::Key_Right), kPanStepPixels, 0},
        {"ViewLeft", "左に移動", QKeySequence(Qt::SHIFT | Qt::Key_Left), -kPanStepPixels, 0},
        {"ViewUp", "上に移動", QKeySequence(Qt::SHIFT | Qt::Key_Up), 0, -kPanStepPixels},
        {"ViewDn", "下に移動", QKeySequence(Qt::SHIFT | Qt::Key_Down), 0, kPanStepPixels},
    };
    for (const auto& [name, caption, key, dx, dy] : pans) {
        QAction* action = AddAction(view, QString::fromUtf8(name), QString::fromUtf8(caption));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, dx, dy] {
            Pan(view_, dx, dy);
            RedrawAll(true);
        });
    }
    for (const auto& [name, caption, key, in] :
         {std::tuple{"ViewX_Up", "拡大", QKeySequence(Qt::CTRL | Qt::Key_Up), true},
          std::tuple{"ViewX_Dn", "縮小", QKeySequence(Qt::CTRL | Qt::Key_Down), false}}) {
        QAction* action = AddAction(view, QString::fromUtf8(name), QString::fromUtf8(caption));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, in] {
            if (StepZoom(view_, in)) AfterZoom();
        });
    }
    view->addSeparator();
    crosshairAction_ = AddAction(view, QStringLiteral("pm1"), QStringLiteral("マウス10字線表示"));
    crosshairAction_->setCheckable(true);
    crosshairAction_->setShortcut(QKeySequence(Qt::Key_Insert));
    connect(crosshairAction_, &QAction::toggled, this, [this](bool on) {
        if (!on) DrawCrosshair(view_.CrosshairPixel);
        view_.CrosshairOn = on;
        view_.CrosshairPixel = on ? CanvasPoint{-1, -1} : view_.CrosshairPixel;
    });

    QMenu* setup = menuBar()->addMenu(QStringLiteral("設定(&S)"));
    setup->setObjectName(QStringLiteral("CadSet"));
    connect(AddAction(setup, QStringLiteral("H1"), QStringLiteral("画面設定(&H)")), &QAction::triggered, this,
            [this] { ShowSettingsDialog(); });
    for (const auto& [name, caption, page] : {std::tuple{"Set1", "CAD設定1(&F)", 0}, std::tuple{"Set1B", "CAD設定2(&S)", 1}})
        connect(AddAction(setup, QString::fromUtf8(name), QString::fromUtf8(caption)), &QAction::triggered, this,
                [this, page] { ShowCadSettingsDialog(page); });
    connect(AddAction(setup, QStringLiteral("N33Renzoku"), QStringLiteral("連続図形要素確認")), &QAction::triggered,
            this, [this] { StartChainCheck(); });
    BuildShortcutMenu(setup);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("CadHelp"));
    connect(AddAction(help, QStringLiteral("CADC1"), QStringLiteral("CADヘルプ(&C)")), &QAction::triggered, this,
            [this] { ShowHelp(0); });
}

}  // namespace vantro
