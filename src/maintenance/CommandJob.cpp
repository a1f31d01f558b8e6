#include "CommandJob.h"
#include <cstring>

void CommandJob::Put(char* slot, int size, const QString& text) {
    if (size <= 0)
        return;
    const QByteArray bytes = text.toUtf8();
    const int n = std::min(static_cast<int>(bytes.size()), size - 1);
    std::memcpy(slot, bytes.constData(), static_cast<size_t>(n));
    slot[n] = '\0';
}
