#include "support/ToolRun.h"
#include <QProcess>
#include <cstdio>
#include <sys/wait.h>

namespace TestSupport {

int RunCommand(const QString& program, const QStringList& arguments, QString* output, int timeoutMs, QString* errors) {
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(program, arguments);
    if (!p.waitForStarted(5000))
        return -1;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(2000);
        return -1;
    }
    if (output)
        *output = QString::fromLocal8Bit(p.readAllStandardOutput());
    if (errors)
        *errors = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

int RunTool(const std::string& command, std::string& output, int timeoutSeconds) {
    output.clear();
    const std::string full =
        "MIBS= MIBDIRS= timeout -k 5 " + std::to_string(timeoutSeconds) + " " + command + " 2>&1";
    FILE* pipe = ::popen(full.c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace TestSupport
