#include "TftpPacket.h"

namespace {

void AppendWord(QByteArray& out, quint16 value) {
    out += static_cast<char>(value >> 8);
    out += static_cast<char>(value & 0xff);
}

quint16 WordAt(const QByteArray& packet, qsizetype offset) {
    return static_cast<quint16>((static_cast<unsigned char>(packet[offset]) << 8) |
                                static_cast<unsigned char>(packet[offset + 1]));
}

}  // namespace

quint16 TftpPacket::OpcodeOf(const QByteArray& packet) {
    return packet.size() < 2 ? 0 : WordAt(packet, 0);
}

quint16 TftpPacket::BlockOf(const QByteArray& packet) {
    return packet.size() < 4 ? 0 : WordAt(packet, 2);
}

QByteArray TftpPacket::PayloadOf(const QByteArray& packet) {
    return packet.size() <= 4 ? QByteArray() : packet.mid(4);
}

bool TftpPacket::ParseRequest(const QByteArray& packet, Request& request) {
    request.Opcode = OpcodeOf(packet);
    if (request.Opcode != Rrq && request.Opcode != Wrq)
        return false;
    const qsizetype nameEnd = packet.indexOf('\0', 2);
    if (nameEnd <= 2)
        return false;
    const qsizetype modeEnd = packet.indexOf('\0', nameEnd + 1);
    if (modeEnd <= nameEnd + 1)
        return false;
    request.FileName = QString::fromUtf8(packet.mid(2, nameEnd - 2));
    request.Mode = QString::fromLatin1(packet.mid(nameEnd + 1, modeEnd - nameEnd - 1)).toLower();
    return true;
}

QByteArray TftpPacket::MakeAck(quint16 block) {
    QByteArray out;
    AppendWord(out, Ack);
    AppendWord(out, block);
    return out;
}

QByteArray TftpPacket::MakeData(quint16 block, const QByteArray& payload) {
    QByteArray out;
    AppendWord(out, Data);
    AppendWord(out, block);
    out += payload;
    return out;
}

QByteArray TftpPacket::MakeError(quint16 code, const QString& text) {
    QByteArray out;
    AppendWord(out, Error);
    AppendWord(out, code);
    out += text.toUtf8();
    out += '\0';
    return out;
}

QByteArray TftpPacket::MakeRequest(quint16 opcode, const QString& fileName, const QString& mode) {
    QByteArray out;
    AppendWord(out, opcode);
    out += fileName.toUtf8();
    out += '\0';
    out += mode.toLatin1();
    out += '\0';
    return out;
}
