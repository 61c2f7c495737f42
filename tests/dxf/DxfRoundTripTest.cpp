// Export then import: every element kind comes back as itself. And, where the Debian readers are
// installed, other programs open what the export writes.
#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"

#include "document/Cp932.h"
#include "dxf/DxfTestData.h"
#include "files/ScratchFolder.h"
#include "geometry/CurvePolyline.h"
#include "geometry/EllipsePolyline.h"
#include "geometry/Primitives.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>

namespace vantro {
namespace {

constexpr double kSame = 1e-9;

using testing::DxfRecord;

TCadData Coloured(TCadData e, uint32_t colour, uint8_t layer = 1)
{
    e.Color = colour;
    e.Layer = layer;
    return e;
}

TCadData WithText(TCadData e, const std::string& text)
{
    e.Text = text;
    return e;
}

// Every kind of element with colours DXF's numbers hold. Texts have single-precision positions,
// as texts always have.
Drawing EveryElementKind()
{
    Drawing drawing;
    drawing.Layers.Name[0] = "Default";
    drawing.Layers.Name[2] = "\x90\xA1\x96\x40";  // 寸法
    const Point arcStart{12.5 + 7 * std::cos(DegToRad(350)), -3.25 + 7 * std::sin(DegToRad(350))};
    const Point arcEnd{12.5 + 7 * std::cos(DegToRad(40)), -3.25 + 7 * std::sin(DegToRad(40))};
    TCadData text = DxfRecord(kKindText, {1.5, 2.25}, {21.5, 6.25}, {1.5, 2.25}, 4, DegToRad(150));
    text.Text = "\x8E\x8E\x8C\xB1 ABC\n2";  // 試験 ABC, a line break, 2
    TCadData dotted = DxfRecord(kKindCrossCircle, {}, {}, {40, 40}, 5, 360, 0);
    dotted.LineStyle = kStyleDashDot;
    TCadData aligned = DxfRecord(kKindDimAligned, {0, 0}, {30, 40}, {7, 26}, 7, 26, 50);
    aligned.Width = 3;  // an arrow style
    const TCadData dimensions[] = {
        WithText(DxfRecord(kKindDimX, {0, 0}, {40, 0}, {20, 10}, 20, 10, 40), "D+0.1-0.05"),
        DxfRecord(kKindDimY, {0, 0}, {0, 30}, {-10, 15}, -10, 15, 30),
        aligned,
        DxfRecord(kKindDimRadius, {0, 0}, {10, 0}, {15, 0}, 0, 0, 10),
        DxfRecord(kKindDimJoggedRadius, {10, 0}, {15, 5}, {25, 5}, 0, 0, 10),
        WithText(DxfRecord(kKindDimDiameter, {-10, 0}, {10, 0}, {15, 0}, 0, 0, 20), "D(\x8E\x8E\x8C\xB1 )"),
        DxfRecord(kKindDimJoggedDiameter, {10, 0}, {15, 5}, {25, 5}, 0, 0, 20),
        DxfRecord(kKindDimCoordinate, {3, 4}, {8, 9}, {20, 9}),
        DxfRecord(kKindDimAngle, {10, 0}, {0, 10}, {0, 0}, 5, kPi / 4, 90),
        DxfRecord(kKindDimRunning, {0, 0}, {20, 5}, {20, 5}, 0, 0, 5),
        DxfRecord(kKindDimRelativeCoordinate, {3, 4}, {8, 9}, {20, 9}, 1, 2),
        WithText(DxfRecord(kKindLeader, {3, 4}, {8, 9}, {20, 9}), "=\x83\x4C\x83\x8A 4-\x83\xD3" "24"),  // =キリ 4-φ24
    };
    for (const TCadData& e : {
             Coloured(testing::Line(-1234.5678901234, 0.001, 98765.4321, 42), 0x0000FF),
             DxfRecord(kKindEllipse, {10, 0.5}, {-10, 0}, {5, 5}, 10, 1.25, 0),
             Coloured(DxfRecord(kKindEllipse, {5, 0.5}, {-3, 0}, {5, 5}, 10, 2.5), 0x00FF00),
             DxfRecord(kKindArc, arcStart, arcEnd, {12.5, -3.25}, 7, 50),
             testing::Circle(1e-3, 5e4, 0.125),
             DxfRecord(kKindPoint, {}, {}, {-7.75, 3.5}),
             text,
             Coloured(DxfRecord(kKindFilledRect, {-5, -5}, {5, 10}, {}), 0xFF0000),
             DxfRecord(kKindCrossCircle, {}, {}, {20, 20}, 5, 360, 1),
             dotted,
             WithText(DxfRecord(kKindCurveThroughPoints, {0, 0}, {30, 10}, {}), "0,0,10,5,20,0,30,10,"),
             WithText(DxfRecord(kKindCurveThroughPoints, {0, 0}, {0, 0}, {}), "0,0,10,0,10,10,0,10,0,0,"),
             WithText(DxfRecord(kKindCurveByControlPoints, {0, 0}, {30, 0}, {}), "0,0,10,10,20,-10,30,0,"),
         })
        testing::PutElement(drawing, e);
    for (const TCadData& e : dimensions) testing::PutElement(drawing, Coloured(e, 0xFF0000, 3));
    return drawing;
}

TEST(DxfRoundTrip, EveryElementKindComesBack)
{
    const Drawing original = EveryElementKind();
    int notWritten = -1;
    const std::string dxf = DxfText(original, Settings{}, false, &notWritten);
    EXPECT_EQ(notWritten, 0);
    Drawing read;
    const DxfImportResult result = ImportDxfText(dxf, read, DxfImportOptions{});
    ASSERT_TRUE(result.Ok);
    EXPECT_TRUE(DxfImportNotes(result).empty());
    ASSERT_EQ(read.Count, original.Count);
    for (int i = 1; i <= original.Count; ++i) {
        const TCadData& a = original[i];
        const TCadData& b = read[i];
        SCOPED_TRACE(std::to_string(i) + ": kind " + std::to_string(a.Kind));
        EXPECT_EQ(b.Kind, a.Kind);
        // Layers are numbered in the order the layer table lists them; the names stay.
        EXPECT_EQ(read.Layers.Name[b.Layer - 1u], original.Layers.Name[a.Layer - 1u]);
        EXPECT_EQ(b.Color, a.Color);
        EXPECT_EQ(b.LineStyle, a.LineStyle);
        EXPECT_EQ(b.Width, a.Width);
        for (const auto& [x, y] : {std::pair{a.Cx, b.Cx}, {a.Cy, b.Cy}, {a.R, b.R}, {a.Angle, b.Angle},
                                   {a.Value, b.Value}, {a.X1, b.X1}, {a.Y1, b.Y1}, {a.X2, b.X2}, {a.Y2, b.Y2}})
            EXPECT_NEAR(y, x, kSame);
        EXPECT_EQ(b.Text, a.Text);
    }
}

// A flattening above 1 is turned into DXF's longer major axis; the pieces read back still trace
// the same half ellipse.
TEST(DxfRoundTrip, AnEllipseFlattenedAboveOneComesBackAsTheSameCurve)
{
    Drawing original;
    testing::PutElement(original, DxfRecord(kKindEllipse, {8, 1.5}, {-4, 0}, {1, 2}, 8, 0.3));
    Drawing read;
    ImportDxfText(DxfText(original, Settings{}, false), read, DxfImportOptions{});
    ASSERT_GE(read.Count, 1);
    for (int i = 1; i <= read.Count; ++i) {
        ASSERT_EQ(read[i].Kind, kKindEllipse);
        for (const Point p : EllipsePolyline(read[i], 36)) {
            // On the original ellipse: in its own frame (x/a)² + (y/b)² = 1.
            const double c = std::cos(0.3);
            const double s = std::sin(0.3);
            const double x = (p.X - 1) * c + (p.Y - 2) * s;
            const double y = -(p.X - 1) * s + (p.Y - 2) * c;
            EXPECT_NEAR(x * x / 64 + y * y / 144, 1, 1e-9);
        }
    }
}

// The free curves go out as exact B-splines: sampled, they lie on the curve the painter draws.
TEST(DxfRoundTrip, ThroughPointsCurvesAreWrittenAsTheSplineThePainterDraws)
{
    const std::vector<Point> points{{0, 0}, {10, 5}, {20, 0}, {30, 10}};
    const BezierChain chain = SplineThroughPointsAsBeziers(points);
    ASSERT_EQ(chain.Control.size(), 10u);
    ASSERT_EQ(chain.Knots.size(), 4u);
    const std::vector<Point> drawn = SplineThroughPoints(points, 2);
    // The middle of each span, from the Bézier piece, equals the painter's sample there.
    for (size_t span = 0; span < 3; ++span) {
        SCOPED_TRACE(span);
        const Point* c = &chain.Control[3 * span];
        const Point middle{(c[0].X + 3 * c[1].X + 3 * c[2].X + c[3].X) / 8, (c[0].Y + 3 * c[1].Y + 3 * c[2].Y + c[3].Y) / 8};
        EXPECT_NEAR(middle.X, drawn[2 * span + 1].X, 1e-4);
        EXPECT_NEAR(middle.Y, drawn[2 * span + 1].Y, 1e-4);
    }
}

TEST(DxfRoundTrip, WhatHasNoDxfFormIsCountedAndTold)
{
    Drawing drawing;
    testing::PutElement(drawing, testing::Line(0, 0, 1, 1));
    testing::PutElement(drawing, DxfRecord(20, {0, 0}, {1, 1}, {}));  // a reserved dimension kind
    testing::PutElement(drawing, WithText(DxfRecord(kKindCurveByControlPoints, {}, {}, {}), "0,0,1,"));
    testing::ScratchFolder folder;
    const DxfExportResult result = ExportDxf(folder.Path() / "out.dxf", drawing, Settings{}, false);
    EXPECT_TRUE(result.Ok);
    EXPECT_EQ(result.NotWritten, 2);
    EXPECT_EQ(result.Message, "2個の図形はDXFに書き出せませんでした。");
}

// Runs a command, returning its output, or nothing when it cannot run or fails.
std::optional<std::string> Output(const std::string& command)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) return std::nullopt;
    std::string out;
    std::array<char, 4096> buffer{};
    for (size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;) out.append(buffer.data(), n);
    if (::pclose(pipe.release()) != 0) return std::nullopt;
    return out;
}

