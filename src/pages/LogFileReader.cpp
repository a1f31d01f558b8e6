#include "LogFileReader.h"
#include "shell/ShellTexts.h"
#include <QFile>
#include <QRegularExpression>

namespace LogFileReader {
namespace {
const QRegularExpression& LineLayout() {
    static const QRegularExpression layout(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}) \\[([A-Za-z]+)\\] ?(.*)$"));
    return layout;
}

bool IsText(const QByteArray& line) {
    for (char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t')
            return false;
    }
    return true;
}
}  // namespace

Contents Parse(const QByteArray& data, bool complete) {
    Contents contents;
    contents.Bytes = data.size();
    contents.TooLarge = !complete;
    qsizetype from = 0;
    while (from < data.size()) {
        const qsizetype end = data.indexOf('\n', from);
        if (end < 0) {
            // A last line without its line end was cut off in the device or on the way.
            contents.CutOff = true;
            break;
        }
        QByteArray line = data.mid(from, end - from);
        from = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QRegularExpressionMatch match =
            IsText(line) ? LineLayout().match(QString::fromUtf8(line)) : QRegularExpressionMatch();
        if (!match.hasMatch()) {
            ++contents.Skipped;
            continue;
        }
        if (static_cast<int>(contents.Entries.size()) >= kMaxEntries) {
            contents.TooLarge = true;
            break;
        }
        contents.Entries.push_back({match.captured(1), match.captured(2), match.captured(3)});
    }
    return contents;
}

Contents Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Contents missing;
        missing.Missing = true;
        return missing;
    }
    const qint64 size = file.size();
    const QByteArray data = file.read(kMaxBytes);
    Contents contents = Parse(data, size <= kMaxBytes);
    contents.Bytes = size;
    // A file cut at the read limit ends in the middle of a line by our doing, not the device's.
    if (size > kMaxBytes)
        contents.CutOff = false;
    return contents;
}

QString Summary(const Contents& c) {
    if (c.Missing)
        return QStringLiteral("No log file was received.");
    if (c.Bytes == 0)
        return QStringLiteral("The log file is empty.");
    if (c.Entries.empty())
        return QStringLiteral("The log file holds no log entries.");
    QStringList notes;
    if (c.TooLarge)
        notes << QStringLiteral("The log file is too large: only its first %1 entries are listed.")
                     .arg(c.Entries.size());
    if (c.Skipped > 0)
        notes << QStringLiteral("%1 line(s) not in the log layout were left out.").arg(c.Skipped);
    if (c.CutOff)
        notes << QStringLiteral("The log file ends in the middle of a line, which was left out.");
    if (notes.isEmpty())
        return QString::fromLatin1(ShellTexts::GetOk);
    return notes.join(QLatin1Char(' '));
}

}  // namespace LogFileReader
