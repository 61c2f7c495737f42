// The clipboard and the element information dialog's logic, without a window.
#include "commands/Clipboard.h"
#include "commands/ElementProperties.h"
#include "document/UndoHistory.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <set>

namespace vantro::testing {
namespace {

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drawing.Dialogs = &dialogs;
        a = AddLine(drawing, 0, 0, 10, 0, 2);
        b = AddLine(drawing, 0, 10, 10, 10, 3);
        drawing[a].Group = drawing[b].Group = 4;
        drawing.MaxGroup = 4;
        drawing[a].Selected = drawing[b].Selected = 1;
    }

    Drawing drawing;
    ScriptedDialogs dialogs;
    ClipboardBuffer buffer;
    int a = 0;
    int b = 0;
};

TEST_F(ClipboardTest, CopyTakesTheSelectionAndPastingTwiceGivesNewElementsEachTime)
{
    ASSERT_EQ(CopySelection(drawing, buffer, true), 2);
    EXPECT_EQ(drawing[a].Selected, 0);
    EXPECT_EQ(buffer.Records[0].Selected, 0);
    drawing.Layers.ActiveLayer = 5;
    const PasteResult first = PasteClipboard(drawing, buffer, drawing.Layers.ActiveLayer);
    const PasteResult second = PasteClipboard(drawing, buffer, std::nullopt);
    ASSERT_EQ(first.Indices, (std::vector<int>{3, 4}));
    ASSERT_EQ(second.Indices, (std::vector<int>{5, 6}));
    std::set<int32_t> ids;
    for (int i = 1; i <= drawing.Count; ++i) ids.insert(drawing[i].Id);
    EXPECT_EQ(ids.size(), 6u) << "every pasted element has an id of its own";
    EXPECT_EQ(drawing[3].Layer, 5);
    EXPECT_EQ(drawing[4].Layer, 5);
    EXPECT_EQ(drawing[5].Layer, 2);
    EXPECT_EQ(drawing[6].Layer, 3);
    EXPECT_EQ(drawing[3].Group, drawing[4].Group);
    EXPECT_NE(drawing[3].Group, 4) << "a pasted group never joins the original";
    EXPECT_NE(drawing[5].Group, drawing[3].Group) << "nor the first paste";
    EXPECT_GE(drawing.MaxGroup, drawing[5].Group);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 4) << "one paste is one undo step";
}

TEST_F(ClipboardTest, CutKeepsTheFlagsForTheDeletionThatFollows)
{
    EXPECT_EQ(CopySelection(drawing, buffer, false), 2);
    EXPECT_EQ(drawing[a].Selected, 1);
    EXPECT_EQ(buffer.Records.size(), 2u);
}

TEST_F(ClipboardTest, TheSummaryOfSeveralElements)
{
    AddCircle(drawing, 0, 0, 5);
    drawing[3].Selected = 1;
    const PropertySummary s = SummariseSelection(drawing);
    EXPECT_EQ(s.Seen, 2);
    EXPECT_EQ(s.Group, "複数グループ");
    EXPECT_EQ(s.Caption, "要素情報 直線=2 円弧=0 円=1 点=0 楕円=0 その他=0");
    EXPECT_EQ(s.Kind, "-");
    EXPECT_FALSE(s.ShowsString);
    drawing[3].Selected = 0;
    const PropertySummary two = SummariseSelection(drawing);
    EXPECT_EQ(two.Group, "グループNo.4") << "one group, though two elements";
}

TEST_F(ClipboardTest, TheSummaryOfOneElement)
{
    drawing[b].Selected = 0;
    drawing[a].LineStyle = kStyleDot;
    const PropertySummary s = SummariseSelection(drawing);
    EXPECT_EQ(s.Seen, 1);
    EXPECT_EQ(s.Number, "No.1");
    EXPECT_EQ(s.Kind, "直線");
    EXPECT_EQ(s.AngleCaption, "傾斜角");
    EXPECT_EQ(s.Start, "X0.00000 Y0.00000");
    EXPECT_EQ(s.End, "X10.00000 Y0.00000");
    EXPECT_EQ(s.LineType, 3) << "点線（細）";
    EXPECT_EQ(s.Layer, 2);
    EXPECT_EQ(s.CadMax, "要素最大数　2");

    // "更新" with nothing touched keeps the dotted line.
    PropertyChanges untouched;
    untouched.Colour = untouched.LineType = untouched.Layer = true;
    untouched.ColourValue = drawing[a].Color;
    untouched.LineTypeIndex = s.LineType;
    untouched.LayerValue = s.Layer;
    ApplyProperties(drawing, dialogs, s, untouched);
    EXPECT_EQ(drawing[a].LineStyle, kStyleDot);
    EXPECT_EQ(drawing[a].Width, 1);
    EXPECT_EQ(drawing[a].Selected, 0);
}

TEST_F(ClipboardTest, LayerCopyAddsChangedCopiesAndLeavesTheElements)
{
    PropertyChanges changes;
    changes.Layer = true;
    changes.LayerValue = 3;
    changes.Copies = true;
    ApplyProperties(drawing, dialogs, SummariseSelection(drawing), changes);
    ASSERT_EQ(drawing.Count, 4);
    EXPECT_EQ(drawing[a].Layer, 2);
    EXPECT_EQ(drawing[3].Layer, 3);
    EXPECT_EQ(drawing[4].Layer, 3);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 2) << "one undo step";
}

