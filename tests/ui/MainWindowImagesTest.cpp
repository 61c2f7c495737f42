// The image menu "画像挿入(&G)": the background image and the inserted images, placed, moved,
// resized, deleted, and kept by the drawing file.
#include "MainWindowFixture.h"

#include "files/DrawingFile.h"
#include "files/ScratchFolder.h"
#include "ui/CanvasWidget.h"
#include "view/QPainterSurface.h"

#include <QAction>
#include <QImage>
#include <QMenu>

namespace vantro::testing {
namespace {

constexpr QRgb kRed = 0xFFFF0000;

class ImagesTest : public MainWindowTest {
protected:
    // A BMP file of the given size and colour in the scratch folder.
    std::string Bmp(const char* name, int width, int height, Qt::GlobalColor colour = Qt::red)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        const std::string path = (folder / name).string();
        EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
        return path;
    }

    void Trigger(const char* item) { Find<QAction>(item)->trigger(); }

    // Inserts the file through "画像ファイルを開く" and places its corner at the world point.
    void InsertAt(const std::string& path, double x, double y)
    {
        dialogs.Files = {path};
        Trigger("BmpOpen2");
        ASSERT_EQ(Mode(), step::kImagePlace);
        QTest::mouseMove(Canvas(), PixelOf(x, y) + QPoint(30, 30));
        ClickCanvas(PixelOf(x, y));
    }

    const ImageList& Images() { return Doc().Images; }
    const ImageSlot& Slot(int i) { return Doc().Images.Slots[static_cast<size_t>(i)]; }
    QImage& CanvasImage() const { return Find<CanvasWidget>("PaintBox1")->Image(); }
    // A canvas pixel just inside the image's top-left corner.
    QRgb InsideCorner(double x, double y) const { return CanvasImage().pixel(PixelOf(x, y) + QPoint(2, 2)); }

    ScratchFolder folder;
};

TEST_F(ImagesTest, TheMenuHoldsEveryImageCommand)
{
    auto* menu = Find<QMenu>("N8");
    EXPECT_EQ(menu->title(), QStringLiteral("画像挿入(&G)"));
    const char* const items[] = {"BmpOpen1", "BmpWid", "BmpLine", "BmpOn", "N10", "BmpOpen2", "BmpDelete", "BmpMove",
                                 "BmpResize"};
    for (const char* item : items) {
        SCOPED_TRACE(item);
        EXPECT_TRUE(Find<QAction>(item)->isEnabled());
    }
    EXPECT_TRUE(Find<QAction>("BmpWid")->isChecked());
    EXPECT_FALSE(Find<QAction>("BmpLine")->isChecked());
    EXPECT_TRUE(Find<QAction>("BmpOn")->isChecked());
}

TEST_F(ImagesTest, AnInsertedImageIsPlacedByAClickAndShownUnderTheDrawing)
{
    AddElement(Doc(), Line(0, 30, 200, 30));
    window->RedrawAll(true);
    InsertAt(Bmp("red.bmp", 100, 50), 10, 60);
    ASSERT_EQ(Images().ImageCount, 1);
    const Point corner = WorldOf(PixelOf(10, 60));
    EXPECT_DOUBLE_EQ(Slot(1).X, corner.X);
    EXPECT_DOUBLE_EQ(Slot(1).Y, corner.Y);
    EXPECT_EQ(Mode(), step::kIdle);
    EXPECT_EQ(window->Command().SelectedImage, 0);
    EXPECT_EQ(InsideCorner(10, 60), kRed);
    EXPECT_NE(CanvasImage().pixel(PixelOf(50, 30)), kRed) << "the line is drawn over the image";
    EXPECT_NE(CanvasImage().pixel(PixelOf(115, 60)), kRed) << "100 pixels are 100 mm";
    EXPECT_FALSE(Doc().Saved);
}

TEST_F(ImagesTest, TheEleventhImageIsRefusedAndNothingChanges)
{
    const std::string path = Bmp("red.bmp", 4, 4);
    for (int i = 0; i < kMaxInsertedImages; ++i) InsertAt(path, 10.0 * i, 0);
    ASSERT_EQ(Images().ImageCount, kMaxInsertedImages);
    dialogs.Files = {path};
    Trigger("BmpOpen2");
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kTooManyImagesMessage});
    EXPECT_EQ(dialogs.Files.size(), 1u) << "no file dialog was shown";
    EXPECT_EQ(Images().ImageCount, kMaxInsertedImages);
    EXPECT_EQ(Mode(), step::kIdle);
}

