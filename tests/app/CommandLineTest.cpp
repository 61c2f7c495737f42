#include "app/CommandLine.h"
#include "app/Headless.h"
#include "files/DrawingFile.h"
#include "geometry/Hatch.h"
#include "support/Fixtures.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

namespace vantro {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, OptionsInAnyOrder)
{
    struct Case {
        std::vector<std::string> arguments;
        Action what;
        std::string input;
        std::string output;
        int width;
        std::optional<std::string> folder;
    };
    const Case cases[] = {
        {{}, Action::Window, "", "", 1600, std::nullopt},
        {{"part.dca"}, Action::Window, "part.dca", "", 1600, std::nullopt},
        {{"--help"}, Action::Help, "", "", 1600, std::nullopt},
        {{"--convert", "a.dca", "b.png", "--size", "800x600"}, Action::Convert, "a.dca", "b.png", 800, std::nullopt},
        {{"--size", "640x480", "--program-folder", "/tmp/p", "--convert", "a.dca", "b.bmp"}, Action::Convert, "a.dca",
         "b.bmp", 640, "/tmp/p"},
        {{"--info", "a.dca", "--program-folder", "dir"}, Action::Info, "a.dca", "", 1600, "dir"},
        {{"--script", "s.txt", "part.dca"}, Action::Script, "part.dca", "", 1600, std::nullopt},
        {{"--script", "s.txt"}, Action::Script, "", "", 1600, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.size());
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_TRUE(line.Error.empty()) << line.Error;
        EXPECT_EQ(line.What, c.what);
        EXPECT_EQ(line.Input, c.input);
        EXPECT_EQ(line.Output, c.output);
        EXPECT_EQ(line.Width, c.width);
        EXPECT_EQ(line.ProgramFolder, c.folder);
    }
}

TEST(CommandLine, NonsenseIsAnErrorNotAGuess)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--convert", "a.dca"}, {"--info"}, {"--size", "800"}, {"--size", "0x0", "--convert", "a", "b"},
        {"--size", "99999x10"}, {"--program-folder"}, {"--frobnicate"}, {"--info", "a.dca", "extra"},
        {"--script"}, {"--script", "s.txt", "a.dca", "b.dca"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(arguments.front());
        EXPECT_FALSE(ParseCommandLine(arguments).Error.empty());
    }
}

TEST(CommandLine, VisibleOnlySwitch)
{
    EXPECT_TRUE(ParseCommandLine({"--convert", "a.dca", "b.dxf", "--visible-only"}).VisibleOnly);
    EXPECT_FALSE(ParseCommandLine({"--convert", "a.dca", "b.dxf"}).VisibleOnly);
}

TEST(CommandLine, PdfScalePaperAndOrientation)
{
    const CommandLine line =
        ParseCommandLine({"--convert", "a.dca", "b.pdf", "--scale", "0.5", "--paper", "a3", "--landscape"});
    EXPECT_TRUE(line.Error.empty()) << line.Error;
    EXPECT_DOUBLE_EQ(line.Scale, 0.5);
    EXPECT_EQ(line.Paper, "a3");
    EXPECT_TRUE(line.Landscape);
    const CommandLine plain = ParseCommandLine({"--convert", "a.dca", "b.pdf"});
    EXPECT_DOUBLE_EQ(plain.Scale, 1);
    EXPECT_EQ(plain.Paper, "A4");
    EXPECT_FALSE(plain.Landscape);
    const std::vector<std::vector<std::string>> refused = {
        {"--convert", "a.dca", "b.pdf", "--scale", "0.0098"}, {"--convert", "a.dca", "b.pdf", "--scale", "abc"},
        {"--convert", "a.dca", "b.pdf", "--scale"},           {"--convert", "a.dca", "b.pdf", "--paper", "Letter"},
        {"--convert", "a.dca", "b.pdf", "--paper"},
    };
    for (const auto& arguments : refused) {
        SCOPED_TRACE(arguments[3] + (arguments.size() > 4 ? " " + arguments[4] : std::string()));
        EXPECT_FALSE(ParseCommandLine(arguments).Error.empty());
    }
}

