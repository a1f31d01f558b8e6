#pragma once
#include <QByteArray>

// Turns netascii (RFC 764 line ends as TFTP sends them) into local text:
// CR LF becomes LF and CR NUL becomes CR. A CR at the end of one block is
// held until the next block shows what follows it.
class NetasciiDecoder {
public:
    QByteArray Feed(const QByteArray& in);
    // What is still held at the end of the file.
    QByteArray Finish();

private:
    bool pendingCr_ = false;
};
