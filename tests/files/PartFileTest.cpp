#include "files/PartFile.h"

#include "document/Groups.h"
#include "document/Layers.h"
#include "files/BinaryIo.h"
#include "files/ScratchFolder.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantro {
namespace {

using testing::Circle;
using testing::Line;
using testing::PutElement;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::TextElement;
using testing::WriteBytes;

constexpr size_t kHeaderSize = 6;
constexpr size_t kEntrySize = 85;

// Three elements selected out of five: a line in group 4, a circle on layer 9, a text.
Drawing FiveWithThreeSelected()
{
    Drawing drawing;
    TCadData grouped = Line(0, 0, 10, 0, 2);
    grouped.Group = 4;
    grouped.Color = 0x0000FF;
    grouped.LineStyle = kStyleDashDotDot;
    PutElement(drawing, grouped);
    PutElement(drawing, Line(5, 5, 6, 6));
    PutElement(drawing, Circle(3, 4, 5, 9));
    // A height below the smallest a drawing file reads.
    PutElement(drawing, TextElement(1, 2, 0.2, "AB"));
    PutElement(drawing, Line(7, 7, 8, 8));
    for (int index : {1, 3, 4}) drawing[index].Selected = 1;
    return drawing;
}

Drawing OnActiveLayer(uint8_t layer)
{
    Drawing drawing;
    SelectActiveLayer(drawing.Layers, layer, false);
    return drawing;
}

TEST(PartFile, ThreeSelectedElementsAreWrittenAsTheHeaderAndTheirEntries)
{
    Drawing drawing = FiveWithThreeSelected();
    drawing[4].Selected = 0;  // the text carries a string; the others are 85 bytes each
    drawing[5].Selected = 1;
    int cut = -1;
    const std::string bytes = EncodePartFile(drawing, cut);
    EXPECT_EQ(bytes.size(), kHeaderSize + 3 * kEntrySize);
    EXPECT_EQ(cut, 0);
    ByteReader in(bytes);
    uint16_t version = 0;
    int32_t count = 0;
    ASSERT_TRUE(in.ReadU16(version) && in.ReadI32(count));
    EXPECT_EQ(version, 200);
    EXPECT_EQ(count, 3);
}

TEST(PartFile, SavedElementsLoadOntoTheActiveLayerWithTheirOtherFieldsAndNewIds)
{
    ScratchFolder folder;
    const Drawing source = FiveWithThreeSelected();
    ASSERT_TRUE(WritePartFile(folder / "three.dpa", source).Ok);

    Drawing target = OnActiveLayer(7);
    const MergeResult result = MergeElementFile(folder / "three.dpa", target);
    ASSERT_TRUE(result.Ok);
    EXPECT_EQ(result.Added, 3);
    ASSERT_EQ(target.Count, 3);
    const int picked[] = {1, 3, 4};
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        const TCadData& merged = target[k];
        const TCadData& original = source[picked[k - 1]];
        EXPECT_EQ(merged.Layer, 7);
        EXPECT_EQ(merged.Id, k);
        EXPECT_EQ(merged.Kind, original.Kind);
        EXPECT_EQ(merged.Color, original.Color);
        EXPECT_EQ(merged.LineStyle, original.LineStyle);
        EXPECT_EQ(merged.X2, original.X2);
        EXPECT_EQ(merged.R, original.R) << "the text height is taken as stored";
        EXPECT_EQ(merged.Text, original.Text);
        EXPECT_EQ(merged.Selected, 0);
    }
    EXPECT_EQ(target.LastId, 3u);
    EXPECT_FALSE(target.Saved);
    EXPECT_TRUE(target.History.UndoRecords.empty()) << "a merge writes no undo records";
}

TEST(PartFile, LoadingTwiceAddsTheElementsTwiceWithNewIds)
{
    ScratchFolder folder;
    ASSERT_TRUE(WritePartFile(folder / "three.dpa", FiveWithThreeSelected()).Ok);
    Drawing target = OnActiveLayer(1);
    PutElement(target, Line(0, 0, 1, 1));
    ASSERT_TRUE(MergeElementFile(folder / "three.dpa", target).Ok);
    ASSERT_TRUE(MergeElementFile(folder / "three.dpa", target).Ok);
    ASSERT_EQ(target.Count, 7);
    for (int i = 1; i <= 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(target[i].Id, i);
        EXPECT_EQ(FindIndexOfId(target, i), i);
    }
    EXPECT_EQ(target[2].Kind, target[5].Kind);
    EXPECT_EQ(target[4].Text, target[7].Text);
}

// Merged groups once kept their numbers without raising the drawing's highest group, so a group
// formed later took a merged number and silently joined unrelated elements.
TEST(PartFile, MergedGroupsNeverJoinTheDrawingsGroups)
{
    Drawing source;
    for (int32_t group : {4, 4, 1, 0}) {
        TCadData line = Line(group, 0, group, 5);
        line.Group = group;
        PutElement(source, line);
        source[source.Count].Selected = 1;
    }
    int cut = 0;
    const std::string part = EncodePartFile(source, cut);

    Drawing target;
    for (int32_t group : {1, 4}) {
        TCadData line = Line(0, group, 5, group);
        line.Group = group;
        PutElement(target, line);
    }
    UpdateMaxGroup(target);
    ASSERT_TRUE(MergeElementBytes(part, target).Ok);
    ASSERT_EQ(target.Count, 6);
    EXPECT_EQ(target[3].Group, target[4].Group) << "one group in the file stays one group";
    EXPECT_GT(target[3].Group, 4);
    EXPECT_GT(target[5].Group, 4);
    EXPECT_NE(target[5].Group, target[3].Group);
    EXPECT_EQ(target[6].Group, 0) << "no group stays no group";
    EXPECT_EQ(target.MaxGroup, std::max(target[3].Group, target[5].Group));
    const int32_t next = NewGroupNumber(target);
    for (int i = 1; i <= target.Count; ++i) EXPECT_NE(target[i].Group, next) << i;
}

