// Program entry. Until the main window exists the program tells its version and usage.
#include "Version.h"

#include <cstdio>

int main()
{
    std::printf("VantroCad %s\n", VANTRO_VERSION);
    std::printf("使い方: vantrocad [FILE.dca] | vantrocad --convert IN OUT | vantrocad --help\n");
    return 0;
}
