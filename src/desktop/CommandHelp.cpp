#include "desktop/CommandHelp.h"

#include "commands/LetterKeys.h"
#include "commands/StepTable.h"
#include "commands/ToolButtonTable.h"

#include <algorithm>
#include <utility>

namespace vantro {
namespace {

// Steps reached from outside the run of codes that follows their command's start: the radius of
// the arc between two lines comes after its second line, the copy count after the destination.
constexpr std::pair<uint16_t, uint16_t> kStepsOutOfRun[] = {
    {step::kArcBetweenLinesSecond, step::kArcBetweenLinesRadius},
    {step::kMoveCopyDestination, step::kMoveCopyCount},
};

uint16_t OutOfRunSuccessor(uint16_t code)
{
    for (const auto& [after, next] : kStepsOutOfRun)
        if (after == code) return next;
    return 0;
}

bool IsOutOfRunStep(uint16_t code)
{
    return std::ranges::any_of(kStepsOutOfRun, [code](const auto& pair) { return pair.second == code; });
}

// Commands that menus start; no tool button has them.
struct MenuCommand {
    uint16_t Start;
    const char* Caption;
    const char* Note;
};
constexpr MenuCommand kMenuCommands[] = {
    {step::kPartSaveSelect, "部分保存（ファイルメニュー）", ""},
    {step::kChainCheck, "連続図形要素確認（設定メニュー）", ""},
    {step::kFreeSelection, "図形選択開始（編集メニュー）",
     "図形をクリックするか包み窓で囲んで選択します。選択した図形は編集メニューの切り取り、コピー、削除で扱います。"
     "右クリックで選択を解除します。"},
};

bool IsMenuStart(uint16_t code)
{
    return std::ranges::any_of(kMenuCommands, [code](const MenuCommand& command) { return command.Start == code; });
}

bool IsCommandStart(uint16_t code)
{
    if (IsMenuStart(code)) return true;
    return std::ranges::any_of(ToolButtonRows(), [code](const ToolButtonRow& row) {
        return row.Start == code || (row.Right == RightButton::OtherCommand && row.RightStart == code);
    });
}

// A command's steps: its start, the codes after it up to another command's start, and the steps
// it reaches from there.
std::vector<const StepRow*> CommandSteps(uint16_t start)
{
    std::vector<const StepRow*> steps;
    uint16_t code = start;
    for (const StepRow* row = FindStep(code); row != nullptr; row = FindStep(code)) {
        steps.push_back(row);
        const uint16_t jump = OutOfRunSuccessor(code);
        const auto next = static_cast<uint16_t>(jump != 0 ? jump : code + 1);
        if (jump == 0 && (IsCommandStart(next) || IsOutOfRunStep(next))) break;
        code = next;
    }
    return steps;
}

std::string Trimmed(const char* text)
{
    std::string trimmed(text);
    trimmed.erase(0, trimmed.find_first_not_of(' '));
    return trimmed;
}

std::vector<std::string> Prompts(uint16_t start, bool altVariant)
{
    std::vector<std::string> prompts;
    for (const StepRow* row : CommandSteps(start)) {
        const char* prompt = EntryPrompt(*row, altVariant);
        if (prompt == nullptr) continue;
        std::string text = Trimmed(prompt);
        if (prompts.empty() || prompts.back() != text) prompts.push_back(std::move(text));
    }
    return prompts;
}

std::vector<std::string> Keys(const ToolButtonRow& button)
{
    std::vector<std::string> keys;
    for (const LetterCommand& letter : kLetterCommands) {
        if (letter.Start == button.Start) keys.emplace_back(1, letter.Letter);
        else if (button.Right == RightButton::OtherCommand && letter.Start == button.RightStart)
            keys.push_back(std::string(1, letter.Letter) + "（右ボタン）");
    }
    return keys;
}

std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

void AppendList(std::string& html, const std::vector<std::string>& items)
{
    if (items.empty()) return;
    html += "<ol>\n";
    for (const std::string& item : items) html += "<li>" + Escaped(item) + "</li>\n";
    html += "</ol>\n";
}

void AppendEntry(std::string& html, const CommandHelp& entry)
{
    const std::string anchor = HelpAnchor(entry.Start);
    html += "<h3><a name=\"" + anchor + "\" id=\"" + anchor + "\"></a>" + Escaped(entry.Hint) + "</h3>\n";
    if (!entry.Keys.empty()) {
        html += "<p>キー: ";
        for (size_t i = 0; i < entry.Keys.size(); ++i) html += (i == 0 ? "" : "、") + Escaped(entry.Keys[i]);
        html += "</p>\n";
    }
    if (!entry.Note.empty()) html += "<p>" + Escaped(entry.Note) + "</p>\n";
    if (!entry.RightPrompts.empty()) html += "<p>左ボタン:</p>\n";
    AppendList(html, entry.Prompts);
    if (!entry.RightPrompts.empty()) {
        html += "<p>右ボタン:</p>\n";
        AppendList(html, entry.RightPrompts);
    }
}

}  // namespace

std::vector<CommandHelp> CommandHelpEntries()
{
    std::vector<CommandHelp> entries;
    for (const ToolButtonRow& button : ToolButtonRows()) {
        CommandHelp entry{.Hint = button.Hint, .Start = button.Start, .Keys = Keys(button),
                          .Prompts = Prompts(button.Start, false), .RightPrompts = {}, .Note = {}};
        if (button.Right == RightButton::OtherCommand) entry.RightPrompts = Prompts(button.RightStart, false);
        if (button.Right == RightButton::AltVariant) {
            std::vector<std::string> variant = Prompts(button.Start, true);
            if (variant != entry.Prompts) entry.RightPrompts = std::move(variant);
        }
        entries.push_back(std::move(entry));
    }
    for (const MenuCommand& command : kMenuCommands)
        entries.push_back({.Hint = command.Caption, .Start = command.Start, .Keys = {},
                           .Prompts = Prompts(command.Start, false), .RightPrompts = {}, .Note = command.Note});
    return entries;
}

bool HasHelpEntry(int context)
{
    if (context == 0) return true;
    return std::ranges::any_of(ToolButtonRows(), [context](const ToolButtonRow& row) { return row.Start == context; });
}


std::string HelpAnchor(int context) { return "c" + std::to_string(context); }

std::string HelpHtml()
{
    const std::vector<CommandHelp> entries = CommandHelpEntries();
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>VantroCad ヘルプ</title>\n"
        "</head>\n<body>\n<h1><a name=\"c0\" id=\"c0\"></a>VantroCad ヘルプ</h1>\n"
        "<p>ツールボタンを押すとコマンドが始まり、画面下のステータスバーに次の指示が出ます。"
        "座標や数値は入力欄に入れてエンターキーで確定します。Esc キー、右クリック、「中止」ボタンで"
        "コマンドを中止し、待機中の右クリックで直前のコマンドを繰り返します。"
        "コマンドの実行中に F1 キーを押すと、そのコマンドの説明が開きます。</p>\n<h2>コマンド一覧</h2>\n<p>";
    for (size_t i = 0; i < entries.size(); ++i)
        html += std::string(i == 0 ? "" : " ・ ") + "<a href=\"#" + HelpAnchor(entries[i].Start) + "\">" +
                Escaped(entries[i].Hint) + "</a>";
    html += "</p>\n";
    for (const CommandHelp& entry : entries) AppendEntry(html, entry);
    html += "</body>\n</html>\n";
    return html;
}

}  // namespace vantro
