// "テキスト入力": the text command's dialog. The typed lines, their height and colour, and the face
// every text is drawn with. Its logic runs without showing it.
#pragma once

#include "document/TextLimit.h"
#include "document/UserDialogs.h"
#include "files/Settings.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QComboBox;
class QPlainTextEdit;
class QSpinBox;

namespace vantro {

struct NamedColour {
    const char* Name;  // UTF-8
    uint32_t Colour;   // 0x00BBGGRR
};

// The colour list of the dialog, in its order.
inline constexpr std::array<NamedColour, 20> kTextColours{{
    {"黒", 0x000000}, {"えんじ", 0x000080}, {"緑", 0x008000}, {"オリーブ", 0x008080}, {"紺", 0x800000},
    {"紫", 0x800080}, {"青緑", 0x808000}, {"灰色", 0x808080}, {"銀", 0xC0C0C0}, {"赤", 0x0000FF},
    {"ライム", 0x00FF00}, {"黄", 0x00FFFF}, {"青", 0xFF0000}, {"赤紫", 0xFF00FF}, {"水色", 0xFFFF00},
    {"白", 0xFFFFFF}, {"薄緑", 0xC0DCC0}, {"空色", 0xF0CAA6}, {"クリーム", 0xF0FBFF}, {"中間灰色", 0xA4A0A0},
}};

inline constexpr const char* kNoTextMessage = "文字がありません！";

class TTextDialog final : public QDialog {
    Q_OBJECT

public:
    // Reads its remembered height, colour and face from the settings. messages: where "文字が
    // ありません！" goes.
    TTextDialog(const Settings& settings, UserDialogs& messages, QWidget* parent = nullptr);

    // The dialog as it comes up: colour never the window's background, the memo focused and selected.
    void Activate(uint32_t windowColour);

    // "OK": refused with a message while the memo holds no text or a line is longer than a drawing
    // file holds.
    void accept() override;

    // The memo's lines as CP932, one per text element; line breaks at the end make none.
    std::vector<std::string> Lines() const;
    int TextHeight() const;
    uint32_t TextColour() const;
    // The face chosen in the list (CP932), or empty when the list was not touched.
    const std::string& ChosenFace() const { return chosenFace_; }
    // The values to remember: height, colour and font items.
    void Remember(Settings& settings) const;

    QPlainTextEdit* Memo() const { return memo_; }

private:
    UserDialogs& messages_;
    QPlainTextEdit* memo_ = nullptr;
    QSpinBox* height_ = nullptr;
    QComboBox* colours_ = nullptr;
    QComboBox* faces_ = nullptr;
    std::string chosenFace_;
};

}  // namespace vantro
