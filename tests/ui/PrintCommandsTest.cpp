// The print commands in the window: the paper placed on the canvas, printing to a PDF printer,
// the typed factor's messages and the canvas saved as a bitmap.
#include "files/ScratchFolder.h"
#include "ui/CanvasWidget.h"
#include "ui/MainWindowFixture.h"
#include "ui/PaperDialog.h"

#include <QAction>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>

namespace vantro::testing {
namespace {

class PrintCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        // The printer is a PDF file on A4 landscape instead of the system's dialog.
        window->SetPrinterChooser([this](QPrinter& printer) {
            ++printerChoices;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(Pdf().string()));
            printer.setResolution(600);
            printer.setFullPage(true);
            printer.setPageSize(QPageSize(pageSize));
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        });
    }

    std::filesystem::path Pdf() const { return folder.Path() / "printed.pdf"; }
    void Trigger(const char* name) { Find<QAction>(name)->trigger(); }
    const QImage& CanvasImage() const { return static_cast<CanvasWidget*>(Canvas())->Image(); }
    // Half the paper rectangle's sides in canvas pixels, as the placement draws them.
    QSize HalfPaper(int width, int height) const
    {
        const float s = ViewScale(window->View());
        return {static_cast<int>(std::nearbyint(width / 2.0f * s)), static_cast<int>(std::nearbyint(height / 2.0f * s))};
    }
    bool Inverted(const QImage& before, QPoint p) const
    {
        return CanvasImage().pixel(p) == (~before.pixel(p) | 0xFF000000u);
    }

    ScratchFolder folder;
    int printerChoices = 0;
    QPageSize::PageSizeId pageSize = QPageSize::A4;
};

TEST_F(PrintCommands, ThePaperFollowsTheMouseAndARightClickErasesItBeforeGoingIdle)
{
    Drawn({Line(-50, 0, 50, 0)});
    Trigger("Print1");
    ASSERT_EQ(Mode(), 7);
    const QImage before = CanvasImage().copy();
    const QPoint centre(400, 300);
    QTest::mouseMove(Canvas(), centre);
    const QSize half = HalfPaper(297, 210);
    EXPECT_TRUE(Inverted(before, centre + QPoint(-half.width(), 0)));
    EXPECT_TRUE(Inverted(before, centre + QPoint(0, half.height())));
    EXPECT_FALSE(Inverted(before, centre + QPoint(-half.width() + 3, 0)));
    ClickCanvas(centre, Qt::RightButton);
    EXPECT_EQ(Mode(), 0);
    EXPECT_EQ(CanvasImage(), before) << "the rectangle was erased";
    EXPECT_FALSE(std::filesystem::exists(Pdf()));
}

TEST_F(PrintCommands, FiveTimesOnA4LandscapePlacesA59By42Rectangle)
{
    Drawn({Line(-50, 0, 50, 0)});
    Trigger("Print500");
    ASSERT_EQ(Mode(), 7);
    const QImage before = CanvasImage().copy();
    const QPoint centre(500, 300);
    QTest::mouseMove(Canvas(), centre);
    const QSize half = HalfPaper(59, 42);
    EXPECT_TRUE(Inverted(before, centre + QPoint(half.width(), 0)));
    EXPECT_TRUE(Inverted(before, centre + QPoint(0, -half.height())));
    EXPECT_FALSE(Inverted(before, centre + QPoint(half.width() + 2, 0)));
    EXPECT_FALSE(Inverted(before, centre + QPoint(0, -half.height() - 2)));
}

// Letter is no size the print commands know: the paper dialog is asked, and its answer is the
// paper placed; "中止" ends the command before anything is placed.
TEST_F(PrintCommands, AnUnknownPageSizeAsksThePaperDialog)
{
    Drawn({Line(-50, 0, 50, 0)});
    pageSize = QPageSize::Letter;
    int asked = 0;
    bool stop = false;
    window->SetPaperDialogRunner([&](TFormPrint& dialog) {
        ++asked;
        if (stop) {
            dialog.reject();
            return false;
        }
        dialog.Item(TFormPrint::kUserSizeItem)->setChecked(true);
        dialog.EditX()->setText(QStringLiteral("200"));
        dialog.EditY()->setText(QStringLiteral("100"));
        dialog.accept();
        return dialog.result() == QDialog::Accepted;
    });
    Trigger("Print1");
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(Mode(), 7);
    const QImage before = CanvasImage().copy();
    const QPoint centre(400, 300);
    QTest::mouseMove(Canvas(), centre);
    const QSize half = HalfPaper(200, 100);
    EXPECT_TRUE(Inverted(before, centre + QPoint(-half.width(), 0))) << "landscape keeps the size as typed";
    EXPECT_TRUE(Inverted(before, centre + QPoint(0, half.height())));
    ClickCanvas(centre, Qt::RightButton);
    stop = true;
    Trigger("Print1");
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(Mode(), 0);
    EXPECT_FALSE(std::filesystem::exists(Pdf()));
}

