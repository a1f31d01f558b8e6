#pragma once
#include <QByteArray>
#include <QString>

// Encoding and decoding of TFTP packets (RFC 1350).
class TftpPacket {
public:
    enum Opcode : quint16 { Rrq = 1, Wrq = 2, Data = 3, Ack = 4, Error = 5 };
    enum ErrorCode : quint16 {
        NotDefined = 0,
        FileNotFound = 1,
        AccessViolation = 2,
        DiskFull = 3,
        IllegalOperation = 4,
        UnknownTransferId = 5,
        FileExists = 6,
        NoSuchUser = 7,
    };
    static constexpr int kBlockSize = 512;

    struct Request {
        quint16 Opcode = 0;
        QString FileName;
        QString Mode;  // lower case
    };

    // 0 when the packet is too short to carry one.
    static quint16 OpcodeOf(const QByteArray& packet);
    // The block number of a DATA or ACK packet.
    static quint16 BlockOf(const QByteArray& packet);
    // The payload of a DATA packet.
    static QByteArray PayloadOf(const QByteArray& packet);
    // Parses an RRQ or WRQ: the file name and mode must be NUL-terminated and
    // non-empty; options after them (RFC 2347) are ignored.
    static bool ParseRequest(const QByteArray& packet, Request& request);

    static QByteArray MakeAck(quint16 block);
    static QByteArray MakeData(quint16 block, const QByteArray& payload);
    static QByteArray MakeError(quint16 code, const QString& text);
    static QByteArray MakeRequest(quint16 opcode, const QString& fileName, const QString& mode);
};
