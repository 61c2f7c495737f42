// Layer tables, the kind filters, the layer panel's effects on them, and the layer commands
// (delete, copy, move the elements of a layer).
#pragma once

#include "document/Drawing.h"
#include "document/ElementStore.h"

#include <string>

namespace vantro {

inline constexpr int kLayersPerTab = 16;
inline constexpr int kLayerTabs = 6;

// All layers visible and free, active layer 1, filters ticked; names from the settings or cleared,
// layer 1 called "Default" when it has no name.
void ResetLayers(LayerTable& layers, const LayerNames* namesFromSettings);

bool IsLayerVisible(const LayerTable& layers, int layer);
bool IsLayerLocked(const LayerTable& layers, int layer);

// An unticked kind filter hides the element.
bool IsFilteredOut(const KindFilters& filters, const TCadData& element);

// Shown by the full repaint and pickable: a real kind, a visible layer, and no unticked filter.
bool IsElementShown(const LayerTable& layers, const TCadData& element);

// Whether two tables agree in what a drawing file keeps of them: visible and lock flags, names and
// the active layer (the kind filters are the window's, not the drawing's).
bool SameStoredLayers(const LayerTable& a, const LayerTable& b);

// Layer number of a row (1..16) on a tab (0..5).
int LayerOfRow(int tab, int row);

// Panel events. Each keeps the active layer visible and free.
void SelectActiveLayer(LayerTable& layers, int layer, bool hideOthersDown);
void SetLayerVisible(LayerTable& layers, int layer, bool visible);
void SetLayerLocked(LayerTable& layers, int layer, bool locked);
void ShowAllLayers(LayerTable& layers);
void HideAllButActive(LayerTable& layers);
void ShowTab(LayerTable& layers, int tab);
void HideTab(LayerTable& layers, int tab);

// "1:Default": the active layer as LabelRayer shows it (UTF-8).
std::string ActiveLayerCaption(const LayerTable& layers);

int CountOnLayer(const Drawing& drawing, int layer);

// "レイヤー" + S + " " + name, the subject of every layer command message (UTF-8).
std::string LayerTitle(const LayerTable& layers, int layer);

// "レイヤー削除": asks, then removes every element of the layer under one undo step.
// Returns the number removed.
int DeleteLayerCommand(Drawing& drawing, UserDialogs& dialogs, int layer);

// First half of "レイヤーコピー" and "レイヤー移動": true when the user chose to go on and the
// layer is to be remembered as the source.
bool BeginLayerCopy(Drawing& drawing, UserDialogs& dialogs, int source);
bool BeginLayerMove(Drawing& drawing, UserDialogs& dialogs, int source);

// Second half, on the click that names the target. True when the source is to be forgotten.
bool CopyLayerTo(Drawing& drawing, UserDialogs& dialogs, int source, int target);
bool MoveLayerTo(Drawing& drawing, UserDialogs& dialogs, int source, int target);

}  // namespace vantro
