// What the TFTP server lets in: the expected name, from the expected device,
// up to its size cap, and only while the operation lasts. Real clients
// (tftp-hpa, curl) and a raw client on numeric loopback addresses.
#include "ServerTestSupport.h"
#include "servers/TftpPacket.h"
#include "servers/ZrTFTPServer.h"
#include <QDir>
#include <QNetworkDatagram>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace ServerTest;

namespace {

const QHostAddress kDevice(QStringLiteral("127.0.0.2"));
const QHostAddress kStranger(QStringLiteral("127.0.0.3"));

// A packet-by-packet client sending from a chosen loopback address.
class Client {
public:
    explicit Client(const QHostAddress& from) { bound_ = socket_.bind(from, 0); }
    bool Bound() const { return bound_; }
    void SendTo(quint16 port, const QByteArray& packet) {
        socket_.writeDatagram(packet, QHostAddress::LocalHost, port);
    }
    std::optional<QNetworkDatagram> Receive(int timeoutMs = 5000) {
        if (!PumpUntil([this] { return socket_.hasPendingDatagrams(); }, timeoutMs))
            return std::nullopt;
        return socket_.receiveDatagram();
    }

private:
    QUdpSocket socket_;
    bool bound_ = false;
};

class ServersTftpAdmission : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApp();
        ASSERT_TRUE(root_.isValid());
        target_ = root_.path() + QStringLiteral("/LogFile.RD");
        ASSERT_TRUE(WriteAll(target_, "previous log"));
        server_ = std::make_unique<ZrTFTPServer>();
        server_->SetListenAddress(QHostAddress::LocalHost);
        server_->SetTransferringMsgCallback([this](const ZrTFTPMsg& m, bool&) { messages_.push_back(m); });
        QObject::connect(server_.get(), &ZrTFTPServer::RequestRefused,
                         [this](const QString& peer, const QString& reason) { refused_ << peer + ": " + reason; });
    }

    void TearDown() override {
        server_.reset();
        Pump(20);
    }

    void Start() {
        ASSERT_TRUE(server_->Run(target_, 0)) << server_->ErrorString().toStdString();
        port_ = server_->Port();
        ASSERT_NE(port_, 0);
    }

    // tftp-hpa, the client most devices' firmware is tested against.
    ProcessResult TftpPut(const QString& file, const QString& name) {
        return RunProgram(QStringLiteral("tftp"), {QStringLiteral("-m"), QStringLiteral("binary"),
                                                   QStringLiteral("127.0.0.1"), QString::number(port_),
                                                   QStringLiteral("-c"), QStringLiteral("put"), file, name});
    }

    ProcessResult CurlPut(const QString& file, const QString& name, const QStringList& extra = {}) {
        return RunProgram(QStringLiteral("curl"),
                          CurlArgs(extra + QStringList{QStringLiteral("-T"), file,
                                                       QStringLiteral("tftp://127.0.0.1:%1/").arg(port_) + name}));
    }

    // The error a request from this client gets, or -1 for an ACK (let in).
    int RequestFrom(Client& client, const QString& name, int timeoutMs = 5000) {
        client.SendTo(port_, TftpPacket::MakeRequest(TftpPacket::Wrq, name, QStringLiteral("octet")));
        const auto reply = client.Receive(timeoutMs);
        if (!reply)
            return -2;
        if (TftpPacket::OpcodeOf(reply->data()) == TftpPacket::Ack)
            return -1;
        return TftpPacket::OpcodeOf(reply->data()) == TftpPacket::Error ? TftpPacket::BlockOf(reply->data()) : -3;
    }

    QString Source(const QByteArray& data) {
        const QString path = root_.path() + QStringLiteral("/upload-%1.bin").arg(++sources_);
        EXPECT_TRUE(WriteAll(path, data));
        return path;
    }

    bool HasTftpHpa() const { return !QStandardPaths::findExecutable(QStringLiteral("tftp")).isEmpty(); }

    QTemporaryDir root_;
    QString target_;
    std::unique_ptr<ZrTFTPServer> server_;
    quint16 port_ = 0;
    std::vector<ZrTFTPMsg> messages_;
    QStringList refused_;
    int sources_ = 0;
};

