// The main window's desktop services: help for a context, sounds, and the shortcut registrations
// of the settings menu.
#include "ui/MainWindow.h"

#include "desktop/ChmViewer.h"
#include "desktop/CommandHelp.h"
#include "desktop/DesktopRegistration.h"
#include "files/ProgramFiles.h"
#include "ui/HelpWindow.h"

#include <QCoreApplication>
#include <QMenu>

namespace vantro {
namespace {

std::filesystem::path ExecutableDir()
{
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

std::filesystem::path Executable()
{
    return std::filesystem::path(QCoreApplication::applicationFilePath().toStdString());
}

struct ShortcutItem {
    const char* Name;
    const char* Caption;
    const char* Question;
    bool OnlyYes;  // else every answer but No goes on
    RegistrationReport (*Register)(const std::filesystem::path&, const DesktopFolders&);
};
constexpr ShortcutItem kShortcutItems[] = {
    {"Set2", "デスクトップにアイコンを登録(&D)",
     "ディスクトップにアイコンを登録します\r\n(次回よりアイコンをＷクリックで起動できます)実行してよろしいですか？",
     true, RegisterDesktopLauncher},
    {"Set4", "スタートメニューにVantroCadを登録(&M)",
     "スタートメニューにVantroCadを登録します\r\n(次回よりスタートメニューから起動できます)実行してよろしいですか？",
     false, RegisterMenuEntries},
    {"Set3", "ファイルの関連付けを登録(&F)",
     "CADファイルの拡張子(dca)を登録します。\r\n(次回より関連ファイルのＷクリックで起動できます)実行してよろしいですか？",
     false, RegisterDrawingType},
};

}  // namespace

void TForm1::ShowHelp(int context)
{
    lastHelpContext_ = context;
    const auto file = FindProgramFile(ExecutableDir(), kHelpFileName);
    const auto viewer = FindChmViewer();
    // A viewer that cannot open a topic would show the file's start; the built-in help shows the command.
    const bool viewerServes = viewer && (viewer->TakesContext || context == 0 || !HasHelpEntry(context));
    switch (ChooseHelpRoute(file.has_value(), viewerServes, HasHelpEntry(context))) {
    case HelpRoute::ChmViewer:
        if (StartChmViewer(*viewer, *file, context)) return;
        [[fallthrough]];
    case HelpRoute::BuiltIn:
        if (helpWindow_ == nullptr) helpWindow_ = new HelpWindow(this);
        helpWindow_->ShowEntry(context);
        return;
    case HelpRoute::Missing:
        dialogs_->ShowMessage("CADヘルプファイル（Cadhelp.chm）が見つかりません");
        return;
    }
}

void TForm1::PlaySound(int sound)
{
    if (settings_.Wav) sounds_.Play(sound);
}

void TForm1::BuildShortcutMenu(QMenu* setup)
{
    QMenu* shortcuts = setup->addMenu(QStringLiteral("ショートカットの登録(&C)"));
    shortcuts->setObjectName(QStringLiteral("SetShortcut"));
    for (const ShortcutItem& item : kShortcutItems) {
        connect(AddAction(shortcuts, QString::fromUtf8(item.Name), QString::fromUtf8(item.Caption)),
                &QAction::triggered, this, [this, &item] {
                    const DialogAnswer answer = dialogs_->Ask(item.Question, QuestionButtons::YesNo);
                    if (item.OnlyYes ? answer != DialogAnswer::Yes : answer == DialogAnswer::No) return;
                    const RegistrationReport report = item.Register(Executable(), CurrentDesktopFolders());
                    if (const std::string message = ReportMessage(report); !message.empty())
                        dialogs_->ShowMessage(message);
                });
    }
}

}  // namespace vantro
