// Program entry: the main window, or the usage text.
#include "Version.h"
#include "ui/MainWindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void PrintUsage()
{
    std::printf("VantroCad %s\n", VANTRO_VERSION);
    std::printf("使い方: vantrocad [FILE.dca] | vantrocad --help\n");
}

// Qt aborts when it cannot reach a display; say so plainly instead.
bool HasDisplay()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        PrintUsage();
        return 0;
    }
    if (!HasDisplay()) {
        std::fprintf(stderr, "VantroCad: 画面（ディスプレイ）に接続できません。DISPLAY を設定して起動して下さい。\n");
        return 2;
    }
    QApplication application(argc, argv);
    vantro::TForm1 window;
    window.show();
    return QApplication::exec();
}
