#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class ZrTFTPServer;
struct ZrTFTPMsg;

// The station's side of a log fetch: the module's TFTP server, started for
// one file that the device is about to send, and a bounded wait for that
// transfer to end. Each fetch receives into a file of its own
// (ReceivedPath(), so that neither an old log nor another window's fetch is
// taken for it); Keep() then puts it at FilePath(), the place the module
// keeps the device's last log.
class LogReceiver : public QObject {
    Q_OBJECT
public:
    enum class Outcome { None, Arrived, Failed, TimedOut };

    explicit LogReceiver(QObject* owner = nullptr);
    ~LogReceiver() override;

    // Starts serving on Port() for one file: only `expectedName` (any name
    // when empty) and only from `device` (anyone when empty); false with the
    // reason when it cannot.
    bool Listen(QString* error, const QString& expectedName = {}, const QString& device = {});
    // The transfer is to end within `ms` (a wait that has an outcome already ends at once).
    void ExpectWithin(int ms);
    // Stops serving; a transfer still going is discarded.
    void Stop();
    bool Listening() const;
    // Listening and no outcome yet.
    bool Waiting() const;
    Outcome Result() const { return outcome_; }
    // Why the transfer failed.
    QString FailureText() const { return failure_; }
    // Where this fetch's file is received.
    QString ReceivedPath() const { return received_; }
    // Moves the received file to FilePath() (replacing the last one).
    void Keep();

    // Called once with the outcome (Arrived, Failed or TimedOut).
    std::function<void(Outcome)> Ended;

    // The file the device's log is stored as: the module's folder, the model
    // name, "LogFile.RD".
    static QString FilePath();
    // UDP port of the server: NXA_TFTP_PORT from the environment, else 69.
    static quint16 Port();
    // A transfer that grows beyond this is cancelled.
    static constexpr qint64 kMaxTransferBytes = 8 * 1024 * 1024;

private:
    void Message(const ZrTFTPMsg& message, bool& cancel);
    void End(Outcome outcome, const QString& failure = {});

    std::unique_ptr<ZrTFTPServer> server_;
    QTimer bound_;
    Outcome outcome_ = Outcome::None;
    QString failure_;
    QString received_;
    int fetches_ = 0;
};
