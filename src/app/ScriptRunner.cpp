#include "app/ScriptRunner.h"

#include "app/Headless.h"
#include "app/ScriptDialogs.h"
#include "commands/CommandScript.h"
#include "ui/ChooserDialog.h"
#include "ui/HatchDialog.h"
#include "ui/TextDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vantro {
namespace {

// A script cannot answer the program's own modal dialogs (settings, colours): they are closed
// again and the script fails at the line that opened them.
constexpr int kModalCheckMs = 50;
constexpr uintmax_t kMaxScriptBytes = 16u << 20;

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons, modifiers);
    QCoreApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    SendMouse(widget, QEvent::MouseButtonPress, at, button, button, modifiers);
    SendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton, modifiers);
}

void SendKey(QWidget* widget, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class Runner {
public:
    Runner(TForm1& window, std::ostream& messages)
        : window_(window), previousDialogs_(window.InstalledDialogs()), dialogs_(messages), messages_(messages)
    {
        canvas_ = window.findChild<QWidget*>(QStringLiteral("PaintBox1"));
        window.SetDialogs(&dialogs_);
        window.SetTextDialogRunner([this](TTextDialog& dialog) { return AnswerTextDialog(dialog); });
        window.SetChooserRunner([this](TFormGet& chooser) { return AnswerChooser(chooser); });
        window.SetHatchDialogRunner([this](THathiDlg& dialog) { return AnswerHatchDialog(dialog); });
        modalCheck_.setInterval(kModalCheckMs);
        QObject::connect(&modalCheck_, &QTimer::timeout, [this] { CloseModalDialog(); });
    }

    ~Runner()
    {
        window_.SetDialogs(previousDialogs_);
        window_.SetTextDialogRunner({});
        window_.SetChooserRunner({});
        window_.SetHatchDialogRunner({});
    }
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // The reason the line failed; empty when it ran.
    std::string Perform(const ScriptLine& line)
    {
        modalCheck_.start();
        std::string reason = Dispatch(line);
        QCoreApplication::processEvents();
        modalCheck_.stop();
        if (reason.empty()) reason = dialogs_.Failure;
        dialogs_.Failure.clear();
        return reason;
    }

private:
    std::string Dispatch(const ScriptLine& line)
    {
        switch (line.Verb) {
        case ScriptVerb::Button: return PressButton(line.Name, line.Right);
        case ScriptVerb::Click: return ClickCanvas(line, Qt::LeftButton);
        case ScriptVerb::RightClick: return ClickCanvas(line, Qt::RightButton);
        case ScriptVerb::Move: return MoveMouse(line.Numbers[0], line.Numbers[1]);
        case ScriptVerb::Drag: return Drag(line);
        case ScriptVerb::Type: return TypeInto(line.Name, line.Text);
        case ScriptVerb::Enter: return PressEnter(line.Name);
        case ScriptVerb::Key: return PressKey(line.Name);
        case ScriptVerb::Answer: dialogs_.Answers.push_back(line.Text); return {};
        case ScriptVerb::Save: return Save(line.Text);
        case ScriptVerb::ExpectPrompt: return ExpectPrompt(line.Text);
        }
        return {};
    }

    std::string PressButton(const std::string& name, bool right)
    {
        const QString objectName = QString::fromStdString(name);
        if (auto* action = window_.findChild<QAction*>(objectName)) {
            if (!action->isEnabled()) return name + " は使えません";
            action->trigger();
            return {};
        }
        auto* button = window_.findChild<QAbstractButton*>(objectName);
        if (button == nullptr) return name + " という部品はありません";
        if (!button->isVisibleTo(&window_)) return name + " は表示されていません";
        if (!button->isEnabled()) return name + " は使えません";
        Click(button, button->rect().center(), right ? Qt::RightButton : Qt::LeftButton, {});
        return {};
    }

    // The canvas pixel of a world point, or a reason when it lies off the canvas.
    std::string PixelOf(double x, double y, QPoint& pixel) const
    {
        const CanvasPoint p = WorldToCanvas(window_.View(), x, y);
        pixel = {p.X, p.Y};
        if (!canvas_->rect().contains(pixel)) return "座標 (" + Number(x) + ", " + Number(y) + ") は画面の外です";
        return {};
    }

    static std::string Number(double value)
    {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        return std::string(buffer, result.ptr);
    }

    std::string MoveMouse(double x, double y)
    {
        QPoint pixel;
        if (std::string reason = PixelOf(x, y, pixel); !reason.empty()) return reason;
        SendMouse(canvas_, QEvent::MouseMove, pixel, Qt::NoButton, Qt::NoButton, {});
        return {};
    }

    std::string ClickCanvas(const ScriptLine& line, Qt::MouseButton button)
    {
        QPoint pixel;
        if (std::string reason = PixelOf(line.Numbers[0], line.Numbers[1], pixel); !reason.empty()) return reason;
        Qt::KeyboardModifiers modifiers;
        if (line.Modifier == ScriptModifier::Shift) modifiers = Qt::ShiftModifier;
        if (line.Modifier == ScriptModifier::Ctrl) modifiers = Qt::ControlModifier;
        // The mouse arrives first, so the click is snapped as a user's would be.
        SendMouse(canvas_, QEvent::MouseMove, pixel, Qt::NoButton, Qt::NoButton, modifiers);
        Click(canvas_, pixel, button, modifiers);
        return {};
    }

    std::string Drag(const ScriptLine& line)
    {
        QPoint from;
        QPoint to;
        if (std::string reason = PixelOf(line.Numbers[0], line.Numbers[1], from); !reason.empty()) return reason;
        if (std::string reason = PixelOf(line.Numbers[2], line.Numbers[3], to); !reason.empty()) return reason;
        SendMouse(canvas_, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton, {});
        SendMouse(canvas_, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, {});
        SendMouse(canvas_, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton, {});
        SendMouse(canvas_, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, {});
        SendMouse(canvas_, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, {});
        return {};
    }

    QLineEdit* Field(const std::string& name, std::string& reason) const
    {
        auto* field = window_.findChild<QLineEdit*>(QString::fromStdString(name));
        if (field == nullptr) reason = name + " という入力欄はありません";
        else if (!field->isVisibleTo(&window_)) reason = name + " は表示されていません";
        return reason.empty() ? field : nullptr;
    }

    std::string TypeInto(const std::string& name, const std::string& text)
    {
        std::string reason;
        QLineEdit* field = Field(name, reason);
        if (field != nullptr) field->setText(QString::fromStdString(text));
        return reason;
    }

    std::string PressEnter(const std::string& name)
    {
        std::string reason;
        QLineEdit* field = Field(name, reason);
        if (field == nullptr) return reason;
        field->setFocus();
        SendKey(field, Qt::Key_Return, QStringLiteral("\r"));
        return {};
    }

    std::string PressKey(const std::string& name)
    {
        static const std::pair<const char*, int> kNamed[] = {
            {"Esc", Qt::Key_Escape}, {"Delete", Qt::Key_Delete}, {"Return", Qt::Key_Return},
            {"Up", Qt::Key_Up},      {"Down", Qt::Key_Down},     {"F1", Qt::Key_F1},
        };
        QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window_;
        for (const auto& [keyName, key] : kNamed) {
            if (name != keyName) continue;
            SendKey(target, key, key == Qt::Key_Return ? QStringLiteral("\r") : QString());
            return {};
        }
        if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0]))) {
            const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
            SendKey(target, Qt::Key_A + (letter - 'A'), QString(QChar(name[0])));
            return {};
        }
        return "不明なキーです: " + name;
    }

    std::string Save(const std::string& path)
    {
        const std::string extension = Lower(std::filesystem::path(path).extension().string());
        // A drawing file is written exactly as the window's own save writes it.
        if (extension == ".dca") return window_.WriteDrawingTo(path) ? std::string() : path + " に保存できませんでした";
        std::ostringstream errors;
        const bool written = WriteConverted(path, window_.Document(), window_.CurrentFileSettings(),
                                            window_.Preferences(), OutputOptions{}, errors);
        messages_ << errors.str();
        return written ? std::string() : path + " に保存できませんでした";
    }

    std::string ExpectPrompt(const std::string& expected) const
    {
        const std::string shown = window_.PanelText(4).trimmed().toStdString();
        if (shown == expected) return {};
        return "案内は「" + shown + "」です（期待: 「" + expected + "」）";
    }

    bool AnswerTextDialog(TTextDialog& dialog)
    {
        const std::optional<std::string> answer = dialogs_.Take("テキスト入力");
        if (!answer || *answer == "cancel") return false;
        QString text = QString::fromStdString(*answer);
        text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        dialog.Memo()->setPlainText(text);
        dialog.accept();
        return dialog.result() == QDialog::Accepted;
    }

    // The pitch, optionally after the slope: "10", "＼ 5", "／ 2.5"; "cancel" cancels.
    bool AnswerHatchDialog(THathiDlg& dialog)
    {
        const std::optional<std::string> answer = dialogs_.Take("ハッチング");
        if (!answer || *answer == "cancel") return false;
        QString pitch = QString::fromStdString(*answer).trimmed();
        for (QRadioButton* slope : {dialog.RisingButton(), dialog.FallingButton()}) {
            if (!pitch.startsWith(slope->text().left(1))) continue;
            slope->setChecked(true);
            pitch = pitch.mid(1).trimmed();
        }
        dialog.PitchField()->setText(pitch);
        dialog.accept();
        return dialog.result() == QDialog::Accepted;
    }

    // "ok" keeps the first candidate, a number n the n-th, "cancel" none.
    bool AnswerChooser(TFormGet& chooser)
    {
        const std::optional<std::string> answer = dialogs_.Take("重複選択 " + chooser.Caption().toStdString());
        if (!answer || *answer == "cancel") return false;
        if (*answer == "ok") return true;
        int n = 0;
        const auto [end, error] = std::from_chars(answer->data(), answer->data() + answer->size(), n);
        if (error != std::errc() || end != answer->data() + answer->size() || n < 1) {
            dialogs_.Fail("重複選択には ok、cancel か候補の番号を答えて下さい: " + *answer);
            return false;
        }
        for (int i = 1; i < n; ++i) chooser.Next();
        return true;
    }

    void CloseModalDialog()
    {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (dialog == nullptr) return;
        dialogs_.Fail(dialog->windowTitle().toStdString() + " はスクリプトから操作できません");
        dialog->reject();
    }

    TForm1& window_;
    UserDialogs* previousDialogs_;
    ScriptDialogs dialogs_;
    std::ostream& messages_;
    QWidget* canvas_ = nullptr;
    QTimer modalCheck_;
};

}  // namespace

