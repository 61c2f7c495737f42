#include "desktop/DesktopEntries.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

TEST(DesktopEntries, ExecArgumentsAreQuotedOnlyWhenTheyNeedIt)
{
    struct Case {
        std::vector<std::string> Arguments;
        std::string Value;
    };
    const Case cases[] = {
        {{"/usr/bin/vantrocad"}, "/usr/bin/vantrocad"},
        {{"vantrocad"}, "vantrocad"},
        {{"/home/me/Vantro Cad/vantrocad"}, "\"/home/me/Vantro Cad/vantrocad\""},
        {{"/opt/a\"b/vantrocad"}, "\"/opt/a\\\"b/vantrocad\""},
        {{"/opt/$HOME/x"}, "\"/opt/\\$HOME/x\""},
        {{"/opt/a`b"}, "\"/opt/a\\`b\""},
        {{"/opt/a\\b"}, "\"/opt/a\\\\b\""},
        // A percent sign in a path is never read as a field code.
        {{"/opt/100%/vantrocad"}, "/opt/100%%/vantrocad"},
        {{"/opt/ja/図面"}, "/opt/ja/図面"},
        {{"xdg-open", "/usr/share/vantrocad/cad_help.htm"}, "xdg-open /usr/share/vantrocad/cad_help.htm"},
        {{""}, "\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Arguments.back());
        EXPECT_EQ(ExecValue(c.Arguments), c.Value);
    }
}

TEST(DesktopEntries, TheProgramEntryOpensDrawingsAndTheHelpEntryDoesNot)
{
    const std::string program = DesktopEntryText(ProgramEntry("/opt/Vantro Cad/vantrocad", "/opt/Vantro Cad", "/opt/Vantro Cad/vantrocad.png"));
    EXPECT_EQ(program.rfind("[Desktop Entry]\nType=Application\n", 0), 0u);
    // The string value escapes the backslashes the quoting put in.
    EXPECT_NE(program.find("\nExec=\"/opt/Vantro Cad/vantrocad\" %f\n"), std::string::npos) << program;
    EXPECT_NE(program.find("\nPath=/opt/Vantro Cad\n"), std::string::npos);
    EXPECT_NE(program.find("\nMimeType=application/x-vantrocad-drawing;\n"), std::string::npos);
    EXPECT_NE(program.find("\nComment=VantroCadのショートカット\n"), std::string::npos);

    const std::string quoted = DesktopEntryText(ProgramEntry("/opt/a\"b/vantrocad", "", "vantrocad"));
    EXPECT_NE(quoted.find("\nExec=\"/opt/a\\\\\"b/vantrocad\" %f\n"), std::string::npos) << quoted;
    EXPECT_EQ(quoted.find("\nPath="), std::string::npos) << "no working folder, no key";

    const std::string help = DesktopEntryText(HelpEntry("/usr/share/vantrocad/cad_help.htm", "vantrocad"));
    EXPECT_NE(help.find("\nName=CADヘルプ\n"), std::string::npos);
    EXPECT_NE(help.find("\nExec=xdg-open /usr/share/vantrocad/cad_help.htm\n"), std::string::npos) << help;
    EXPECT_EQ(help.find("MimeType"), std::string::npos);
}

TEST(DesktopEntries, TheMimeTypeGlobsDrawingFiles)
{
    const std::string xml = MimeTypeXml();
    EXPECT_NE(xml.find("<mime-type type=\"application/x-vantrocad-drawing\">"), std::string::npos);
    EXPECT_NE(xml.find("<glob pattern=\"*.dca\" case-sensitive=\"true\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<comment xml:lang=\"ja\">VantroCADファイル</comment>"), std::string::npos);
}

}  // namespace
}  // namespace vantro
