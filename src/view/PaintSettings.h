// What the painters read of the settings: colours, fineness, the dimension style and the text faces.
#pragma once

#include "document/DimensionText.h"
#include "geometry/DimensionLayout.h"

#include <QString>

#include <cstdint>

namespace vantro {

// How dimensions and texts are drawn ("Cad" section).
struct AnnotationSettings {
    DimensionStyle Style;                // "ArrowLength", "ArrowHeight", "DimRChk"
    double ArrowOffset = 1;              // "ArrowOffset": gap between line and text, mm
    double TextHeight = 12;              // "Textheight": dimension text height, mm
    // Converted from the CP932 settings once, not per text while painting.
    QString DimensionFace;               // "DimTextName"
    QString TextFace;                    // "TextName": every text element
    uint32_t TextColour = 0;             // "TextColor": dimension texts
    NumberFormat Format;                 // "Precision", "Dim0Chk"
    bool LeaderTextOnExtension = false;  // "DimTextOfset"
};

// The image menu's check marks; not saved.
struct ImageDisplay {
    bool BackgroundShown = true;  // BmpOn "表示ON/OFF"
    bool Stretched = true;        // BmpWid "全体に表示"; otherwise BmpLine "並べて表示" tiles it
};

// Display settings the painters read.
struct PaintSettings {
    uint32_t AnnotationColour = 0xFF0000;  // "Color2": dimensions and texts
    uint32_t HighlightColour = 0x0000FF;   // "Color3": selected and picked elements
    uint32_t BackgroundColour = 0xC0C0C0;  // "Edit"/"FormColor"
    int Fineness = 180;                    // "Bunkatu": segments of a full turn
    int ArcMode = 98;                      // "OS": 98 draws arcs as lines, 2000 with the surface's Arc
    int CurveFineness = 10;                // "PejeValue"
    bool FillsShown = false;               // ButtonBrushOnOff
    ImageDisplay Images;                   // how the background image is shown
    int FirstPick = 0;                     // indices drawn highlighted by the running command
    int SecondPick = 0;
    AnnotationSettings Annotations;
};

}  // namespace vantro
