#include "MainWindowFixture.h"

#include "document/Tolerance.h"
#include "files/DrawingFile.h"
#include "files/SettingsFile.h"
#include "support/Fixtures.h"
#include "geometry/Dimensions.h"
#include "support/Fixtures.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include <filesystem>
#include <fstream>

namespace vantro::testing {
namespace {

class MainWindowFiles : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        folder = std::filesystem::temp_directory_path() / ("vantro-window-files-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        std::filesystem::remove_all(folder);
    }
    void DrawLine()
    {
        Press("SpeedButton17");
        ClickCanvas({300, 200});
        ClickCanvas({500, 300});
        QTest::keyClick(window.get(), Qt::Key_Escape);
    }
    std::string PathFor(const char* name) const { return (folder / name).string(); }

    std::filesystem::path folder;
};

TEST_F(MainWindowFiles, SaveAsAddsTheExtensionNamesTheCaptionAndOpenReadsItBack)
{
    DrawLine();
    const TCadData line = window->Document()[1];
    dialogs.Files = {PathFor("part")};
    ASSERT_TRUE(window->SaveAsCommand());
    EXPECT_TRUE(std::filesystem::exists(folder / "part.dca"));
    EXPECT_EQ(window->windowTitle().toStdString(), PathFor("part.dca"));
    EXPECT_TRUE(window->Document().Saved);

    Open(Settings{});
    dialogs.Files = {PathFor("part.dca")};
    window->OpenCommand();
    ASSERT_EQ(window->Document().Count, 1);
    EXPECT_EQ(window->Document()[1].X1, line.X1);
    EXPECT_EQ(window->Document()[1].Y2, line.Y2);
    EXPECT_EQ(window->CurrentFile().toStdString(), PathFor("part.dca"));
}

TEST_F(MainWindowFiles, TheDxfMenusWriteAndReadBackAndNeverSaveADrawingOverTheDxfFile)
{
    DrawLine();
    ASSERT_TRUE(AppendLinearDimension(window->Document(), window->Attributes(), window->CurrentDimensionOptions(),
                                      kKindDimX, {0, 0}, {30, 0}, {15, 10}));
    Find<QLineEdit>("EditKousa")->setText("+0.1");
    dialogs.Files = {PathFor("part")};
    window->findChild<QAction*>("dxfSave")->trigger();
    ASSERT_TRUE(std::filesystem::exists(folder / "part.dxf"));

    window->Document().Saved = true;
    dialogs.Files = {PathFor("part.dxf")};
    window->findChild<QAction*>("dxfOpen")->trigger();
    EXPECT_EQ(window->CurrentFile().toStdString(), PathFor("part.dxf"));
    EXPECT_TRUE(Find<QLineEdit>("EditKousa")->text().isEmpty()) << "the import clears tolerance and memo";
    int lines = 0;
    int dimensions = 0;
    for (int i = 1; i <= window->Document().Count; ++i) {
        lines += window->Document()[i].Kind == kKindLine ? 1 : 0;
        dimensions += window->Document()[i].Kind == kKindDimX ? 1 : 0;
    }
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(dimensions, 1);

    const auto dxfSize = std::filesystem::file_size(folder / "part.dxf");
    dialogs.Files = {PathFor("part")};
    ASSERT_TRUE(window->OverwriteSaveCommand());
    EXPECT_EQ(std::filesystem::file_size(folder / "part.dxf"), dxfSize);
    EXPECT_TRUE(std::filesystem::exists(folder / "part.dca"));
}

// What an import left out was not shown (an abandoned entity was counted but never told), and
// dimensions were drawn in the settings' text height rather than the file's.
TEST_F(MainWindowFiles, AfterADxfImportTheWindowTellsWhatWasLeftOutAndTakesTheFilesDimensionSizes)
{
    std::ofstream(folder / "sheet.dxf")
        << "0\nSECTION\n2\nHEADER\n9\n$DIMTXT\n40\n3.5\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
           "0\nXLINE\n10\n0\n20\n0\n0\nLINE\n67\n1\n10\n0\n20\n0\n11\n1\n21\n0\n"
           "0\nDIMENSION\n10\n0\n20\n10\n11\n20\n21\n10\n70\n32\n13\n0\n23\n0\n14\n40\n24\n0\n0\nENDSEC\n0\nEOF\n";
    dialogs.Files = {PathFor("sheet.dxf")};
    window->findChild<QAction*>("dxfOpen")->trigger();
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"XLINEの読み込みは対応していません。 (1)\n"
                                                         "ペーパー空間の図形は読み込みません: 1"});
    EXPECT_EQ(window->Document().Count, 1);
    EXPECT_EQ(window->Preferences().Textheight, 3.5);
}

