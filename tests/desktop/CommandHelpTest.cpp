#include "commands/StepTable.h"
#include "commands/ToolButtonTable.h"
#include "desktop/CommandHelp.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantro {
namespace {

const CommandHelp& EntryAt(const std::vector<CommandHelp>& entries, uint16_t start)
{
    const auto found = std::ranges::find(entries, start, &CommandHelp::Start);
    EXPECT_NE(found, entries.end()) << start;
    return *found;
}

TEST(CommandHelp, EveryToolButtonHasAnEntryWithItsHintAndPrompts)
{
    const std::vector<CommandHelp> entries = CommandHelpEntries();
    ASSERT_EQ(entries.size(), ToolButtonRows().size() + 3) << "and the three commands menus start";
    for (const ToolButtonRow& button : ToolButtonRows()) {
        SCOPED_TRACE(button.Name);
        const CommandHelp& entry = EntryAt(entries, button.Start);
        EXPECT_EQ(entry.Hint, button.Hint);
        EXPECT_FALSE(entry.Prompts.empty());
        EXPECT_TRUE(HasHelpEntry(button.Start));
    }
}

TEST(CommandHelp, EveryHelpContextOfTheStepTableHasAnEntry)
{
    EXPECT_TRUE(HasHelpEntry(0)) << "the page's top";
    for (const StepRow& row : StepRows()) {
        if (row.HelpContext == 0) continue;
        SCOPED_TRACE(row.Code);
        EXPECT_TRUE(HasHelpEntry(row.HelpContext));
    }
    EXPECT_FALSE(HasHelpEntry(18)) << "the second step of a line is no command's start";
}

TEST(CommandHelp, EntriesListTheStepsOfTheirOwnCommand)
{
    struct Case {
        uint16_t Start;
        std::vector<std::string> Prompts;
        std::vector<std::string> RightPrompts;
        std::vector<std::string> Keys;
    };
    const Case cases[] = {
        {17, {"1点目を指定して下さい(直線-2点)", "2点目を指定して下さい(直線-2点)"}, {}, {"W"}},
        {30,
         {"中心点と半径を指定して下さい(円-中心と半径)", "半径を入力又はクリックして下さい(円-中心)"},
         {"中心点と直径を指定して下さい(円-中心と直径)", "直径を入力又はクリックして下さい(円-中心)"},
         {"D"}},
        // The radius step of the arc between two lines comes after its second line, not after the
        // tangent arc whose codes it follows.
        {64, {"1つ目の要素を選択して下さい(円弧-接円)", "２つ目の要素を選択して下さい(円-接円)"}, {}, {}},
        {243,
         {"1つ目の直線をクリックして下さい(円弧-2直線と半径)", "2つ目の直線を選択して下さい(円弧-2直線と半径)",
          "半径を入力するかクリックして下さい(円弧-2直線と半径)"},
         {},
         {}},
        {21, {"座標を指定して下さい(点)"},
         {"交点を求める1個めの図形をクリックして下さい(点)", "もう1個の要素を選択して下さい（点)"}, {"Q（右ボタン）"}},
        {300, {"削除する図形を単独、又は範囲選択して下さい。(削除)"}, {}, {}},
    };
    const std::vector<CommandHelp> entries = CommandHelpEntries();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Start);
        const CommandHelp& entry = EntryAt(entries, c.Start);
        EXPECT_EQ(entry.Prompts, c.Prompts);
        EXPECT_EQ(entry.RightPrompts, c.RightPrompts);
        EXPECT_EQ(entry.Keys, c.Keys);
    }
}

TEST(CommandHelp, CommandsThatMenusStartHaveEntries)
{
    const struct {
        uint16_t Start;
        const char* Hint;
        std::vector<std::string> Prompts;
    } cases[] = {
        {130, "部分保存（ファイルメニュー）", {"部分保存する図形を包み窓により指定してください。"}},
        {249, "連続図形要素確認（設定メニュー）", {"確認する図形を選択して下さい(連続要素確認)"}},
        {292, "図形選択開始（編集メニュー）", {}},
    };
    const std::vector<CommandHelp> entries = CommandHelpEntries();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Start);
        const CommandHelp& entry = EntryAt(entries, c.Start);
        EXPECT_EQ(entry.Hint, c.Hint);
        EXPECT_EQ(entry.Prompts, c.Prompts);
        EXPECT_EQ(entry.Prompts.empty(), !entry.Note.empty()) << "a command without prompts is explained";
    }
}

TEST(CommandHelp, ThePageHasAnAnchorAndAListLinkForEveryEntry)
{
    const std::string html = HelpHtml();
    EXPECT_NE(html.find("<a name=\"c0\""), std::string::npos);
    for (const CommandHelp& entry : CommandHelpEntries()) {
        SCOPED_TRACE(entry.Start);
        const std::string anchor = HelpAnchor(entry.Start);
        EXPECT_NE(html.find("<a name=\"" + anchor + "\""), std::string::npos);
        EXPECT_NE(html.find("<a href=\"#" + anchor + "\">"), std::string::npos);
    }
}

}  // namespace
}  // namespace vantro
