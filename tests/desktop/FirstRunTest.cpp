#include "desktop/DesktopRegistration.h"
#include "desktop/FirstRun.h"
#include "support/ScriptedDialogs.h"
#include "support/TemporaryDesktop.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

using testing::ScriptedDialogs;
using testing::TemporaryDesktop;

TEST(FirstRun, OnlyAMissingSettingsFileIsAFirstRun)
{
    TemporaryDesktop desktop;
    EXPECT_TRUE(IsFirstRun(desktop.ProgramFolder() / "VantroCad.ini"));
    desktop.AddProgramFile("VantroCad.ini", "");
    EXPECT_FALSE(IsFirstRun(desktop.ProgramFolder() / "VantroCad.ini"));
}

TEST(FirstRun, YesRegistersTheLauncherGreetsAndOpensTheReadme)
{
    TemporaryDesktop desktop;
    desktop.AddProgramFile("VantroReadme.txt", "readme");
    ScriptedDialogs dialogs;
    dialogs.Answers = {DialogAnswer::Yes};
    std::vector<std::filesystem::path> opened;
    GreetFirstRun(dialogs, desktop.Executable(), CurrentDesktopFolders(),
                  [&opened](const std::filesystem::path& file) { opened.push_back(file); });
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{kFirstRunQuestion});
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kFirstRunGreeting});
    EXPECT_TRUE(std::filesystem::exists(desktop.Home() / "Desktop" / "VantroCad.desktop"));
    EXPECT_EQ(opened, std::vector{desktop.ProgramFolder() / "VantroReadme.txt"});
}

// The greeting once said the launcher was made even when it could not be written.
TEST(FirstRun, ALauncherThatCouldNotBeWrittenIsNotClaimed)
{
    TemporaryDesktop desktop;
    desktop.AddProgramFile("VantroReadme.txt", "readme");
    DesktopFolders folders = CurrentDesktopFolders();
    folders.Desktop = desktop.ProgramFolder() / "VantroReadme.txt" / "Desktop";  // under a file: no folder there
    ScriptedDialogs dialogs;
    dialogs.Answers = {DialogAnswer::Yes};
    int opened = 0;
    GreetFirstRun(dialogs, desktop.Executable(), folders, [&opened](const auto&) { ++opened; });
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[0], kFirstRunGreetingWithoutLauncher);
    EXPECT_NE(dialogs.Messages[1].find("VantroCad.desktop"), std::string::npos) << dialogs.Messages[1];
    EXPECT_EQ(opened, 1) << "the readme still opens";
}

TEST(FirstRun, NoLeavesTheDesktopAlone)
{
    TemporaryDesktop desktop;
    desktop.AddProgramFile("VantroReadme.txt", "readme");
    ScriptedDialogs dialogs;
    dialogs.Answers = {DialogAnswer::No};
    int opened = 0;
    GreetFirstRun(dialogs, desktop.Executable(), CurrentDesktopFolders(), [&opened](const auto&) { ++opened; });
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_FALSE(std::filesystem::exists(desktop.Home() / "Desktop"));
    EXPECT_EQ(opened, 0);
}

TEST(FirstRun, AMissingReadmeIsNotReported)
{
    TemporaryDesktop desktop;
    ScriptedDialogs dialogs;
    dialogs.Answers = {DialogAnswer::Yes};
    int opened = 0;
    GreetFirstRun(dialogs, desktop.Executable(), CurrentDesktopFolders(), [&opened](const auto&) { ++opened; });
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kFirstRunGreeting});
    EXPECT_EQ(opened, 0);
}

}  // namespace
}  // namespace vantro
