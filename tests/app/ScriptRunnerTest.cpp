// Command scripts in the real window, offscreen.
#include "app/ScriptRunner.h"
#include "commands/CommandScript.h"
#include "document/Cp932.h"
#include "files/DrawingFile.h"
#include "support/Fixtures.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace vantro {
namespace {

class ScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() / ("vantro-script-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        window = std::make_unique<TForm1>();
        window->resize(1280, 800);
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        window->Document().Saved = true;
        window.reset();
        std::filesystem::remove_all(folder);
    }

    std::optional<ScriptFailure> Run(const std::string& script, const std::string& drawing = {})
    {
        messages.str({});
        return RunScript(*window, drawing, ScriptLines(script), messages);
    }
    std::string Path(const char* name) const { return (folder / name).string(); }
    // A line and a circle that both pass (40, 0).
    void PutElementsForChooser()
    {
        testing::AddLine(window->Document(), 0, 0, 80, 0);
        testing::AddCircle(window->Document(), 40, 10, 10);
        window->RedrawAll(true);
    }

    std::filesystem::path folder;
    std::unique_ptr<TForm1> window;
    std::ostringstream messages;
};

TEST_F(ScriptTest, TwoTypedLinesAndOneClickedAreSaved)
{
    const std::string script = "# typed, then clicked\n"
                               "button SpeedButton17\n"
                               "expect-prompt 1点目を指定して下さい(直線-2点)\n"
                               "type EditX 0\ntype EditY 0\nenter EditX\n"
                               "type EditX 100\ntype EditY 0\nenter EditY\n"
                               "type EditX @0\ntype EditY 50\nenter EditX\n"
                               "type EditY @50\nenter EditX\n"
                               "\n"
                               "click 10 10\nclick 60 30\n"
                               "save " + Path("lines.dca") + "\n";
    const auto failure = Run(script);
    ASSERT_FALSE(failure) << failure->Line << ": " << failure->Reason;
    Drawing read;
    DrawingFileSettings file;
    ASSERT_TRUE(ReadDrawingFile(folder / "lines.dca", read, file).Ok);
    ASSERT_EQ(read.Count, 3);
    const double expected[3][4] = {{0, 0, 100, 0}, {100, 50, 100, 100}, {10, 10, 60, 30}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read[i + 1].Kind, kKindLine);
        EXPECT_NEAR(read[i + 1].X1, expected[i][0], 0.5);
        EXPECT_NEAR(read[i + 1].Y1, expected[i][1], 0.5);
        EXPECT_NEAR(read[i + 1].X2, expected[i][2], 0.5);
        EXPECT_NEAR(read[i + 1].Y2, expected[i][3], 0.5);
    }
    EXPECT_EQ(read[1].X2, 100) << "typed points are exact";
}

TEST_F(ScriptTest, DimensionsAndALeaderTextOnSnapPoints)
{
    const std::string script = "button SpeedButton17\n"
                               "type EditX 0\ntype EditY 0\nenter EditX\n"
                               "type EditX 40\nenter EditX\n"
                               "button SpeedButton30\n"
                               "type EditR 10\ntype EditX 0\ntype EditY 30\nenter EditX\n"
                               "button CheckBoxSnap1\n"
                               "button SpeedButton150\n"
                               "click 0 0\n"
                               "expect-prompt 2つ目のポイントを選択して下さい(寸法線-距離)\n"
                               "click 40 0\n"
                               "click 20 -15\n"
                               "expect-prompt 1つ目のポイントを選択して下さい(寸法線-距離)\n"
                               "button SpeedButton250\n"
                               "click 10 30\nclick 25 45\n"
                               "button SpeedButton171\n"
                               "click 40 0\nclick 60 20\n"
                               "answer 端面\n"
                               "click 80 20\n"
                               "expect-prompt 基点位置をクリックして下さい(折れ線TEXT)\n"
                               "save " + Path("dimensions.dca") + "\n";
    const auto failure = Run(script);
    ASSERT_FALSE(failure) << failure->Line << ": " << failure->Reason;
    Drawing read;
    DrawingFileSettings file;
    ASSERT_TRUE(ReadDrawingFile(folder / "dimensions.dca", read, file).Ok);
    ASSERT_EQ(read.Count, 5);
    EXPECT_EQ(read[3].Kind, kKindDimX);
    EXPECT_EQ(read[3].Value, 40) << "between the snapped ends";
    EXPECT_EQ(read[4].Kind, kKindDimRadius);
    EXPECT_EQ(read[4].Value, 10);
    EXPECT_EQ(read[5].Kind, kKindLeader);
    EXPECT_EQ(read[5].X1, 40);
    EXPECT_EQ(read[5].Text, "=" + Utf8ToCp932("端面"));
}

