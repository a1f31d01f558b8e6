#pragma once
#include <QByteArray>
#include <QString>
#include <deque>

// Owns the NUL-terminated texts of the records handed to one host callback;
// they go when the pool goes.
class TextPool {
public:
    const char* Add(const QString& text);
    const char* Add(const char* text);

private:
    std::deque<QByteArray> texts_;   // a deque never moves its elements
};
