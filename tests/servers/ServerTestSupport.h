#pragma once
#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <QTcpSocket>
#include <functional>
#include <vector>

// Helpers of the server tests. The servers run on this thread's event loop,
// which the helpers pump while they wait for clients.
namespace ServerTest {

// Makes sure a QCoreApplication exists.
void EnsureApp();

// Runs the event loop until the condition holds or the time is up; returns
// the condition's last value.
bool PumpUntil(const std::function<bool()>& condition, int timeoutMs);
// Runs the event loop for this long.
void Pump(int ms);

struct ProcessResult {
    bool Finished = false;
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};

// Runs a program to its end (or kills it after the time-out) while the event
// loop keeps serving.
ProcessResult RunProgram(const QString& program, const QStringList& arguments, int timeoutMs = 30000);
// Runs several at once.
std::vector<ProcessResult> RunAll(const QString& program, const std::vector<QStringList>& argumentLists,
                                  int timeoutMs = 60000, const std::function<void()>& onPump = {});

// curl with a clean configuration and bounded times, then the arguments.
QStringList CurlArgs(const QStringList& arguments);

QByteArray ReadAll(const QString& path);
bool WriteAll(const QString& path, const QByteArray& data);
// Reproducible bytes of the given length.
QByteArray Pattern(qsizetype size, unsigned seed = 1);

// A line-oriented client for talking FTP by hand.
class LineClient {
public:
    bool Connect(const QHostAddress& address, quint16 port, int timeoutMs = 5000);
    void Send(const QByteArray& line);  // CRLF is added
    void SendRaw(const QByteArray& bytes);
    // The next complete reply (all its lines); empty on time-out.
    QByteArray Reply(int timeoutMs = 5000);
    // Sends a command and returns the reply's code (0 on time-out).
    int Command(const QByteArray& line, QByteArray* text = nullptr, int timeoutMs = 5000);
    bool WaitClosed(int timeoutMs = 5000);
    QTcpSocket& Socket() { return socket_; }

private:
    QTcpSocket socket_;
    QByteArray buffer_;
};

}  // namespace ServerTest
