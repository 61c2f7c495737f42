// "設定": the screen and file settings (folders, background colour, drawing range, reference
// position). Its logic runs without showing it: fill, change controls, Confirm().
#pragma once

#include "SettingsControls.h"
#include "files/Settings.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

namespace vantro {

// Offers a folder (UTF-8) to change; std::nullopt when the user cancels.
using FolderChooser = std::function<std::optional<std::string>(const std::string&)>;

class SettingsDialog final : public QDialog {
    Q_OBJECT

public:
    SettingsDialog(Settings settings, ColourChooser chooseColour, FolderChooser chooseFolder,
                   QWidget* parent = nullptr);

    // "OK": takes the controls' values into Result() and accepts the dialog.
    void Confirm();
    bool Accepted() const { return accepted_; }
    // The settings with the dialog's changes after "OK"; unchanged otherwise.
    Settings Result() const { return accepted_ ? result_ : original_; }

private:
    void AddFolderRow(class QFormLayout* form, const char* name, const char* caption, const std::string& folder);

    Settings original_;
    Settings result_;
    ColourChooser chooseColour_;
    FolderChooser chooseFolder_;
    bool accepted_ = false;
};

}  // namespace vantro