std::filesystem::path WriteEveryKind(const testing::ScratchFolder& folder)
{
    const std::filesystem::path path = folder.Path() / "every-kind.dxf";
    EXPECT_TRUE(ExportDxf(path, EveryElementKind(), Settings{}, false).Ok);
    return path;
}

// ezdxf (Debian's python3-ezdxf) reads the file, finds nothing to mend, and sees the elements.
TEST(DxfReaders, EzdxfReadsTheExportWithoutErrors)
{
    if (!Output("/usr/bin/python3 -c 'import ezdxf' 2>/dev/null")) GTEST_SKIP() << "python3-ezdxf is not installed";
    testing::ScratchFolder folder;
    const std::filesystem::path path = WriteEveryKind(folder);
    const std::string script =
        "import ezdxf, collections, sys\n"
        "d = ezdxf.readfile(sys.argv[1]); a = d.audit()\n"
        "print(len(a.errors), len(a.fixes))\n"
        "print(' '.join(f'{t}:{n}' for t, n in sorted(collections.Counter(e.dxftype() for e in d.modelspace()).items())))\n"
        "print([e.dxf.text for e in d.modelspace().query('TEXT')][0])\n";
    std::ofstream(folder.Path() / "check.py") << script;
    const auto out = Output("/usr/bin/python3 " + (folder.Path() / "check.py").string() + " " + path.string());
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(*out, "0 0\n"
                    "ARC:1 CIRCLE:3 DIMENSION:7 ELLIPSE:2 LINE:25 POINT:1 SOLID:1 SPLINE:3 TEXT:6\n"
                    "試験 ABC^J2\n");  // the line break as DXF writes it
}

