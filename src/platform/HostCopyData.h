#pragma once
#include <QByteArray>
#include <QEvent>
#include <cstdint>

// A copy-data message from the module to the host's window: a data word and
// bytes. The event type is a fixed number so that the module (loaded with
// dlopen) and the host that receives it agree on it.
class HostCopyDataEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 1005);
    HostCopyDataEvent(uintptr_t dataWord, QByteArray bytes) : QEvent(kType), DataWord(dataWord), Bytes(std::move(bytes)) {}
    uintptr_t DataWord;
    QByteArray Bytes;
};
