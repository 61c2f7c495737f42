#include "desktop/DesktopTools.h"

#include <QProcess>
#include <QStandardPaths>

namespace vantro {

ToolOutcome RunDesktopTool(const std::string& program, const std::vector<std::string>& arguments)
{
    const QString path = QStandardPaths::findExecutable(QString::fromStdString(program));
    if (path.isEmpty()) return ToolOutcome::Missing;
    QStringList list;
    for (const std::string& argument : arguments) list << QString::fromStdString(argument);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(path, list);
    constexpr int kWaitMilliseconds = 60'000;
    if (!process.waitForFinished(kWaitMilliseconds)) {
        process.kill();
        process.waitForFinished();
        return ToolOutcome::Failed;
    }
    const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return ok ? ToolOutcome::Ran : ToolOutcome::Failed;
}

}  // namespace vantro
