// What DXF cannot say about some elements of this program, kept in the extended data of the
// entities that stand for them (application "VANTROCAD"): other programs show those entities and
// keep the data, and reading the file back gives the element itself.
//   1000 "ELEMENT", kind, colour, arrow style, the nine numbers, the text: the whole element (a
//        circle with centre cross, the leader kinds of dimensions), on its main entity;
//   1000 "PART": an entity drawn only to show the element whose data another entity carries;
//   1000 "DIMENSION", arrow style, colour, the text field: what a DIMENSION entity cannot carry.
#pragma once

#include "dxf/DxfOutput.h"
#include "dxf/DxfReading.h"

#include <span>

namespace vantro::dxf {

inline constexpr std::string_view kOwnApplication = "VANTROCAD";

void WriteOwnElement(DxfOutput& out, const TCadData& element);
void WriteOwnPart(DxfOutput& out);
void WriteOwnDimension(DxfOutput& out, const TCadData& dimension);

enum class OwnData { None, Part, Element, Dimension };

struct OwnRecord {
    OwnData What = OwnData::None;
    // Element: the whole record; Dimension: Width, Color and Text.
    TCadData Element;
};

// The entity's own data, if it carries any that reads completely.
OwnRecord ReadOwnRecord(std::span<const RawPair> pairs, DxfTextDecoder& decoder);

}  // namespace vantro::dxf
