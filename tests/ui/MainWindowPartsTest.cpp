// Part files and pap files through the window's menus.
#include "MainWindowFixture.h"

#include "document/Layers.h"
#include "files/PapFile.h"
#include "files/PartFile.h"
#include "files/ScratchFolder.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace vantro::testing {
namespace {

class MainWindowParts : public MainWindowTest {
protected:
    void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
    std::string PathFor(const char* name) const { return (folder / name).string(); }

    // Three lines near the origin and one far off, drawn.
    void DrawFour()
    {
        Drawing& d = window->Document();
        for (double y : {10.0, 20.0, 30.0}) AddLine(d, 10, y, 40, y);
        AddLine(d, 10, 150, 40, 150);
        window->RedrawAll(true);
    }

    ScratchFolder folder;
};

TEST_F(MainWindowParts, SavePartSelectsWithAWindowAndConfirmingWritesThePart)
{
    DrawFour();
    Trigger("SavePart");
    EXPECT_EQ(Mode(), step::kPartSaveSelect);
    EXPECT_EQ(Prompt(), "部分保存する図形を包み窓により指定してください。");
    Drag(0, 0, 50, 40);
    EXPECT_TRUE(Find("PanelMulti")->isVisible());
    dialogs.Files = {PathFor("three")};
    QTest::mouseClick(Find<QPushButton>("ButtonMulti"), Qt::LeftButton);
    EXPECT_EQ(std::filesystem::file_size(folder / "three.dpa"), 6u + 3 * 85);
    EXPECT_EQ(Mode(), step::kIdle);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(window->Document()[i].Selected, 0) << i;
    EXPECT_FALSE(Find("PanelMulti")->isVisible());
}

TEST_F(MainWindowParts, LoadPartMergesOntoTheActiveLayerAndMarksTheDrawingUnsaved)
{
    Drawing part;
    for (double y : {0.0, 5.0}) PutElement(part, Line(0, y, 10, y, 3));
    for (int i = 1; i <= part.Count; ++i) part[i].Selected = 1;
    ASSERT_TRUE(WritePartFile(folder / "two.dpa", part).Ok);
    Settings settings;
    settings.CadFolder = folder.Path().string();
    Open(settings);
    SelectActiveLayer(window->Document().Layers, 7, false);
    window->Document().Saved = true;
    dialogs.Files = {PathFor("two.dpa"), PathFor("two.dpa")};
    Trigger("LoadPart");
    Trigger("LoadPart");
    const Drawing& d = window->Document();
    ASSERT_EQ(d.Count, 4);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(d[i].Layer, 7) << i;
    EXPECT_EQ(d[4].Id, 4);
    EXPECT_FALSE(d.Saved) << "closing must ask about the merged elements";
    EXPECT_EQ(dialogs.FileDialogs.at(0), (ScriptedDialogs::FileDialog{folder.Path().string(), kMergeFileFilter}));
    EXPECT_TRUE(dialogs.Messages.empty());
}

// Merged elements carry no undo records, so a redo standing from before could not be replayed.
TEST_F(MainWindowParts, MergingAPartDiscardsRedo)
{
    Drawing part;
    PutElement(part, Line(0, 0, 10, 0));
    part[1].Selected = 1;
    ASSERT_TRUE(WritePartFile(folder / "one.dpa", part).Ok);
    Press("SpeedButton17");
    ClickCanvas({300, 200});
    ClickCanvas({500, 200});
    QTest::keyClick(Find<QLineEdit>("EditX"), Qt::Key_Escape);
    Press("SpeedButtonUNDU");
    ASSERT_TRUE(Find<QToolButton>("SpeedButtonREDU")->isEnabled());
    ASSERT_TRUE(window->MergeFile(PathFor("one.dpa")));
    EXPECT_FALSE(Find<QToolButton>("SpeedButtonREDU")->isEnabled());
    EXPECT_TRUE(window->Document().History.RedoRecords.empty());
}

TEST_F(MainWindowParts, AShortPartFileSaysReadErrorAndKeepsWhatWasRead)
{
    Drawing part;
    for (double y : {0.0, 5.0}) PutElement(part, Line(0, y, 10, y));
    for (int i = 1; i <= part.Count; ++i) part[i].Selected = 1;
    int cut = 0;
    const std::string bytes = EncodePartFile(part, cut);
    WriteBytes(folder / "short.dpa", bytes.substr(0, bytes.size() - 10));
    EXPECT_FALSE(window->MergeFile(PathFor("short.dpa")));
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"読み込みエラー"});
    EXPECT_EQ(window->Document().Count, 1);
}

TEST_F(MainWindowParts, ThePapMenuWritesAndReadsLinesArcsAndCircles)
{
    Drawing& d = window->Document();
    AddLine(d, 0, 0, 30, 40);
    AddCircle(d, 5, 5, 2);
    TCadData text = TextElement(0, 0, 5, "T");
    AddElement(d, text);
    QMenu* pap = Find<QMenu>("MenuPap");
    ASSERT_NE(pap, nullptr);
    EXPECT_EQ(pap->title(), "Papファイル");
    dialogs.Files = {PathFor("shape.txt")};
    Trigger("MenuPapSave");
    const auto written = folder / "shape.txt.pap";
    ASSERT_TRUE(std::filesystem::exists(written));
    EXPECT_EQ(ReadBytes(written).substr(0, 8), "100\r\n2\r\n");

    dialogs.Files = {written.string()};
    dialogs.Answers = {DialogAnswer::Ok};
    Trigger("MenuPapOpen");
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"編集中の CADデータがあります、よろしいですか？"});
    ASSERT_EQ(window->Document().Count, 2);
    EXPECT_EQ(window->Document()[1].X1, 30) << "a line comes back reversed";
    EXPECT_EQ(window->Document()[2].R, 2);
    EXPECT_TRUE(window->Document().Saved);
    EXPECT_TRUE(window->CurrentFile().isEmpty());
}

TEST_F(MainWindowParts, CancellingThePapQuestionKeepsTheDrawing)
{
    AddLine(window->Document(), 0, 0, 1, 1);
    window->Document().Saved = false;
    dialogs.Answers = {DialogAnswer::Cancel};
    Trigger("MenuPapOpen");
    EXPECT_EQ(window->Document().Count, 1);
    EXPECT_TRUE(dialogs.FileDialogs.empty());
}

}  // namespace
}  // namespace vantro::testing
