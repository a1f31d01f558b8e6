#pragma once
#include <QByteArray>
#include <QEvent>
#include <QString>

// The page's status line: a copy-data event to the frame, whose status bar
// shows the text in pane 0.
class CopyDataEvent : public QEvent {
public:
    static QEvent::Type EventType();
    CopyDataEvent(uintptr_t dataWord, QByteArray bytes)
        : QEvent(EventType()), DataWord(dataWord), Bytes(std::move(bytes)) {}
    uintptr_t DataWord;
    QByteArray Bytes;
};

namespace StatusText {
// Sends the text (data word 0) to the management window's frame, if any.
void Post(const QString& text);
}  // namespace StatusText
