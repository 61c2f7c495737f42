// One open drawing: the element store, its layers and groups, and its undo history.
#pragma once

#include "document/CadData.h"
#include "document/DrawingListener.h"
#include "document/ImageList.h"
#include "document/UserDialogs.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace vantro {

inline constexpr int32_t kDefaultCapacity = 50000;  // "CadMax"
inline constexpr int32_t kMinCapacity = 100;
inline constexpr int32_t kMaxCapacity = 100000;
inline constexpr uint8_t kDefaultUndoDepth = 10;  // "Undo"

inline constexpr uint8_t kActionAdded = 0;
inline constexpr uint8_t kActionModified = 1;
inline constexpr uint8_t kActionDeleted = 2;

struct UndoRecord {
    uint8_t Action = kActionAdded;
    int32_t Step = 0;
    int32_t ElementId = 0;
};

// Undo lists are trimmed from the oldest end, so they are deques; copies exist for actions 1 and 2
// (undo) and 0 and 1 (redo), in record order.
struct UndoHistory {
    std::deque<UndoRecord> UndoRecords;
    std::deque<TCadData> UndoCopies;
    std::vector<UndoRecord> RedoRecords;
    std::vector<TCadData> RedoCopies;
    int32_t UndoStep = 0;
    int32_t RedoStep = 0;
    uint8_t UndoDepth = kDefaultUndoDepth;
    // While an UndoStepGroup is open every record shares its step (0 until the first record).
    bool GroupOpen = false;
    int32_t GroupStep = 0;
};

// The six kind filters of the layer panel; all ticked after a reset.
struct KindFilters {
    bool Lines = true;       // CheckBox_Li: kind 1
    bool Arcs = true;        // CheckBox_Ri: kinds 3 and 4
    bool Points = true;      // CheckBox_Po: kind 5
    bool Dimensions = true;  // CheckBox_Dm: kinds 6..29
    bool Texts = true;       // CheckBox_Tx: kind 30
    bool Groups = true;      // CheckBox_Gr: any element with Group >= 1
};

// Indexed by layer number - 1.
struct LayerTable {
    std::array<uint8_t, kLayerCount> Visible{};
    std::array<uint8_t, kLayerCount> Locked{};
    std::array<std::string, kLayerCount> Name{};  // CP932 bytes
    uint8_t ActiveLayer = 1;
    KindFilters Filters;
};

struct Drawing {
    // Index 0 is a work slot; the drawing is 1..Count in drawing order. Slots above Count are stale.
    std::vector<TCadData> Elements = std::vector<TCadData>(100);
    int32_t Count = 0;
    uint32_t LastId = 0;
    std::vector<int32_t> IndexOfId = std::vector<int32_t>(100);
    int32_t Capacity = kDefaultCapacity;
    bool AppendFailed = false;
    // Generation when the last append was refused.
    uint64_t RefusalGeneration = 0;
    bool Saved = true;
    // Provisional candidates at the end of the store, waiting for the user's choice.
    int32_t CandidateCount = 0;
    // Set by multi-element operations: constructors then give no id and write no undo record.
    bool BatchMode = false;
    // Preview records, addressed by the painters as indices -1 and -2.
    std::array<TCadData, 2> Scratch{};
    // Advanced by every change to the elements (append, delete, undo record, undo, redo, reset), so
    // a cache built from them knows when it is stale. Never reset.
    uint64_t Generation = 0;

    LayerTable Layers;
    int32_t MaxGroup = 0;
    std::vector<std::string> MemoBrush;  // fill memo lines "group,colour"
    ImageList Images;                    // the background and inserted images
    UndoHistory History;

    // Not owned; either may be null (headless use).
    UserDialogs* Dialogs = nullptr;
    DrawingListener* Listener = nullptr;

    Drawing();

    TCadData& operator[](int index) { return Elements[static_cast<size_t>(index)]; }
    const TCadData& operator[](int index) const { return Elements[static_cast<size_t>(index)]; }
};

// Message to the user through the drawing's dialogs, if any.
void Tell(const Drawing& drawing, const std::string& text);

}  // namespace vantro
