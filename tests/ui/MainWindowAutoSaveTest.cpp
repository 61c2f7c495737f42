// Auto-save in the window: Timer1 from the "Timer" setting, the tick, and the backup a killed
// program left offered at the next start.
#include "MainWindowFixture.h"

#include "files/AutoSave.h"
#include "files/ScratchFolder.h"
#include "support/ChildProcess.h"
#include "support/Fixtures.h"

#include <QLabel>
#include <QTimer>

namespace vantro::testing {
namespace {

class MainWindowAutoSave : public MainWindowTest {
protected:
    void OpenWithTimer(int minutes)
    {
        Settings settings;
        settings.Timer = minutes;
        Open(settings);
    }
    QTimer* Timer1() const { return window->findChild<QTimer*>(QStringLiteral("Timer1")); }
    std::filesystem::path Backup() const { return folder / "TempFile.dca"; }

    ScratchFolder folder;
};

TEST_F(MainWindowAutoSave, TheTimerRunsEveryTimerMinutesAndZeroNeverWrites)
{
    const struct {
        int Minutes;
        bool Active;
    } cases[] = {{0, false}, {1, true}, {5, true}, {120, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Minutes);
        OpenWithTimer(c.Minutes);
        EXPECT_FALSE(window->StartAutoSave(folder.Path()));
        ASSERT_NE(Timer1(), nullptr);
        EXPECT_EQ(Timer1()->isActive(), c.Active);
        if (c.Active) {
            EXPECT_EQ(Timer1()->interval(), c.Minutes * 60000);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(Backup())) << "no tick, no backup";
}

TEST_F(MainWindowAutoSave, ChangingTheSettingRestartsOrStopsTheTimer)
{
    window->StartAutoSave(folder.Path());
    EXPECT_FALSE(Timer1()->isActive());
    Settings changed = window->Preferences();
    changed.Timer = 2;
    window->ApplySettings(changed);
    EXPECT_TRUE(Timer1()->isActive());
    EXPECT_EQ(Timer1()->interval(), 120000);
    changed.Timer = 0;
    window->ApplySettings(changed);
    EXPECT_FALSE(Timer1()->isActive());
}

// The backup was once written through the window's save: the drawing was then called saved,
// closing stopped asking, and "TempFile.dca" took the place of the real file in the caption and the
// recent files.
TEST_F(MainWindowAutoSave, ATickWritesTheBackupAndLeavesSavedStateCaptionAndRecentFilesAlone)
{
    OpenWithTimer(1);
    window->StartAutoSave(folder.Path());
    AddLine(window->Document(), 0, 0, 10, 10);
    dialogs.Files = {(folder / "work.dca").string()};
    ASSERT_TRUE(window->SaveAsCommand());
    AddLine(window->Document(), 0, 0, 20, 10);
    window->Document().Saved = false;
    window->SetPrompt(QStringLiteral("prompt"));
    const QPalette palette = Find<QLabel>("StatusPanel4")->palette();

    window->AutoSaveTick();
    EXPECT_EQ(window->BackupFile(), Backup());
    Drawing read;
    DrawingFileSettings settings;
    ASSERT_TRUE(ReadDrawingFile(Backup(), read, settings).Ok);
    EXPECT_EQ(read.Count, 2);
    EXPECT_FALSE(window->Document().Saved);
    EXPECT_EQ(window->CurrentFile().toStdString(), (folder / "work.dca").string());
    EXPECT_EQ(window->RecentFiles()[0], (folder / "work.dca").string());
    EXPECT_EQ(window->RecentFiles()[1], "");
    EXPECT_EQ(Prompt(), "prompt");
    EXPECT_EQ(Find<QLabel>("StatusPanel4")->palette(), palette);
    EXPECT_EQ(ReadBackupNote(Backup())->Drawing, (folder / "work.dca").string());
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(MainWindowAutoSave, CandidatesWaitingForAChoiceAreNotBackedUp)
{
    window->StartAutoSave(folder.Path());
    Drawing& d = window->Document();
    AddLine(d, 0, 0, 10, 10);
    AddLine(d, 0, 0, 20, 10);
    d.CandidateCount = 1;
    window->AutoSaveTick();
    d.CandidateCount = 0;
    Drawing read;
    DrawingFileSettings settings;
    ASSERT_TRUE(ReadDrawingFile(Backup(), read, settings).Ok);
    EXPECT_EQ(read.Count, 1);
    EXPECT_EQ(d.Count, 2);
}

TEST_F(MainWindowAutoSave, TwoWindowsBackUpToTwoFilesAndAFailureIsToldOnce)
{
    window->StartAutoSave(folder.Path());
    TForm1 second;
    ScriptedDialogs secondDialogs;
    second.SetDialogs(&secondDialogs);
    second.StartAutoSave(folder.Path());
    EXPECT_EQ(window->BackupFile(), Backup());
    EXPECT_EQ(second.BackupFile(), folder / "TempFile2.dca");

    std::filesystem::create_directory(Backup());  // a folder in the backup's place cannot be replaced by a file
    window->AutoSaveTick();
    window->AutoSaveTick();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "自動保存ファイル " + Backup().string() + " に保存できませんでした。");
    second.Document().Saved = true;
}

TEST_F(MainWindowAutoSave, ABackupLeftByAKilledProgramIsOfferedAtTheNextStart)
{
    Drawing drawing;
    for (int i = 0; i < 50; ++i) PutElement(drawing, Line(i, 0, i, 10));
    const std::filesystem::path drawingFile = folder / "work.dca";
    ASSERT_TRUE(WriteDrawingFile(drawingFile, drawing, DrawingFileSettings{}).Ok);
    std::filesystem::last_write_time(drawingFile, std::filesystem::last_write_time(drawingFile) - std::chrono::minutes(1));
    {
        ChildProcess killed(BackupWriterArguments(folder.Path().string(), drawingFile.string()));
        ASSERT_EQ(killed.ReadLine(), "ready");
        killed.Kill();
    }

    dialogs.Answers = {DialogAnswer::Yes};
    EXPECT_TRUE(window->StartAutoSave(folder.Path()));
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_NE(dialogs.Questions[0].find(drawingFile.string()), std::string::npos);
    const int count = window->Document().Count;
    EXPECT_TRUE(count == 50 || count == 100) << count;
    EXPECT_EQ(window->CurrentFile().toStdString(), drawingFile.string()) << "the backup stands in for its drawing";
    EXPECT_FALSE(window->Document().Saved);
    EXPECT_EQ(window->RecentFiles()[0], "") << "the backup is no recent file";

    Open(Settings{});
    EXPECT_FALSE(window->StartAutoSave(folder.Path()));
    EXPECT_TRUE(dialogs.Questions.size() == 1u) << "offered once";
}

TEST_F(MainWindowAutoSave, DecliningALeftBackupOpensNothing)
{
    WriteBytes(Backup(), "not even a drawing");
    ASSERT_TRUE(WriteBackupNote(Backup(), {true, true, ""}));
    AddLine(window->Document(), 0, 0, 1, 1);
    dialogs.Answers = {DialogAnswer::No};
    EXPECT_FALSE(window->StartAutoSave(folder.Path()));
    EXPECT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(window->Document().Count, 1);
    EXPECT_TRUE(FindLeftBackups(folder.Path()).empty());
}

}  // namespace
}  // namespace vantro::testing
