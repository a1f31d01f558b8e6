#include "servers/NetasciiDecoder.h"
#include "servers/TftpPacket.h"
#include <gtest/gtest.h>

namespace {

TEST(ServersTftpPackets, EncodesAndDecodes) {
    EXPECT_EQ(TftpPacket::MakeAck(0x1234), QByteArray("\x00\x04\x12\x34", 4));
    const QByteArray data = TftpPacket::MakeData(7, "abc");
    EXPECT_EQ(data, QByteArray("\x00\x03\x00\x07" "abc", 7));
    EXPECT_EQ(TftpPacket::OpcodeOf(data), TftpPacket::Data);
    EXPECT_EQ(TftpPacket::BlockOf(data), 7);
    EXPECT_EQ(TftpPacket::PayloadOf(data), QByteArray("abc"));
    EXPECT_EQ(TftpPacket::PayloadOf(TftpPacket::MakeData(1, {})), QByteArray());
    EXPECT_EQ(TftpPacket::MakeError(2, "no"), QByteArray("\x00\x05\x00\x02no\x00", 7));
    EXPECT_EQ(TftpPacket::OpcodeOf(QByteArray("\x01", 1)), 0);
}

TEST(ServersTftpPackets, ParsesRequestsAndIgnoresOptions) {
    TftpPacket::Request request;
    QByteArray wrq = TftpPacket::MakeRequest(TftpPacket::Wrq, "LogFile.RD", "NetASCII");
    wrq += QByteArray("tsize\0" "1234\0" "blksize\0" "1468\0", 23);
    ASSERT_TRUE(TftpPacket::ParseRequest(wrq, request));
    EXPECT_EQ(request.Opcode, TftpPacket::Wrq);
    EXPECT_EQ(request.FileName, QStringLiteral("LogFile.RD"));
    EXPECT_EQ(request.Mode, QStringLiteral("netascii"));

    EXPECT_FALSE(TftpPacket::ParseRequest(QByteArray("\x00\x02name", 6), request));
    EXPECT_FALSE(TftpPacket::ParseRequest(QByteArray("\x00\x02\x00octet\x00", 9), request));
    EXPECT_FALSE(TftpPacket::ParseRequest(QByteArray("\x00\x02name\x00\x00", 8), request));
    EXPECT_FALSE(TftpPacket::ParseRequest(TftpPacket::MakeAck(1), request));
}

TEST(ServersTftpPackets, NetasciiLineEndsAcrossBlocks) {
    NetasciiDecoder decoder;
    QByteArray out = decoder.Feed("a\r\nb\r");
    out += decoder.Feed(QByteArray("\0c\r", 3));
    out += decoder.Feed("\nd\r");
    out += decoder.Finish();
    EXPECT_EQ(out, QByteArray("a\nb\rc\nd\r"));
    // A CR followed by anything else is kept.
    NetasciiDecoder lenient;
    EXPECT_EQ(lenient.Feed("x\ry") + lenient.Finish(), QByteArray("x\ry"));
}

}  // namespace
