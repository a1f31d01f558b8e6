#pragma once
#include <QByteArray>
#include <QFileInfo>

// Directory listings of the FTP server: "ls -l" style lines for LIST, bare
// names for NLST, each ended by CRLF.
class FtpListing {
public:
    // One entry; links are shown as links, not followed.
    static QByteArray LongLine(const QFileInfo& info);
    // The listing of a folder, or of a single file when the path is one.
    static QByteArray Build(const QString& localPath, bool namesOnly);
};
