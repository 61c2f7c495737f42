// The mouse cursors of the snap kinds, drawn in code: a cross-hair with the kind's mark beside it.
#pragma once

#include <QCursor>

namespace vantro {

// Cursor numbers 1..8: intersection, end point, midpoint, centre, point, nearest, perpendicular
// foot, quadrant. Any other number gives the arrow.
QCursor SnapCursor(int number);

}  // namespace vantro
