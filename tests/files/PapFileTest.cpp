#include "files/PapFile.h"

#include "files/ScratchFolder.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <vector>

namespace vantro {
namespace {

using testing::ArcBetween;
using testing::Circle;
using testing::Line;
using testing::PutElement;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::TextElement;
using testing::WriteBytes;

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A pap file of the given records, nine values each.
std::string PapOf(const std::string& count, const std::vector<std::vector<std::string>>& records)
{
    std::string text = "100\r\n" + count + "\r\n";
    for (const auto& record : records)
        for (const std::string& value : record) text += value + "\r\n";
    return text;
}

Drawing ReadBack(const Drawing& written)
{
    Drawing read;
    EXPECT_TRUE(ReadPapText(EncodePapFile(written), read, nullptr).Ok);
    return read;
}

TEST(PapFile, ALineATextAndAnArcWriteTwoRecordsAndNoText)
{
    Drawing drawing;
    PutElement(drawing, Line(1, 2, 3.5, -4));
    PutElement(drawing, TextElement(4, 0, 5, "AB"));
    PutElement(drawing, ArcBetween(0, 0, 12.5, 12.5, 0, 0, 12.5));
    const std::vector<std::string> lines = LinesOf(EncodePapFile(drawing));
    // Y negated, the second point first; a negated 0 is written as 0, not -0.
    const std::vector<std::string> expected = {
        "100", "2",
        "1", "0", "0", "0", "3.5", "4", "1", "-2", "0",
        "3", "0", "0", "0", "0", "-12.5", "12.5", "0", "12.5",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(EncodePapFile(drawing).ends_with("\r\n"));
}

TEST(PapFile, NumbersUseTheShortestFormWithFifteenDigits)
{
    Drawing drawing;
    PutElement(drawing, Circle(1.0 / 3.0, -1e20, 0.1));
    const std::vector<std::string> lines = LinesOf(EncodePapFile(drawing));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[4], "0.333333333333333");
    EXPECT_EQ(lines[5], "1e+20");
    EXPECT_EQ(lines[10], "0.1");
}

// Fifteen digits once rounded the largest values beyond the double range, so a file the program
// wrote could not be read again.
TEST(PapFile, ValuesAtTheEndsOfTheRangeAreWrittenReadably)
{
    const struct {
        const char* Name;
        double Radius;
    } cases[] = {
        {"the largest", std::numeric_limits<double>::max()},
        {"the smallest normal", std::numeric_limits<double>::min()},
        {"the smallest of all", std::numeric_limits<double>::denorm_min()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Drawing drawing;
        PutElement(drawing, Circle(0, 0, c.Radius));
        const Drawing read = ReadBack(drawing);
        ASSERT_EQ(read.Count, 1);
        EXPECT_NEAR(read[1].R / c.Radius, 1, 1e-14);
    }
}

TEST(PapFile, ADottedLineComesBackDashedAndEveryNonSolidStyleIsFlagged)
{
    const struct {
        uint8_t Style;
        const char* Flag;
        uint8_t ReadBack;
    } cases[] = {
        {kStyleSolid, "0", kStyleSolid},
        {kStyleDash, "1", kStyleDash},
        {kStyleDot, "1", kStyleDash},
        {kStyleDashDot, "1", kStyleDash},
        {kStyleDashDotDot, "1", kStyleDash},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Style));
        Drawing drawing;
        TCadData line = Line(0, 0, 5, 5);
        line.LineStyle = c.Style;
        PutElement(drawing, line);
        EXPECT_EQ(LinesOf(EncodePapFile(drawing))[3], c.Flag);
        const Drawing read = ReadBack(drawing);
        ASSERT_EQ(read.Count, 1);
        EXPECT_EQ(read[1].LineStyle, c.ReadBack);
    }
}

TEST(PapFile, ACircleAndAnArcComeBackUnchangedAndALineReversed)
{
    Drawing drawing;
    PutElement(drawing, Circle(3, -4, 2.5));
    PutElement(drawing, ArcBetween(1, 1, 2, 3, 1, 1, 3));
    TCadData line = Line(1, 2, 4, 6);
    line.Color = 0xFF;
    line.Group = 3;
    line.Layer = 8;
    PutElement(drawing, line);
    const Drawing read = ReadBack(drawing);
    ASSERT_EQ(read.Count, 3);
    EXPECT_EQ(read[1].Kind, kKindCircle);
    EXPECT_EQ(read[1].Cx, 3);
    EXPECT_EQ(read[1].Cy, -4);
    EXPECT_EQ(read[1].R, 2.5);
    EXPECT_EQ(read[1].Angle, 360);

    EXPECT_EQ(read[2].Kind, kKindArc);
    EXPECT_EQ(read[2].X1, 3);
    EXPECT_EQ(read[2].Y1, 1);
    EXPECT_EQ(read[2].X2, 1);
    EXPECT_EQ(read[2].Y2, 3);
    EXPECT_NEAR(read[2].Angle, 90, 1e-9);

    const TCadData& back = read[3];
    EXPECT_EQ(back.X1, 4);
    EXPECT_EQ(back.Y1, 6);
    EXPECT_EQ(back.X2, 1);
    EXPECT_EQ(back.Y2, 2);
    EXPECT_NEAR(back.Angle, 180 + 53.13010235415598, 1e-9) << "the inclination of the reversed line";
    EXPECT_EQ(back.Layer, 1);
    EXPECT_EQ(back.Color, 0u);
    EXPECT_EQ(back.Group, 0);
    EXPECT_EQ(back.Width, 0);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(read[i].Id, i);
    EXPECT_EQ(read.LastId, 3u);
}

TEST(PapFile, AnArcWhoseEndsPointTheSameWayGetsAFullSweep)
{
    // Start and end both straight right of the centre.
    const std::string text = PapOf("1", {{"3", "0", "0", "0", "5", "0", "10", "0", "5"}});
    Drawing read;
    ASSERT_TRUE(ReadPapText(text, read, nullptr).Ok);
    ASSERT_EQ(read.Count, 1);
    EXPECT_EQ(read[1].Angle, 360);
}

TEST(PapFile, ReadingReplacesTheDrawingAndMarksItSaved)
{
    Drawing drawing;
    PutElement(drawing, Line(0, 0, 1, 1));
    PutElement(drawing, Line(0, 0, 2, 2));
    drawing.Saved = false;
    drawing.MaxGroup = 9;
    LayerNames names{};
    names[0] = "base";
    ASSERT_TRUE(ReadPapText(PapOf("1", {{"4", "0", "1", "1", "0", "0", "0", "0", "2"}}), drawing, &names).Ok);
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_TRUE(drawing.Saved);
    EXPECT_EQ(drawing.MaxGroup, 0);
    EXPECT_EQ(drawing.Layers.Name[0], "base");
}

TEST(PapFile, AFileEndingEarlyKeepsTheRecordsReadAndCountsOnlyThem)
{
    const std::vector<std::string> circle = {"4", "0", "1", "-1", "0", "0", "0", "0", "2"};
    const struct {
        const char* Name;
        std::string Text;
        int Kept;
    } cases[] = {
        {"fewer records than announced", PapOf("3", {circle, circle}), 2},
        {"a huge count", PapOf("2147483647000", {circle}), 1},
        {"a value that is no number", PapOf("2", {circle, {"4", "0", "x", "0", "0", "0", "0", "0", "1"}}), 1},
        {"a value that is not finite", PapOf("1", {{"4", "0", "inf", "0", "0", "0", "0", "0", "1"}}), 0},
        {"a negative count", PapOf("-1", {}), 0},
        {"a count that is no number", PapOf("zwei", {}), 0},
        {"nothing at all", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Drawing read;
        const PapReadResult result = ReadPapText(c.Text, read, nullptr);
        EXPECT_FALSE(result.Ok);
        EXPECT_EQ(result.Message, kPapReadErrorMessage);
        EXPECT_EQ(read.Count, c.Kept);
        EXPECT_EQ(read.LastId, static_cast<uint32_t>(c.Kept));
        EXPECT_LT(read.Elements.size(), 1000u) << "the store is never sized by the count alone";
    }
}

TEST(PapFile, LineEndsOfEveryKindAndBlanksAroundValuesAreRead)
{
    for (const char* end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(end)));
        std::ostringstream text;
        for (const char* value : {"100", " 1", "4 ", "0", "1.5", "-2", "0", "0", "0", "0", "3"}) text << value << end;
        Drawing read;
        ASSERT_TRUE(ReadPapText(text.str(), read, nullptr).Ok);
        ASSERT_EQ(read.Count, 1);
        EXPECT_EQ(read[1].Cx, 1.5);
        EXPECT_EQ(read[1].Cy, 2);
        EXPECT_EQ(read[1].R, 3);
    }
}