TEST(PartFile, ADrawingFileMergesOnlyItsElements)
{
    ScratchFolder folder;
    Drawing source;
    PutElement(source, Line(0, 0, 10, 0, 3));
    PutElement(source, TextElement(5, 5, 0.2, "X"));
    source.Layers.Name[0] = "other";
    source.MemoBrush = {"1,255"};
    DrawingFileSettings style;
    style.ArrowLength = 9;
    ASSERT_TRUE(WriteDrawingFile(folder / "whole.dca", source, style).Ok);

    Drawing target = OnActiveLayer(2);
    target.Layers.Name[0] = "mine";
    const MergeResult result = MergeElementFile(folder / "whole.dca", target);
    ASSERT_TRUE(result.Ok);
    ASSERT_EQ(target.Count, 2);
    EXPECT_EQ(target[1].Layer, 2);
    EXPECT_EQ(target[2].Text, "X");
    EXPECT_EQ(target[2].R, 0.2) << "a merge keeps the text height as stored";
    EXPECT_EQ(target.Layers.Name[0], "mine");
    EXPECT_TRUE(target.MemoBrush.empty());
}

TEST(PartFile, AShortFileEndsWithAReadErrorAndKeepsTheEntriesRead)
{
    Drawing source = FiveWithThreeSelected();
    int cut = 0;
    std::string bytes = EncodePartFile(source, cut);
    const struct {
        const char* Name;
        std::string Bytes;
        int Kept;
    } cases[] = {
        {"count above the entries", bytes.substr(0, kHeaderSize + 2 * kEntrySize), 2},
        {"cut inside the text", bytes.substr(0, bytes.size() - 1), 2},
        {"no count", bytes.substr(0, 4), 0},
        {"negative count", std::string("\xc8\x00\xff\xff\xff\xff", 6), 0},
        {"empty", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Drawing target = OnActiveLayer(5);
        PutElement(target, Line(0, 0, 1, 0));
        const MergeResult result = MergeElementBytes(c.Bytes, target);
        EXPECT_FALSE(result.Ok);
        EXPECT_EQ(result.Message, "読み込みエラー");
        EXPECT_EQ(result.Added, c.Kept);
        EXPECT_EQ(target.Count, 1 + c.Kept);
    }
}

TEST(PartFile, AHugeCountIsNeverTrustedBeyondTheBytes)
{
    ByteWriter out;
    out.PutU16(200);
    out.PutI32(std::numeric_limits<int32_t>::max());
    Drawing target;
    const MergeResult result = MergeElementBytes(out.Take(), target);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(target.Count, 0);
    EXPECT_LT(target.Elements.size(), 1000u);
}

TEST(PartFile, EntriesWithNumbersThatAreNotFiniteAreLeftOutAndCounted)
{
    Drawing source;
    PutElement(source, Line(0, 0, 1, 1));
    PutElement(source, Line(0, 0, 2, 2));
    source[2].X2 = std::numeric_limits<double>::infinity();
    PutElement(source, Line(0, 0, 3, 3));
    for (int i = 1; i <= 3; ++i) source[i].Selected = 1;
    int cut = 0;
    Drawing target;
    const MergeResult result = MergeElementBytes(EncodePartFile(source, cut), target);
    EXPECT_TRUE(result.Ok);
    EXPECT_EQ(result.Skipped, 1);
    ASSERT_EQ(target.Count, 2);
    EXPECT_EQ(target[2].X2, 3);
}

TEST(PartFile, AFullStoreStopsTheMergeWithItsOwnMessage)
{
    testing::ScriptedDialogs dialogs;
    Drawing target;
    target.Dialogs = &dialogs;
    target.Capacity = kMinCapacity;
    for (int i = 0; i < kMinCapacity - 1; ++i) PutElement(target, Line(i, 0, i, 1));
    Drawing source = FiveWithThreeSelected();
    int cut = 0;
    const MergeResult result = MergeElementBytes(EncodePartFile(source, cut), target);
    EXPECT_TRUE(result.Refused);
    EXPECT_TRUE(result.Message.empty());
    EXPECT_EQ(target.Count, kMinCapacity + 1);
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}

TEST(PartFile, ADrawingFileFromVersion300OnIsMergedWithBareStrings)
{
    ByteWriter out;
    out.PutU16(300);
    out.PutI32(1);
    TCadData text = TextElement(1, 1, 3, "");
    out.PutI8(text.Kind);
    for (int k = 0; k < 2; ++k) out.PutU8(1);
    out.PutU32(0);
    out.PutU8(1);
    out.PutU8(1);
    for (int k = 0; k < 9; ++k) out.PutF64(k == 2 ? 3.0 : 0.0);
    out.PutI32(0);
    out.PutI32(5);  // four bytes, no terminator
    out.PutBytes("abcd");
    Drawing target;
    ASSERT_TRUE(MergeElementBytes(out.Take(), target).Ok);
    ASSERT_EQ(target.Count, 1);
    EXPECT_EQ(target[1].Text, "abcd");
}

TEST(PartFile, AReadOnlyTargetIsNotWrittenAndKeepsItsBytes)
{
    ScratchFolder folder;
    const auto path = folder / "locked.dpa";
    WriteBytes(path, "old");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    const WriteResult result = WritePartFile(path, FiveWithThreeSelected());
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Message, "ファイルは保存できませんでした。");
    EXPECT_EQ(ReadBytes(path), "old");
}

}  // namespace
}  // namespace vantro
