// The pop-up layer commands of the name edits: delete, and copy or move onto the next name clicked.
#include "ui/LayerPanel.h"

namespace vantro {
namespace {

// Every layer command changes the element count or the count on its subject layer.
struct StoreMark {
    int Count = 0;
    int OnLayer = 0;
    bool operator==(const StoreMark&) const = default;
};

StoreMark MarkStore(const Drawing& drawing, int layer) { return {drawing.Count, CountOnLayer(drawing, layer)}; }

}  // namespace

void LayerPanel::DeleteLayer()
{
    if (DeleteLayerCommand(drawing_, dialogs_, menuLayer_) > 0) StoreChanged();
}

void LayerPanel::BeginTransfer(PendingLayerTransfer::Kind what)
{
    const int source = menuLayer_;
    const bool go = what == PendingLayerTransfer::Kind::Copy ? BeginLayerCopy(drawing_, dialogs_, source)
                                                             : BeginLayerMove(drawing_, dialogs_, source);
    if (go) pending_ = PendingLayerTransfer{what, source};
}

void LayerPanel::CompleteTransfer(int row)
{
    const PendingLayerTransfer transfer = *pending_;
    const int target = LayerAt(row);
    const StoreMark before = MarkStore(drawing_, transfer.Source);
    const bool done = transfer.What == PendingLayerTransfer::Kind::Copy
                          ? CopyLayerTo(drawing_, dialogs_, transfer.Source, target)
                          : MoveLayerTo(drawing_, dialogs_, transfer.Source, target);
    // A copy stopped by a full store keeps its source; what it did append is still reported.
    if (done) pending_.reset();
    if (MarkStore(drawing_, transfer.Source) != before) StoreChanged();
}

}  // namespace vantro
