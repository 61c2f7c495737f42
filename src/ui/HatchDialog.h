// "ダイアログ" of the hatch command: the slope of the hatch lines and their pitch. Its logic runs
// without showing it.
#pragma once

#include "document/UserDialogs.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace vantro {

class THathiDlg final : public QDialog {
    Q_OBJECT

public:
    // messages: where "ピッチの入力数値が不正です" goes.
    explicit THathiDlg(UserDialogs& messages, QWidget* parent = nullptr);

    // The values the command keeps from its last run; the pitch shown as the entry fields write it.
    void SetValues(float pitch, bool falling);

    // "OK": a pitch that is not a positive number is refused with its message and the dialog stays.
    void accept() override;

    float Pitch() const { return pitch_; }
    bool Falling() const;

    QLineEdit* PitchField() const { return pitchField_; }
    QRadioButton* RisingButton() const { return rising_; }
    QRadioButton* FallingButton() const { return falling_; }

private:
    UserDialogs& messages_;
    QLineEdit* pitchField_ = nullptr;
    QRadioButton* rising_ = nullptr;
    QRadioButton* falling_ = nullptr;
    float pitch_ = 10;
};

}  // namespace vantro
