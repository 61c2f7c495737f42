// Dimensions in DXF: the anonymous block holding a dimension's drawn parts, the DIMENSION entity
// that references it, and the lines and text that stand for the leader kinds.
#pragma once

#include "document/DimensionText.h"
#include "dxf/DxfOutput.h"

#include <string>

namespace vantro::dxf {

// What the dimension parts are drawn with (from the settings).
struct DimensionStyle {
    double ArrowLength = 2;  // L
    double Extension = 1;    // E: how far extension lines reach past the dimension line
    double Gap = 1;          // between the dimension line and the text's bottom
    double TextHeight = 12;
    bool RadiusToCentre = true;          // "DimRChk"
    bool LeaderTextOnExtension = false;  // "DimTextOfset"
    int PartColour = 8;  // colour numbers
    int TextColour = 8;
    NumberFormat Format;
};

// Kinds written as a block plus a DIMENSION entity.
bool HasDimensionBlock(int8_t kind);
// Kinds written as four lines and a text in the entities section.
bool IsLeaderDimension(int8_t kind);

// The text a dimension shows on one line, with "%%c", "%%d" and "%%p" for its signs; empty when
// its value cannot be formatted.
std::string DimensionDisplayText(const TCadData& dimension, const NumberFormat& format);

// "*D" + number, written between BLOCK's header and ENDBLK.
void WriteDimensionBlock(DxfOutput& out, const TCadData& dimension, const std::string& layer, int number,
                         const DimensionStyle& style);
void WriteDimensionEntity(DxfOutput& out, const TCadData& dimension, const std::string& layer, int number,
                          const DimensionStyle& style);
void WriteLeaderDimension(DxfOutput& out, const TCadData& dimension, const std::string& layer,
                          const DimensionStyle& style);

}  // namespace vantro::dxf
