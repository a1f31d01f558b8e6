// nxa-catalogs FOLDER: writes the module's seven message catalogs with their
// built-in texts, the model folder's errMSg/ that installs beside the module.
#include "snmp/ErrorCatalog.h"
#include <QDir>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fprintf(argc == 2 ? stdout : stderr,
                     "Usage: nxa-catalogs FOLDER\n"
                     "Writes the module's message catalogs (snmpclass.err, snmp.err, snmp.msg, zrsnmp.err,\n"
                     "snmpv3.err, snmpusm.err, common.err) with their built-in texts into FOLDER, one\n"
                     "text per line; a catalog with a text that one line cannot carry is left out\n"
                     "(the module keeps its built-in texts for it).\n");
        return argc == 2 ? 0 : 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder) || ErrorCatalog::WriteBuiltInCatalogs(folder) < 0) {
        std::fprintf(stderr, "nxa-catalogs: cannot write the catalogs into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
