#include "ServerTestSupport.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>
#include <cctype>
#include <memory>

namespace ServerTest {

void EnsureApp() {
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "servers_test";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}

bool PumpUntil(const std::function<bool()>& condition, int timeoutMs) {
    EnsureApp();
    const QDeadlineTimer deadline(timeoutMs);
    // A ticking timer wakes the loop so that the deadline is seen.
    QTimer tick;
    tick.start(10);
    while (!condition()) {
        if (deadline.hasExpired())
            return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void Pump(int ms) {
    PumpUntil([] { return false; }, ms);
}

namespace {

std::unique_ptr<QProcess> Start(const QString& program, const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"http_proxy", "https_proxy", "ftp_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY",
                             "FTP_PROXY", "ALL_PROXY"})
        env.remove(QString::fromLatin1(name));
    process->setProcessEnvironment(env);
    process->start(program, arguments);
    return process;
}

ProcessResult Collect(QProcess& process) {
    ProcessResult result;
    result.Finished = process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.ExitCode = result.Finished ? process.exitCode() : -1;
    result.Out = process.readAllStandardOutput();
    result.Err = process.readAllStandardError();
    return result;
}

}  // namespace

ProcessResult RunProgram(const QString& program, const QStringList& arguments, int timeoutMs) {
    EnsureApp();
    auto process = Start(program, arguments);
    PumpUntil([&] { return process->state() == QProcess::NotRunning; }, timeoutMs);
    return Collect(*process);
}

std::vector<ProcessResult> RunAll(const QString& program, const std::vector<QStringList>& argumentLists,
                                  int timeoutMs, const std::function<void()>& onPump) {
    EnsureApp();
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QStringList& arguments : argumentLists)
        processes.push_back(Start(program, arguments));
    PumpUntil(
        [&] {
            if (onPump)
                onPump();
            for (const auto& p : processes) {
                if (p->state() != QProcess::NotRunning)
                    return false;
            }
            return true;
        },
        timeoutMs);
    std::vector<ProcessResult> results;
    for (const auto& p : processes)
        results.push_back(Collect(*p));
    return results;
}

QStringList CurlArgs(const QStringList& arguments) {
    QStringList args{QStringLiteral("-q"), QStringLiteral("-sS"), QStringLiteral("--noproxy"), QStringLiteral("*"),
                     QStringLiteral("--connect-timeout"), QStringLiteral("10"), QStringLiteral("--max-time"),
                     QStringLiteral("60")};
    args += arguments;
    return args;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool WriteAll(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(data) == data.size();
}

QByteArray Pattern(qsizetype size, unsigned seed) {
    QByteArray out(size, Qt::Uninitialized);
    quint32 x = 2463534242u ^ seed;
    for (qsizetype i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        out[i] = static_cast<char>(x & 0xff);
    }
    return out;
}

bool LineClient::Connect(const QHostAddress& address, quint16 port, int timeoutMs) {
    EnsureApp();
    socket_.connectToHost(address, port);
    return PumpUntil([this] { return socket_.state() == QAbstractSocket::ConnectedState; }, timeoutMs);
}

void LineClient::Send(const QByteArray& line) {
    SendRaw(line + "\r\n");
}

void LineClient::SendRaw(const QByteArray& bytes) {
    socket_.write(bytes);
}

QByteArray LineClient::Reply(int timeoutMs) {
    QByteArray reply;
    // A reply ends with a line that starts with three digits and a space.
    auto complete = [&] {
        buffer_ += socket_.readAll();
        while (true) {
            const qsizetype end = buffer_.indexOf("\r\n");
            if (end < 0)
                return false;
            const QByteArray line = buffer_.left(end + 2);
            buffer_.remove(0, end + 2);
            reply += line;
            if (line.size() >= 4 && line[3] == ' ' && std::isdigit(static_cast<unsigned char>(line[0])))
                return true;
        }
    };
    if (!PumpUntil(complete, timeoutMs))
        return {};
    return reply;
}

int LineClient::Command(const QByteArray& line, QByteArray* text, int timeoutMs) {
    Send(line);
    const QByteArray reply = Reply(timeoutMs);
    if (text)
        *text = reply;
    const qsizetype last = reply.lastIndexOf("\r\n", reply.size() - 3);
    const QByteArray final = last < 0 ? reply : reply.mid(last + 2);
    return final.size() >= 3 ? final.left(3).toInt() : 0;
}

bool LineClient::WaitClosed(int timeoutMs) {
    return PumpUntil(
        [this] {
            buffer_ += socket_.readAll();
            return socket_.state() == QAbstractSocket::UnconnectedState;
        },
        timeoutMs);
}

}  // namespace ServerTest
