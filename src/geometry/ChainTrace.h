// Chains of lines, arcs and ellipse arcs connected end to end on one layer, found by following
// shared end points.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

#include <span>
#include <vector>

namespace vantro {

inline constexpr const char* kChainDuplicateEndsMessage =
    "連続線の中に重複する端点を含む要素が有るため続行できません！[中止］をクリックして下さい。";
inline constexpr const char* kChainNothingConnectedMessage = "連続する要素が有りません！";

// An end point of a line or arc, or the point of an ellipse arc's bound; false for other kinds.
bool ElementEndPoint(const TCadData& element, bool atStart, Point& point);

struct ConnectedEnd {
    int Index = 0;  // 0: nothing connected
    bool AtStart = false;
};

// The first element in index order (a line, arc or ellipse arc on the same layer, not the element
// itself) with an end within Eps of the element's start (atStart) or end. With sameGroup and a
// grouped element, only members of its group count.
ConnectedEnd FindConnectedEnd(const Drawing& drawing, int index, bool atStart, bool sameGroup);

struct ChainLink {
    int Index = 0;
    bool Forward = true;  // walked from its start point to its end point
};

struct Chain {
    std::vector<ChainLink> Links;  // the start element first
    bool Closed = false;
    bool DuplicateEnds = false;  // the walk met an element it had already taken
};

// The walk from the start element away from its end nearer to click.
Chain TraceChain(const Drawing& drawing, int start, Point click, bool sameGroup);

// The same walk among the given elements only (indices ascending, the start among them), as a
// fill walks the members of its group without looking at the rest of the drawing.
Chain TraceChainAmong(const Drawing& drawing, int start, Point click, std::span<const int> candidates);

// Traces and highlights the chain. Returns the number of elements connected to the start element,
// 0 when none is, −1 when an element would be taken twice (the messages are the caller's).
int MarkChain(Drawing& drawing, int start, Point click, bool sameGroup);

}  // namespace vantro
