#include "dxf/DxfValues.h"

#include "geometry/Primitives.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

TEST(DxfValues, FixedNumberIsTwentyThreeCharactersWithFourExponentDigits)
{
    const struct {
        double Value;
        const char* Text;
    } cases[] = {
        {125, " 1.25000000000000E+0002"},
        {-125, "-1.25000000000000E+0002"},
        {0, " 0.00000000000000E+0000"},
        {0.001, " 1.00000000000000E-0003"},
        {-2.5e-300, "-2.50000000000000E-0300"},
        {1.0 / 3, " 3.33333333333333E-0001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(FixedNumber(c.Value), c.Text);
        EXPECT_EQ(FixedNumber(c.Value).size(), 23u);
    }
}

TEST(DxfValues, GeneralNumberIsShortest)
{
    EXPECT_EQ(GeneralNumber(90), "90");
    EXPECT_EQ(GeneralNumber(12.5), "12.5");
    EXPECT_EQ(GeneralNumber(0), "0");
    EXPECT_EQ(GeneralNumber(-0.25), "-0.25");
    EXPECT_EQ(GeneralNumber(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(GeneralNumber(0.00001), "1E-5");
}

TEST(DxfValues, ColourNumberIsNearestReferenceByIntegerDistance)
{
    const struct {
        uint32_t Colour;
        int Number;
    } cases[] = {
        {0x0000FF, 1}, {0x00FFFF, 2}, {0x00FF00, 3}, {0xFFFF00, 4}, {0xFF0000, 5},
        {0xFF00FF, 6}, {0xFFFFFF, 7}, {0x000000, 8},
        {0x000080, 1},  // 0x7F from red, 0x80 from black
        {0x808080, 5},  // the distance of the integers, not of the channels
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Colour);
        EXPECT_EQ(ColourNumber(c.Colour), c.Number);
    }
}

TEST(DxfValues, ColourOfNumberFollowsTheTableThenThePaletteAndOthersAreBlack)
{
    const struct {
        int Number;
        uint32_t Colour;  // 0x00BBGGRR
    } cases[] = {
        {1, 0x0000FF}, {7, 0xFFFFFF}, {8, 0x000000}, {12, 0xF0CAA6}, {15, 0x808080},
        // AutoCAD's palette: 16 red at half shade, 17 its pale one, 30 orange, 146 a dark cyan
        // blue, 250 and 255 greys.
        {16, 0x00007F}, {17, 0x3F3F7F}, {30, 0x007FFF}, {146, 0x7F5F00}, {250, 0x333333}, {255, 0xFFFFFF},
        {0, 0}, {256, 0}, {-3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Number);
        EXPECT_EQ(ColourOfNumber(c.Number), c.Colour);
    }
    EXPECT_EQ(ColourOfTrueColour(0x123456), 0x563412u);
}

TEST(DxfValues, LineTypeNamesBothWays)
{
    EXPECT_STREQ(LineTypeName(kStyleSolid), "CONTINUOUS");
    EXPECT_STREQ(LineTypeName(kStyleDash), "DASHED");
    EXPECT_STREQ(LineTypeName(kStyleDot), "DASHED2");
    EXPECT_STREQ(LineTypeName(kStyleDashDot), "CENTER2");
    EXPECT_STREQ(LineTypeName(kStyleDashDotDot), "PHANTOM2");
    EXPECT_EQ(LineStyleOfName("HIDDENX2"), kStyleDash);
    EXPECT_EQ(LineStyleOfName("DOT"), kStyleDot);
    EXPECT_EQ(LineStyleOfName("CENTERX2"), kStyleDashDot);
    EXPECT_EQ(LineStyleOfName("PHANTOM"), kStyleDashDotDot);
    EXPECT_EQ(LineStyleOfName("dashed"), kStyleSolid);
    EXPECT_EQ(LineStyleOfName("BORDER"), kStyleSolid);
}

TEST(DxfValues, ReadableAngles)
{
    const struct {
        double Degrees;
        double Readable;
    } cases[] = {{100, 280}, {180, 0}, {300, 120}, {90, 90}, {95, 95}, {0, 0}, {360, 180}, {370, 10}, {359.99995, 179.99995}, {179.99995, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Degrees);
        EXPECT_NEAR(ReadableDegrees(DegToRad(c.Degrees)), c.Readable, 1e-9);
    }
}

TEST(DxfValues, ParsesNumbersStrictly)
{
    double value = 0;
    EXPECT_TRUE(ParseDxfNumber("  1.5E+0002", value));
    EXPECT_EQ(value, 150);
    EXPECT_TRUE(ParseDxfNumber("-0.0\r", value));
    EXPECT_FALSE(ParseDxfNumber("", value));
    EXPECT_FALSE(ParseDxfNumber("1.5x", value));
    EXPECT_FALSE(ParseDxfNumber("1e999", value));
    EXPECT_FALSE(ParseDxfNumber("nan", value));
    int integer = 0;
    EXPECT_TRUE(ParseDxfInteger("  62", integer));
    EXPECT_EQ(integer, 62);
    EXPECT_TRUE(ParseDxfInteger("1.0", integer));
    EXPECT_EQ(integer, 1);
    EXPECT_FALSE(ParseDxfInteger("BYLAYER", integer));
    EXPECT_FALSE(ParseDxfInteger("1e300", integer));
}

}  // namespace
}  // namespace vantro
