#pragma once
#include <QByteArray>
#include <QString>
#include <exception>

// The module's exception: a module error number (0 success, negative for the
// catalogued failures) and its message text. Exported, because the exports
// that pass it on let it leave the module for a C++ host.
class __attribute__((visibility("default"))) CZRException : public std::exception {
public:
    // The text is taken from the message catalog of the number's range.
    explicit CZRException(int number);
    CZRException(int number, const QString& text);

    int Number() const noexcept { return number_; }
    const QString& Text() const noexcept { return text_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    int number_;
    QString text_;
    QByteArray utf8_;
};
