// "CAD設定": drawing behaviour, dimension style, printing, the ten system parameters and the grid,
// on tabs. Its logic runs without showing it: fill, change controls, Confirm().
#pragma once

#include "SettingsControls.h"
#include "files/Settings.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QLineEdit;

namespace vantro {

class UserDialogs;

// The dimension font: its face name (CP932, as the settings hold it) and colour.
struct FontChoice {
    std::string Face;
    uint32_t Colour = 0;
};
using FontChooser = std::function<std::optional<FontChoice>(const FontChoice& current)>;

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
    // "フォントの変更" asks through this chooser; without one the button does nothing.
    void SetFontChooser(FontChooser chooser) { chooseFont_ = std::move(chooser); }
    void ChangeFont();
    // The check box "作図中止時にマウスの拡大/縮小を有効にする" mirrors whether the menu item
    // "図形選択開始" is shown; it is no settings key.
    void SetSelectionMenuShown(bool shown);
    bool SelectionMenuShown() const;
    bool Accepted() const { return accepted_; }
    // "CAD設定1" opens the first page, "CAD設定2" the second.
    void ShowPage(int index);
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
    FontChooser chooseFont_;
    FontChoice font_;
    bool accepted_ = false;
};

}  // namespace vantro
