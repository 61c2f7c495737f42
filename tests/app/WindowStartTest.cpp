// The window's start-up: messages and the greeting before the drawing named on the command line,
// and the secondary window behind its tool button.
#include "app/WindowStart.h"
#include "desktop/FirstRun.h"
#include "files/ScratchFolder.h"
#include "subwindow/SecondaryWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/TemporaryDesktop.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QToolButton>

#include <gtest/gtest.h>

namespace vantro {
namespace {

class WindowStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.SetDialogs(&dialogs);
        window.show();
        QApplication::processEvents();
    }
    void TearDown() override { window.Document().Saved = true; }
    WindowStart Start(std::string input)
    {
        return {.SettingsMessage = {},
                .FirstRun = false,
                .Executable = desktop.Executable(),
                .Desktop = {.Desktop = desktop.Home() / "Desktop", .DataHome = desktop.DataHome()},
                .OpenReadme = [this](const std::filesystem::path& file) { readme = file; },
                .ProgramFolder = programFolder.Path(),
                .Input = std::move(input)};
    }

    testing::TemporaryDesktop desktop;
    testing::ScratchFolder programFolder;
    testing::ScriptedDialogs dialogs;
    TForm1 window;
    std::filesystem::path readme;
};

const std::string kFlange = std::string(VANTRO_SAMPLE_DRAWINGS) + "/flange.dca";

TEST_F(WindowStartTest, OnTheFirstRunTheGreetingComesBeforeTheNamedDrawingOpens)
{
    WindowStart start = Start(kFlange);
    start.FirstRun = true;
    start.SettingsMessage = "設定ファイルを読めませんでした";
    dialogs.Answers = {DialogAnswer::No};
    EXPECT_TRUE(StartWindow(window, start));
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{start.SettingsMessage});
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{kFirstRunQuestion});
    EXPECT_EQ(window.Document().Count, 0) << "the drawing waits for the event loop";
    QApplication::processEvents();
    EXPECT_GT(window.Document().Count, 0);
    EXPECT_TRUE(window.CurrentFile().endsWith(QStringLiteral("flange.dca")));
    EXPECT_TRUE(readme.empty()) << "いいえ opens no readme";
}

TEST_F(WindowStartTest, OnlyADrawingFileNamedOnTheCommandLineIsOpened)
{
    // The drawing type is registered case-sensitive to match: "X.DCA" is not one.
    const std::string upperCase = kFlange.substr(0, kFlange.size() - 3) + "DCA";
    for (const std::string& input : {std::string(), (programFolder.Path() / "drawing.dxf").string(), upperCase}) {
        SCOPED_TRACE(input);
        EXPECT_FALSE(StartWindow(window, Start(input)));
        QApplication::processEvents();
        EXPECT_EQ(window.Document().Count, 0);
    }
    EXPECT_TRUE(dialogs.Questions.empty()) << "no greeting after the first run";
}

TEST_F(WindowStartTest, TheToolButtonMakesTheSecondaryWindowOnceAndShowsItEachTime)
{
    std::unique_ptr<TFormCAD2> secondary;
    ConnectSecondaryWindow(window, programFolder.Path(), secondary);
    auto* button = window.findChild<QToolButton*>(QStringLiteral("SpeedButton20"));
    ASSERT_NE(button, nullptr);
    button->click();
    ASSERT_NE(secondary, nullptr);
    EXPECT_TRUE(secondary->isVisible());
    const TFormCAD2* first = secondary.get();
    secondary->hide();
    button->click();
    EXPECT_EQ(secondary.get(), first);
    EXPECT_TRUE(secondary->isVisible());
    secondary.reset();
}

}  // namespace
}  // namespace vantro
