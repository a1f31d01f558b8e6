// The TFTP server against curl and against a small raw client, on loopback.
#include "ServerTestSupport.h"
#include "servers/TftpPacket.h"
#include "servers/ZrTFTPServer.h"
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QNetworkDatagram>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace ServerTest;

namespace {

// A TFTP client that speaks packet by packet.
class RawClient {
public:
    RawClient() { bound_ = socket_.bind(QHostAddress::LocalHost, 0); }
    bool Bound() const { return bound_; }
    void SendTo(quint16 port, const QByteArray& packet) {
        socket_.writeDatagram(packet, QHostAddress::LocalHost, port);
    }
    // The next datagram, or nothing on time-out.
    std::optional<QNetworkDatagram> Receive(int timeoutMs = 5000) {
        if (!PumpUntil([this] { return socket_.hasPendingDatagrams(); }, timeoutMs))
            return std::nullopt;
        return socket_.receiveDatagram();
    }
    quint16 Port() const { return socket_.localPort(); }

private:
    QUdpSocket socket_;
    bool bound_ = false;
};

// Sends a write request and returns the transfer's port from ACK 0.
quint16 WriteRequest(RawClient& client, quint16 serverPort, const QString& mode, const QString& name) {
    client.SendTo(serverPort, TftpPacket::MakeRequest(TftpPacket::Wrq, name, mode));
    const auto ack = client.Receive();
    if (!ack || TftpPacket::OpcodeOf(ack->data()) != TftpPacket::Ack || TftpPacket::BlockOf(ack->data()) != 0)
        return 0;
    return static_cast<quint16>(ack->senderPort());
}

// Sends one DATA block and returns the block number acknowledged (-1 if
// nothing came, -2 for anything but an ACK).
int SendBlock(RawClient& client, quint16 tid, quint16 block, const QByteArray& payload) {
    client.SendTo(tid, TftpPacket::MakeData(block, payload));
    const auto reply = client.Receive();
    if (!reply)
        return -1;
    if (TftpPacket::OpcodeOf(reply->data()) != TftpPacket::Ack)
        return -2;
    return TftpPacket::BlockOf(reply->data());
}

class ServersTftp : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApp();
        ASSERT_TRUE(root_.isValid());
        target_ = root_.path() + QStringLiteral("/NXA-7310/LogFile.RD");
        ASSERT_TRUE(QDir().mkpath(root_.path() + QStringLiteral("/NXA-7310")));
        server_ = std::make_unique<ZrTFTPServer>();
        server_->SetListenAddress(QHostAddress::LocalHost);
        server_->SetTimeout(500, 3);
        server_->SetTransferringMsgCallback([this](const ZrTFTPMsg& m, bool& cancel) {
            messages_.push_back(m);
            if (m.Kind == ZrTFTPMsg::Progress && cancelAfterBlocks_ > 0 && m.Blocks >= cancelAfterBlocks_)
                cancel = true;
        });
        ASSERT_TRUE(server_->Run(target_, 0)) << server_->ErrorString().toStdString();
        port_ = server_->Port();
        ASSERT_NE(port_, 0);
    }

    void TearDown() override {
        server_.reset();
        Pump(20);
    }

    ProcessResult CurlUpload(const QString& file, const QString& name) {
        return RunProgram(QStringLiteral("curl"),
                          CurlArgs({QStringLiteral("-T"), file,
                                    QStringLiteral("tftp://127.0.0.1:%1/").arg(port_) + name}));
    }

    QStringList FolderEntries() const {
        return QDir(root_.path() + QStringLiteral("/NXA-7310"))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

    int Count(int kind) const {
        int n = 0;
        for (const ZrTFTPMsg& m : messages_)
            n += m.Kind == kind ? 1 : 0;
        return n;
    }

    quint16 Request(RawClient& client, const QString& mode, const QString& name = QStringLiteral("LogFile.RD")) {
        return WriteRequest(client, port_, mode, name);
    }

    QTemporaryDir root_;
    QString target_;
    std::unique_ptr<ZrTFTPServer> server_;
    quint16 port_ = 0;
    std::vector<ZrTFTPMsg> messages_;
    quint32 cancelAfterBlocks_ = 0;
};

