// The paper dialog of printing: asked when the printer's page size is not one the print commands
// know. Its logic runs without showing it.
#pragma once

#include "document/UserDialogs.h"
#include "print/Paper.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace vantro {

inline constexpr const char* kUnknownPaperMessage =
    "プリンターの設定から用紙サイズを認識できません\n"
    "正しく印刷するには、VantroCadの設定と一致する必要があります\n"
    "以下の中から設定した用紙サイズを指定して下さい。";
inline constexpr const char* kNoPaperChosenMessage = "用紙サイズが指定されていません！";
inline constexpr const char* kBadUserPaperMessage = "ユザｰ設定の入力数値が不正です。整数で入力して下さい！";
inline constexpr const char* kBadPaperFieldMessage = "入力数値が不正です！整数で入力して下さい";

class TFormPrint final : public QDialog {
    Q_OBJECT

public:
    // messages: where the dialog's complaints go.
    explicit TFormPrint(UserDialogs& messages, QWidget* parent = nullptr);

    // "OK": the chosen paper; the dialog stays while no item is chosen or the user size is not two
    // whole millimetre counts.
    void accept() override;
    // "中止": no paper.
    void reject() override;

    // Width × height in mm as the sizes are listed (long side first for the named ones); 0 × 0
    // after "中止".
    PaperSize Paper() const { return paper_; }

    // The items of RadioGroup2: A1..B5, then the user size.
    QRadioButton* Item(int index) const { return items_.at(static_cast<size_t>(index)); }
    static constexpr int kUserSizeItem = 7;
    QLineEdit* EditX() const { return editX_; }
    QLineEdit* EditY() const { return editY_; }

private:
    void Typed(QLineEdit* field);
    int ChosenItem() const;

    UserDialogs& messages_;
    std::array<QRadioButton*, 8> items_{};
    QLineEdit* editX_ = nullptr;
    QLineEdit* editY_ = nullptr;
    PaperSize paper_;
};

}  // namespace vantro