TEST(PapFile, RecordsOfOtherKindsAreLeftOutAndCounted)
{
    const std::string text =
        PapOf("3", {{"2", "0", "0", "0", "0", "0", "0", "0", "1"}, {"4", "0", "0", "0", "0", "0", "0", "0", "1"},
                    {"300", "0", "0", "0", "0", "0", "0", "0", "1"}});
    Drawing read;
    const PapReadResult result = ReadPapText(text, read, nullptr);
    EXPECT_TRUE(result.Ok);
    EXPECT_EQ(result.Skipped, 2);
    ASSERT_EQ(read.Count, 1);
    EXPECT_EQ(read[1].Kind, kKindCircle);
    EXPECT_EQ(read[1].Id, 1);
}

TEST(PapFile, AFullStoreStopsReadingWithItsOwnMessage)
{
    testing::ScriptedDialogs dialogs;
    Drawing read;
    read.Dialogs = &dialogs;
    read.Capacity = kMinCapacity;
    const std::vector<std::string> circle = {"4", "0", "0", "0", "0", "0", "0", "0", "1"};
    const std::vector<std::vector<std::string>> records(kMinCapacity + 5, circle);
    const PapReadResult result = ReadPapText(PapOf(std::to_string(records.size()), records), read, nullptr);
    EXPECT_TRUE(result.Ok);
    EXPECT_TRUE(result.Refused);
    EXPECT_EQ(read.Count, kMinCapacity + 1);
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}

