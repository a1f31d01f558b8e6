#include "support/ChildProcess.h"
#include <QFile>
#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace TestSupport {
namespace {

int ExitStatus(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

}  // namespace

ChildProcess::ChildProcess(std::vector<std::string> args) {
    if (args.empty())
        return;
    QStringList arguments;
    for (size_t i = 1; i < args.size(); ++i)
        arguments << QString::fromStdString(args[i]);
    Start(QString::fromStdString(args[0]), arguments);
}

ChildProcess::~ChildProcess() { Stop(); }

bool ChildProcess::Start(const QString& program, const QStringList& arguments, const QStringList& environment,
                         const QString& logFile) {
    Stop();
    logFile_ = logFile;
    if (logFile_.isEmpty()) {
        logDir_ = std::make_unique<QTemporaryDir>();
        logFile_ = logDir_->filePath(QStringLiteral("output.log"));
    }
    // Everything the child needs is made before fork: after it, only calls
    // that are safe in a copy of a multi-threaded process.
    std::vector<QByteArray> args{program.toLocal8Bit()};
    for (const QString& a : arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    for (const QString& e : environment)
        env.push_back(e.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const QByteArray log = logFile_.toLocal8Bit();
    const pid_t parent = ::getpid();

    pid_ = ::fork();
    if (pid_ < 0)
        return false;
    if (pid_ == 0) {
        ::setpgid(0, 0);
        // The test process may die without its destructors (a crash, a
        // time-out): the child goes with it.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        const int out = ::open(log.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0644);
        if (out >= 0) {
            ::dup2(out, 1);
            ::dup2(out, 2);
        }
        const int in = ::open("/dev/null", O_RDONLY);
        if (in >= 0)
            ::dup2(in, 0);
        ::execvpe(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    exitStatus_ = -1;
    return true;
}

bool ChildProcess::IsRunning() {
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        exitStatus_ = ExitStatus(status);
        pid_ = -1;
        return false;
    }
    return true;
}

int ChildProcess::Stop() {
    if (pid_ <= 0) {
        const int status = exitStatus_;
        exitStatus_ = -1;
        return status;
    }
    ::kill(pid_, SIGTERM);
    int status = 0;
    for (int i = 0; i < 100; ++i) {
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return ExitStatus(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return -1;
}

std::string ChildProcess::Output() const {
    QFile f(logFile_);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

bool ChildProcess::WaitForOutput(const std::string& text, int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (Output().find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= deadline || !IsRunning())
            return Output().find(text) != std::string::npos;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

bool ChildProcess::WaitForTcp(int port, int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in in{};
        in.sin_family = AF_INET;
        in.sin_port = htons(static_cast<uint16_t>(port));
        in.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&in), sizeof in) == 0;
        ::close(fd);
        if (ok)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

}  // namespace TestSupport
