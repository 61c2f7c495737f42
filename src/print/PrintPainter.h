// The drawing on a printer page: its images, fills and every shown element through the screen's
// painters, with the printer transform, printer pens and the print colours.
#pragma once

#include "document/Drawing.h"
#include "print/PrintOptions.h"
#include "print/PrintTransform.h"
#include "view/PaintSettings.h"
#include "view/Surface.h"

#include <QString>

namespace vantro {

// The caption and date line at the top left ("Op1").
struct PrintHeader {
    QString Caption;
    QString Date;
    int FontHeight = 12;  // device pixels of a 12-point font
};

// Paints on the page; the drawing is only read.
void PrintElements(Surface& page, const PrintTransform& transform, const Drawing& drawing,
                   const PaintSettings& paint, const PrintOptions& options, const PrintHeader& header);

}  // namespace vantro