TEST_F(ScriptTest, EditingCommandsTakeTheirAnswersAndTypedValues)
{
    testing::AddLine(window->Document(), 0, 0, 100, 0);
    window->RedrawAll(true);
    const auto failure = Run("button SpeedButtonOp\nbutton SpeedButton246\n"
                             "answer 4\nclick 50 0\n"
                             "button SpeedButton200\ntype EditR 20\nclick 60 0\nclick 60 30\n"
                             "button SpeedButton116 right\nclick 60 20\n"
                             "type EditX 0\ntype EditY 0\nenter EditX\n"
                             "type EditR 180\nenter EditR\n"
                             "expect-prompt コピー個数を入力して下さい(回転)\n"
                             "type EditR 1\nenter EditR\n"
                             "expect-prompt 回転する要素を選択するか範囲を作図して下さい(回転)\n");
    ASSERT_FALSE(failure) << failure->Line << ": " << failure->Reason;
    const Drawing& d = window->Document();
    ASSERT_EQ(d.Count, 6) << "four quarters, an offset and its turned copy";
    EXPECT_EQ(d[5].Y1, 20);
    EXPECT_EQ(d[5].X1, 50);
    EXPECT_NEAR(d[6].Y1, -20, 1e-9);
    EXPECT_NEAR(d[6].X1, -50, 1e-9);
    EXPECT_NE(messages.str().find("分割数を入力してください"), std::string::npos) << messages.str();
}

TEST_F(ScriptTest, FailuresNameTheLineAndTheReason)
{
    const struct {
        const char* Script;
        int Line;
        const char* Reason;
    } cases[] = {
        {"frobnicate", 1, "不明な命令です"},
        {"\n# nothing\nbutton NoSuchButton", 3, "という部品はありません"},
        {"button SpeedButton17\nexpect-prompt 違う案内", 2, "案内は"},
        {"button SpeedButton17\nclick 100000 0", 2, "画面の外です"},
        {"button SpeedButton17\ntype EditR 5", 2, "表示されていません"},
        {"button SpeedButton296", 1, "答えのない問い合わせです"},
        {"button H1", 1, "スクリプトから操作できません"},
        {"click 1 2 alt", 1, "shift か ctrl"},
        {"key F13", 1, "不明なキーです"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Script);
        const auto failure = Run(c.Script);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->Line, c.Line);
        EXPECT_NE(failure->Reason.find(c.Reason), std::string::npos) << failure->Reason;
        window->CancelCommand();
    }
}

TEST_F(ScriptTest, MessagesAreWrittenOutAndAnswersGoToQuestions)
{
    PutElementsForChooser();
    const auto failure = Run("button SpeedButton100\n"
                             "answer 2\n"
                             "click 40 0\n"
                             "button SpeedButton0\n"
                             "button SpeedButton17\n"
                             "type EditX x\nenter EditX\n"
                             "answer ok\n"
                             "button SpeedButtonNew1\n");
    ASSERT_FALSE(failure) << failure->Line << ": " << failure->Reason;
    EXPECT_NE(messages.str().find("VantroCad: 入力数値を確認して下さい！"), std::string::npos) << messages.str();
    EXPECT_NE(messages.str().find("重複選択 1 of (2)  直線"), std::string::npos) << messages.str();
    EXPECT_EQ(window->Document().Count, 0) << "the new drawing was confirmed";
}

