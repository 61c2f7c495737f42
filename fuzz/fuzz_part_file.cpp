// Feeds arbitrary bytes to the merge of part files (and of a drawing file's elements) into a
// drawing that holds a grouped element. What it adds must land on the active layer with finite
// numbers, new ids and groups above the drawing's, and must survive a part file written and
// merged again.
#include "document/Groups.h"
#include "document/Layers.h"
#include "files/PartFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace vantro;

Drawing WithOneGroupedLine()
{
    Drawing drawing;
    SelectActiveLayer(drawing.Layers, 5, false);
    Append(drawing, true);
    TCadData& line = drawing[1];
    line.Kind = kKindLine;
    line.Layer = 1;
    line.X2 = 10;
    line.Group = 3;
    UpdateMaxGroup(drawing);
    return drawing;
}

void CheckMerged(const Drawing& drawing, int32_t groupsBefore)
{
    for (int i = 2; i <= drawing.Count; ++i) {
        const TCadData& e = drawing[i];
        if (e.Layer != 5 || e.Id != i || !IsFiniteRecord(e)) std::abort();
        if (e.Group != 0 && (e.Group <= groupsBefore || e.Group > drawing.MaxGroup)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // char and unsigned char may alias; the reader takes its bytes as a string.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Drawing drawing = WithOneGroupedLine();
    const MergeResult result = MergeElementBytes(bytes, drawing);
    if (drawing.Count != 1 + result.Added || drawing.Elements.size() > size + 200) std::abort();
    if (result.Ok != result.Message.empty()) std::abort();
    CheckMerged(drawing, 3);

    for (int i = 2; i <= drawing.Count; ++i) drawing[i].Selected = 1;
    int cut = 0;
    Drawing again = WithOneGroupedLine();
    const MergeResult second = MergeElementBytes(EncodePartFile(drawing, cut), again);
    if (!second.Ok || second.Added != result.Added || second.Skipped != 0) std::abort();
    for (int i = 2; i <= drawing.Count; ++i)
        if (again[i].Kind != drawing[i].Kind || again[i].LineStyle != drawing[i].LineStyle) std::abort();
    return 0;
}
