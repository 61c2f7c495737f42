// Writes auto-save backups without end, as the window's timer does, so that a test can kill it at
// random moments: usage FOLDER DRAWING. It reads the drawing file as the window would have, then
// backs up the drawing and the drawing doubled in turn, marked as unsaved work, and says "ready"
// once the first backup is complete.
#include "files/AutoSave.h"
#include "files/FileSystem.h"
#include "support/Fixtures.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    using namespace vantro;
    if (argc != 3) return 2;
    const std::string drawingFile = argv[2];
    Drawing drawing;
    DrawingFileSettings settings;
    if (!ReadDrawingFile(PathFromUtf8(drawingFile), drawing, settings).Ok) return 3;
    Drawing doubled = testing::Twice(drawing);
    drawing.Saved = doubled.Saved = false;

    std::optional<BackupSlot> slot = BackupSlot::Claim(PathFromUtf8(argv[1]));
    if (!slot) return 4;
    for (long round = 0;; ++round) {
        if (!slot->Write(round % 2 == 0 ? drawing : doubled, settings, drawingFile).Ok) return 5;
        if (round == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