// The hatch dialog takes its answer as "slope pitch" (or the pitch alone); the image menu's file
// dialog takes a path.
TEST_F(ScriptTest, AFilledHatchedRectangleWithAnImage)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(QString::fromStdString(Path("green.bmp")), "BMP"));
    const auto failure = Run("button SpeedButton39\n"
                             "type EditX 0\ntype EditY 0\nenter EditX\n"
                             "type EditX 100\ntype EditY 50\nenter EditX\n"
                             "button SpeedButton228\nclick 30 0\n"
                             "button ButtonBrushOnOff\n"
                             "answer ＼ 20\nbutton SpeedButton55\n"
                             "answer yes\nclick 70 0\n"
                             "answer " + Path("green.bmp") + "\nbutton BmpOpen2\nclick 0 100\n"
                             "save " + Path("marked.dca") + "\n");
    ASSERT_FALSE(failure) << failure->Line << ": " << failure->Reason;
    EXPECT_NE(messages.str().find("共有メモリー使用のため、塗りつぶし表示を一時解除します"), std::string::npos);
    Drawing read;
    DrawingFileSettings file;
    ASSERT_TRUE(ReadDrawingFile(folder / "marked.dca", read, file).Ok);
    ASSERT_GT(read.Count, 4);
    EXPECT_LE(read.Count, 4 + 7) << "Trunc((50 + 100) / 20) sweeps";
    for (int i = 5; i <= read.Count; ++i) EXPECT_LT((read[i].X2 - read[i].X1) * (read[i].Y2 - read[i].Y1), 0) << "falling";
    EXPECT_EQ(read.MemoBrush, std::vector<std::string>{std::to_string(read[1].Group) + ",0"});
    ASSERT_EQ(file.Images.size(), 2u);
    EXPECT_EQ(file.Images[1].Path, Path("green.bmp"));
    EXPECT_NEAR(file.Images[1].Y, 100, 1);
}

TEST_F(ScriptTest, TheChooserTakesTheCandidateNamed)
{
    PutElementsForChooser();
    ASSERT_FALSE(Run("button SpeedButton100\nanswer 2\nclick 40 0\n"));
    EXPECT_EQ(window->Document()[1].Selected, 0);
    EXPECT_EQ(window->Document()[2].Selected, 1);
}

TEST_F(ScriptTest, AWindowSelectionDeletesOnConfirming)
{
    Drawing& d = window->Document();
    testing::AddLine(d, 0, 0, 50, 0);
    testing::AddLine(d, 0, 20, 50, 20);
    testing::AddLine(d, 300, 20, 350, 20);
    ASSERT_FALSE(Run("button SpeedButton300\ndrag -10 -10 60 30\nbutton ButtonMulti\n"));
    ASSERT_EQ(d.Count, 1);
    EXPECT_EQ(d[1].X1, 300);
}

TEST_F(ScriptTest, TheNamedDrawingIsOpenedFirst)
{
    Drawing drawing;
    testing::AddLine(drawing, 0, 0, 10, 10);
    ASSERT_TRUE(WriteDrawingFile(folder / "in.dca", drawing, {}).Ok);
    ASSERT_FALSE(Run("expect-prompt\n", Path("in.dca")));
    EXPECT_EQ(window->Document().Count, 1);
    const auto missing = Run("", Path("missing.dca"));
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->Line, 0);
}

TEST_F(ScriptTest, ScriptFilesThatAreNoFilesAreRefused)
{
    std::string reason;
    EXPECT_FALSE(ReadScriptFile(folder.string(), reason));
    EXPECT_FALSE(reason.empty());
    std::ofstream(folder / "s.txt") << "button SpeedButton17\r\nclick 1 2\r\n";
    const auto lines = ReadScriptFile(Path("s.txt"), reason);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"button SpeedButton17", "click 1 2"}));
}

}  // namespace
}  // namespace vantro
