#include "desktop/ChmViewer.h"
#include "desktop/SoundPlayer.h"
#include "files/ScratchFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace vantro {
namespace {

TEST(HelpRoute, TheMissingFileMessageOnlyWhenNoHelpExists)
{
    struct Case {
        bool File, Viewer, BuiltIn;
        HelpRoute Route;
    };
    const Case cases[] = {
        {true, true, true, HelpRoute::ChmViewer},   {true, true, false, HelpRoute::ChmViewer},
        {true, false, true, HelpRoute::BuiltIn},    {false, true, true, HelpRoute::BuiltIn},
        {false, false, true, HelpRoute::BuiltIn},   {false, false, false, HelpRoute::Missing},
        {true, false, false, HelpRoute::Missing},   {false, true, false, HelpRoute::Missing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.File << c.Viewer << c.BuiltIn);
        EXPECT_EQ(ChooseHelpRoute(c.File, c.Viewer, c.BuiltIn), c.Route);
    }
}

TEST(HelpRoute, AViewerThatTakesContextsOpensTheTopic)
{
    const std::filesystem::path file = "/usr/share/vantrocad/Cadhelp.chm";
    EXPECT_EQ(ChmViewerArguments({"/usr/bin/xchm", true}, file, 17),
              (std::vector<std::string>{"--contextid=17", file.string()}));
    EXPECT_EQ(ChmViewerArguments({"/usr/bin/xchm", true}, file, 0), std::vector<std::string>{file.string()});
    EXPECT_EQ(ChmViewerArguments({"/usr/bin/kchmviewer", false}, file, 17), std::vector<std::string>{file.string()});
}

TEST(SoundPlayer, PlaysWhatItFindsAndNeverFailsWithoutAudio)
{
    testing::ScratchFolder folder;
    std::filesystem::copy_file(std::filesystem::path(VANTRO_RESOURCES_DIR) / "click.wav", folder / "click.wav");
    SoundPlayer player(folder.Path());
    player.Play(kSoundClick);
    player.Play(kSoundUndo);
    player.Play(7);
    // The sound plays, or on a machine without audio output stays silent, while events run.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 300) QCoreApplication::processEvents();
    EXPECT_EQ(player.Requests(kSoundClick), 1);
    EXPECT_EQ(player.Requests(kSoundUndo), 1);
    EXPECT_EQ(player.Requests(kSoundCancel), 0);
    EXPECT_EQ(player.Requests(7), 0);
    EXPECT_TRUE(player.HasFile(kSoundClick));
    EXPECT_FALSE(player.HasFile(kSoundUndo)) << "no Undo.wav there: silence";
}

}  // namespace
}  // namespace vantro