TEST_F(ImagesTest, AFileThatIsNoImageEndsTheCommandWithTheReadersReason)
{
    WriteBytes(folder / "text.bmp", "no bitmap");
    dialogs.Files = {(folder / "text.bmp").string()};
    Trigger("BmpOpen2");
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_FALSE(dialogs.Messages[0].empty());
    EXPECT_EQ(Images().ImageCount, 0);
    EXPECT_EQ(Mode(), step::kIdle);
}

TEST_F(ImagesTest, MoveResizeAndDeleteThroughTheMenu)
{
    InsertAt(Bmp("red.bmp", 40, 20), 0, 0);
    InsertAt(Bmp("blue.bmp", 40, 20, Qt::blue), 100, 0);
    const QPoint first = PixelOf(Slot(1).X, Slot(1).Y);

    Trigger("BmpMove");
    EXPECT_EQ(Mode(), step::kImagePick);
    ClickCanvas(first + QPoint(5, 5));
    EXPECT_EQ(Mode(), step::kImagePlace);
    QTest::mouseMove(Canvas(), PixelOf(0, 60));
    ClickCanvas(PixelOf(0, 60));
    EXPECT_NEAR(Slot(1).Y, 60, 1);
    EXPECT_EQ(InsideCorner(Slot(1).X, Slot(1).Y), kRed);

    Trigger("BmpResize");
    EXPECT_EQ(Mode(), step::kImageResizePick);
    const QPoint corner = PixelOf(Slot(1).X, Slot(1).Y);
    ClickCanvas(corner + QPoint(5, 5));
    ASSERT_EQ(Mode(), step::kImageResize);
    const QImage before = CanvasImage().copy();
    QTest::mouseMove(Canvas(), corner + QPoint(40, 30));
    EXPECT_NE(CanvasImage(), before) << "the frame follows the mouse";
    ClickCanvas(corner + QPoint(40, 30));
    const double s = ViewScale(window->View());
    EXPECT_EQ(ImageWidth(Slot(1)), static_cast<int>(std::nearbyint(40 / s)));
    EXPECT_EQ(ImageHeight(Slot(1)), static_cast<int>(std::nearbyint(30 / s)));
    EXPECT_EQ(Mode(), step::kIdle);

    Trigger("BmpDelete");
    EXPECT_EQ(Mode(), step::kImageDelete);
    ClickCanvas(corner + QPoint(5, 5));
    ASSERT_EQ(Images().ImageCount, 1);
    EXPECT_EQ(Slot(1).Path, (folder / "blue.bmp").string());
    EXPECT_EQ(Mode(), step::kIdle);
}

TEST_F(ImagesTest, ThePlacingFrameIsTakenBackWhenTheCommandIsCancelled)
{
    InsertAt(Bmp("red.bmp", 40, 20), 0, 0);
    window->RedrawAll(true);
    const QImage before = CanvasImage().copy();
    Trigger("BmpMove");
    ClickCanvas(PixelOf(Slot(1).X, Slot(1).Y) + QPoint(3, 3));
    QTest::mouseMove(Canvas(), PixelOf(100, 100));
    const QImage first = CanvasImage().copy();
    EXPECT_NE(first, before);
    QTest::mouseMove(Canvas(), PixelOf(120, 90));
    EXPECT_NE(CanvasImage(), first);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(Mode(), step::kIdle);
    EXPECT_EQ(CanvasImage(), before);
    EXPECT_EQ(Slot(1).X, 0) << "the image keeps its place";
}

