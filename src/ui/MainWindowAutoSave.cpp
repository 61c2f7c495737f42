// Auto-save: Timer1 writes the drawing to the backup every "Timer" minutes, and at start-up the
// backups a killed program left are offered.
#include "ui/MainWindow.h"

#include "files/FileSystem.h"

#include <QLabel>
#include <QTimer>

namespace vantro {
namespace {

constexpr int kMillisecondsPerMinute = 60000;

// The status panel in red while the backup is written, as it was afterwards.
class AutoSavingNotice {
public:
    explicit AutoSavingNotice(QLabel* panel) : panel_(panel), text_(panel->text()), palette_(panel->palette())
    {
        QPalette red = palette_;
        red.setColor(QPalette::WindowText, QColor(255, 0, 0));
        panel_->setPalette(red);
        panel_->setText(QString::fromUtf8(kAutoSavingMessage));
        // Painted now: the write below keeps the event loop from painting it.
        panel_->repaint();
    }
    ~AutoSavingNotice()
    {
        panel_->setPalette(palette_);
        panel_->setText(text_);
    }
    AutoSavingNotice(const AutoSavingNotice&) = delete;
    AutoSavingNotice& operator=(const AutoSavingNotice&) = delete;

private:
    QLabel* panel_;
    QString text_;
    QPalette palette_;
};

}  // namespace

bool TForm1::StartAutoSave(const std::filesystem::path& programFolder)
{
    const std::filesystem::path folder = BackupFolder(programFolder);
    const bool opened = OfferLeftBackups(folder);
    backupSlot_ = BackupSlot::Claim(folder);
    if (timer1_ == nullptr) {
        timer1_ = new QTimer(this);
        timer1_->setObjectName(QStringLiteral("Timer1"));
        connect(timer1_, &QTimer::timeout, this, [this] { AutoSaveTick(); });
    }
    RestartAutoSaveTimer();
    return opened;
}

void TForm1::RestartAutoSaveTimer()
{
    if (timer1_ == nullptr) return;
    if (settings_.Timer > 0 && backupSlot_) timer1_->start(settings_.Timer * kMillisecondsPerMinute);
    else timer1_->stop();
}

std::filesystem::path TForm1::BackupFile() const
{
    return backupSlot_ ? backupSlot_->Backup() : std::filesystem::path();
}

void TForm1::AutoSaveTick()
{
    if (!backupSlot_) return;
    const AutoSavingNotice notice(statusPanels_[4]);
    WriteResult result;
    const std::string drawingFile = CurrentFile().toStdString();
    if (drawing_.CandidateCount > 0) {
        // Candidates waiting for a choice are no part of the drawing yet.
        Drawing settled = drawing_;
        settled.Count -= settled.CandidateCount;
        result = backupSlot_->Write(settled, CurrentFileSettings(), drawingFile);
    } else {
        result = backupSlot_->Write(drawing_, CurrentFileSettings(), drawingFile);
    }
    if (result.Ok) {
        backupFailureTold_ = false;
    } else if (!backupFailureTold_) {
        // Told once, not at every tick, until a backup succeeds again.
        backupFailureTold_ = true;
        dialogs_->ShowMessage("自動保存ファイル " + Utf8FromPath(backupSlot_->Backup()) + " に保存できませんでした。");
    }
}

bool TForm1::OfferLeftBackups(const std::filesystem::path& folder)
{
    for (const LeftBackup& left : FindLeftBackups(folder)) {
        const bool open = IsAffirmative(dialogs_->Ask(LeftBackupQuestion(left), QuestionButtons::YesNo));
        DismissLeftBackup(left);
        if (!open) continue;
        // The backup stands in for its drawing: named after it, unsaved, and never a recent file itself.
        const RecentFileList recent = settings_.RecentFiles;
        const bool read = OpenDrawing(Utf8FromPath(left.Backup));
        settings_.RecentFiles = recent;
        RefreshRecentFileItems();
        if (!read) continue;
        setWindowTitle(left.Note.Drawing.empty() ? QStringLiteral("VantroCad") : QString::fromStdString(left.Note.Drawing));
        drawing_.Saved = false;
        // The others stay for the next start.
        return true;
    }
    return false;
}

}  // namespace vantro
