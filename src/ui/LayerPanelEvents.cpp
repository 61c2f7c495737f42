// The layer panel's row, button and mouse events.
#include "ui/LayerPanel.h"

#include "view/QtText.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

namespace vantro {
namespace {

template <typename Callback, typename... Args> void Notify(const Callback& callback, Args&&... args)
{
    if (callback) callback(std::forward<Args>(args)...);
}

}  // namespace

void LayerPanel::SelectActive(int row)
{
    const LayerTable before = drawing_.Layers;
    SelectActiveLayer(drawing_.Layers, LayerAt(row), hideOthers_->isChecked());
    RefreshRows();
    ReportCaption();
    LayersEdited(before);
}

// The table keeps the active layer visible and free; re-reading the rows shows the box snap back.
void LayerPanel::ClickVisible(int row, bool visible)
{
    const LayerTable before = drawing_.Layers;
    SetLayerVisible(drawing_.Layers, LayerAt(row), visible);
    RefreshRows();
    LayersEdited(before);
}

void LayerPanel::ClickLocked(int row, bool locked)
{
    const LayerTable before = drawing_.Layers;
    SetLayerLocked(drawing_.Layers, LayerAt(row), locked);
    RefreshRows();
    LayersEdited(before);
}

void LayerPanel::EditName(int row, const QString& text)
{
    const LayerTable before = drawing_.Layers;
    const int layer = LayerAt(row);
    drawing_.Layers.Name[static_cast<size_t>(layer - 1)] = ToCp932(text);
    if (layer == drawing_.Layers.ActiveLayer) ReportCaption();
    LayersEdited(before);
}

void LayerPanel::ShowAll()
{
    const LayerTable before = drawing_.Layers;
    hideOthers_->setChecked(false);
    ShowAllLayers(drawing_.Layers);
    RefreshRows();
    LayersEdited(before);
}

// Releasing the button changes nothing: the layers stay as they are until "全表" or a box.
void LayerPanel::HideOthers(bool down)
{
    if (!down) return;
    const LayerTable before = drawing_.Layers;
    HideAllButActive(drawing_.Layers);
    RefreshRows();
    LayersEdited(before);
}

void LayerPanel::ShowCurrentTab()
{
    const LayerTable before = drawing_.Layers;
    ShowTab(drawing_.Layers, Tab());
    RefreshRows();
    LayersEdited(before);
}

void LayerPanel::HideCurrentTab()
{
    const LayerTable before = drawing_.Layers;
    HideTab(drawing_.Layers, Tab());
    RefreshRows();
    LayersEdited(before);
}

void LayerPanel::SaveNames()
{
    const DialogAnswer answer =
        dialogs_.Ask("現在のレイヤー名を新規作成時のデフォルトとして登録しますか?", QuestionButtons::YesNo);
    if (IsAffirmative(answer)) Notify(callbacks_.SaveNames, drawing_.Layers.Name);
}

void LayerPanel::Close()
{
    hide();
    Notify(callbacks_.Closed);
}

void LayerPanel::EnterRow(int row)
{
    const int layer = LayerAt(row);
    if (layer == previewedLayer_) return;
    previewedLayer_ = layer;
    Notify(callbacks_.PreviewLayer, layer);
}

void LayerPanel::leaveEvent(QEvent* event)
{
    previewedLayer_ = 0;
    QFrame::leaveEvent(event);
}

void LayerPanel::TablesChanged() { Notify(callbacks_.LayersChanged); }

// The file keeps the layer tables, so an edit that changed them changes the drawing; a click that
// the table undid at once (the active layer's boxes) does not.
void LayerPanel::LayersEdited(const LayerTable& before)
{
    if (!SameStoredLayers(before, drawing_.Layers)) Notify(callbacks_.DrawingChanged);
    TablesChanged();
}

void LayerPanel::StoreChanged()
{
    Notify(callbacks_.DrawingChanged);
    Notify(callbacks_.LayersChanged);
}

void LayerPanel::ReportCaption()
{
    Notify(callbacks_.ActiveLayerChanged, QString::fromStdString(ActiveLayerCaption(drawing_.Layers)));
}

// Row widgets report the mouse entering them (layer preview); name edits also report the focus
// (shortcuts) and take the left click that names a copy or move target.
bool LayerPanel::eventFilter(QObject* watched, QEvent* event)
{
    const int row = RowOf(watched);
    if (row == 0) return QFrame::eventFilter(watched, event);
    const bool isName = watched == rows_[static_cast<size_t>(row - 1)].Name;
    switch (event->type()) {
    case QEvent::Enter: EnterRow(row); break;
    case QEvent::FocusIn:
        if (isName) Notify(callbacks_.NameEditing, true);
        break;
    case QEvent::FocusOut:
        if (isName) Notify(callbacks_.NameEditing, false);
        break;
    case QEvent::MouseButtonPress:
        if (isName && pending_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            CompleteTransfer(row);
        break;
    default: break;
    }
    return false;
}

}  // namespace vantro