class Headless : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() / ("vantro-headless-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        Drawing drawing;
        testing::PutElement(drawing, testing::Line(0, 0, 100, 50));
        testing::PutElement(drawing, testing::Circle(50, 25, 20, 3));
        ASSERT_TRUE(WriteDrawingFile(folder / "part.dca", drawing, DrawingFileSettings{}).Ok);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    int Run(std::vector<std::string> arguments, const Settings& settings = {})
    {
        const CommandLine line = ParseCommandLine(arguments);
        EXPECT_TRUE(line.Error.empty());
        out.str("");
        errors.str("");
        if (line.What == Action::Info) return RunInfo(line, out, errors);
        return RunConvert(line, settings, errors);
    }
    std::string In(const char* name) const { return (folder / name).string(); }

    std::filesystem::path folder;
    std::ostringstream out;
    std::ostringstream errors;
};

TEST_F(Headless, ConvertsToADrawingAndToPictures)
{
    EXPECT_EQ(Run({"--convert", In("part.dca"), In("copy.dca")}), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "copy.dca"));
    EXPECT_EQ(Run({"--convert", In("part.dca"), In("part.png"), "--size", "320x200"}), 0);
    const QImage picture(QString::fromStdString(In("part.png")));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(320, 200));
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) dark += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(dark, 100) << "the line and the circle were drawn";
    EXPECT_EQ(Run({"--convert", In("part.dca"), In("part.bmp")}), 0);
    EXPECT_FALSE(QImage(QString::fromStdString(In("part.bmp"))).isNull());
}

TEST_F(Headless, FailuresSayWhyAndLeaveNoFileBehind)
{
    EXPECT_EQ(Run({"--convert", In("missing.dca"), In("out.png")}), 1);
    EXPECT_NE(errors.str().find("ファイルは開けませんでした。"), std::string::npos);
    EXPECT_EQ(Run({"--convert", In("part.dca"), In("out.gif")}), 1);
    EXPECT_EQ(Run({"--convert", In("part.dca"), In("no-such-folder/out.png")}), 1);
    EXPECT_EQ(Run({"--convert", In("part.png"), In("out.dca")}), 1);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        EXPECT_EQ(entry.path().filename(), "part.dca") << entry.path();
}

// The text of a PDF page as poppler's pdftotext reads it, and what pdfinfo and pdfimages list.
std::string PdfTool(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return "(" + tool.toStdString() + " failed)";
    return process.readAllStandardOutput().toStdString();
}

TEST_F(Headless, ConvertsTheSampleToAOnePageVectorPdfWithSearchableJapaneseText)
{
    const std::string pdf = In("flange.pdf");
    EXPECT_EQ(Run({"--convert", VANTRO_SAMPLE_DRAWINGS "/flange.dca", pdf, "--paper", "A3", "--landscape"}), 0)
        << errors.str();
    const QString path = QString::fromStdString(pdf);
    const std::string info = PdfTool("pdfinfo", {path});
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    EXPECT_NE(info.find("(A3)"), std::string::npos) << info;
    EXPECT_NE(PdfTool("pdftotext", {path, "-"}).find("フランジ"), std::string::npos);
    // No picture of the screen: the page holds no images at all, and its fonts travel with it.
    const std::string images = PdfTool("pdfimages", {"-list", path});
    EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2) << images;
    const std::string fonts = PdfTool("pdffonts", {path});
    EXPECT_NE(fonts.find("IPA"), std::string::npos) << fonts;
    // Qt's expressions rather than std::regex, whose inlined code trips GCC's uninitialised-use warning.
    const QRegularExpression fontLine(QStringLiteral(R"(\s(yes|no)\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+\s*$)"));
    std::istringstream lines(fonts);
    int embedded = 0;
    for (std::string line; std::getline(lines, line);) {
        const QRegularExpressionMatch match = fontLine.match(QString::fromStdString(line));
        if (!match.hasMatch()) continue;
        EXPECT_EQ(match.captured(1), QStringLiteral("yes")) << line;
        ++embedded;
    }
    EXPECT_GT(embedded, 0) << fonts;
}

TEST_F(Headless, APdfOfAnEmptyDrawingIsRefused)
{
    ASSERT_TRUE(WriteDrawingFile(folder / "empty.dca", Drawing{}, DrawingFileSettings{}).Ok);
    EXPECT_EQ(Run({"--convert", In("empty.dca"), In("empty.pdf")}), 1);
    EXPECT_NE(errors.str().find("印刷するデータがありません"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "empty.pdf"));
}

