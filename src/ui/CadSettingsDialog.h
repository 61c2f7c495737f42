// "CAD設定": drawing behaviour, dimension style, printing, the ten system parameters and the grid,
// on tabs. Its logic runs without showing it: fill, change controls, Confirm().
#pragma once

#include "SettingsControls.h"
#include "files/Settings.h"

#include <QDialog>

#include <functional>

class QLineEdit;

namespace vantro {

class UserDialogs;

class CadSettingsDialog final : public QDialog {
    Q_OBJECT

public:
    // Messages go through dialogs; clearUndo runs for "ｱﾝﾄﾞｩｰ初期化".
    CadSettingsDialog(Settings settings, UserDialogs& dialogs, ColourChooser chooseColour,
                      std::function<void()> clearUndo, QWidget* parent = nullptr);

    // "OK": takes every control's value into Result() and accepts the dialog.
    void Confirm();
    // "デフォルト": the parameter edits get the standard values.
    void FillDefaultParameters();
    // "ヘルプ": what each parameter means.
    void ShowParameterHelp();
    bool Accepted() const { return accepted_; }
    // The settings with the dialog's changes after "OK"; unchanged otherwise.
    Settings Result() const { return accepted_ ? result_ : original_; }

private:
    QWidget* NewParameterPage();
    void ConnectGridChecks();
    void CheckGridCount(QLineEdit* edit);
    void CheckParameter5Typed(QLineEdit* edit);
    void CheckParameter5Left(QLineEdit* edit);
    void TakeParameters(Settings& settings) const;

    Settings original_;
    Settings result_;
    UserDialogs& dialogs_;
    bool accepted_ = false;
};

}  // namespace vantro
