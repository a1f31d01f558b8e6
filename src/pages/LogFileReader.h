#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

// Reads the log file that the device sends ("LogFile.RD"): one entry a line,
// "YYYY-MM-DD hh:mm:ss [priority] message", each line ended by CR LF (a lone
// LF is taken too). A file that is missing, empty, cut off, too large or not
// in this layout gives the entries that could be read and says what was
// wrong; it never fails otherwise.
namespace LogFileReader {

struct Entry {
    QString Time;
    QString Priority;
    QString Message;
};

struct Contents {
    std::vector<Entry> Entries;
    bool Missing = false;     // no file at all
    qint64 Bytes = 0;         // size of the file
    bool TooLarge = false;    // only its first kMaxBytes were read, or kMaxEntries entries listed
    bool CutOff = false;      // the last line has no line end (left out)
    int Skipped = 0;          // lines not in the layout (left out)
};

inline constexpr qint64 kMaxBytes = 1024 * 1024;
inline constexpr int kMaxEntries = 5000;

Contents Parse(const QByteArray& data, bool complete = true);
Contents Read(const QString& path);
// The status line after a fetch: "Get OK." for a file read whole, otherwise
// what was wrong with it.
QString Summary(const Contents& contents);

}  // namespace LogFileReader
