// The floating layer panel: six tabs of 16 layer rows (name, visible, locked, active), the
// show/hide buttons, the kind filters, and the pop-up layer commands of the name edits.
#pragma once

#include "document/Drawing.h"
#include "document/ElementStore.h"
#include "document/Layers.h"
#include "document/UserDialogs.h"

#include <QFrame>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QRadioButton;
class QTabBar;
class QToolButton;

namespace vantro {

// What the panel asks of the main window. Any of them may be left empty.
struct LayerPanelCallbacks {
    // Layer tables or filters changed: repaint.
    std::function<void()> LayersChanged;
    // The drawing changed: its store under an undo step (layer delete, copy, move), or the layer
    // tables the file keeps (names, visible and lock flags, active layer). Mark it unsaved.
    std::function<void()> DrawingChanged;
    // The active layer or its name changed: LabelRayer shows this ("37:外形").
    std::function<void(const QString& caption)> ActiveLayerChanged;
    // The mouse moved onto a row of another layer: paint only that layer's elements.
    std::function<void(int layer)> PreviewLayer;
    // "保存" answered Yes: write the names (CP932) to the settings file.
    std::function<void(const LayerNames& names)> SaveNames;
    // A name edit gained (true) or lost (false) the focus: the window's shortcuts are off meanwhile.
    std::function<void(bool editing)> NameEditing;
    // "閉じる": the panel is hidden; repaint.
    std::function<void()> Closed;
};

// A layer copy or move waiting for the click on the target's name edit.
struct PendingLayerTransfer {
    enum class Kind { Copy, Move };
    Kind What = Kind::Copy;
    int Source = 0;
};

class LayerPanel final : public QFrame {
    Q_OBJECT

public:
    LayerPanel(Drawing& drawing, UserDialogs& dialogs, LayerPanelCallbacks callbacks, QWidget* parent = nullptr);

    // Re-reads every row and filter from the tables, after a file was read or the drawing reset;
    // a pending copy or move is forgotten, as the layer it named belongs to the old drawing.
    void Refresh();
    void SetTab(int tab);  // 0..5
    int Tab() const;

    // The pop-up menu of row 1..16's name edit ("レイヤー削除", "レイヤーコピー", "レイヤー移動"),
    // aimed at that row's layer. Shown with popup(), never exec(), so tests may trigger its actions.
    QMenu* NameMenu(int row);
    const std::optional<PendingLayerTransfer>& Pending() const { return pending_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Leaving the panel ends its preview: the window shows the whole drawing again, and the next
    // row entered previews its layer even if it was the last one previewed.
    void leaveEvent(QEvent* event) override;

private:
    struct Row {
        QLabel* Number = nullptr;
        QLineEdit* Name = nullptr;
        QCheckBox* Visible = nullptr;
        QCheckBox* Locked = nullptr;
        QRadioButton* Active = nullptr;
    };

    // Building (LayerPanel.cpp).
    QLayout* BuildRows();
    void BuildRow(int row, QGridLayout& grid);
    QLayout* BuildButtons();
    QLayout* BuildFilters();
    void BuildMenu();
    void RefreshRows();
    void RefreshFilters();
    int RowOf(const QObject* widget) const;

    // Row and button events (LayerPanelEvents.cpp).
    void SelectActive(int row);
    void ClickVisible(int row, bool visible);
    void ClickLocked(int row, bool locked);
    void EditName(int row, const QString& text);
    void ShowAll();
    void HideOthers(bool down);
    void ShowCurrentTab();
    void HideCurrentTab();
    void SaveNames();
    void Close();
    void EnterRow(int row);
    void TablesChanged();
    void LayersEdited(const LayerTable& before);
    void StoreChanged();
    void ReportCaption();

    // Layer commands (LayerPanelCommands.cpp).
    void DeleteLayer();
    void BeginTransfer(PendingLayerTransfer::Kind what);
    void CompleteTransfer(int row);

    int LayerAt(int row) const;

    Drawing& drawing_;
    UserDialogs& dialogs_;
    LayerPanelCallbacks callbacks_;
    QTabBar* tabs_ = nullptr;
    std::array<Row, kLayersPerTab> rows_{};
    QToolButton* hideOthers_ = nullptr;
    static constexpr int kFilterCount = 6;
    std::array<QCheckBox*, kFilterCount> filters_{};
    QMenu* menu_ = nullptr;
    int menuLayer_ = 0;
    std::optional<PendingLayerTransfer> pending_;
    int previewedLayer_ = 0;
};

}  // namespace vantro
