#include "commands/CommandScript.h"

#include "commands/EntryCalculator.h"

#include <utility>

namespace vantro {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The first word and what follows it, blanks around both removed.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view text)
{
    const size_t end = text.find_first_of(kBlanks);
    if (end == std::string_view::npos) return {text, {}};
    return {text.substr(0, end), Trim(text.substr(end))};
}

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const auto [word, rest] = SplitWord(text);
        words.push_back(word);
        text = rest;
    }
    return words;
}

ParsedScriptLine Fail(std::string message) { return {std::nullopt, std::move(message)}; }

// "click X Y [shift|ctrl]", "rclick X Y", "move X Y", "drag X1 Y1 X2 Y2".
ParsedScriptLine ReadPointer(ScriptVerb verb, std::string_view verbText, std::string_view rest, size_t count,
                             bool modifier)
{
    const std::vector<std::string_view> words = Words(rest);
    const bool withModifier = modifier && words.size() == count + 1;
    if (words.size() != count && !withModifier)
        return Fail(std::string(verbText) + " には座標が " + std::to_string(count / 2) + " 点必要です");
    ScriptLine line;
    line.Verb = verb;
    for (size_t i = 0; i < count; ++i) {
        const std::optional<double> number = ReadNumber(words[i]);
        if (!number) return Fail("座標が数値ではありません: " + std::string(words[i]));
        line.Numbers.push_back(*number);
    }
    if (withModifier) {
        if (words[count] == "shift") line.Modifier = ScriptModifier::Shift;
        else if (words[count] == "ctrl") line.Modifier = ScriptModifier::Ctrl;
        else return Fail("shift か ctrl を指定して下さい: " + std::string(words[count]));
    }
    return {line, {}};
}

ParsedScriptLine ReadNamed(ScriptVerb verb, std::string_view verbText, std::string_view rest, bool textFollows)
{
    const auto [name, text] = SplitWord(rest);
    if (name.empty()) return Fail(std::string(verbText) + " には名前が必要です");
    if (!textFollows && !text.empty()) return Fail("余分な語があります: " + std::string(text));
    ScriptLine line;
    line.Verb = verb;
    line.Name = std::string(name);
    line.Text = std::string(text);
    return {line, {}};
}

ParsedScriptLine ReadText(ScriptVerb verb, std::string_view verbText, std::string_view rest, bool mayBeEmpty)
{
    if (rest.empty() && !mayBeEmpty) return Fail(std::string(verbText) + " には値が必要です");
    ScriptLine line;
    line.Verb = verb;
    line.Text = std::string(rest);
    return {line, {}};
}

}  // namespace

ParsedScriptLine ParseScriptLine(std::string_view text)
{
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() == '#') return {};
    const auto [verb, rest] = SplitWord(trimmed);
    if (verb == "button") {
        const std::vector<std::string_view> words = Words(rest);
        if (words.empty() || words.size() > 2 || (words.size() == 2 && words[1] != "right"))
            return Fail("button NAME [right] の形で指定して下さい");
        ScriptLine line;
        line.Name = std::string(words[0]);
        line.Right = words.size() == 2;
        return {line, {}};
    }
    if (verb == "click") return ReadPointer(ScriptVerb::Click, verb, rest, 2, true);
    if (verb == "rclick") return ReadPointer(ScriptVerb::RightClick, verb, rest, 2, false);
    if (verb == "move") return ReadPointer(ScriptVerb::Move, verb, rest, 2, false);
    if (verb == "drag") return ReadPointer(ScriptVerb::Drag, verb, rest, 4, false);
    if (verb == "type") return ReadNamed(ScriptVerb::Type, verb, rest, true);
    if (verb == "enter") return ReadNamed(ScriptVerb::Enter, verb, rest, false);
    if (verb == "key") return ReadNamed(ScriptVerb::Key, verb, rest, false);
    if (verb == "answer") return ReadText(ScriptVerb::Answer, verb, rest, false);
    if (verb == "save") return ReadText(ScriptVerb::Save, verb, rest, false);
    if (verb == "expect-prompt") return ReadText(ScriptVerb::ExpectPrompt, verb, rest, true);
    return Fail("不明な命令です: " + std::string(verb));
}

std::vector<std::string> ScriptLines(std::string_view content)
{
    std::vector<std::string> lines;
    while (!content.empty()) {
        const size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        content.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace vantro
