// How elements look on paper: the printer options and parameters of the settings, and the pen,
// colour and width rules of a print run.
#pragma once

#include "document/CadData.h"
#include "files/Settings.h"

#include <cstdint>

namespace vantro {

struct PrintOptions {
    bool LineWidth = true;   // "LineWidth": solid lines printed thick
    bool ColorNox = false;   // "ColorNox": inverted colours
    int ColorChk = 0;        // "ColorChk": 0 colour, 1 black and white
    bool Op1 = true;         // "Op1": caption and date at the top left
    double HoseiX = 1;       // "HoseiX": vertical correction factor
    double HoseiY = 1;       // "HoseiY": horizontal correction factor
    int LineWid = 3;         // "LineWid": solid-line emphasis
    int DimWid = 1;          // "DimWid": dimension-line emphasis
    uint32_t AnnotationColour = 0xFF0000;  // "Color2"
};

PrintOptions PrintOptionsFrom(const Settings& settings);

bool Monochrome(const PrintOptions& options);
// Colour mode with inversion: every pen prints its inverted colour.
bool InvertedPens(const PrintOptions& options);

// The pen colour of an element: black in black and white, the annotation colour above kind 5,
// else its own; white becomes black unless the colours are inverted.
uint32_t PrintColour(const PrintOptions& options, const TCadData& element);
// The colour of a text element's letters.
uint32_t PrintTextColour(const PrintOptions& options, const TCadData& element);
// The pen width in device pixels.
int PrintPenWidth(const PrintOptions& options, const TCadData& element);

}  // namespace vantro