std::optional<std::vector<std::string>> ReadScriptFile(const std::string& path, std::string& reason)
{
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    std::error_code error;
    // A named pipe or a device would block or never end; a script of this size is no script.
    if (!std::filesystem::is_regular_file(file, error)) {
        reason = "スクリプトファイルがありません";
        return std::nullopt;
    }
    const uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kMaxScriptBytes) {
        reason = "スクリプトファイルが大きすぎます";
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::string content(static_cast<size_t>(size), '\0');
    if (!in.read(content.data(), static_cast<std::streamsize>(size))) {
        reason = "スクリプトファイルを読めません";
        return std::nullopt;
    }
    return ScriptLines(content);
}

std::optional<ScriptFailure> RunScript(TForm1& window, const std::string& drawing, const std::vector<std::string>& lines,
                                       std::ostream& messages)
{
    Runner runner(window, messages);
    if (!drawing.empty() && !window.OpenDrawing(drawing)) return ScriptFailure{0, drawing + " を開けませんでした"};
    for (size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const ParsedScriptLine parsed = ParseScriptLine(lines[i]);
        if (!parsed.Error.empty()) return ScriptFailure{number, parsed.Error};
        if (!parsed.Line) continue;
        std::string reason = runner.Perform(*parsed.Line);
        if (!reason.empty()) return ScriptFailure{number, std::move(reason)};
    }
    return std::nullopt;
}

}  // namespace vantro
