#include "NetasciiDecoder.h"

QByteArray NetasciiDecoder::Feed(const QByteArray& in) {
    QByteArray out;
    out.reserve(in.size() + 1);
    for (const char c : in) {
        if (pendingCr_) {
            pendingCr_ = false;
            if (c == '\n') {
                out += '\n';
                continue;
            }
            out += '\r';
            if (c == '\0')
                continue;
        }
        if (c == '\r')
            pendingCr_ = true;
        else
            out += c;
    }
    return out;
}

QByteArray NetasciiDecoder::Finish() {
    const bool held = pendingCr_;
    pendingCr_ = false;
    return held ? QByteArray(1, '\r') : QByteArray();
}