TEST_F(ServersTftp, StoresCurlUploadsOfEverySizeUnderItsOwnPath) {
    const QString source = root_.path() + QStringLiteral("/upload.bin");
    const qsizetype sizes[] = {0, 1, 511, 512, 513, 1024, 5000, 200000};
    unsigned seed = 1;
    for (const qsizetype size : sizes) {
        SCOPED_TRACE(size);
        messages_.clear();
        const QByteArray data = Pattern(size, seed++);
        ASSERT_TRUE(WriteAll(source, data));
        const ProcessResult r = CurlUpload(source, QStringLiteral("device-%1.log").arg(size));
        ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        EXPECT_EQ(ReadAll(target_), data);
        EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("LogFile.RD")});
        ASSERT_EQ(Count(ZrTFTPMsg::Completed), 1);
        const ZrTFTPMsg& done = messages_.back();
        EXPECT_EQ(done.Kind, ZrTFTPMsg::Completed);
        EXPECT_EQ(done.Bytes, size);
        EXPECT_EQ(done.Blocks, static_cast<quint32>(size / 512 + 1));
        EXPECT_EQ(done.RequestedName, QStringLiteral("device-%1.log").arg(size));
        EXPECT_EQ(done.LocalPath, target_);
        EXPECT_EQ(done.Mode, QStringLiteral("octet"));
        EXPECT_EQ(Count(ZrTFTPMsg::Progress), static_cast<int>(size / 512));
    }
}

TEST_F(ServersTftp, IgnoresTheRequestedNameForStoring) {
    const QString source = root_.path() + QStringLiteral("/upload.bin");
    ASSERT_TRUE(WriteAll(source, "log text"));
    const QStringList names{QStringLiteral("..%2F..%2Fescaped.txt"), QStringLiteral("%2Ftmp%2Fescaped.txt"),
                            QStringLiteral("sub/dir/other.txt")};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(QFile::remove(target_) || !QFileInfo::exists(target_));
        const ProcessResult r = CurlUpload(source, name);
        ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        EXPECT_EQ(ReadAll(target_), QByteArray("log text"));
    }
    EXPECT_EQ(QDir(root_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("NXA-7310"), QStringLiteral("upload.bin")}));
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("LogFile.RD")});

    // Run again with another path: later uploads go there, on the same port.
    const QString second = root_.path() + QStringLiteral("/NXA-7310/SNTPFile.RD");
    ASSERT_TRUE(server_->Run(second, port_));
    EXPECT_EQ(server_->Port(), port_);
    ASSERT_TRUE(WriteAll(source, "time file"));
    const ProcessResult r = CurlUpload(source, QStringLiteral("x"));
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_EQ(ReadAll(second), QByteArray("time file"));
    EXPECT_EQ(ReadAll(target_), QByteArray("log text"));
}