TEST_F(Headless, ConvertsToAndFromDxf)
{
    EXPECT_EQ(Run({"--convert", In("part.dca"), In("part.dxf")}), 0);
    std::ifstream exported(folder / "part.dxf", std::ios::binary);
    std::string first;
    std::getline(exported, first);
    EXPECT_EQ(first, "  0\r");
    EXPECT_EQ(Run({"--convert", In("part.dxf"), In("back.dca")}), 0) << errors.str();
    Drawing back;
    DrawingFileSettings settings;
    ASSERT_TRUE(ReadDrawingFile(folder / "back.dca", back, settings).Ok);
    ASSERT_EQ(back.Count, 2);
    EXPECT_EQ(back[1].Kind, kKindLine);
    EXPECT_EQ(back[2].Kind, kKindCircle);
    EXPECT_EQ(back[2].R, 20);

    std::ofstream(folder / "xline.dxf") << "0\nSECTION\n2\nENTITIES\n0\nXLINE\n0\nPOINT\n10\n1\n20\n2\n0\nENDSEC\n0\nEOF\n";
    EXPECT_EQ(Run({"--convert", In("xline.dxf"), In("xline.dca"), "--visible-only"}), 0);
    EXPECT_NE(errors.str().find("XLINEの読み込みは対応していません。 (1)"), std::string::npos) << errors.str();
}

TEST_F(Headless, APictureReplacesTheOldOneWholeOrNotAtAll)
{
    // A full disk once left a 0-byte picture in place of the old one and reported success; a
    // read-only picture was replaced.
    const std::string old = "the previous picture";
    const struct {
        const char* Name;
        bool ReadOnly;
        rlim_t FileSizeLimit;  // a small one stands for a full disk
        const char* Message;
    } cases[] = {
        {"read-only", true, RLIM_INFINITY, "指定されたファイルは読み取り専用です"},
        {"full disk", false, 64, "ファイルは保存できませんでした。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::filesystem::path picture = folder / "part.png";
        std::filesystem::remove(picture);
        std::ofstream(picture, std::ios::binary) << old;
        if (c.ReadOnly) std::filesystem::permissions(picture, std::filesystem::perms::owner_read);
        const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previousLimit{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
        rlimit limit = previousLimit;
        limit.rlim_cur = std::min(c.FileSizeLimit, previousLimit.rlim_max);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        const int code = Run({"--convert", In("part.dca"), In("part.png"), "--size", "320x200"});
        ::setrlimit(RLIMIT_FSIZE, &previousLimit);
        std::signal(SIGXFSZ, previousSignal);
        EXPECT_EQ(code, 1);
        EXPECT_NE(errors.str().find(c.Message), std::string::npos) << errors.str();
        std::ifstream kept(picture, std::ios::binary);
        EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(kept), {}) == old) << "the old picture was replaced";
        std::filesystem::permissions(picture, std::filesystem::perms::owner_all);
        size_t entries = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++entries;
        EXPECT_EQ(entries, 2u) << "no temporary file is left";
    }
}

TEST_F(Headless, ConversionsTakeTheDrawingsOwnDimensionStyleAsTheWindowDoes)
{
    // A conversion once drew and exported every drawing in the settings' style, unlike the window.
    // Far from the origin, whose marker is partly red.
    TCadData dimension{};
    dimension.Kind = kKindDimX;
    dimension.Layer = 1;
    dimension.Width = 1;
    dimension.X1 = 1000;
    dimension.X2 = 1100;
    dimension.R = 1050;
    dimension.Angle = 20;
    dimension.Cx = 1050;
    dimension.Cy = 20;
    dimension.Value = 100;
    Drawing drawing;
    testing::PutElement(drawing, dimension);
    DrawingFileSettings style;
    style.TextHeight = 3.5f;
    style.DimensionTextColor = 0x0000FF;  // red
    ASSERT_TRUE(WriteDrawingFile(folder / "styled.dca", drawing, style).Ok);
    const struct {
        bool IgnoreFileStyle;  // "SetSW"
        double TextHeight;
        bool RedText;
    } cases[] = {{false, 3.5, true}, {true, 12, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.IgnoreFileStyle);
        Settings settings;
        settings.SetSW = c.IgnoreFileStyle;
        ASSERT_EQ(Run({"--convert", In("styled.dca"), In("styled.dxf")}, settings), 0) << errors.str();
        std::ifstream dxfFile(folder / "styled.dxf", std::ios::binary);
        const std::string dxf(std::istreambuf_iterator<char>(dxfFile), {});
        const std::string variable = "$DIMTXT\r\n 40\r\n";
        const size_t at = dxf.find(variable);
        ASSERT_NE(at, std::string::npos);
        const size_t value = at + variable.size();
        EXPECT_EQ(std::stod(dxf.substr(value, dxf.find('\r', value) - value)), c.TextHeight);
        ASSERT_EQ(Run({"--convert", In("styled.dca"), In("styled.png"), "--size", "400x300"}, settings), 0);
        const QImage picture(QString::fromStdString(In("styled.png")));
        int red = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                red += qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80 ? 1 : 0;
            }
        EXPECT_EQ(red > 0, c.RedText) << red;
    }
}