TEST_F(ServersTftpAdmission, RefusesAWriteFromAnotherAddress) {
    server_->SetAllowedPeer(kDevice);
    Start();
    Client stranger(kStranger);
    ASSERT_TRUE(stranger.Bound());
    EXPECT_EQ(RequestFrom(stranger, QStringLiteral("LogFile.RD")), TftpPacket::AccessViolation);
    // tftp-hpa on 127.0.0.1 is not the device either.
    if (HasTftpHpa()) {
        const ProcessResult r = TftpPut(Source("forged log"), QStringLiteral("LogFile.RD"));
        ASSERT_TRUE(r.Finished);
        EXPECT_TRUE((r.Out + r.Err).contains("Access denied")) << (r.Out + r.Err).toStdString();
    }
    EXPECT_EQ(ReadAll(target_), QByteArray("previous log"));
    EXPECT_TRUE(messages_.empty());
    ASSERT_GE(refused_.size(), 1);
    EXPECT_EQ(refused_.first(), QStringLiteral("127.0.0.3: Access denied."));

    // The device itself gets in, and only its own port speaks for the transfer.
    Client device(kDevice);
    ASSERT_TRUE(device.Bound());
    device.SendTo(port_, TftpPacket::MakeRequest(TftpPacket::Wrq, QStringLiteral("LogFile.RD"), QStringLiteral("octet")));
    const auto ack = device.Receive();
    ASSERT_TRUE(ack);
    ASSERT_EQ(TftpPacket::OpcodeOf(ack->data()), TftpPacket::Ack);
    const quint16 tid = static_cast<quint16>(ack->senderPort());
    stranger.SendTo(tid, TftpPacket::MakeData(1, "intruder"));
    const auto told = stranger.Receive();
    ASSERT_TRUE(told);
    EXPECT_EQ(TftpPacket::BlockOf(told->data()), TftpPacket::UnknownTransferId);
    device.SendTo(tid, TftpPacket::MakeData(1, "device log"));
    const auto last = device.Receive();
    ASSERT_TRUE(last);
    EXPECT_EQ(TftpPacket::OpcodeOf(last->data()), TftpPacket::Ack);
    EXPECT_EQ(ReadAll(target_), QByteArray("device log"));
}

TEST_F(ServersTftpAdmission, RefusesAnUnexpectedName) {
    server_->SetExpectedName(QStringLiteral("LogFile.RD"));
    Start();
    if (HasTftpHpa()) {
        const ProcessResult r = TftpPut(Source("other file"), QStringLiteral("Other.RD"));
        ASSERT_TRUE(r.Finished);
        EXPECT_TRUE((r.Out + r.Err).contains("Unexpected file name")) << (r.Out + r.Err).toStdString();
    }
    const ProcessResult climbing = CurlPut(Source("other file"), QStringLiteral("..%2FLogFile.RD"));
    EXPECT_NE(climbing.ExitCode, 0);
    Client client(QHostAddress::LocalHost);
    ASSERT_TRUE(client.Bound());
    EXPECT_EQ(RequestFrom(client, QStringLiteral("logfile.rd")), TftpPacket::AccessViolation);
    EXPECT_EQ(ReadAll(target_), QByteArray("previous log"));
    EXPECT_TRUE(messages_.empty());

    // The expected name, with or without a leading "/", is let in.
    if (HasTftpHpa()) {
        const ProcessResult r = TftpPut(Source("wanted log"), QStringLiteral("/LogFile.RD"));
        ASSERT_TRUE(r.Finished);
        EXPECT_FALSE((r.Out + r.Err).contains("Error")) << (r.Out + r.Err).toStdString();
        EXPECT_EQ(ReadAll(target_), QByteArray("wanted log"));
    }
    const ProcessResult r = CurlPut(Source("curl log"), QStringLiteral("LogFile.RD"));
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_EQ(ReadAll(target_), QByteArray("curl log"));
}