TEST_F(ServersTftp, ConvertsNetasciiLineEnds) {
    RawClient client;
    ASSERT_TRUE(client.Bound());
    const quint16 tid = Request(client, QStringLiteral("NetASCII"));
    ASSERT_NE(tid, 0);
    // The first block ends in the middle of a CR LF pair.
    QByteArray first = QByteArray(508, 'a') + "\r\nb\r";
    ASSERT_EQ(first.size(), 512);
    EXPECT_EQ(SendBlock(client, tid, 1, first), 1);
    EXPECT_EQ(SendBlock(client, tid, 2, QByteArray("\ncr\r", 4) + QByteArray(1, '\0') + "x\r\n"), 2);
    EXPECT_EQ(ReadAll(target_), QByteArray(508, 'a') + "\nb\ncr\rx\n");
    ASSERT_FALSE(messages_.empty());
    EXPECT_EQ(messages_.back().Mode, QStringLiteral("netascii"));

    // curl sends netascii too when asked, with CR LF line ends.
    const QString source = root_.path() + QStringLiteral("/text.txt");
    ASSERT_TRUE(WriteAll(source, "first line\nsecond line\n"));
    const ProcessResult r = RunProgram(
        QStringLiteral("curl"), CurlArgs({QStringLiteral("--crlf"), QStringLiteral("-T"), source,
                                          QStringLiteral("tftp://127.0.0.1:%1/log;mode=netascii").arg(port_)}));
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_EQ(ReadAll(target_), QByteArray("first line\nsecond line\n"));
    EXPECT_EQ(messages_.back().Mode, QStringLiteral("netascii"));
}

TEST_F(ServersTftp, AcknowledgesARepeatedBlockAgainWithoutStoringItTwice) {
    RawClient client;
    const quint16 tid = Request(client, QStringLiteral("octet"));
    ASSERT_NE(tid, 0);
    const QByteArray one = Pattern(512, 1);
    EXPECT_EQ(SendBlock(client, tid, 1, one), 1);
    EXPECT_EQ(SendBlock(client, tid, 1, one), 1);  // our ACK "was lost"
    EXPECT_EQ(SendBlock(client, tid, 2, "end"), 2);
    EXPECT_EQ(SendBlock(client, tid, 2, "end"), 2);  // the final ACK is repeated while dallying
    EXPECT_EQ(ReadAll(target_), one + "end");
    EXPECT_EQ(Count(ZrTFTPMsg::Completed), 1);
}

TEST_F(ServersTftp, AnswersARepeatedRequestFromTheSameTransferPort) {
    RawClient client;
    const quint16 tid = Request(client, QStringLiteral("octet"));
    ASSERT_NE(tid, 0);
    // Our ACK 0 "was lost": the client asks again; the same transfer answers.
    EXPECT_EQ(Request(client, QStringLiteral("octet")), tid);
    EXPECT_EQ(server_->ActiveTransfers(), 1);
    EXPECT_EQ(SendBlock(client, tid, 1, "short"), 1);
    EXPECT_EQ(ReadAll(target_), QByteArray("short"));
}

TEST_F(ServersTftp, InterleavedUploadsDoNotMixTheirBlocks) {
    RawClient first;
    RawClient second;
    const quint16 tidA = Request(first, QStringLiteral("octet"));
    const quint16 tidB = Request(second, QStringLiteral("octet"));
    ASSERT_NE(tidA, 0);
    ASSERT_NE(tidB, 0);
    EXPECT_NE(tidA, tidB);
    EXPECT_EQ(server_->ActiveTransfers(), 2);
    const QByteArray a = Pattern(512, 1);
    const QByteArray b = Pattern(512, 2);
    EXPECT_EQ(SendBlock(first, tidA, 1, a), 1);
    EXPECT_EQ(SendBlock(second, tidB, 1, b), 1);
    EXPECT_EQ(SendBlock(first, tidA, 2, "end of A"), 2);
    EXPECT_EQ(ReadAll(target_), a + "end of A");
    EXPECT_EQ(SendBlock(second, tidB, 2, "end of B"), 2);
    // The last complete file wins, whole.
    EXPECT_EQ(ReadAll(target_), b + "end of B");
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("LogFile.RD")});
}

TEST_F(ServersTftp, RefusesWhenThePathIsAFolder) {
    ASSERT_TRUE(server_->Run(root_.path(), port_));
    RawClient client;
    client.SendTo(port_, TftpPacket::MakeRequest(TftpPacket::Wrq, QStringLiteral("x"), QStringLiteral("octet")));
    const auto reply = client.Receive();
    ASSERT_TRUE(reply);
    EXPECT_EQ(TftpPacket::OpcodeOf(reply->data()), TftpPacket::Error);
    EXPECT_EQ(TftpPacket::BlockOf(reply->data()), TftpPacket::AccessViolation);
    EXPECT_EQ(server_->ActiveTransfers(), 0);
}

