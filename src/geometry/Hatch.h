// Hatching: parallel sloping segments spaced by a pitch along x, each cut to the boundary polygon.
#pragma once

#include "geometry/Primitives.h"

#include <vector>

namespace vantro {

enum class HatchSlope { Rising, Falling };  // "／／／／／／", "＼＼＼＼＼＼"

// A region and pitch that would give more sweep segments than this are refused: a tiny pitch must
// not make an unbounded number of lines.
inline constexpr double kMaxHatchSegments = 100000;
inline constexpr const char* kTooManyHatchLinesMessage =
    "ハッチ線が多すぎます（10万本まで）。ピッチを大きくして下さい";

struct Segment {
    Point From;
    Point To;
    bool operator==(const Segment&) const = default;
};

// The box of the boundary's vertices.
struct HatchBox {
    double MinX = 0;
    double MaxX = 0;
    double MinY = 0;
    double MaxY = 0;
};

HatchBox BoxOf(const std::vector<Point>& vertices);

// N = Trunc((H + W) / pitch) sweep segments; -1 when the pitch is not a positive number or N
// exceeds kMaxHatchSegments.
int HatchSegmentCount(const HatchBox& box, double pitch);

// Sweep segment g (1..N): from below the box to above it, direction (±H, H + 3·pitch).
Segment HatchSweep(const HatchBox& box, double pitch, HatchSlope slope, int g);

struct HatchResult {
    bool TooMany = false;          // refused: see kMaxHatchSegments
    std::vector<Segment> Lines;    // each from B to A, at most one per sweep segment
};

// Cuts every sweep segment with the closed polygon's edges longer than Eps, in order: the first
// crossing is A, each later one B, and the line B→A is taken as soon as B lies Eps or more from A.
// Fewer than two vertices give nothing.
HatchResult HatchLines(const std::vector<Point>& vertices, double pitch, HatchSlope slope);

}  // namespace vantro
