#include "ChildProcess.h"
#include <QProcess>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace TestSupport {

ChildProcess::~ChildProcess() { Stop(); }

bool ChildProcess::Start(const QString& program, const QStringList& arguments, const QStringList& environment,
                         const QString& logFile) {
    Stop();
    std::vector<QByteArray> args{program.toLocal8Bit()};
    for (const QString& a : arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> env;
    for (const QString& e : environment)
        env.push_back(e.toLocal8Bit());
    const QByteArray log = logFile.toLocal8Bit();

    pid_ = ::fork();
    if (pid_ < 0)
        return false;
    if (pid_ == 0) {
        ::setpgid(0, 0);
        for (QByteArray& e : env)
            ::putenv(e.data());
        const int out = log.isEmpty() ? ::open("/dev/null", O_WRONLY)
                                      : ::open(log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out >= 0) {
            ::dup2(out, 1);
            ::dup2(out, 2);
        }
        const int in = ::open("/dev/null", O_RDONLY);
        if (in >= 0)
            ::dup2(in, 0);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    return true;
}

bool ChildProcess::IsRunning() {
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
    }
    return true;
}

void ChildProcess::Stop() {
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
}

int RunCommand(const QString& program, const QStringList& arguments, QString* output, int timeoutMs) {
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
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

}  // namespace TestSupport
