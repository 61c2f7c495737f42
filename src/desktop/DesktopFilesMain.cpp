// Writes the files an installed copy gives the desktop, from the same code the program's own
// registrations use: the menu entry, the MIME type of drawings and the HTML help.
#include "desktop/CommandHelp.h"
#include "desktop/DesktopEntries.h"
#include "files/FileSystem.h"
#include "files/ProgramFiles.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: vantro_desktop_files OUTPUT-FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    // An installed program is found on the PATH and its icon in the icon theme.
    const vantro::DesktopEntry entry = vantro::ProgramEntry("vantrocad", "", std::string(vantro::kIconName));
    const std::pair<std::string_view, std::string> files[] = {
        {vantro::kProgramEntryFileName, vantro::DesktopEntryText(entry)},
        {vantro::kMimeFileName, vantro::MimeTypeXml()},
        {vantro::kHtmlHelpFileName, vantro::HelpHtml()},
    };
    for (const auto& [name, text] : files) {
        if (!vantro::WriteFileAtomically(folder / name, text)) {
            std::cerr << "vantro_desktop_files: cannot write " << (folder / name).string() << '\n';
            return 1;
        }
    }
    return 0;
}