// The dark pixels of a PDF's first page rendered in grey by poppler's pdftoppm at 30 dpi.
int DarkPixelsOfPdf(const std::filesystem::path& pdf)
{
    const std::filesystem::path image = pdf.parent_path() / "page";
    if (!Output("pdftoppm -r 30 -gray -singlefile " + pdf.string() + " " + image.string())) return -1;
    std::ifstream in(image.string() + ".pgm", std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    in >> magic >> width >> height >> maximum;
    in.get();
    if (magic != "P5" || width <= 0 || height <= 0) return -1;
    std::string pixels(static_cast<size_t>(width) * static_cast<size_t>(height), '\0');
    in.read(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<int>(std::ranges::count_if(pixels, [](char c) { return static_cast<unsigned char>(c) < 128; }));
}

// LibreCAD prints the file to PDF. Its text is drawn as lines, so the page is checked for a drawing
// rather than read back.
TEST(DxfReaders, LibreCadPrintsTheExport)
{
    if (!Output("command -v librecad >/dev/null")) GTEST_SKIP() << "librecad is not installed";
    testing::ScratchFolder folder;
    const std::filesystem::path path = WriteEveryKind(folder);
    const std::filesystem::path pdf = folder.Path() / "every-kind.pdf";
    ASSERT_TRUE(Output("QT_QPA_PLATFORM=offscreen librecad dxf2pdf -a -o " + pdf.string() + " " + path.string() +
                       " >/dev/null 2>&1"));
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_GT(DarkPixelsOfPdf(pdf), 200) << "a page with the drawing on it";
}

}  // namespace
}  // namespace vantro
