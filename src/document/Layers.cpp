#include "document/Layers.h"

#include "document/Cp932.h"
#include "document/UndoHistory.h"

#include <vector>

namespace vantro {
namespace {

size_t Slot(int layer) { return static_cast<size_t>(layer - 1); }
bool IsLayerNumber(int layer) { return layer >= 1 && layer <= kLayerCount; }

void KeepActiveShown(LayerTable& layers)
{
    layers.Visible[Slot(layers.ActiveLayer)] = 1;
    layers.Locked[Slot(layers.ActiveLayer)] = 0;
}

void SetTabVisible(LayerTable& layers, int tab, uint8_t visible)
{
    for (int row = 1; row <= kLayersPerTab; ++row) layers.Visible[Slot(LayerOfRow(tab, row))] = visible;
    KeepActiveShown(layers);
}

// "対象レイヤーを" + T + " " + name of T.
std::string TargetLayerText(const LayerTable& layers, int target)
{
    return "対象レイヤーを" + std::to_string(target) + " " + Cp932ToUtf8(layers.Name[Slot(target)]);
}

}  // namespace

void ResetLayers(LayerTable& layers, const LayerNames* namesFromSettings)
{
    layers.Visible.fill(1);
    layers.Locked.fill(0);
    if (namesFromSettings != nullptr) layers.Name = *namesFromSettings;
    else layers.Name.fill(std::string());
    if (layers.Name[0].empty()) layers.Name[0] = "Default";
    layers.ActiveLayer = 1;
    layers.Filters = KindFilters{};
}

bool IsLayerVisible(const LayerTable& layers, int layer)
{
    return IsLayerNumber(layer) && layers.Visible[Slot(layer)] == 1;
}

bool IsLayerLocked(const LayerTable& layers, int layer)
{
    return IsLayerNumber(layer) && layers.Locked[Slot(layer)] == 1;
}

bool IsFilteredOut(const KindFilters& filters, const TCadData& element)
{
    const int8_t kind = element.Kind;
    if (!filters.Lines && kind == kKindLine) return true;
    if (!filters.Arcs && (kind == kKindArc || kind == kKindCircle)) return true;
    if (!filters.Points && kind == kKindPoint) return true;
    if (!filters.Dimensions && IsDimension(kind)) return true;
    if (!filters.Texts && kind == kKindText) return true;
    return !filters.Groups && element.Group >= 1;
}

bool IsElementShown(const LayerTable& layers, const TCadData& element)
{
    return element.Kind != kKindEmpty && IsLayerVisible(layers, element.Layer) &&
           !IsFilteredOut(layers.Filters, element);
}

bool SameStoredLayers(const LayerTable& a, const LayerTable& b)
{
    return a.Visible == b.Visible && a.Locked == b.Locked && a.Name == b.Name && a.ActiveLayer == b.ActiveLayer;
}

int LayerOfRow(int tab, int row) { return kLayersPerTab * tab + row; }

void SelectActiveLayer(LayerTable& layers, int layer, bool hideOthersDown)
{
    if (!IsLayerNumber(layer)) return;
    layers.ActiveLayer = static_cast<uint8_t>(layer);
    if (hideOthersDown) layers.Visible.fill(0);
    KeepActiveShown(layers);
}

void SetLayerVisible(LayerTable& layers, int layer, bool visible)
{
    if (!IsLayerNumber(layer)) return;
    layers.Visible[Slot(layer)] = visible ? 1 : 0;
    KeepActiveShown(layers);
}

void SetLayerLocked(LayerTable& layers, int layer, bool locked)
{
    if (!IsLayerNumber(layer)) return;
    layers.Locked[Slot(layer)] = locked ? 1 : 0;
    KeepActiveShown(layers);
}

void ShowAllLayers(LayerTable& layers) { layers.Visible.fill(1); }

void HideAllButActive(LayerTable& layers)
{
    layers.Visible.fill(0);
    KeepActiveShown(layers);
}

void ShowTab(LayerTable& layers, int tab) { SetTabVisible(layers, tab, 1); }
void HideTab(LayerTable& layers, int tab) { SetTabVisible(layers, tab, 0); }

std::string ActiveLayerCaption(const LayerTable& layers)
{
    return std::to_string(layers.ActiveLayer) + ":" + Cp932ToUtf8(layers.Name[Slot(layers.ActiveLayer)]);
}

int CountOnLayer(const Drawing& drawing, int layer)
{
    int count = 0;
    for (int i = 1; i <= drawing.Count; ++i) count += drawing[i].Layer == layer ? 1 : 0;
    return count;
}

std::string LayerTitle(const LayerTable& layers, int layer)
{
    return "レイヤー" + std::to_string(layer) + " " + Cp932ToUtf8(layers.Name[Slot(layer)]);
}

int DeleteLayerCommand(Drawing& drawing, UserDialogs& dialogs, int layer)
{
    const std::string title = LayerTitle(drawing.Layers, layer);
    const std::string question = layer == drawing.Layers.ActiveLayer
                                     ? title + " は作図中のレイヤーです。削除してよろしいですか？"
                                     : title + " を削除してよろしいですか？";
    if (!IsAffirmative(dialogs.Ask(question, QuestionButtons::YesCancel))) return 0;
    if (CountOnLayer(drawing, layer) == 0) {
        dialogs.ShowMessage(title + "　は,削除する図形がありません");
        return 0;
    }
    return DeleteWhere(drawing, [layer](const TCadData& e) { return e.Layer == layer; });
}

bool BeginLayerCopy(Drawing& drawing, UserDialogs& dialogs, int source)
{
    const std::string title = LayerTitle(drawing.Layers, source);
    if (CountOnLayer(drawing, source) == 0) {
        dialogs.ShowMessage(title + "　は,コピーする図形がありません");
        return false;
    }
    return IsAffirmative(
        dialogs.Ask(title + " をコピーします。コピー先をクリックして下さい。", QuestionButtons::OkCancel));
}

bool BeginLayerMove(Drawing& drawing, UserDialogs& dialogs, int source)
{
    const std::string title = LayerTitle(drawing.Layers, source);
    if (CountOnLayer(drawing, source) == 0) {
        dialogs.ShowMessage(title + "　は,移動する図形がありません");
        return false;
    }
    return IsAffirmative(
        dialogs.Ask(title + " を移動します。移動先をクリックして下さい。", QuestionButtons::OkCancel));
}

bool CopyLayerTo(Drawing& drawing, UserDialogs& dialogs, int source, int target)
{
    if (target == source) {
        dialogs.ShowMessage("同一レイヤーにはコピーできません！コピーを中止します");
        return true;
    }
    std::vector<int> sources;
    for (int i = 1; i <= drawing.Count; ++i)
        if (drawing[i].Layer == source) sources.push_back(i);
    UndoStepGroup step(drawing);
    for (const int index : sources) {
        TCadData copy = drawing[index];
        if (!Append(drawing, true)) return false;
        copy.Id = drawing[drawing.Count].Id;
        copy.Layer = static_cast<uint8_t>(target);
        copy.Selected = 0;
        drawing[drawing.Count] = std::move(copy);
        RecordUndo(drawing, step.Step(), kActionAdded, drawing.Count);
    }
    dialogs.ShowMessage(TargetLayerText(drawing.Layers, target) + " にコピーしました");
    return true;
}

bool MoveLayerTo(Drawing& drawing, UserDialogs& dialogs, int source, int target)
{
    if (target == source) {
        dialogs.ShowMessage("移動先は同一レイヤーです！移動を中止します");
        return true;
    }
    UndoStepGroup step(drawing);
    for (int i = 1; i <= drawing.Count; ++i) {
        if (drawing[i].Layer != source) continue;
        RecordUndo(drawing, step.Step(), kActionModified, i);
        drawing[i].Layer = static_cast<uint8_t>(target);
    }
    dialogs.ShowMessage(TargetLayerText(drawing.Layers, target) + " に移動しました");
    return true;
}

}  // namespace vantro