TEST_F(Headless, ElementsTheDrawingCannotHoldAreLeftOutAndNamed)
{
    Drawing drawing;
    testing::PutElement(drawing, testing::Line(0, 0, 100, 50));
    testing::PutElement(drawing, testing::Line(0, 0, 1, 1, 97));
    ASSERT_TRUE(WriteDrawingFile(folder / "spoilt.dca", drawing, DrawingFileSettings{}).Ok);
    EXPECT_EQ(Run({"--convert", In("spoilt.dca"), In("copy.dca")}), 0);
    EXPECT_NE(errors.str().find(SkippedElementsMessage(1)), std::string::npos) << errors.str();
    EXPECT_EQ(Run({"--info", In("spoilt.dca")}), 0);
    EXPECT_NE(errors.str().find(SkippedElementsMessage(1)), std::string::npos) << errors.str();
    EXPECT_NE(out.str().find("図形数: 1"), std::string::npos) << out.str();
}

// A picture of a drawing shows its fills (while the drawing's fill switch is on), its hatch
// lines and its inserted images, the images under the rest.
TEST_F(Headless, APictureShowsTheFillsHatchingAndImages)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::green);
    const std::string bmp = In("green.bmp");
    ASSERT_TRUE(image.save(QString::fromStdString(bmp), "BMP"));
    const auto write = [this, &bmp](const char* name, bool hatched) {
        Drawing drawing;
        for (TCadData line : {testing::Line(0, 0, 100, 0), testing::Line(100, 0, 100, 50),
                              testing::Line(100, 50, 0, 50), testing::Line(0, 50, 0, 0)}) {
            line.Group = 1;
            testing::PutElement(drawing, line);
        }
        for (TCadData line : {testing::Line(200, 0, 300, 0), testing::Line(300, 50, 200, 50)}) testing::PutElement(drawing, line);
        const std::vector<Point> hatchedRegion{{200, 0}, {300, 0}, {300, 50}, {200, 50}};
        if (hatched) {
            for (const Segment& line : HatchLines(hatchedRegion, 10, HatchSlope::Rising).Lines)
                testing::PutElement(drawing, testing::Line(line.From.X, line.From.Y, line.To.X, line.To.Y));
        }
        drawing.MemoBrush = {"1,255"};
        DrawingFileSettings file;
        file.FillDisplay = true;
        file.Images = {{"", 0, 0}, {bmp, 130, 45}};
        ASSERT_TRUE(WriteDrawingFile(folder / name, drawing, file).Ok);
    };
    write("plain.dca", false);
    write("hatched.dca", true);
    const auto count = [this](const char* input, const char* output, auto is) {
        EXPECT_EQ(Run({"--convert", In(input), In(output), "--size", "600x300"}), 0) << errors.str();
        const QImage picture(QString::fromStdString(In(output)));
        int n = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) n += is(QColor(picture.pixel(x, y))) ? 1 : 0;
        return n;
    };
    const auto red = [](const QColor& c) { return c == QColor(255, 0, 0); };
    const auto green = [](const QColor& c) { return c == QColor(0, 255, 0); };
    const auto dark = [](const QColor& c) { return qGray(c.rgb()) < 128 && c != QColor(255, 0, 0); };
    EXPECT_GT(count("hatched.dca", "hatched.png", red), 1000) << "the fill";
    EXPECT_GT(count("hatched.dca", "hatched.png", green), 100) << "the image";
    EXPECT_GT(count("hatched.dca", "hatched.png", dark), count("plain.dca", "plain.png", dark) + 200) << "the hatch";
}

TEST_F(Headless, InfoCountsByKindAndLayer)
{
    EXPECT_EQ(Run({"--info", In("part.dca")}), 0);
    const std::string text = out.str();
    EXPECT_NE(text.find("図形数: 2"), std::string::npos) << text;
    EXPECT_NE(text.find("直線: 1"), std::string::npos) << text;
    EXPECT_NE(text.find("円: 1"), std::string::npos) << text;
    EXPECT_NE(text.find("レイヤー3: 1"), std::string::npos) << text;
    EXPECT_NE(text.find("範囲: X 0 〜 100, Y 0 〜 50"), std::string::npos) << text;
}

}  // namespace
}  // namespace vantro