TEST_F(ImagesTest, TheBackgroundIsStretchedOrTiledShownOrHiddenAndRemoved)
{
    const std::string back = Bmp("back.bmp", 8, 8);
    dialogs.Files = {back};
    Trigger("BmpOpen1");
    EXPECT_EQ(Slot(0).Path, back);
    const QPoint far(CanvasImage().width() - 2, CanvasImage().height() - 2);
    EXPECT_EQ(CanvasImage().pixel(far), kRed) << "stretched over the canvas";
    Press("SpeedButton10");  // zooming leaves it where it is
    EXPECT_EQ(CanvasImage().pixel(far), kRed);

    Trigger("BmpLine");
    EXPECT_TRUE(Find<QAction>("BmpLine")->isChecked());
    EXPECT_FALSE(Find<QAction>("BmpWid")->isChecked());
    Trigger("BmpLine");
    EXPECT_TRUE(Find<QAction>("BmpWid")->isChecked());
    Trigger("BmpWid");
    Trigger("BmpWid");
    EXPECT_TRUE(Find<QAction>("BmpWid")->isChecked()) << "twice returns to the first display";

    Trigger("BmpOn");
    EXPECT_FALSE(Find<QAction>("BmpOn")->isChecked());
    EXPECT_NE(CanvasImage().pixel(far), kRed);
    Trigger("BmpOn");
    EXPECT_EQ(CanvasImage().pixel(far), kRed);

    Trigger("N10");
    EXPECT_EQ(Slot(0).Pixels, nullptr);
    EXPECT_TRUE(Slot(0).Path.empty());
    EXPECT_EQ(CanvasImage().pixel(far), ToQColor(window->Preferences().FormColor).rgb());
}

TEST_F(ImagesTest, ANewDrawingHasNoImages)
{
    InsertAt(Bmp("red.bmp", 40, 20), 0, 0);
    dialogs.Files = {Bmp("back.bmp", 8, 8)};
    Trigger("BmpOpen1");
    Doc().Saved = true;
    Press("SpeedButtonNew1");
    EXPECT_EQ(Images().ImageCount, 0);
    EXPECT_EQ(Slot(0).Pixels, nullptr);
    EXPECT_NE(InsideCorner(0, 0), kRed);
}

// A drawing saved with images and fills opens with them; an image whose file has gone keeps its
// entry through repaints and the next save, where a paint error used to drop every entry.
TEST_F(ImagesTest, ImagesAndFillsSurviveSavingAndReopening)
{
    for (TCadData line : {Line(0, 0, 50, 0), Line(50, 0, 50, 50), Line(50, 50, 0, 0)}) {
        line.Group = 1;
        AddElement(Doc(), line);
    }
    Doc().MaxGroup = 1;
    Doc().MemoBrush = {"1,255"};
    Press("ButtonBrushOnOff");
    const std::string red = Bmp("red.bmp", 30, 10);
    const std::string blue = Bmp("blue.bmp", 30, 10, Qt::blue);
    InsertAt(red, 100, 100);
    InsertAt(blue, 200, 100);
    const ImageList placed = Images();
    const std::string file = (folder / "with-images.dca").string();
    ASSERT_TRUE(window->WriteDrawingTo(file));

    Press("SpeedButtonNew1");
    ASSERT_TRUE(window->OpenDrawing(file));
    EXPECT_EQ(Doc().MemoBrush, std::vector<std::string>{"1,255"});
    EXPECT_TRUE(window->FillsShown());
    ASSERT_EQ(Images().ImageCount, 2);
    for (int i = 1; i <= 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Slot(i).Path, placed.Slots[static_cast<size_t>(i)].Path);
        EXPECT_EQ(Slot(i).X, placed.Slots[static_cast<size_t>(i)].X);
        EXPECT_EQ(Slot(i).Y, placed.Slots[static_cast<size_t>(i)].Y);
        EXPECT_EQ(ImageWidth(Slot(i)), 30);
    }
    Press("SpeedButton8");  // the sheet again: the opened drawing was fitted to its triangle
    EXPECT_EQ(InsideCorner(Slot(2).X, Slot(2).Y), 0xFF0000FF);

    std::filesystem::remove(red);
    Press("SpeedButtonNew1");
    ASSERT_TRUE(window->OpenDrawing(file));
    window->RedrawAll(true);
    ASSERT_TRUE(window->WriteDrawingTo(file));
    Drawing read;
    DrawingFileSettings settings;
    ASSERT_TRUE(ReadDrawingFile(std::filesystem::path(file), read, settings).Ok);
    ASSERT_EQ(settings.Images.size(), 3u);
    EXPECT_EQ(settings.Images[1].Path, red);
    EXPECT_EQ(settings.Images[2].Path, blue);
}

}  // namespace
}  // namespace vantro::testing