TEST(PapFile, TheExtensionIsAddedUnlessItIsPapInEitherCase)
{
    const struct {
        const char* Chosen;
        const char* Written;
    } cases[] = {
        {"/d/a.pap", "/d/a.pap"}, {"/d/a.PAP", "/d/a.PAP"}, {"/d/a", "/d/a.pap"},
        {"/d/a.txt", "/d/a.txt.pap"}, {"/d/a.Pap", "/d/a.Pap.pap"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Chosen);
        EXPECT_EQ(WithPapExtension(c.Chosen), std::filesystem::path(c.Written));
    }
}

TEST(PapFile, FilesAreWrittenWholeAndReadBack)
{
    ScratchFolder folder;
    Drawing drawing;
    PutElement(drawing, Circle(1, 2, 3));
    ASSERT_TRUE(WritePapFile(folder / "c.pap", drawing).Ok);
    EXPECT_EQ(ReadBytes(folder / "c.pap"), EncodePapFile(drawing));
    Drawing read;
    ASSERT_TRUE(ReadPapFile(folder / "c.pap", read, nullptr).Ok);
    EXPECT_EQ(read.Count, 1);

    Drawing kept;
    PutElement(kept, Line(0, 0, 1, 1));
    const PapReadResult missing = ReadPapFile(folder / "none.pap", kept, nullptr);
    EXPECT_FALSE(missing.Ok);
    EXPECT_EQ(kept.Count, 1) << "a file that cannot be read leaves the drawing alone";
    EXPECT_FALSE(WritePapFile(folder / "no-folder" / "c.pap", drawing).Ok);
}

}  // namespace
}  // namespace vantro
