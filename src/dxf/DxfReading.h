// What the DXF reader's parts share while one file is read: the layer table's defaults, the text
// decoder, the dimension styles, the collected block entities, the counts for the report and the
// entity readers.
#pragma once

#include "document/DimensionText.h"
#include "document/Drawing.h"
#include "dxf/DxfPairs.h"
#include "dxf/DxfTextDecoder.h"
#include "geometry/Primitives.h"

#include <array>
#include <map>
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

// Block entries drawn "by block" take the colour and layer of the INSERT or DIMENSION that places
// them; these stand for that until they are placed.
inline constexpr uint32_t kByBlockColour = 0xFF000000;
inline constexpr uint8_t kByBlockLayer = 0;

struct LayerDefaults {
    uint32_t Colour = 0;
    uint8_t Style = 0;
};

// Where INSERT puts a block and how it scales and turns it, and what "by block" means there.
struct Placement {
    Point At;
    double ScaleX = 1;
    double ScaleY = 1;
    double RotationDegrees = 0;
    uint32_t Colour = 0;
    uint8_t Layer = 1;
};

// An element as a block holds it, placed by an INSERT (or a DIMENSION, unmoved).
TCadData PlacedElement(const TCadData& element, const Placement& placement);

// The box around what a block holds; empty for an empty or unknown block.
struct Extent {
    bool Empty = true;
    double MinX = 0;
    double MinY = 0;
    double MaxX = 0;
    double MaxY = 0;
};

// The entities of every block definition, by block name (raw bytes), in file order, relative to
// the block's base point. Bounded: a file whose nested blocks would multiply past the limit gets
// no more entries.
class BlockList {
public:
    static constexpr size_t kMaxEntries = 200'000;

    size_t Room() const { return kMaxEntries - elements_.size(); }
    // False when the list is full.
    bool Add(std::string_view block, const TCadData& element);
    // Indices of the entries of a block, in list order; empty for an unknown block.
    const std::vector<size_t>& EntriesOf(std::string_view block) const;
    const TCadData& Element(size_t index) const { return elements_[index]; }
    // Computed once per block and kept.
    const Extent& ExtentOf(std::string_view block);

private:
    std::vector<TCadData> elements_;
    std::unordered_map<std::string, std::vector<size_t>> byName_;
    std::unordered_map<std::string, Extent> extents_;
};

// A dimension style's sizes in drawing units (each already multiplied by the style's scale), and
// how it writes numbers (Decimals below 0: not given).
struct DimensionStyleValues {
    double TextHeight = 2.5;
    double ArrowSize = 2.5;
    double Gap = 0.625;
    double Extension = 1.25;
    int Decimals = -1;
    bool DropZeros = false;
};

// What the import tells the user about beyond the skipped entity types.
struct ImportCounts {
    int PaperSpace = 0;         // paper-space entities left out
    int DimensionsAsParts = 0;  // dimensions brought in as their block's lines and texts
    int DimensionsLost = 0;     // dimensions with neither a kind of ours nor a block
    int RefusedInserts = 0;     // INSERTs whose placement overflows or collapses
    int Dropped = 0;            // entities whose numbers are beyond what an element can hold
    size_t Work = 0;            // block entries placed so far
    bool WorkLimitReached = false;
};

// Placing block entries stops after this many (a file of many inserts of a huge block).
inline constexpr size_t kMaxPlacedEntries = 10'000'000;

struct ReadContext {
    DxfTextDecoder Decoder;
    std::array<LayerDefaults, kLayerCount + 1> Layers{};  // by layer number
    std::unordered_map<std::string, int> LayerByName;     // raw name → first layer of that name
    uint32_t BackgroundColour = 0xFFFFFF;
    // Colour 7: black on a light sheet, white on a dark one.
    uint32_t Foreground = 0;
    NumberFormat Format;  // the window's, to see whether a dimension shows what the file shows
    DimensionStyleValues HeaderStyle;
    std::unordered_map<std::string, DimensionStyleValues> Styles;  // by Capitals
    std::map<std::string, int> StyleUse;  // Capitals → dimensions using the style
    BlockList Blocks;
    bool InBlock = false;  // reading a block definition: "by block" stays open
    EntityPairs Pairs;     // reused by the entity readers
    ImportCounts Counts;
};

// A name in capitals (ASCII letters), for names compared without case: dimension styles, the
// model and paper space blocks.
std::string Capitals(std::string_view name);
// The style a dimension names (or the header's when it names none or an unknown one).
const DimensionStyleValues& StyleNamed(const ReadContext& context, std::string_view name);

enum class EntityOutcome { Read, Abandoned, Unsupported };

// Reads the entity whose "0" pair is current and creates its elements in target through the
// store's creation operations. The reader stops on the "0" pair after the entity, also when its
// type is Unsupported.
EntityOutcome ReadEntity(std::string_view type, DxfPairReader& reader, Drawing& target, ReadContext& context);
// Whether ReadEntity knows the type.
bool IsSupportedEntity(std::string_view type);

}  // namespace vantro::dxf
