// The FTP server's limits against floods, garbage and oversized uploads, with
// curl as the real client on numeric loopback addresses.
#include "ServerTestSupport.h"
#include "servers/FtpServer.h"
#include <QDir>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace ServerTest;

namespace {

class ServersFtpLimits : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApp();
        ASSERT_TRUE(root_.isValid());
        home_ = root_.path() + QStringLiteral("/home");
        ASSERT_TRUE(QDir().mkpath(home_));
        server_ = std::make_unique<FtpServer>();
        ASSERT_TRUE(server_->AddAccount(QStringLiteral("dev"), QStringLiteral("pw"), home_));
        ASSERT_TRUE(server_->Listen(QHostAddress::LocalHost, 0)) << server_->ErrorString().toStdString();
        QObject::connect(server_.get(), &FtpServer::LogMessage, [this](const QString& t) { log_ += t + '\n'; });
    }

    void TearDown() override {
        server_.reset();
        Pump(20);
    }

    QString Url(const QString& path) const {
        return QStringLiteral("ftp://dev:pw@127.0.0.1:%1/").arg(server_->Port()) + path;
    }
    QString Home(const QString& name) const { return home_ + QLatin1Char('/') + name; }
    QStringList HomeEntries() const {
        return QDir(home_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

    QTemporaryDir root_;
    QString home_;
    std::unique_ptr<FtpServer> server_;
    QString log_;
};

// Connections of a flooding client, each with what it has been told so far.
struct Flood {
    std::vector<std::unique_ptr<QTcpSocket>> Sockets;
    std::vector<QByteArray> Heard;

    void Open(quint16 port, int count) {
        for (int i = 0; i < count; ++i) {
            auto socket = std::make_unique<QTcpSocket>();
            socket->connectToHost(QHostAddress::LocalHost, port);
            Sockets.push_back(std::move(socket));
            Heard.emplace_back();
        }
    }
    void Read() {
        for (size_t i = 0; i < Sockets.size(); ++i) {
            if (Sockets[i]->isOpen())
                Heard[i] += Sockets[i]->readAll();
        }
    }
    int Starting(const char* code) const {
        int n = 0;
        for (const QByteArray& h : Heard)
            n += h.startsWith(code) ? 1 : 0;
        return n;
    }
    // Sends junk on the connections that are still open.
    void Garbage(int round) {
        for (auto& socket : Sockets) {
            if (socket->state() == QAbstractSocket::ConnectedState)
                socket->write(Pattern(200, static_cast<unsigned>(round)) + "\r\nXYZZY\r\n");
        }
    }
};

TEST_F(ServersFtpLimits, AFloodOfConnectionsIsRefusedWhileARealTransferCompletes) {
    server_->SetMaxSessionsPerClient(4);
    server_->SetMaxBadCommands(10);
    const QByteArray firmware = Pattern(3 << 20, 11);
    ASSERT_TRUE(WriteAll(Home(QStringLiteral("fw.bin")), firmware));
    const QByteArray backup = Pattern(500000, 12);
    const QString source = root_.path() + QStringLiteral("/backup.bin");
    ASSERT_TRUE(WriteAll(source, backup));

    // The flooder on 127.0.0.1 takes its four sessions and is turned away after.
    Flood flood;
    flood.Open(server_->Port(), 30);
    ASSERT_TRUE(PumpUntil(
        [&] {
            flood.Read();
            return flood.Starting("220 ") + flood.Starting("421 ") == 30;
        },
        20000));
    EXPECT_EQ(flood.Starting("220 "), 4);
    EXPECT_EQ(flood.Starting("421 "), 26);
    EXPECT_EQ(server_->SessionsFrom(QHostAddress::LocalHost), 4);

    // The device on 127.0.0.2 fetches and stores while the flood goes on.
    const QString from = QStringLiteral("127.0.0.2");
    const std::vector<QStringList> jobs{
        CurlArgs({QStringLiteral("--interface"), from, QStringLiteral("--limit-rate"), QStringLiteral("2M"),
                  Url(QStringLiteral("fw.bin"))}),
        CurlArgs({QStringLiteral("--interface"), from, QStringLiteral("-T"), source, Url(QStringLiteral("backup.bin"))}),
    };
    int round = 0;
    const auto results = RunAll(QStringLiteral("curl"), jobs, 60000, [&] {
        if (round < 200) {
            flood.Open(server_->Port(), 1);
            flood.Garbage(++round);
        }
        flood.Read();
    });
    ASSERT_EQ(results.size(), 2u);
    ASSERT_EQ(results[0].ExitCode, 0) << results[0].Err.toStdString();
    EXPECT_EQ(results[0].Out, firmware);
    ASSERT_EQ(results[1].ExitCode, 0) << results[1].Err.toStdString();
    EXPECT_EQ(ReadAll(Home(QStringLiteral("backup.bin"))), backup);
    EXPECT_LE(server_->SessionsFrom(QHostAddress::LocalHost), 4);
    EXPECT_TRUE(log_.contains(QStringLiteral("too many from this address")));
    // The garbage senders are sent away in the end.
    EXPECT_TRUE(PumpUntil(
        [&] {
            flood.Garbage(++round);
            flood.Read();
            return server_->SessionsFrom(QHostAddress::LocalHost) == 0;
        },
        20000));
    EXPECT_TRUE(log_.contains(QStringLiteral("too many rejected commands")));
}

TEST_F(ServersFtpLimits, CutsOffAnOversizedUploadWithAnError) {
    server_->SetMaxUploadSize(100000);
    const QString small = root_.path() + QStringLiteral("/small.bin");
    const QString large = root_.path() + QStringLiteral("/large.bin");
    ASSERT_TRUE(WriteAll(small, Pattern(100000, 1)));
    ASSERT_TRUE(WriteAll(large, Pattern(4 << 20, 2)));

    const ProcessResult fits = RunProgram(QStringLiteral("curl"), CurlArgs({QStringLiteral("-T"), small,
                                                                            Url(QStringLiteral("fits.bin"))}));
    ASSERT_EQ(fits.ExitCode, 0) << fits.Err.toStdString();
    EXPECT_EQ(ReadAll(Home(QStringLiteral("fits.bin"))), Pattern(100000, 1));

    const ProcessResult over = RunProgram(QStringLiteral("curl"), CurlArgs({QStringLiteral("-v"), QStringLiteral("-T"),
                                                                            large, Url(QStringLiteral("over.bin"))}));
    EXPECT_NE(over.ExitCode, 0);
    EXPECT_EQ(HomeEntries(), QStringList{QStringLiteral("fits.bin")});
    EXPECT_TRUE(log_.contains(QStringLiteral("upload of /over.bin is larger than 100000 bytes"))) << log_.toStdString();
    EXPECT_TRUE(log_.contains(QStringLiteral("upload of /over.bin discarded")));

    // By hand: the 552 arrives on the control connection and the session goes on.
    LineClient client;
    ASSERT_TRUE(client.Connect(QHostAddress::LocalHost, server_->Port()));
    ASSERT_TRUE(client.Reply().startsWith("220 "));
    ASSERT_EQ(client.Command("USER dev"), 331);
    ASSERT_EQ(client.Command("PASS pw"), 230);
    QByteArray text;
    ASSERT_EQ(client.Command("EPSV", &text), 229);
    const qsizetype bar = text.indexOf("|||");
    const quint16 dataPort = static_cast<quint16>(text.mid(bar + 3, text.indexOf('|', bar + 3) - bar - 3).toUInt());
    QTcpSocket data;
    data.connectToHost(QHostAddress::LocalHost, dataPort);
    ASSERT_TRUE(PumpUntil([&] { return data.state() == QAbstractSocket::ConnectedState; }, 5000));
    EXPECT_EQ(client.Command("STOR hand.bin"), 150);
    data.write(Pattern(300000, 3));
    const QByteArray reply = client.Reply(20000);
    EXPECT_TRUE(reply.startsWith("552 ")) << reply.toStdString();
    EXPECT_EQ(client.Command("NOOP"), 200);
    EXPECT_EQ(HomeEntries(), QStringList{QStringLiteral("fits.bin")});
}

TEST_F(ServersFtpLimits, SendsAwayAClientThatSendsOnlyGarbage) {
    server_->SetMaxBadCommands(5);
    LineClient client;
    ASSERT_TRUE(client.Connect(QHostAddress::LocalHost, server_->Port()));
    ASSERT_TRUE(client.Reply().startsWith("220 "));
    for (int i = 0; i < 4; ++i) {
        const int code = client.Command(Pattern(40, static_cast<unsigned>(i)).replace('\n', 'x').replace('\r', 'x'));
        EXPECT_TRUE(code == 500 || code == 502) << code;
    }
    QByteArray last;
    client.Command("RETR x", &last);
    EXPECT_TRUE(last.contains("530 ")) << last.toStdString();
    EXPECT_TRUE(last.contains("421 ") || client.Reply().startsWith("421 "));
    EXPECT_TRUE(client.WaitClosed());

    // Good commands in between keep a session open.
    LineClient fine;
    ASSERT_TRUE(fine.Connect(QHostAddress::LocalHost, server_->Port()));
    ASSERT_TRUE(fine.Reply().startsWith("220 "));
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(fine.Command("BOGUS"), 502);
        EXPECT_EQ(fine.Command("NOOP"), 200);
    }
}

