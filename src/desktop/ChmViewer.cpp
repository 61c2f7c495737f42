#include "desktop/ChmViewer.h"

#include <QProcess>
#include <QStandardPaths>

namespace vantro {
namespace {

struct KnownViewer {
    const char* Name;
    bool TakesContext;
};
// xchm opens a context number with --contextid; kchmviewer opens the file at its start.
constexpr KnownViewer kKnownViewers[] = {{"xchm", true}, {"kchmviewer", false}};

}  // namespace

std::optional<ChmViewer> FindChmViewer()
{
    for (const KnownViewer& known : kKnownViewers) {
        const QString path = QStandardPaths::findExecutable(QString::fromUtf8(known.Name));
        if (!path.isEmpty()) return ChmViewer{path.toStdString(), known.TakesContext};
    }
    return std::nullopt;
}

std::vector<std::string> ChmViewerArguments(const ChmViewer& viewer, const std::filesystem::path& file, int context)
{
    std::vector<std::string> arguments;
    if (viewer.TakesContext && context != 0) arguments.push_back("--contextid=" + std::to_string(context));
    arguments.push_back(file.string());
    return arguments;
}

bool StartChmViewer(const ChmViewer& viewer, const std::filesystem::path& file, int context)
{
    QStringList arguments;
    for (const std::string& argument : ChmViewerArguments(viewer, file, context))
        arguments << QString::fromStdString(argument);
    return QProcess::startDetached(QString::fromStdString(viewer.Program), arguments);
}

HelpRoute ChooseHelpRoute(bool helpFileFound, bool viewerFound, bool builtInHasEntry)
{
    if (helpFileFound && viewerFound) return HelpRoute::ChmViewer;
    if (builtInHasEntry) return HelpRoute::BuiltIn;
    return HelpRoute::Missing;
}

}  // namespace vantro
