// libFuzzer target for the template key-file reader: the input is the whole
// key file. Whatever it holds, the reader gives a key map (a file it could
// write is never "unreadable"), and the keys written back as a key file read
// back unchanged.
#include "FuzzFiles.h"
#include "snmp/CZRException.h"
#include "templates/TemplateKeyReader.h"
#include "templates/TextLineFile.h"
#include <QMap>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 256 * 1024 || !FuzzFiles::WorkDir().isValid())
        return 0;
    const QString path = FuzzFiles::PathOf(QStringLiteral("fuzz.keys"));
    if (!FuzzFiles::WriteBytes(path, FuzzFiles::BytesOf(data, size)))
        return 0;
    QMap<QString, QString> keys;
    try {
        keys = TemplateKeyReader::Read(path);
    } catch (const CZRException& e) {
        std::fprintf(stderr, "a written key file was unreadable: %d\n", e.Number());
        std::abort();
    }
    // Written back and read again, the keys stay as they were.
    QList<QByteArray> written;
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        if (it.key().isEmpty() || it.key().contains(QLatin1Char('\n')) || it.key().contains(QLatin1Char('\r')) ||
            it.value().contains(QLatin1Char('\n')) || it.value().contains(QLatin1Char('\r')))
            continue;
        written << (it.key() + QLatin1Char('=') + it.value()).toUtf8();
    }
    QList<QByteArray> again;
    if (!TextLineFile::Write(path, written) || !TextLineFile::Read(path, &again) || again != written)
        std::abort();
    return 0;
}