TEST_F(ServersTftp, RefusesReadRequestsAndUnknownModes) {
    ASSERT_TRUE(WriteAll(target_, "previous log"));
    RawClient client;
    struct Case {
        QByteArray Packet;
        quint16 Code;
    };
    const Case cases[] = {
        {TftpPacket::MakeRequest(TftpPacket::Rrq, QStringLiteral("LogFile.RD"), QStringLiteral("octet")),
         TftpPacket::AccessViolation},
        {TftpPacket::MakeRequest(TftpPacket::Wrq, QStringLiteral("LogFile.RD"), QStringLiteral("mail")),
         TftpPacket::IllegalOperation},
        {QByteArray("\x00\x02no-terminators", 16), TftpPacket::IllegalOperation},
        {TftpPacket::MakeData(1, "stray"), TftpPacket::IllegalOperation},
    };
    for (const Case& c : cases) {
        client.SendTo(port_, c.Packet);
        const auto reply = client.Receive();
        ASSERT_TRUE(reply);
        EXPECT_EQ(TftpPacket::OpcodeOf(reply->data()), TftpPacket::Error);
        EXPECT_EQ(TftpPacket::BlockOf(reply->data()), c.Code);
    }
    // An error packet is never answered.
    client.SendTo(port_, TftpPacket::MakeError(0, QStringLiteral("x")));
    EXPECT_FALSE(client.Receive(300));
    EXPECT_EQ(ReadAll(target_), QByteArray("previous log"));
    EXPECT_EQ(server_->ActiveTransfers(), 0);
}

TEST_F(ServersTftp, RetriesThenGivesUpOnASilentClientKeepingThePreviousFile) {
    ASSERT_TRUE(WriteAll(target_, "previous log"));
    server_->SetTimeout(5, 2);  // 50 ms, two retries
    RawClient client;
    const quint16 tid = Request(client, QStringLiteral("octet"));
    ASSERT_NE(tid, 0);
    EXPECT_EQ(SendBlock(client, tid, 1, Pattern(512)), 1);
    // Silence: ACK 1 comes twice more, then an error.
    int repeats = 0;
    bool error = false;
    while (!error) {
        const auto packet = client.Receive(5000);
        ASSERT_TRUE(packet);
        if (TftpPacket::OpcodeOf(packet->data()) == TftpPacket::Ack) {
            EXPECT_EQ(TftpPacket::BlockOf(packet->data()), 1);
            ++repeats;
        } else {
            EXPECT_EQ(TftpPacket::OpcodeOf(packet->data()), TftpPacket::Error);
            error = true;
        }
    }
    EXPECT_EQ(repeats, 2);
    EXPECT_EQ(Count(ZrTFTPMsg::Failed), 1);
    EXPECT_EQ(ReadAll(target_), QByteArray("previous log"));
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("LogFile.RD")});
    EXPECT_TRUE(PumpUntil([&] { return server_->ActiveTransfers() == 0; }, 5000));
}

TEST_F(ServersTftp, TellsAStrangerItsTransferIdIsUnknown) {
    RawClient client;
    RawClient stranger;
    const quint16 tid = Request(client, QStringLiteral("octet"));
    ASSERT_NE(tid, 0);
    stranger.SendTo(tid, TftpPacket::MakeData(1, "intruder"));
    const auto reply = stranger.Receive();
    ASSERT_TRUE(reply);
    EXPECT_EQ(TftpPacket::OpcodeOf(reply->data()), TftpPacket::Error);
    EXPECT_EQ(TftpPacket::BlockOf(reply->data()), TftpPacket::UnknownTransferId);
    EXPECT_EQ(SendBlock(client, tid, 1, "genuine"), 1);
    EXPECT_EQ(ReadAll(target_), QByteArray("genuine"));
}