TEST_F(MainWindowFiles, WhatTheDxfExportCannotWriteIsTold)
{
    TCadData reserved{};
    reserved.Kind = 20;  // a dimension kind no command makes
    reserved.Layer = 1;
    reserved.X2 = 1;
    PutElement(window->Document(), reserved);
    dialogs.Files = {PathFor("part")};
    window->findChild<QAction*>("dxfSave")->trigger();
    EXPECT_TRUE(std::filesystem::exists(folder / "part.dxf"));
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"1個の図形はDXFに書き出せませんでした。"});
}

TEST_F(MainWindowFiles, TheDimensionControlsGiveTheOptions)
{
    auto* diameter = Find<QCheckBox>("CheckBoxD");
    auto* radius = Find<QCheckBox>("CheckBoxR");
    Press("SpeedButton150");
    ASSERT_TRUE(diameter->isVisible());
    QTest::mouseClick(diameter, Qt::LeftButton);
    QTest::mouseClick(radius, Qt::LeftButton);
    EXPECT_FALSE(diameter->isChecked()) << "pressing one prefix clears the other";
    Find<QComboBox>("ComboBoxBy")->setCurrentIndex(3);
    Find<QComboBox>("ComboBoxDim1")->setCurrentIndex(0);
    Find<QLineEdit>("EditCome")->setText("4x");
    const DimensionOptions options = window->CurrentDimensionOptions();
    EXPECT_TRUE(options.Radius);
    EXPECT_EQ(options.RatioIndex, 3);
    EXPECT_EQ(options.LinePitch, 0);
    EXPECT_EQ(options.Memo, "4x");
    Press("SpeedButton250");
    EXPECT_FALSE(radius->isChecked()) << "the radius command starts without prefixes";
}

TEST_F(MainWindowFiles, OverwritingAnExistingFileAsksFirst)
{
    DrawLine();
    dialogs.Files = {PathFor("a.dca")};
    ASSERT_TRUE(window->SaveAsCommand());
    dialogs.Files = {PathFor("a.dca")};
    dialogs.Answers = {DialogAnswer::Cancel};
    EXPECT_FALSE(window->SaveAsCommand());
    EXPECT_EQ(dialogs.Questions.back(), "ファイル名 " + PathFor("a.dca") + " はすでに存在します上書きしますか？");
    DrawLine();
    EXPECT_TRUE(window->OverwriteSaveCommand()) << "the caption names the file: no dialog";
    EXPECT_TRUE(window->Document().Saved);
}

// A save used to cut an over-long text without a word and call the drawing saved, so closing
// then lost the rest of the text without a question.
TEST_F(MainWindowFiles, ASaveThatHadToCutATextSaysSoAndLeavesTheDrawingUnsaved)
{
    TCadData text{};
    text.Kind = kKindText;
    text.Layer = 1;
    text.R = 5;
    text.Text = std::string(3000, 'x');
    PutElement(window->Document(), text);
    dialogs.Files = {PathFor("long")};
    ASSERT_TRUE(window->SaveAsCommand());
    EXPECT_TRUE(std::filesystem::exists(folder / "long.dca"));
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"1個の文字列が長すぎるため、2550バイトまでに切り詰めて保存しました。"});
    EXPECT_FALSE(window->Document().Saved);
    dialogs.Answers = {DialogAnswer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"CADデータは変更されています保存しますか？"});
}

TEST_F(MainWindowFiles, OpeningOverUnsavedWorkAsksAndABadFileSaysWhy)
{
    DrawLine();
    dialogs.Answers = {DialogAnswer::Cancel};
    window->OpenCommand();
    EXPECT_EQ(dialogs.Questions.back(), "編集中の CADデータがあります、よろしいですか？");
    EXPECT_EQ(window->Document().Count, 1);

    const std::string bad = PathFor("bad.dca");
    std::FILE* file = std::fopen(bad.c_str(), "wb");
    std::fputs("xy", file);
    std::fclose(file);
    EXPECT_FALSE(window->OpenDrawing(bad));
    EXPECT_EQ(dialogs.Messages.back(), "ファイルは開けませんでした。");
    EXPECT_EQ(window->Document().Count, 0);
    EXPECT_TRUE(window->CurrentFile().isEmpty());
}

TEST_F(MainWindowFiles, ElementsTheDrawingCannotHoldAreLeftOutAndTheUserIsTold)
{
    // One element on layer 0 once made the whole file unopenable.
    Drawing written;
    PutElement(written, Line(0, 0, 10, 0));
    PutElement(written, Line(0, 0, 10, 10, 0));
    PutElement(written, Line(0, 0, 0, 10));
    ASSERT_TRUE(WriteDrawingFile(folder / "spoilt.dca", written, DrawingFileSettings{}).Ok);
    EXPECT_TRUE(window->OpenDrawing(PathFor("spoilt.dca")));
    EXPECT_EQ(window->Document().Count, 2);
    EXPECT_EQ(window->CurrentFile().toStdString(), PathFor("spoilt.dca"));
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{SkippedElementsMessage(1)});
    EXPECT_TRUE(window->Document().Saved) << "nothing asks to write the file over";
}