TEST_F(PrintCommands, AClickAsksAndPrintsOnePageWithoutChangingTheDrawing)
{
    const std::vector<TCadData> elements = Drawn({Line(-50, 0, 50, 0)});
    Trigger("Print1");
    dialogs.Answers.push_back(DialogAnswer::Cancel);
    ClickAt(0, 0);
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"印刷を開始します、よろしいですか？"});
    EXPECT_FALSE(std::filesystem::exists(Pdf()));
    Trigger("Print1");
    dialogs.Answers.push_back(DialogAnswer::Ok);
    ClickAt(0, 0);
    EXPECT_EQ(Mode(), 0);
    ASSERT_TRUE(std::filesystem::exists(Pdf()));
    EXPECT_GT(std::filesystem::file_size(Pdf()), 0u);
    EXPECT_EQ(ElementsOf(Doc()), elements);
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(PrintCommands, TheTypedFactorIsCheckedBeforeThePrinterIsChosen)
{
    Drawn({Line(-50, 0, 50, 0)});
    struct Case {
        std::optional<std::string> typed;
        std::vector<std::string> messages;
        int mode;
    };
    const Case cases[] = {
        {"0.0098", {"数値が範囲外です"}, 0},
        {"abc", {"数値が不正です"}, 0},
        {std::nullopt, {}, 0},
        {"0.0099", {}, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.value_or("cancelled"));
        dialogs.Messages.clear();
        printerChoices = 0;
        dialogs.Inputs.push_back(c.typed);
        Trigger("printN");
        EXPECT_EQ(dialogs.Messages, c.messages);
        EXPECT_EQ(Mode(), c.mode);
        EXPECT_EQ(printerChoices, c.mode == 7 ? 1 : 0);
    }
}

TEST_F(PrintCommands, AnEmptyDrawingHasNothingToPrint)
{
    for (const char* item : {"Print1", "Print2", "Print50", "printN"}) {
        SCOPED_TRACE(item);
        dialogs.Messages.clear();
        Trigger(item);
        EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"印刷するデータがありません"});
        EXPECT_EQ(printerChoices, 0);
    }
}

TEST_F(PrintCommands, ThePrintButtonsRunTheMenuItems)
{
    Drawn({Line(-50, 0, 50, 0)});
    Press("SpeedButtonPrint1");
    EXPECT_EQ(Mode(), 7);
    ClickCanvas(QPoint(300, 300), Qt::RightButton);
    Press("SpeedButton24");
    EXPECT_EQ(printerChoices, 2);
    EXPECT_TRUE(std::filesystem::exists(Pdf())) << "printed as on screen";
}

TEST_F(PrintCommands, PrintAsOnScreenAndImagePrintWriteAPage)
{
    Drawn({Line(-50, 0, 50, 0)});
    for (const char* item : {"Print2", "ImagePrint"}) {
        SCOPED_TRACE(item);
        std::filesystem::remove(Pdf());
        Trigger(item);
        ASSERT_TRUE(std::filesystem::exists(Pdf()));
        EXPECT_GT(std::filesystem::file_size(Pdf()), 0u);
    }
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(PrintCommands, TheBitmapIsTheCanvasAtItsSizeUnderTheBmpExtension)
{
    Drawn({Line(-50, 0, 50, 0)});
    struct Case {
        const char* chosen;
        const char* written;
    };
    const Case cases[] = {{"plan", "plan.BMP"}, {"plan.bmp", "plan.BMP"}, {"other.png", "other.BMP"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        dialogs.Files.push_back((folder.Path() / c.chosen).string());
        Trigger("B2");
        const QImage saved(QString::fromStdString((folder.Path() / c.written).string()));
        ASSERT_FALSE(saved.isNull());
        EXPECT_EQ(saved.size(), CanvasImage().size());
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), CanvasImage().convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "plan.bmp.BMP"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "plan.BMP.BMP"));
    EXPECT_EQ(dialogs.FileDialogs.back().Filter, "ビットマップ (*.bmp)|*.bmp");
}

}  // namespace
}  // namespace vantro::testing