TEST_F(ServersTftp, TheOwnerCanCancelAndStop) {
    ASSERT_TRUE(WriteAll(target_, "previous log"));
    cancelAfterBlocks_ = 2;
    RawClient client;
    quint16 tid = Request(client, QStringLiteral("octet"));
    ASSERT_NE(tid, 0);
    EXPECT_EQ(SendBlock(client, tid, 1, Pattern(512, 1)), 1);
    EXPECT_EQ(SendBlock(client, tid, 2, Pattern(512, 2)), -2);  // an error instead of ACK 2
    EXPECT_EQ(ReadAll(target_), QByteArray("previous log"));
    cancelAfterBlocks_ = 0;

    RawClient second;
    tid = Request(second, QStringLiteral("octet"));
    ASSERT_NE(tid, 0);
    EXPECT_EQ(SendBlock(second, tid, 1, Pattern(512, 1)), 1);
    server_->Stop();
    EXPECT_FALSE(server_->IsRunning());
    const auto stopped = second.Receive();
    ASSERT_TRUE(stopped);
    EXPECT_EQ(TftpPacket::OpcodeOf(stopped->data()), TftpPacket::Error);
    EXPECT_EQ(ReadAll(target_), QByteArray("previous log"));
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("LogFile.RD")});

    // It serves again after a new Run.
    ASSERT_TRUE(server_->Run(target_, 0));
    port_ = server_->Port();
    RawClient third;
    tid = Request(third, QStringLiteral("octet"));
    ASSERT_NE(tid, 0);
    EXPECT_EQ(SendBlock(third, tid, 1, "fresh"), 1);
    EXPECT_EQ(ReadAll(target_), QByteArray("fresh"));
}

// A file of more than 65535 blocks: the block number wraps, to 0 as most
// clients do, or to 1 as some do. Returns the digest of what was sent.
QByteArray SendWrappingFile(RawClient& client, quint16 tid, quint16 wrapTo) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const quint32 fullBlocks = 65537;
    QByteArray block(512, Qt::Uninitialized);
    quint16 number = 1;
    for (quint32 i = 1; i <= fullBlocks + 1; ++i) {
        if (i == fullBlocks + 1)
            block.resize(100);
        for (qsizetype k = 0; k < block.size(); ++k)
            block[k] = static_cast<char>((i * 31 + static_cast<quint32>(k)) & 0xff);
        hash.addData(block);
        const int acked = SendBlock(client, tid, number, block);
        EXPECT_EQ(acked, number) << "block " << i;
        if (acked != number)
            return {};
        number = number == 0xffff ? wrapTo : static_cast<quint16>(number + 1);
    }
    return hash.result();
}

TEST_F(ServersTftp, WrapsTheBlockNumberToZero) {
    RawClient client;
    const quint16 tid = Request(client, QStringLiteral("octet"));
    ASSERT_NE(tid, 0);
    const QByteArray digest = SendWrappingFile(client, tid, 0);
    ASSERT_FALSE(digest.isEmpty());
    EXPECT_EQ(QFileInfo(target_).size(), 65537LL * 512 + 100);
    EXPECT_EQ(QCryptographicHash::hash(ReadAll(target_), QCryptographicHash::Sha1), digest);
    EXPECT_EQ(messages_.back().Blocks, 65538u);
}

TEST_F(ServersTftp, WrapsTheBlockNumberToOne) {
    RawClient client;
    const quint16 tid = Request(client, QStringLiteral("octet"));
    ASSERT_NE(tid, 0);
    const QByteArray digest = SendWrappingFile(client, tid, 1);
    ASSERT_FALSE(digest.isEmpty());
    EXPECT_EQ(QCryptographicHash::hash(ReadAll(target_), QCryptographicHash::Sha1), digest);
}

}  // namespace