// Answering Yes to the closing question must not lose the drawing when the save does not happen.
TEST_F(MainWindowFiles, YesOnClosingStaysOpenWhenTheSaveIsCancelled)
{
    DrawLine();
    dialogs.Answers = {DialogAnswer::Yes};
    EXPECT_FALSE(window->close()) << "no file name and the save dialog was cancelled";
    EXPECT_EQ(window->Document().Count, 1);
    dialogs.Answers = {DialogAnswer::Yes};
    dialogs.Files = {PathFor("kept.dca")};
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(std::filesystem::exists(folder / "kept.dca"));
}

TEST_F(MainWindowFiles, ConfirmedSettingsTakeEffectAndReachTheSettingsFile)
{
    const std::filesystem::path file = folder / "VantroCad.ini";
    window.reset();
    window = std::make_unique<TForm1>(Settings{}, file);
    window->SetDialogs(&dialogs);
    window->resize(1280, 800);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    Settings changed = window->Preferences();
    changed.Width2 = 5;
    changed.CadMax = 150;
    changed.EpsIndex = 0;
    window->ApplySettings(changed);
    EXPECT_EQ(window->View().SheetWidth, 1500);
    EXPECT_EQ(window->Document().Capacity, 150);
    EXPECT_EQ(Eps(), static_cast<double>(0.1f));
    SetEps(kInitialEps);
    IniStore store;
    ASSERT_EQ(store.Load(file), IniLoadStatus::Loaded);
    Settings read;
    ASSERT_TRUE(ReadSettings(store, read).Ok);
    EXPECT_EQ(read.Width2, 5);
    EXPECT_EQ(read.CadMax, 150);
    EXPECT_EQ(read.EpsIndex, 0);
}

TEST_F(MainWindowFiles, ASettingsFileThatCannotBeReadIsNeverWrittenAndAFailedSaveIsReported)
{
    // A settings file that could not be read was once written over at the program's end, and a
    // save that failed said nothing.
    const struct {
        const char* Name;
        std::string Bytes;  // empty: no file, in a folder that is not there
        const char* Says;
    } cases[] = {
        {"utf16.ini", std::string("[\0C\0a\0d\0]\0", 10), "はテキストではないため読み込めませんでした。設定は保存しませんでした。"},
        {"large.ini", std::string(kMaxIniFileBytes + 1, ';'), "は大きすぎるため読み込めませんでした。設定は保存しませんでした。"},
        {"missing/VantroCad.ini", "", "に設定を保存できませんでした。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::filesystem::path file = folder / c.Name;
        if (!c.Bytes.empty()) std::ofstream(file, std::ios::binary) << c.Bytes;
        window.reset();
        window = std::make_unique<TForm1>(Settings{}, file);
        window->SetDialogs(&dialogs);
        dialogs.Messages.clear();
        Settings changed = window->Preferences();
        changed.Pick = 3;
        window->ApplySettings(changed);
        EXPECT_TRUE(window->close());
        const std::string said = "設定ファイル\"" + file.string() + "\"" + c.Says;
        EXPECT_EQ(dialogs.Messages, (std::vector<std::string>{said, said})) << "once on OK, once at the end";
        if (c.Bytes.empty()) continue;
        std::ifstream kept(file, std::ios::binary);
        EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(kept), {}) == c.Bytes) << "the file was written over";
    }
}

TEST_F(MainWindowFiles, TheTextDialogRemembersItsChoicesWhenTheTextCommandEnds)
{
    const std::filesystem::path file = folder / "VantroCad.ini";
    window.reset();
    window = std::make_unique<TForm1>(Settings{}, file);
    window->SetDialogs(&dialogs);
    window->SetTextDialogRunner([](TTextDialog& dialog) {
        dialog.findChild<QSpinBox*>("SpinEdit1")->setValue(33);
        dialog.Memo()->setPlainText("A");
        dialog.accept();
        return dialog.result() == QDialog::Accepted;
    });
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    Press("SpeedButton296");
    Press("SpeedButton17");  // another command ends the text command
    IniStore store;
    ASSERT_EQ(store.Load(file), IniLoadStatus::Loaded);
    Settings read;
    ASSERT_TRUE(ReadSettings(store, read).Ok);
    EXPECT_EQ(read.TextDlgHeight, 33);
}

}  // namespace
}  // namespace vantro::testing
