// libFuzzer target for the Log page's reader of the device's log file. The
// first byte says whether the data is whole (bit 0) and whether it also goes
// through a file (bits 1-2 clear); the rest is the file. The file
// read from disk gives what the parser gives for its bytes; every entry has
// a full time stamp and a priority; nothing is listed past the entry limit.
#include "FuzzFiles.h"
#include "pages/LogFileReader.h"
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 512 * 1024 || !FuzzFiles::WorkDir().isValid())
        return 0;
    const QByteArray body = FuzzFiles::BytesOf(data + 1, size - 1);
    const bool complete = (data[0] & 1) == 0;
    const LogFileReader::Contents parsed = LogFileReader::Parse(body, complete);
    if (parsed.Entries.size() > static_cast<size_t>(LogFileReader::kMaxEntries) || parsed.Bytes != body.size() ||
        parsed.Skipped < 0 || (!complete && !parsed.TooLarge))
        std::abort();
    if (static_cast<qsizetype>(parsed.Entries.size()) + parsed.Skipped > body.count('\n'))
        std::abort();
    for (const LogFileReader::Entry& entry : parsed.Entries) {
        if (entry.Time.size() != 19 || entry.Priority.isEmpty() || entry.Message.contains(QLatin1Char('\n')))
            std::abort();
    }
    if (LogFileReader::Summary(parsed).isEmpty())
        std::abort();

    // Through a file only now and then: the disk is the slow part.
    if ((data[0] & 6) != 0)
        return 0;
    const QString path = FuzzFiles::PathOf(QStringLiteral("LogFile.RD"));
    if (!FuzzFiles::WriteBytes(path, body))
        return 0;
    const LogFileReader::Contents read = LogFileReader::Read(path);
    if (read.Missing || read.Bytes != body.size() || read.Entries.size() != (complete ? parsed : LogFileReader::Parse(body)).Entries.size())
        std::abort();
    return 0;
}
