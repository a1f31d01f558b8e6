#pragma once
#include <QMap>
#include <QString>

// Reads a template key file: every line is a key, "=" and a value (the value
// may hold "=" itself); a later line with the same key replaces the earlier
// value, and a line without "=" lands under the empty key. A file that cannot
// be read raises CZRException -10001.
class TemplateKeyReader {
public:
    static constexpr int kUnreadable = -10001;
    static QMap<QString, QString> Read(const QString& path);
};