TEST_F(ServersTftpAdmission, CutsOffAnOversizedUploadWithAnError) {
    server_->SetMaxFileSize(2048);
    Start();
    // Exactly the cap fits (four full blocks and an empty one).
    const QByteArray fits = Pattern(2048, 4);
    ASSERT_EQ(CurlPut(Source(fits), QStringLiteral("LogFile.RD")).ExitCode, 0);
    EXPECT_EQ(ReadAll(target_), fits);

    messages_.clear();
    const ProcessResult over = CurlPut(Source(Pattern(2049, 5)), QStringLiteral("LogFile.RD"));
    EXPECT_NE(over.ExitCode, 0);
    EXPECT_EQ(ReadAll(target_), fits);
    ASSERT_FALSE(messages_.empty());
    EXPECT_EQ(messages_.back().Kind, ZrTFTPMsg::Failed);
    EXPECT_EQ(messages_.back().Text, QStringLiteral("File too large."));
    EXPECT_EQ(messages_.back().Bytes, 2048);

    if (HasTftpHpa()) {
        const ProcessResult r = TftpPut(Source(Pattern(100000, 6)), QStringLiteral("LogFile.RD"));
        ASSERT_TRUE(r.Finished);
        EXPECT_TRUE((r.Out + r.Err).contains("File too large")) << (r.Out + r.Err).toStdString();
    }
    EXPECT_EQ(ReadAll(target_), fits);
    EXPECT_EQ(QDir(root_.path()).entryList({QStringLiteral("LogFile.RD*")}, QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("LogFile.RD")});
    EXPECT_TRUE(PumpUntil([&] { return server_->ActiveTransfers() == 0; }, 5000));
}

TEST_F(ServersTftpAdmission, ClosesOnceTheOperationsFileIsStored) {
    ASSERT_TRUE(server_->Run(target_, 0, QStringLiteral("LogFile.RD"), QHostAddress::LocalHost));
    port_ = server_->Port();
    ASSERT_NE(port_, 0);
    Client other(kDevice);
    ASSERT_TRUE(other.Bound());
    EXPECT_EQ(RequestFrom(other, QStringLiteral("LogFile.RD")), TftpPacket::AccessViolation);
    const QByteArray log = Pattern(1500, 7);
    const ProcessResult r = CurlPut(Source(log), QStringLiteral("LogFile.RD"));
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_EQ(ReadAll(target_), log);
    EXPECT_FALSE(server_->IsRunning());
    EXPECT_EQ(server_->Port(), 0);
    // Nothing answers on the old port any more.
    Client late(QHostAddress::LocalHost);
    ASSERT_TRUE(late.Bound());
    EXPECT_EQ(RequestFrom(late, QStringLiteral("LogFile.RD"), 1000), -2);
    EXPECT_EQ(ReadAll(target_), log);
    EXPECT_TRUE(PumpUntil([&] { return server_->ActiveTransfers() == 0; }, 5000));
}

TEST_F(ServersTftpAdmission, DefaultsLetInAnyNameAndSenderUpToTheDefaultCap) {
    EXPECT_TRUE(server_->ExpectedName().isEmpty());
    EXPECT_TRUE(server_->AllowedPeer().isNull());
    EXPECT_EQ(server_->MaxFileSize(), 64LL * 1024 * 1024);
    Start();
    Client stranger(kStranger);
    ASSERT_TRUE(stranger.Bound());
    EXPECT_EQ(RequestFrom(stranger, QStringLiteral("anything.txt")), -1);
    const ProcessResult r = CurlPut(Source("any log"), QStringLiteral("x.log"));
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_EQ(ReadAll(target_), QByteArray("any log"));
    EXPECT_TRUE(server_->IsRunning());
}

}  // namespace
