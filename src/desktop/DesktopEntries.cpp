#include "desktop/DesktopEntries.h"

namespace vantro {
namespace {

// A string value: backslash and control characters escaped, a leading blank kept.
std::string StringValue(std::string_view text)
{
    std::string value;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') value += "\\\\";
        else if (c == '\n') value += "\\n";
        else if (c == '\t') value += "\\t";
        else if (c == '\r') value += "\\r";
        else if (c == ' ' && i == 0) value += "\\s";
        else value += c;
    }
    return value;
}

// Quoted when it holds a character the Exec key reserves; '%' is doubled, so a path is never read
// as a field code.
std::string ExecArgument(std::string_view argument)
{
    constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string plain;
    for (const char c : argument) plain += c == '%' ? std::string("%%") : std::string(1, c);
    if (!plain.empty() && plain.find_first_of(kReserved) == std::string::npos) return plain;
    std::string quoted = "\"";
    for (const char c : plain) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

DesktopEntry ProgramEntry(const std::string& program, const std::string& folder, const std::string& icon)
{
    return {.Name = "VantroCad", .Comment = "VantroCadのショートカット", .Exec = {program}, .OpensDrawings = true,
            .Path = folder, .Icon = icon};
}

DesktopEntry HelpEntry(const std::string& helpFile, const std::string& icon)
{
    return {.Name = "CADヘルプ", .Comment = "VantroCadのヘルプ", .Exec = {"xdg-open", helpFile},
            .OpensDrawings = false, .Path = {}, .Icon = icon};
}

std::string ExecValue(const std::vector<std::string>& arguments)
{
    std::string line;
    for (const std::string& argument : arguments) line += (line.empty() ? "" : " ") + ExecArgument(argument);
    return line;
}

std::string DesktopEntryText(const DesktopEntry& entry)
{
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
    text += "Name=" + StringValue(entry.Name) + "\n";
    text += "Comment=" + StringValue(entry.Comment) + "\n";
    text += "Exec=" + StringValue(ExecValue(entry.Exec)) + (entry.OpensDrawings ? " %f" : "") + "\n";
    if (!entry.Path.empty()) text += "Path=" + StringValue(entry.Path) + "\n";
    text += "Icon=" + StringValue(entry.Icon) + "\n";
    text += "Terminal=false\nCategories=Graphics;2DGraphics;VectorGraphics;Engineering;\n";
    if (entry.OpensDrawings)
        text += "MimeType=" + std::string(kDrawingMimeType) + ";\nStartupWMClass=vantrocad\n";
    return text;
}

std::string MimeTypeXml()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" + std::string(kDrawingMimeType) + "\">\n"
           "    <comment>VantroCAD drawing</comment>\n"
           "    <comment xml:lang=\"ja\">VantroCADファイル</comment>\n"
           "    <icon name=\"" + std::string(kIconName) + "\"/>\n"
           "    <glob pattern=\"*.dca\" case-sensitive=\"true\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

}  // namespace vantro
