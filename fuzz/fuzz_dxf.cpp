// Feeds arbitrary bytes to the DXF reader. It refuses what is no DXF; whatever it builds must
// export, and the export must read back with no entity skipped or abandoned.
#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vantro;
    // char and unsigned char may alias; the reader takes its bytes as a string.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Drawing drawing;
    drawing.Capacity = 20000;
    // What is no DXF at all is refused, and the drawing is left as it was.
    if (!ImportDxfText(bytes, drawing, DxfImportOptions{}).Ok) {
        if (drawing.Count != 0) std::abort();
        return 0;
    }
    Drawing again;
    again.Capacity = 100000;
    const DxfImportResult second = ImportDxfText(DxfText(drawing, Settings{}, false), again, DxfImportOptions{});
    if (!second.Ok || second.Abandoned != 0 || !second.Skipped.empty()) std::abort();
    return 0;
}
