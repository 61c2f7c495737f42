#include "commands/CommandScript.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

TEST(CommandScript, LinesAreRead)
{
    const struct {
        const char* Text;
        ScriptVerb Verb;
        std::string Name;
        bool Right;
        std::vector<double> Numbers;
        ScriptModifier Modifier;
        std::string Rest;
    } cases[] = {
        {"button SpeedButton17", ScriptVerb::Button, "SpeedButton17", false, {}, ScriptModifier::None, ""},
        {"  button SpeedButton100 right ", ScriptVerb::Button, "SpeedButton100", true, {}, ScriptModifier::None, ""},
        {"click 10 -2.5", ScriptVerb::Click, "", false, {10, -2.5}, ScriptModifier::None, ""},
        {"click 1 2 shift", ScriptVerb::Click, "", false, {1, 2}, ScriptModifier::Shift, ""},
        {"click 1 2 ctrl", ScriptVerb::Click, "", false, {1, 2}, ScriptModifier::Ctrl, ""},
        {"rclick 3 4", ScriptVerb::RightClick, "", false, {3, 4}, ScriptModifier::None, ""},
        {"move 5 6", ScriptVerb::Move, "", false, {5, 6}, ScriptModifier::None, ""},
        {"drag 0 0 10 20", ScriptVerb::Drag, "", false, {0, 0, 10, 20}, ScriptModifier::None, ""},
        {"type EditX @12.5", ScriptVerb::Type, "EditX", false, {}, ScriptModifier::None, "@12.5"},
        {"type EditR", ScriptVerb::Type, "EditR", false, {}, ScriptModifier::None, ""},
        {"type EditCome 寸法 メモ", ScriptVerb::Type, "EditCome", false, {}, ScriptModifier::None, "寸法 メモ"},
        {"enter EditY", ScriptVerb::Enter, "EditY", false, {}, ScriptModifier::None, ""},
        {"key Esc", ScriptVerb::Key, "Esc", false, {}, ScriptModifier::None, ""},
        {"answer yes", ScriptVerb::Answer, "", false, {}, ScriptModifier::None, "yes"},
        {"answer /tmp/a b.dca", ScriptVerb::Answer, "", false, {}, ScriptModifier::None, "/tmp/a b.dca"},
        {"save out.png", ScriptVerb::Save, "", false, {}, ScriptModifier::None, "out.png"},
        {"expect-prompt  1点目を指定して下さい(直線-2点)", ScriptVerb::ExpectPrompt, "", false, {}, ScriptModifier::None,
         "1点目を指定して下さい(直線-2点)"},
        {"expect-prompt", ScriptVerb::ExpectPrompt, "", false, {}, ScriptModifier::None, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        const ParsedScriptLine parsed = ParseScriptLine(c.Text);
        ASSERT_TRUE(parsed.Error.empty()) << parsed.Error;
        ASSERT_TRUE(parsed.Line);
        EXPECT_EQ(parsed.Line->Verb, c.Verb);
        EXPECT_EQ(parsed.Line->Name, c.Name);
        EXPECT_EQ(parsed.Line->Right, c.Right);
        EXPECT_EQ(parsed.Line->Numbers, c.Numbers);
        EXPECT_EQ(parsed.Line->Modifier, c.Modifier);
        EXPECT_EQ(parsed.Line->Text, c.Rest);
    }
}

TEST(CommandScript, BlankLinesAndCommentsAreSkippedAndNonsenseIsAnError)
{
    for (const char* skipped : {"", "   ", "# a comment", "  # indented"}) {
        const ParsedScriptLine parsed = ParseScriptLine(skipped);
        EXPECT_FALSE(parsed.Line) << skipped;
        EXPECT_TRUE(parsed.Error.empty()) << skipped;
    }
    for (const char* wrong : {"buton X", "button", "button A left", "button A right extra", "click 1", "click 1 2 3",
                              "click a b", "click 1 2 alt", "drag 1 2 3", "move 1 nan", "type", "enter", "enter A B",
                              "key", "answer", "save", "rclick 1 2 shift"}) {
        const ParsedScriptLine parsed = ParseScriptLine(wrong);
        EXPECT_FALSE(parsed.Line) << wrong;
        EXPECT_FALSE(parsed.Error.empty()) << wrong;
    }
}

TEST(CommandScript, FilesSplitIntoLines)
{
    EXPECT_EQ(ScriptLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(ScriptLines("a\n"), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(ScriptLines("").empty());
}

}  // namespace
}  // namespace vantro