TEST_F(ClipboardTest, ElementsOnLockedLayersAreNeverChanged)
{
    drawing.Layers.Locked[2] = 1;  // layer 3: element b
    PropertyChanges changes;
    changes.Colour = true;
    changes.ColourValue = 0x00FF00;
    ApplyProperties(drawing, dialogs, SummariseSelection(drawing), changes);
    EXPECT_EQ(drawing[a].Color, 0x00FF00u);
    EXPECT_NE(drawing[b].Color, 0x00FF00u);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kLockedLayerChangeMessage});

    dialogs.Messages.clear();
    drawing[a].Selected = 0;
    drawing[b].Selected = 1;
    const PropertySummary single = SummariseSelection(drawing);
    ApplyProperties(drawing, dialogs, single, changes);
    EXPECT_NE(drawing[b].Color, 0x00FF00u);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kLockedLayerChangeMessage});
}

TEST_F(ClipboardTest, ATextTakesItsNewStringAndHeight)
{
    TCadData text{};
    text.Kind = kKindText;
    text.Layer = 1;
    text.R = 5;
    text.X1 = text.Cx = 1;
    text.Y1 = text.Cy = 2;
    text.Text = "AB";
    const int t = AddElement(drawing, text);
    drawing[a].Selected = drawing[b].Selected = 0;
    drawing[t].Selected = 1;
    const PropertySummary s = SummariseSelection(drawing);
    ASSERT_TRUE(s.ShowsString);
    ASSERT_TRUE(s.ShowsHeight);
    EXPECT_EQ(s.Height, 5);
    PropertyChanges changes;
    changes.String = true;
    changes.StringValue = "ABCD";
    changes.HeightValue = 25;
    ApplyProperties(drawing, dialogs, s, changes);
    EXPECT_EQ(drawing[t].R, 25.0);
    EXPECT_EQ(drawing[t].Text, "ABCD");
    EXPECT_EQ(drawing[t].X2, 1 + 25 * 4 * 0.5) << "the pick box follows";
    EXPECT_EQ(drawing[t].Y2, 2 + 25);
}

TEST(RealTimeDisplay, KindByKind)
{
    EXPECT_EQ(RealTimeProperties(nullptr).Kind, "-");
    const TCadData line = Line(0, 0, 3, 4);
    const RealTimeText l = RealTimeProperties(&line);
    EXPECT_EQ(l.Kind, "直線");
    EXPECT_EQ(l.Captions, "端点1X\r\nX\r\n端点2X\r\nY\r\n長さ");
    EXPECT_EQ(l.Values, "0.0000\r\n0.0000\r\n3.0000\r\n4.0000\r\n5.0000");
    TCadData point{};
    point.Kind = kKindPoint;
    point.Cx = 1.5;
    point.Cy = -2;
    EXPECT_EQ(RealTimeProperties(&point).Values, "1.50000\r\n-2.00000");
    const TCadData circle = Circle(1, 2, 3);
    EXPECT_EQ(RealTimeProperties(&circle).Captions, "中心X\r\nY\r\n半径");
    TCadData text{};
    text.Kind = kKindText;
    EXPECT_EQ(RealTimeProperties(&text).Kind, "-");
    EXPECT_TRUE(RealTimeProperties(&text).Captions.empty());
}

// The secondary window's read-out of the element under the cursor, one kind at a time.
TEST(ElementInformation, KindByKind)
{
    const auto make = [](int8_t kind, std::initializer_list<double> values) {
        TCadData e{};
        e.Kind = kind;
        double* const fields[] = {&e.Cx, &e.Cy, &e.R, &e.X1, &e.Y1, &e.X2, &e.Y2, &e.Angle};
        size_t i = 0;
        for (const double value : values) *fields[i++] = value;
        return e;
    };
    TCadData line = Line(0, 0, 3, 4);
    line.Angle = 53.13010235;
    const struct {
        const char* name;
        TCadData element;
        const char* text;
    } cases[] = {
        {"line", line,
         "<直線> 端点1(X0.0000 , Y0.0000) 端点2(X3.0000 , Y4.0000) 長さ5.0000 傾斜角53.1301"},
        {"ellipse", make(kKindEllipse, {1, 2, 10, 30, 0.5, 120}),
         "<楕円> 中心点(X1.0000 , Y2.0000) +長さ30.0000 -長さ120.0000 扁平率0.5000"},
        {"arc", make(kKindArc, {0, 0, 5, 5, 0, 0, 5, 90}),
         "<円弧> 中心点(X0.0000 , Y0.0000) 半径5.0000 端点1(X5.0000 , Y0.0000) 端点2(X0.0000 , Y5.0000) 円弧角90.0000"},
        {"circle", make(kKindCircle, {-1.25, 0, 2}), "<円> 中心点(X-1.2500 , Y0.0000) 半径2.0000"},
        {"point", make(kKindPoint, {1.5, -2}), "<点> 中心点(X1.50000 , Y-2.00000)"},
        {"curve through points", make(kKindCurveThroughPoints, {0, 0, 0, 1, 2, 3, 4}),
         "<曲線> 端点1(X1.0000 , Y2.0000) 端点2(X3.0000 , Y4.0000)"},
        {"curve by control points", make(kKindCurveByControlPoints, {0, 0, 0, 1, 2, 3, 4}),
         "<曲線> 端点1(X1.0000 , Y2.0000) 端点2(X3.0000 , Y4.0000)"},
        {"a negative zero shows no sign", make(kKindCircle, {-0.00001, 0, 1}),
         "<円> 中心点(X0.0000 , Y0.0000) 半径1.0000"},
        {"numbers cut to 15 characters", make(kKindCircle, {123456789012.5, 0, 1}),
         "<円> 中心点(X123456789012.50 , Y0.0000) 半径1.0000"},
        {"a text", make(kKindText, {0, 0, 5}), ""},
        {"a dimension", make(6, {0, 0, 5}), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ElementInfoText(c.element), c.text);
    }
}

}  // namespace
}  // namespace vantro::testing
