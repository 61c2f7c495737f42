// Feeds arbitrary text to the pap file reader. What it reads must be lines, arcs and circles on
// layer 1 with finite numbers and ids equal to their index, and must survive a write and a second
// read in kind and line style.
#include "files/PapFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vantro;
    // char and unsigned char may alias; the reader takes its text as a string.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Drawing drawing;
    const PapReadResult result = ReadPapText(text, drawing, nullptr);
    if (drawing.Elements.size() > size + 200 || drawing.LastId != static_cast<uint32_t>(drawing.Count)) std::abort();
    if (result.Ok != result.Message.empty()) std::abort();
    for (int i = 1; i <= drawing.Count; ++i) {
        const TCadData& e = drawing[i];
        const bool papKind = e.Kind == kKindLine || e.Kind == kKindArc || e.Kind == kKindCircle;
        if (!papKind || e.Layer != 1 || e.Id != i || !IsFiniteRecord(e) || e.LineStyle > kStyleDash) std::abort();
    }

    Drawing again;
    const PapReadResult second = ReadPapText(EncodePapFile(drawing), again, nullptr);
    if (!second.Ok || second.Skipped != 0 || again.Count != drawing.Count) std::abort();
    for (int i = 1; i <= drawing.Count; ++i)
        if (again[i].Kind != drawing[i].Kind || again[i].LineStyle != drawing[i].LineStyle) std::abort();
    return 0;
}
