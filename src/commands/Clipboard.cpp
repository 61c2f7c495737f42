#include "commands/Clipboard.h"

#include "document/ElementStore.h"
#include "document/Groups.h"
#include "document/TextLimit.h"
#include "document/UndoHistory.h"

#include <map>

namespace vantro {

int CopySelection(Drawing& drawing, ClipboardBuffer& buffer, bool clearFlags)
{
    buffer.Records.clear();
    for (int i = 1; i <= drawing.Count; ++i) {
        TCadData& element = drawing[i];
        if (element.Selected != 1) continue;
        buffer.Records.push_back(element);
        buffer.Records.back().Selected = 0;
        if (clearFlags) element.Selected = 0;
    }
    return static_cast<int>(buffer.Records.size());
}

PasteResult PasteClipboard(Drawing& drawing, const ClipboardBuffer& buffer, std::optional<uint8_t> layer)
{
    PasteResult result;
    const int first = drawing.Count + 1;
    std::map<int32_t, int32_t> groups;
    {
        const UndoStepGroup step(drawing);
        for (TCadData record : buffer.Records) {
            record.Selected = 0;
            if (layer) record.Layer = *layer;
            if (record.Group >= 1) {
                const auto [at, added] = groups.try_emplace(record.Group, 0);
                if (added) at->second = NewGroupNumber(drawing);
                record.Group = at->second;
            }
            const int index = AppendElement(drawing, std::move(record), true);
            if (index == 0) break;
            result.Indices.push_back(index);
        }
    }
    if (!result.Indices.empty()) result.CutTexts = CutLongTexts(drawing, first);
    return result;
}

}  // namespace vantro
