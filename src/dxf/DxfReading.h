// What the DXF reader's parts share while one file is read: the layer table's defaults, the text
// decoder, the collected block entities and the entity readers.
#pragma once

#include "document/DimensionText.h"
#include "document/Drawing.h"
#include "dxf/DxfPairs.h"
#include "dxf/DxfTextDecoder.h"
#include "geometry/Primitives.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantro::dxf {

struct RawPair {
    int Code = 0;
    std::string_view Value;
};
using EntityPairs = std::vector<RawPair>;

// An entity with more pairs than this (a polyline of some million vertices) is read past and
// abandoned, so one entity never holds more than a bounded part of a huge file.
inline constexpr size_t kMaxEntityPairs = 4'000'000;

// Reads the pairs of the current entity up to the next "0" pair, which stays current. False when
// the entity had more pairs than are kept.
bool CollectPairs(DxfPairReader& reader, EntityPairs& pairs);

struct LayerDefaults {
    uint32_t Colour = 0;
    uint8_t Style = 0;
};

// Where INSERT puts a block and how it scales and turns it.
struct Placement {
    Point At;
    double ScaleX = 1;
    double ScaleY = 1;
    double RotationDegrees = 0;
};

// An element as a block holds it, to be placed by INSERT.
TCadData PlacedElement(const TCadData& element, const Placement& placement);

// The entities of every block definition, by block name (raw bytes), in file order. Bounded: a
// file whose nested blocks would multiply past the limit gets no more entries.
class BlockList {
public:
    static constexpr size_t kMaxEntries = 200'000;

    size_t Room() const { return kMaxEntries - elements_.size(); }
    // False when the list is full.
    bool Add(std::string_view block, const TCadData& element);
    // Indices of the entries of a block, in list order; empty for an unknown block.
    const std::vector<size_t>& EntriesOf(std::string_view block) const;
    const TCadData& Element(size_t index) const { return elements_[index]; }
    // The first text of a block, or nothing.
    const TCadData* FirstText(std::string_view block) const;

private:
    std::vector<TCadData> elements_;
    std::unordered_map<std::string, std::vector<size_t>> byName_;
};

struct ReadContext {
    DxfTextDecoder Decoder;
    std::array<LayerDefaults, kLayerCount + 1> Layers{};  // by layer number
    std::unordered_map<std::string, int> LayerByName;     // raw name → first layer of that name
    uint32_t BackgroundColour = 0xFFFFFF;
    DimensionOptions Dimensions;
    BlockList Blocks;
    EntityPairs Pairs;  // reused by the entity readers
};

enum class EntityOutcome { Read, Abandoned, Unsupported };

// Reads the entity whose "0" pair is current and creates its elements in target through the
// store's creation operations; Unsupported leaves the reader where it was.
EntityOutcome ReadEntity(std::string_view type, DxfPairReader& reader, Drawing& target, ReadContext& context);

}  // namespace vantro::dxf
