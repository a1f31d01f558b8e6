#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// The line files of the templates. Written lines end with CR LF, so that a
// file moves between stations unchanged; reading accepts CR LF and LF.
class TextLineFile {
public:
    // Every line of the file without its line end; false on a file error.
    static bool Read(const QString& path, QList<QByteArray>* lines);
    // Creates or truncates the file and writes each line with CR LF; false
    // when the file cannot be written completely.
    static bool Write(const QString& path, const QList<QByteArray>& lines);
    // The bytes of a file whose lines are given.
    static QByteArray Join(const QList<QByteArray>& lines);
};
