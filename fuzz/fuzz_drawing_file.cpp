// Feeds arbitrary bytes to the drawing file reader. Whatever it accepts must survive a write and
// a second read unchanged in its elements.
#include "files/DrawingFile.h"

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
    DrawingFileSettings settings;
    const ReadResult result = ReadDrawingBytes(bytes, drawing, settings);
    if (!result.Ok) {
        if (drawing.Count != 0 && result.Stage <= 1) std::abort();
        return 0;
    }
    Drawing again;
    DrawingFileSettings settingsAgain;
    const ReadResult second = ReadDrawingBytes(EncodeDrawingFile(drawing, settings), again, settingsAgain);
    if (!second.Ok || again.Count != drawing.Count || again.MemoBrush.size() != drawing.MemoBrush.size()) std::abort();
    for (int i = 1; i <= drawing.Count; ++i) {
        if (again[i].Kind != drawing[i].Kind || again[i].LineStyle != drawing[i].LineStyle) std::abort();
    }
    return 0;
}
