// The main window's help, sounds and shortcut registrations.
#include "desktop/SoundPlayer.h"
#include "support/TemporaryDesktop.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindowFixture.h"

#include <QAction>
#include <QTextBlock>
#include <QTextBrowser>

namespace vantro::testing {
namespace {

class DesktopServicesTest : public MainWindowTest {
protected:
    HelpWindow* Help() const { return window->findChild<HelpWindow*>(QStringLiteral("HelpWindow")); }
    // The first line the help window shows.
    QString TopLine() const
    {
        QTextBrowser* text = Help()->Text();
        return text->cursorForPosition(QPoint(4, 4)).block().text();
    }
    void Trigger(const char* name) { window->findChild<QAction*>(QString::fromUtf8(name))->trigger(); }
};

TEST_F(DesktopServicesTest, F1InAStepOpensTheBuiltInHelpAtThatCommand)
{
    struct Case {
        const char* Button;
        int Entry;
        const char* Heading;
    };
    const Case cases[] = {
        {"SpeedButton17", 17, "２点直線作図"},
        {"SpeedButton300", 300, "図形削除"},
        {"SpeedButton64", 32, "接円作図(2要素と半径)"},  // the tangent arc shares the tangent circle's topic
        {"SpeedButton153", 156, "長さ寸法"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Button);
        Press(c.Button);
        QTest::keyClick(window.get(), Qt::Key_F1);
        ASSERT_NE(Help(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Help()));
        EXPECT_EQ(Help()->Entry(), c.Entry);
        EXPECT_EQ(TopLine(), QString::fromUtf8(c.Heading));
    }
    EXPECT_TRUE(dialogs.Messages.empty());
}

// These commands have no help context: F1 gives no help in them, though the page lists them.
TEST_F(DesktopServicesTest, F1InACommandAMenuStartedGivesNoHelp)
{
    Trigger("N33Renzoku");
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(Help(), nullptr);
    EXPECT_EQ(window->LastHelpContext(), 0);
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(DesktopServicesTest, TheHelpMenuOpensTheListOfCommands)
{
    Press("SpeedButton300");
    QTest::keyClick(window.get(), Qt::Key_F1);
    Trigger("CADC1");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Help()));
    EXPECT_EQ(Help()->Entry(), 0);
    EXPECT_EQ(TopLine(), "VantroCad ヘルプ");
}

TEST_F(DesktopServicesTest, SoundsPlayOnlyWhenTheSettingIsOn)
{
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on);
        Settings settings;
        settings.Wav = on;
        Open(settings);
        const SoundPlayer& sounds = window->Sounds();
        const int cancelsAtStart = sounds.Requests(kSoundCancel);
        Press("SpeedButton17");
        EXPECT_EQ(sounds.Requests(kSoundClick), on ? 1 : 0);
        ClickCanvas({300, 200});
        ClickCanvas({400, 250});
        QTest::keyClick(window.get(), Qt::Key_Escape);
        EXPECT_EQ(sounds.Requests(kSoundCancel), on ? cancelsAtStart + 1 : 0);
        Find<QToolButton>("SpeedButtonUNDU")->click();
        Find<QToolButton>("SpeedButtonREDU")->click();
        EXPECT_EQ(sounds.Requests(kSoundUndo), on ? 2 : 0);
    }
}

TEST_F(DesktopServicesTest, TheDesktopShortcutIsMadeOnlyAfterYes)
{
    TemporaryDesktop desktop;
    const std::filesystem::path launcher = desktop.Home() / "Desktop" / "VantroCad.desktop";
    dialogs.Answers = {DialogAnswer::No, DialogAnswer::Cancel, DialogAnswer::Yes};
    for (int i = 0; i < 2; ++i) Trigger("Set2");
    EXPECT_FALSE(std::filesystem::exists(launcher));
    Trigger("Set2");
    EXPECT_TRUE(std::filesystem::exists(launcher));
    ASSERT_EQ(dialogs.Questions.size(), 3u);
    EXPECT_EQ(dialogs.Questions.front(),
              "ディスクトップにアイコンを登録します\r\n(次回よりアイコンをＷクリックで起動できます)実行してよろしいですか？");
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(DesktopServicesTest, TheFileAssociationGoesOnUnlessTheAnswerIsNo)
{
    TemporaryDesktop desktop;
    const std::filesystem::path type = desktop.DataHome() / "mime" / "packages" / "vantrocad.xml";
    dialogs.Answers = {DialogAnswer::No};
    Trigger("Set3");
    EXPECT_FALSE(std::filesystem::exists(type));
    dialogs.Answers = {DialogAnswer::Cancel};
    Trigger("Set3");
    EXPECT_TRUE(std::filesystem::exists(type));
    EXPECT_EQ(window->findChild<QAction*>("Set4")->text(), "スタートメニューにVantroCadを登録(&M)");
}

}  // namespace
}  // namespace vantro::testing