TEST_F(ServersFtpLimits, ClosesConnectionsThatNeverLogIn) {
    server_->SetLoginTimeout(300);
    LineClient idle;
    ASSERT_TRUE(idle.Connect(QHostAddress::LocalHost, server_->Port()));
    ASSERT_TRUE(idle.Reply().startsWith("220 "));
    idle.Send("NOOP");
    EXPECT_TRUE(idle.Reply().startsWith("200 "));
    EXPECT_TRUE(idle.Reply(10000).startsWith("421 "));
    EXPECT_TRUE(idle.WaitClosed(10000));
    EXPECT_TRUE(PumpUntil([&] { return server_->SessionCount() == 0; }, 5000));

    // A login in time keeps the session past it.
    LineClient user;
    ASSERT_TRUE(user.Connect(QHostAddress::LocalHost, server_->Port()));
    ASSERT_TRUE(user.Reply().startsWith("220 "));
    ASSERT_EQ(user.Command("USER dev"), 331);
    ASSERT_EQ(user.Command("PASS pw"), 230);
    Pump(600);
    EXPECT_EQ(user.Command("NOOP"), 200);
}

TEST_F(ServersFtpLimits, DefaultsKeepTodaysBehaviour) {
    EXPECT_EQ(server_->MaxSessions(), 64);
    EXPECT_EQ(server_->MaxSessionsPerClient(), 0);
    EXPECT_EQ(server_->MaxUploadSize(), 0);
    EXPECT_EQ(server_->LoginTimeout(), 60000);
    EXPECT_EQ(server_->MaxBadCommands(), 20);
    std::vector<std::unique_ptr<LineClient>> clients;
    for (int i = 0; i < 10; ++i) {
        clients.push_back(std::make_unique<LineClient>());
        ASSERT_TRUE(clients.back()->Connect(QHostAddress::LocalHost, server_->Port()));
        EXPECT_TRUE(clients.back()->Reply().startsWith("220 ")) << i;
    }
    EXPECT_EQ(server_->SessionsFrom(QHostAddress::LocalHost), 10);
}

}  // namespace
