#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"

#include "dxf/DxfTestData.h"
#include "geometry/Primitives.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantro {
namespace {

constexpr double kSame = 1e-9;

using testing::DxfRecord;

// Every kind the export writes. Texts have whole heights and single-precision positions, and
// rotations outside (95°, 275°), as the import keeps them.
Drawing EveryExportedKind()
{
    Drawing drawing;
    drawing.Layers.Name[0] = "Default";
    drawing.Layers.Name[2] = "\x90\xA1\x96\x40";  // 寸法
    const Point arcStart{12.5 + 7 * std::cos(DegToRad(350)), -3.25 + 7 * std::sin(DegToRad(350))};
    const Point arcEnd{12.5 + 7 * std::cos(DegToRad(40)), -3.25 + 7 * std::sin(DegToRad(40))};
    TCadData dimension = DxfRecord(kKindDimX, {0, 0}, {40, 0}, {20, 10}, 20, 10, 40);
    dimension.Layer = 3;
    TCadData text = DxfRecord(kKindText, {1.5, 2.25}, {17.5, 6.25}, {1.5, 2.25}, 4, DegToRad(30));
    text.Text = "\x8E\x8E\x8C\xB1 ABC";  // 試験 ABC
    for (const TCadData& e : {
             testing::Line(-1234.5678901234, 0.001, 98765.4321, 42),
             DxfRecord(kKindArc, arcStart, arcEnd, {12.5, -3.25}, 7, 50),
             testing::Circle(1e-3, 5e4, 0.125),
             DxfRecord(kKindPoint, {}, {}, {-7.75, 3.5}),
             text,
             dimension,
             DxfRecord(kKindDimY, {0, 0}, {0, 30}, {-10, 15}, -10, 15, 30),
             DxfRecord(kKindDimAligned, {0, 0}, {30, 40}, {7, 26}, 7, 26, 50),
             DxfRecord(kKindDimRadius, {0, 0}, {10, 0}, {15, 0}, 0, 0, 10),
             DxfRecord(kKindDimDiameter, {-10, 0}, {10, 0}, {15, 0}, 0, 0, 20),
         })
        testing::PutElement(drawing, e);
    return drawing;
}

TEST(DxfRoundTrip, GeometryAndTextsComeBack)
{
    const Drawing original = EveryExportedKind();
    Drawing read;
    DxfImportOptions options;
    options.Dimensions.LinePitch = 0;
    const DxfImportResult result = ImportDxfText(DxfText(original, Settings{}, false), read, options);
    ASSERT_TRUE(result.Ok);
    EXPECT_TRUE(result.Warning.empty());
    ASSERT_EQ(read.Count, original.Count);
    for (int i = 1; i <= original.Count; ++i) {
        SCOPED_TRACE(i);
        const TCadData& a = original[i];
        const TCadData& b = read[i];
        EXPECT_EQ(b.Kind, a.Kind);
        // Layers are numbered in the order the layer table lists them; the names stay.
        EXPECT_EQ(read.Layers.Name[b.Layer - 1u], original.Layers.Name[a.Layer - 1u]);
        EXPECT_EQ(b.Color, a.Color);
        EXPECT_NEAR(b.Cx, a.Cx, kSame);
        EXPECT_NEAR(b.Cy, a.Cy, kSame);
        EXPECT_NEAR(b.R, a.R, kSame);
        EXPECT_NEAR(b.Angle, a.Angle, kSame);
        EXPECT_NEAR(b.Value, a.Value, kSame);
        // Linear dimensions come back with their measured points in the other order.
        const bool swapped = a.Kind == kKindDimX || a.Kind == kKindDimY || a.Kind == kKindDimAligned;
        EXPECT_NEAR(b.X1, swapped ? a.X2 : a.X1, kSame);
        EXPECT_NEAR(b.Y1, swapped ? a.Y2 : a.Y1, kSame);
        EXPECT_NEAR(b.X2, swapped ? a.X1 : a.X2, kSame);
        EXPECT_NEAR(b.Y2, swapped ? a.Y1 : a.Y2, kSame);
        if (a.Kind == kKindText) {
            EXPECT_EQ(b.Text, a.Text);
        }
    }
}

}  // namespace
}  // namespace vantro
