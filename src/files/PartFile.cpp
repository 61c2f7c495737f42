#include "files/PartFile.h"

#include "document/ElementStore.h"
#include "document/Groups.h"
#include "files/BinaryIo.h"
#include "files/ElementEntry.h"
#include "files/FileSystem.h"

#include <algorithm>
#include <exception>
#include <map>

namespace vantro {
namespace {

// Group numbers of the file to new ones above the drawing's highest, in the order they are met.
class GroupRenumbering {
public:
    explicit GroupRenumbering(Drawing& drawing) : drawing_(drawing) {}

    int32_t operator()(int32_t fileGroup)
    {
        if (fileGroup < 1) return 0;
        const auto [it, added] = numbers_.try_emplace(fileGroup, 0);
        if (added) it->second = NewGroupNumber(drawing_);
        return it->second;
    }

private:
    Drawing& drawing_;
    std::map<int32_t, int32_t> numbers_;
};

// Sizes the arrays once for what the file can hold and the store may take, never by the count
// alone: a count beyond the bytes that follow it is read as far as the entries go.
void MakeRoom(Drawing& drawing, int32_t count, size_t bytesLeft)
{
    const size_t fits = std::min<size_t>(bytesLeft / kElementEntryMinSize, static_cast<size_t>(count));
    const size_t room = std::min<size_t>(fits, static_cast<size_t>(std::max(drawing.Capacity - drawing.Count, 0) + 1));
    const size_t elements = static_cast<size_t>(drawing.Count) + room + 100;
    if (drawing.Elements.size() < elements) drawing.Elements.resize(elements);
    const size_t ids = static_cast<size_t>(drawing.LastId) + room + 100;
    if (drawing.IndexOfId.size() < ids) drawing.IndexOfId.resize(ids);
}

void MergeEntries(ByteReader& in, Drawing& drawing, MergeResult& result)
{
    uint16_t version = 0;
    int32_t count = 0;
    if (!in.ReadU16(version) || !in.ReadI32(count) || count < 0) return;
    MakeRoom(drawing, count, in.Remaining());
    const uint8_t active = drawing.Layers.ActiveLayer;
    const uint8_t layer = active >= 1 && active <= kLayerCount ? active : 1;
    GroupRenumbering renumber(drawing);
    for (int32_t k = 0; k < count; ++k) {
        TCadData e;
        if (!ReadElementEntry(in, version, e)) return;
        if (!IsFiniteRecord(e)) {
            ++result.Skipped;
            continue;
        }
        if (!Append(drawing, true)) {
            result.Refused = true;
            result.Ok = true;
            return;
        }
        e.Layer = layer;
        e.Group = renumber(e.Group);
        e.Id = drawing[drawing.Count].Id;
        drawing[drawing.Count] = std::move(e);
        ++result.Added;
    }
    result.Ok = true;
}

}  // namespace

std::string EncodePartFile(const Drawing& drawing, int& cutStrings)
{
    const auto first = drawing.Elements.begin() + 1;
    const auto selected = std::count_if(first, first + drawing.Count, [](const TCadData& e) { return e.Selected == 1; });
    FileOut out;
    out.Bytes.PutU16(kPartFileVersion);
    out.Bytes.PutI32(static_cast<int32_t>(selected));
    for (int i = 1; i <= drawing.Count; ++i)
        if (drawing[i].Selected == 1) PutElementEntry(out, drawing[i]);
    cutStrings = out.CutStrings;
    return out.Bytes.Take();
}

WriteResult WritePartFile(const std::filesystem::path& path, const Drawing& drawing)
{
    if (IsReadOnlyFile(path)) return {false, kWriteFailedMessage};
    try {
        int cut = 0;
        if (WriteFileAtomically(path, EncodePartFile(drawing, cut))) return {true, {}, cut};
    } catch (const std::exception&) {
        // out of memory while encoding: the old file stays
    }
    return {false, kWriteFailedMessage};
}

std::string SkippedMergeMessage(int count)
{
    return "不正な数値を持つ図形 " + std::to_string(count) + " 個は追加しませんでした。";
}

MergeResult MergeElementBytes(std::string_view bytes, Drawing& drawing)
{
    MergeResult result;
    ByteReader in(bytes);
    try {
        MergeEntries(in, drawing, result);
    } catch (const std::exception&) {
        result.Ok = false;  // out of memory: the elements merged so far stay
    }
    // Many merges can carry the group numbers far up; they are brought back as after a read.
    KeepGroupNumbersInRange(drawing);
    EndRefusal(drawing);
    if (result.Added > 0) drawing.Saved = false;
    if (!result.Ok) result.Message = kMergeReadErrorMessage;
    return result;
}

MergeResult MergeElementFile(const std::filesystem::path& path, Drawing& drawing)
{
    std::string bytes;
    if (ReadWholeFile(path, kMaxDrawingFileBytes, bytes) != FileReadStatus::Read)
        return {false, kMergeReadErrorMessage};
    return MergeElementBytes(bytes, drawing);
}

}  // namespace vantro
