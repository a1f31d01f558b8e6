// The log file reader: a file in the layout, and every way a file can be
// wrong (missing, empty, cut off, too large, not in the layout, binary).
#include "pages/LogFileReader.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using LogFileReader::Contents;

QByteArray Line(int n, const char* priority = "info") {
    return QStringLiteral("2009-03-05 14:%1:09 [%2] event %3\r\n")
        .arg(n % 60, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(priority))
        .arg(n)
        .toUtf8();
}

TEST(LogFileReaderTest, EveryEntryOfAFileInTheLayout) {
    const Contents c = LogFileReader::Parse(Line(1, "notice") + Line(2) + "2009-03-05 14:07:10 [error] \r\n");
    ASSERT_EQ(c.Entries.size(), 3u);
    EXPECT_EQ(c.Entries[0].Time, "2009-03-05 14:01:09");
    EXPECT_EQ(c.Entries[0].Priority, "notice");
    EXPECT_EQ(c.Entries[0].Message, "event 1");
    EXPECT_EQ(c.Entries[2].Priority, "error");
    EXPECT_EQ(c.Entries[2].Message, "");   // an empty message is an entry
    EXPECT_EQ(c.Skipped, 0);
    EXPECT_FALSE(c.CutOff);
    EXPECT_EQ(LogFileReader::Summary(c), "Get OK.");
    // Lone LF line ends and messages with brackets and colons.
    const Contents lf = LogFileReader::Parse("2009-03-05 14:07:09 [warning] [wlan] sta 02:10:aa: left\n");
    ASSERT_EQ(lf.Entries.size(), 1u);
    EXPECT_EQ(lf.Entries[0].Message, "[wlan] sta 02:10:aa: left");
}

TEST(LogFileReaderTest, MissingAndEmptyFilesGiveAnEmptyListAndSaySo) {
    QTemporaryDir dir;
    const Contents missing = LogFileReader::Read(dir.filePath("LogFile.RD"));
    EXPECT_TRUE(missing.Missing);
    EXPECT_TRUE(missing.Entries.empty());
    EXPECT_EQ(LogFileReader::Summary(missing), "No log file was received.");
    QFile empty(dir.filePath("empty"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const Contents none = LogFileReader::Read(empty.fileName());
    EXPECT_FALSE(none.Missing);
    EXPECT_TRUE(none.Entries.empty());
    EXPECT_EQ(LogFileReader::Summary(none), "The log file is empty.");
}

TEST(LogFileReaderTest, LinesNotInTheLayoutAreLeftOutAndCounted) {
    const Contents c = LogFileReader::Parse(Line(1) + "garbage\r\n" + "2009-03-05 14:07 [info] no seconds\r\n" +
                                            "2009-03-05 14:07:09 info no brackets\r\n" + QByteArray("\x01\x02\xff\r\n", 5) +
                                            "\r\n" + Line(2));
    ASSERT_EQ(c.Entries.size(), 2u);
    EXPECT_EQ(c.Entries[1].Message, "event 2");
    EXPECT_EQ(c.Skipped, 4);   // the empty line is no entry and no fault
    EXPECT_EQ(LogFileReader::Summary(c), "4 line(s) not in the log layout were left out.");
    const Contents nothing = LogFileReader::Parse("this is not a log\r\nnor is this\r\n");
    EXPECT_TRUE(nothing.Entries.empty());
    EXPECT_EQ(LogFileReader::Summary(nothing), "The log file holds no log entries.");
    // A binary file.
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 7);
    const Contents b = LogFileReader::Parse(binary);
    EXPECT_TRUE(b.Entries.empty());
}

TEST(LogFileReaderTest, ACutOffLastLineIsLeftOut) {
    QByteArray data = Line(1) + Line(2);
    data += Line(3).left(25);
    const Contents c = LogFileReader::Parse(data);
    ASSERT_EQ(c.Entries.size(), 2u);
    EXPECT_TRUE(c.CutOff);
    EXPECT_EQ(LogFileReader::Summary(c), "The log file ends in the middle of a line, which was left out.");
}

TEST(LogFileReaderTest, AHugeFileListsOnlyItsBeginning) {
    QTemporaryDir dir;
    QFile file(dir.filePath("LogFile.RD"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray block;
    for (int i = 0; i < 1000; ++i)
        block += Line(i);
    while (file.size() < 3 * LogFileReader::kMaxBytes)
        file.write(block);
    file.close();
    const Contents c = LogFileReader::Read(file.fileName());
    EXPECT_TRUE(c.TooLarge);
    EXPECT_FALSE(c.CutOff);   // cut by the reader, not by the device
    EXPECT_EQ(c.Entries.size(), static_cast<size_t>(LogFileReader::kMaxEntries));
    EXPECT_EQ(c.Entries[0].Message, "event 0");
    EXPECT_EQ(LogFileReader::Summary(c), "The log file is too large: only its first 5000 entries are listed.");
    // Many short entries within the byte limit are cut at the entry limit.
    QByteArray many;
    for (int i = 0; i < LogFileReader::kMaxEntries + 10; ++i)
        many += "2009-03-05 14:07:09 [info] x\r\n";
    const Contents m = LogFileReader::Parse(many);
    EXPECT_TRUE(m.TooLarge);
    EXPECT_EQ(m.Entries.size(), static_cast<size_t>(LogFileReader::kMaxEntries));
}

}  // namespace
