// libFuzzer target for the message-catalog loader. The first byte picks the
// catalog, the rest is the catalog file. A text that is not the built-in one
// came from the file: it is one trimmed, non-empty line.
#include "FuzzFiles.h"
#include "snmp/ErrorCatalog.h"
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 256 * 1024 || !FuzzFiles::WorkDir().isValid())
        return 0;
    const auto catalog = static_cast<ErrorCatalog::Catalog>(data[0] % ErrorCatalog::CatalogCount);
    const QString path = FuzzFiles::PathOf(QString::fromLatin1(ErrorCatalog::FileName(catalog)));
    if (!FuzzFiles::WriteBytes(path, FuzzFiles::BytesOf(data + 1, size - 1)))
        return 0;
    const bool loaded = ErrorCatalog::LoadCatalog(catalog, path);
    const QStringList builtIn = ErrorCatalog::BuiltIn(catalog);
    for (int i = 0; i < builtIn.size() + 4; ++i) {
        const QString text = ErrorCatalog::Text(catalog, i);
        if (i < builtIn.size() ? text == builtIn[i] : text.isEmpty())
            continue;
        // A text from the file: one trimmed, non-empty line.
        if (!loaded || text.isEmpty() || text.contains(QLatin1Char('\n')) || text != text.trimmed()) {
            std::fprintf(stderr, "entry %d: \"%s\"\n", i, text.toUtf8().constData());
            std::abort();
        }
    }
    for (int number : {0, -1, -18, -101, -118, -201, -217, -301, -314, -401, -423, -501, -514, -529})
        (void)ErrorCatalog::TextForNumber(number);
    (void)ErrorCatalog::MapSnmpStatus(static_cast<int>(size) - 64);
    ErrorCatalog::ResetCatalogs();
    QFile::remove(path);
    return 0;
}
