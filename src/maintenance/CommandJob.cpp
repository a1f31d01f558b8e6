#include "CommandJob.h"
#include <algorithm>
#include <cstring>

namespace CommandJob {

void Put(char* slot, size_t size, const QString& text) {
    if (size == 0)
        return;
    const QByteArray bytes = text.toUtf8();
    size_t n = std::min(static_cast<size_t>(bytes.size()), size - 1);
    // A cut never splits a character: the bytes of one that does not fit go.
    while (n > 0 && n < static_cast<size_t>(bytes.size()) && (static_cast<unsigned char>(bytes[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(slot, bytes.constData(), n);
    slot[n] = '\0';
}

QString Get(const char* slot, size_t size) {
    const void* end = std::memchr(slot, '\0', size);
    const size_t n = end ? static_cast<size_t>(static_cast<const char*>(end) - slot) : size;
    return QString::fromUtf8(slot, static_cast<qsizetype>(n));
}

}  // namespace CommandJob
