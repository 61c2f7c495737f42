// --convert with DXF input: what is not DXF never replaces a drawing, every real-world file of the
// corpus renders something, and what an import leaves out is told on errors.
#include "app/CommandLine.h"
#include "app/Headless.h"
#include "dxf/DxfImport.h"
#include "files/DrawingFile.h"
#include "files/FileSystem.h"
#include "files/ScratchFolder.h"
#include "support/Fixtures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vantro {
namespace {

class DxfConversion : public ::testing::Test {
protected:
    int Convert(const std::filesystem::path& input, const std::filesystem::path& output)
    {
        const CommandLine line = ParseCommandLine({"--convert", input.string(), output.string(), "--size", "400x300"});
        EXPECT_TRUE(line.Error.empty());
        errors.str("");
        return RunConvert(line, Settings{}, errors);
    }

    testing::ScratchFolder folder;
    std::ostringstream errors;
};

// A file that was no DXF at all imported as an empty drawing, and the conversion wrote that.
TEST_F(DxfConversion, WhatIsNoDxfNeverReplacesADrawing)
{
    Drawing drawing;
    testing::PutElement(drawing, testing::Line(0, 0, 100, 50));
    const std::filesystem::path good = folder.Path() / "good.dca";
    ASSERT_TRUE(WriteDrawingFile(good, drawing, DrawingFileSettings{}).Ok);
    std::string before;
    ASSERT_EQ(ReadWholeFile(good, 1 << 20, before), FileReadStatus::Read);
    std::ofstream(folder.Path() / "page.dxf") << "<!DOCTYPE html>\n<html><body>Not found</body></html>\n";
    EXPECT_EQ(Convert(folder.Path() / "page.dxf", good), 1);
    EXPECT_NE(errors.str().find(kDxfNotDxfMessage), std::string::npos) << errors.str();
    std::string after;
    ASSERT_EQ(ReadWholeFile(good, 1 << 20, after), FileReadStatus::Read);
    EXPECT_EQ(after, before);
}

TEST_F(DxfConversion, TheFilesDimensionSizesBecomeTheDrawingsStyle)
{
    std::ofstream(folder.Path() / "dims.dxf")
        << "0\nSECTION\n2\nHEADER\n9\n$DIMTXT\n40\n3.5\n9\n$DIMASZ\n40\n1.5\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
           "0\nDIMENSION\n10\n0\n20\n10\n11\n20\n21\n10\n70\n32\n13\n0\n23\n0\n14\n40\n24\n0\n0\nENDSEC\n0\nEOF\n";
    ASSERT_EQ(Convert(folder.Path() / "dims.dxf", folder.Path() / "dims.dca"), 0) << errors.str();
    Drawing read;
    DrawingFileSettings style;
    ASSERT_TRUE(ReadDrawingFile(folder.Path() / "dims.dca", read, style).Ok);
    EXPECT_EQ(style.TextHeight, 3.5f);
    EXPECT_EQ(style.ArrowLength, 1.5f);
}

// Colour 7 was painted white on white: many real drawings converted to a blank picture, reported
// as success. Every file must show something, and name what it left out.
TEST_F(DxfConversion, EveryRealWorldFileRendersSomethingAndTellsWhatItLeftOut)
{
    const std::filesystem::path corpus = VANTRO_DXF_CORPUS_DIR;
    if (!std::filesystem::exists(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (entry.path().extension() != ".dxf") continue;
        SCOPED_TRACE(entry.path().filename().string());
        const std::filesystem::path picture = folder.Path() / "picture.png";
        ASSERT_EQ(Convert(entry.path(), picture), 0) << errors.str();
        const QImage image(QString::fromStdString(picture.string()));
        ASSERT_FALSE(image.isNull());
        const QRgb sheet = image.pixel(0, 0);
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != sheet ? 1 : 0;
        EXPECT_GT(drawn, 20) << "a blank picture";
        Drawing drawing;
        drawing.Capacity = kMaxCapacity;
        const DxfImportResult result = ImportDxf(entry.path(), drawing, DxfImportOptions{});
        for (const std::string& note : DxfImportNotes(result))
            EXPECT_NE(errors.str().find(note), std::string::npos) << note;
    }
}

}  // namespace
}  // namespace vantro
