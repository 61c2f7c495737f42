// The help built into the program: the list of every command with its tool tip, letter keys and
// prompts, opened at the entry of the command the user asks about.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace vantro {

class HelpWindow final : public QWidget {
public:
    explicit HelpWindow(QWidget* parent);

    // Shows the window, raised, with the context's entry at the top (context 0: the page's top).
    void ShowEntry(int context);
    int Entry() const { return entry_; }
    QTextBrowser* Text() const { return text_; }

private:
    QTextBrowser* text_;
    int entry_ = 0;
};

}  // namespace vantro
