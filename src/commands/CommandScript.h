// Command scripts: one input a line, as a user would give it, so that any command can be run and
// checked without a display. This reads the lines; the window's script runner performs them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantro {

enum class ScriptVerb {
    Button,        // button NAME [right]
    Click,         // click X Y [shift|ctrl]
    RightClick,    // rclick X Y
    Move,          // move X Y
    Drag,          // drag X1 Y1 X2 Y2
    Type,          // type FIELD TEXT
    Enter,         // enter FIELD
    Key,           // key KEY
    Answer,        // answer TEXT
    Save,          // save PATH
    ExpectPrompt,  // expect-prompt TEXT
};

enum class ScriptModifier { None, Shift, Ctrl };

struct ScriptLine {
    ScriptVerb Verb = ScriptVerb::Button;
    std::string Name;             // button, field or key
    bool Right = false;           // button ... right
    std::vector<double> Numbers;  // world millimetres
    ScriptModifier Modifier = ScriptModifier::None;
    std::string Text;             // type, answer, save, expect-prompt: the rest of the line
};

struct ParsedScriptLine {
    std::optional<ScriptLine> Line;  // nothing for a blank line or a comment
    std::string Error;               // UTF-8; set when the line cannot be read
};

ParsedScriptLine ParseScriptLine(std::string_view text);

// The lines of a script file: split at line ends, a CR before LF dropped.
std::vector<std::string> ScriptLines(std::string_view content);

}  // namespace vantro
