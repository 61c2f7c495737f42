// TFormGet "重複選択": when several elements lie under a click, the user steps through them with
// "次候補" (each shown highlighted in turn) and keeps one with "確定" or none with "中止".
#pragma once

#include "document/Drawing.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;

namespace vantro {

class TFormGet final : public QDialog {
public:
    // draw(index, highlighted) shows a candidate highlighted, or as the drawing has it.
    TFormGet(const Drawing& drawing, std::function<void(int, bool)> draw, QWidget* parent);

    // Starts with the first candidate shown.
    void Begin(std::vector<int> candidates);
    // "次候補": the next candidate, after the last the first again.
    void Next();
    // The current candidate goes back to its own look.
    void End();

    int CurrentIndex() const;
    QString Caption() const;

private:
    const Drawing& drawing_;
    std::function<void(int, bool)> draw_;
    std::vector<int> candidates_;
    int current_ = -1;
    QLabel* label_ = nullptr;
};

}  // namespace vantro
