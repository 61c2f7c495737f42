#include "files/ProgramFiles.h"
#include "files/ScratchFolder.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

TEST(ProgramFiles, BesideTheExecutableFirstThenTheSharedFolder)
{
    ScratchFolder folder;
    const std::filesystem::path bin = folder / "bin";
    const std::filesystem::path share = folder / "share" / "vantrocad";
    std::filesystem::create_directories(bin);
    EXPECT_FALSE(IsInstalledCopy(bin));
    std::filesystem::create_directories(share);
    EXPECT_TRUE(IsInstalledCopy(bin));
    EXPECT_EQ(SharedProgramFolder(bin), share);

    EXPECT_EQ(FindProgramFile(bin, "click.wav"), std::nullopt);
    WriteBytes(share / "click.wav", "shared");
    EXPECT_EQ(FindProgramFile(bin, "click.wav"), share / "click.wav");
    WriteBytes(bin / "CLICK.WAV", "beside");
    EXPECT_EQ(FindProgramFile(bin, "click.wav"), bin / "CLICK.WAV") << "letter case does not matter";
    // A folder of the name is no file.
    std::filesystem::create_directories(bin / "Undo.wav");
    EXPECT_EQ(FindProgramFile(bin, "Undo.wav"), std::nullopt);
}

}  // namespace
}  // namespace vantro
