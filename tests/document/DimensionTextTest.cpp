#include "document/Cp932.h"
#include "document/DimensionText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vantro {
namespace {

std::string Sjis(const char* utf8) { return Utf8ToCp932(utf8); }

TCadData DimensionWith(int8_t kind, double value, std::string field)
{
    TCadData e{};
    e.Kind = kind;
    e.Value = value;
    e.Text = std::move(field);
    return e;
}

TEST(DimensionNumber, PrecisionAndTrailingZeros)
{
    struct Case {
        double Value;
        int Precision;
        bool DropZeros;
        const char* Shown;
    };
    const Case cases[] = {
        {30, 3, true, "30"},        {30, 3, false, "30.000"},   {20, 3, true, "20"},
        {20, 0, false, "20"},       {12.5, 0, true, "13"},      {13.5, 0, true, "14"},
        {1.23456789, 6, false, "1.234568"}, {1.5, 6, true, "1.5"}, {1.25, 1, false, "1.3"}, {0.15, 1, false, "0.2"}, {0.004, 2, false, "0.00"},
        {0.1, 2, false, "0.10"},    {-0.0001, 3, true, "0"},    {-0.0001, 3, false, "0.000"},
        {-2.5, 2, true, "-2.5"},    {15, 3, true, "15"},        {99.9996, 3, true, "100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        SCOPED_TRACE(c.Precision);
        EXPECT_EQ(FormatDimensionNumber(c.Value, {c.Precision, c.DropZeros}).value_or("?"), c.Shown);
    }
}

TEST(DimensionNumber, ValuesThatCannotBeShownAreRefused)
{
    EXPECT_FALSE(FormatDimensionNumber(std::numeric_limits<double>::infinity(), {}).has_value());
    EXPECT_FALSE(FormatDimensionNumber(std::nan(""), {}).has_value());
    EXPECT_FALSE(FormatDimensionNumber(1e16, {}).has_value());
}

TEST(DimensionField, EncodesMarkToleranceAndMemoInTheirOrder)
{
    struct Case {
        int Kind;
        bool Diameter;
        bool Radius;
        const char* Tolerance;
        const char* Memo;
        const char* Field;
    };
    const Case cases[] = {
        {kKindDimX, false, false, "", "", ""},
        {kKindDimX, true, true, "+0.1", "", "D+0.1"},
        {kKindDimY, false, true, "", "", "R"},
        {kKindDimAligned, false, false, "", "+note", "& note)"},
        {kKindDimX, true, false, "+0.1-0.05", "=ref", "=ref)D+0.1-0.05"},
        {kKindDimX, false, false, "", "4x", "(4x )"},
        {kKindDimRadius, true, false, "", "", "R"},
        {kKindDimJoggedRadius, false, false, "", "", "R"},
        {kKindDimDiameter, false, true, "", "", "D"},
        {kKindDimJoggedDiameter, false, false, "/0.1", "", "D/0.1"},
        {kKindDimAngle, true, false, "", "", ""},
        {kKindDimRunning, false, false, "+0.2", "", "+0.2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Field);
        DimensionOptions options;
        options.Diameter = c.Diameter;
        options.Radius = c.Radius;
        options.Tolerance = c.Tolerance;
        options.Memo = c.Memo;
        EXPECT_EQ(BuildDimensionField(c.Kind, options), c.Field);
    }
}

TEST(DimensionLabel, ShowsMarksMemosAndToleranceParts)
{
    struct Case {
        int8_t Kind;
        double Value;
        std::string Field;
        std::string Main;
        ToleranceForm Form;
        std::string Upper;
        std::string Lower;
        std::string Suffix;
    };
    const std::string phi = Sjis("φ");
    const Case cases[] = {
        {kKindDimX, 30, "", "30", ToleranceForm::None, "", "", ""},
        {kKindDimX, 30, "D", phi + "30", ToleranceForm::None, "", "", ""},
        {kKindDimRadius, 5, "R", "R5", ToleranceForm::None, "", "", ""},
        {kKindDimX, 30, "+0.1-0.05", "30", ToleranceForm::Stacked, "+0.1", "-0.05", ""},
        {kKindDimX, 30, "-0.05+0.1", "30", ToleranceForm::Stacked, "-0.05", "+0.1", ""},
        {kKindDimX, 30, "+0.2", "30", ToleranceForm::Stacked, "+0.2", "-0", ""},
        {kKindDimX, 30, "-0.2", "30", ToleranceForm::Stacked, "+0", "-0.2", ""},
        {kKindDimX, 30, "/0.1", "30", ToleranceForm::PlusMinus, "0.1", "", ""},
        {kKindDimX, 30, "H7", "30", ToleranceForm::None, "", "", ""},
        {kKindDimX, 30, "(4x )D", "4x " + phi + "30", ToleranceForm::None, "", "", ""},
        {kKindDimX, 30, "D+0.1& deep)", phi + "30", ToleranceForm::Stacked, "+0.1", "-0", "deep"},
        {kKindDimX, 30, "=ref)", "ref", ToleranceForm::None, "", "", ""},
        {kKindDimAngle, 45, "", "45" + Sjis("°"), ToleranceForm::None, "", "", ""},
        {kKindDimAngle, 45, "=A)", "A", ToleranceForm::None, "", "", ""},
        {kKindLeader, 0, "=" + Sjis("面取り"), Sjis("面取り"), ToleranceForm::None, "", "", ""},
        // Hostile fields read from files: an unclosed memo, a lone ampersand.
        {kKindDimX, 30, "(open", "open30", ToleranceForm::None, "", "", ""},
        {kKindDimX, 30, "&", "30", ToleranceForm::None, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Cp932ToUtf8(c.Field));
        const auto label = MakeDimensionLabel(DimensionWith(c.Kind, c.Value, c.Field), {}, ScreenSigns());
        ASSERT_TRUE(label.has_value());
        EXPECT_EQ(label->Main, c.Main);
        EXPECT_EQ(label->Form, c.Form);
        EXPECT_EQ(label->Upper, c.Upper);
        EXPECT_EQ(label->Lower, c.Lower);
        EXPECT_EQ(label->Suffix, c.Suffix);
    }
}

TEST(DimensionLabel, CoordinateKindsShowTheirPointAbsoluteOrAgainstTheBase)
{
    TCadData coordinate = DimensionWith(kKindDimCoordinate, 0, "");
    coordinate.X1 = 12.5;
    coordinate.Y1 = -3;
    EXPECT_EQ(MakeDimensionLabel(coordinate, {}, ScreenSigns())->Main, "X12.5Y-3");
    TCadData relative = coordinate;
    relative.Kind = kKindDimRelativeCoordinate;
    relative.R = 10;
    relative.Angle = 10;
    EXPECT_EQ(MakeDimensionLabel(relative, {}, ScreenSigns())->Main, "X2.5Y-13");
}

TEST(DimensionLabel, DxfSignsReplaceTheScreenSigns)
{
    const DimensionSigns dxf{"%%c", "%%d"};
    EXPECT_EQ(MakeDimensionLabel(DimensionWith(kKindDimDiameter, 20, "D"), {}, dxf)->Main, "%%c20");
    EXPECT_EQ(MakeDimensionLabel(DimensionWith(kKindDimAngle, 30, ""), {}, dxf)->Main, "30%%d");
}

TEST(DimensionLabel, AnUnshowableValueGivesNoLabelUnlessTheValueIsHidden)
{
    EXPECT_FALSE(MakeDimensionLabel(DimensionWith(kKindDimX, 1e20, ""), {}, ScreenSigns()).has_value());
    EXPECT_TRUE(MakeDimensionLabel(DimensionWith(kKindDimX, 1e20, "=memo)"), {}, ScreenSigns()).has_value());
}

TEST(DimensionLabel, UnshowableValuesAreReplacedAndSelectedOnce)
{
    Drawing drawing;
    for (const double value : {30.0, 1e20}) {
        drawing.Count++;
        drawing[drawing.Count] = DimensionWith(kKindDimX, value, "");
    }
    drawing.Count++;
    drawing[drawing.Count] = DimensionWith(kKindDimX, 1e20, "=memo)");  // the value is hidden anyway
    drawing.Count++;
    drawing[drawing.Count] = DimensionWith(kKindDimCoordinate, 0, "");
    drawing[drawing.Count].X1 = 1e16;
    EXPECT_EQ(ReplaceUnshowableDimensionValues(drawing), 2);
    EXPECT_EQ(drawing[2].Text, Utf8ToCp932(kBadDimensionField));
    EXPECT_EQ(drawing[2].Selected, 1);
    EXPECT_EQ(drawing[1].Selected, 0);
    EXPECT_EQ(MakeDimensionLabel(drawing[2], {}, ScreenSigns())->Main, Utf8ToCp932("寸法数値が不正です0"));
    EXPECT_EQ(MakeDimensionLabel(drawing[4], {}, ScreenSigns())->Main, Utf8ToCp932("寸法数値が不正です"));
    EXPECT_EQ(drawing[4].X1, 1e16) << "the annotated point stays where it was";
    EXPECT_EQ(ReplaceUnshowableDimensionValues(drawing), 0);
}

}  // namespace
}  // namespace vantro
