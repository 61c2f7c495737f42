// The help built into the program: every tool button's command with its tool tip, letter keys and
// the prompts of its steps, then the commands menus start, taken from the tables the commands run
// on, as one HTML page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantro {

struct CommandHelp {
    std::string Hint;                      // the button's tool tip, or the menu item's caption (UTF-8)
    uint16_t Start = 0;                    // its left button's start code, the help context of its entry
    std::vector<std::string> Keys;         // letter keys that start it, "W" or "Q（右ボタン）"
    std::vector<std::string> Prompts;      // the steps' prompts, in order
    std::vector<std::string> RightPrompts; // the right button's, when it does something else
    std::string Note;                      // how a command without prompts is used
};

std::vector<CommandHelp> CommandHelpEntries();

// Context 0 is the page's top (the list of commands); any other has an entry when a tool button's
// command starts at that code. The commands menus start are listed but have no help context: F1
// gives no help in them.
bool HasHelpEntry(int context);

// The anchor of a context's entry in the page: "c17".
std::string HelpAnchor(int context);

// The whole page, UTF-8.
std::string HelpHtml();

}  // namespace vantro
