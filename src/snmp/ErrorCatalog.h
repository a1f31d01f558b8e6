#pragma once
#include <QString>
#include <QStringList>

// The seven message catalogs. Each starts with its built-in texts and may be
// replaced line by line from a plain-text file of the same name.
namespace ErrorCatalog {

enum Catalog {
    SnmpClass,   // "snmpclass.err": session status, -401 to -423
    SnmpPdu,     // "snmp.err": device error status, -101 to -118
    SnmpMsg,     // "snmp.msg": status-bar templates
    ZrSnmp,      // "zrsnmp.err": own SNMP layer, 0 and -501 to -529
    SnmpV3,      // "snmpv3.err": v3 message processing, -201 to -217
    SnmpUsm,     // "snmpusm.err": v3 user-based security, -301 to -314
    Common,      // "common.err": common errors, 0 to -18
    CatalogCount
};

// Module error numbers of the module's own SNMP layer.
enum : int {
    ErrOk = 0,
    ErrSessionCreate = -506,
    ErrBootCounterLoad = -507,
    ErrBootCounterSave = -508,
    ErrInvalidAddress = -509,
    ErrGetNextSingleValue = -510,
    ErrBadSyntax = -511,
    ErrNullInExpression = -512,
    ErrBadSyntaxInExpression = -513,
    ErrBadKeyCount = -514,
    ErrBadItemType = -515,
    ErrUnknown = -528,
    ErrNoSuchName = -102,
    ErrTimeout = -405,
};

const char* FileName(Catalog catalog);
// The built-in texts of a catalog.
QStringList BuiltIn(Catalog catalog);

// Text of entry `index`; an index past a replacement file's lines gives the
// built-in text, an index past both gives an empty text.
QString Text(Catalog catalog, int index);
// Text for a module error number, from the catalog of its range.
QString TextForNumber(int number);

// Replaces a catalog with the non-empty trimmed lines of a file (lines longer
// than 1023 bytes count as several lines). A missing or empty file keeps it.
// Returns whether the catalog was replaced.
bool LoadCatalog(Catalog catalog, const QString& path);
// Loads all seven files from `folder`, or from the module's catalog folder
// "<module folder>/NXA-7310/errMSg/" when `folder` is empty.
void LoadCatalogs(const QString& folder = {});
QString CatalogFolder();
// Back to the built-in texts (used by tests).
void ResetCatalogs();
// Writes the catalogs' built-in texts into folder, one text per line, as
// LoadCatalogs reads them back. A catalog holding a text that a line cannot
// carry (a line break, blanks at either end, 1023 bytes or more) is left out:
// the module keeps its built-in texts for it. The number of files written,
// or -1 when a file cannot be written.
int WriteBuiltInCatalogs(const QString& folder);
// Whether every text of the catalog reads back unchanged from a line.
bool FitsInLines(Catalog catalog);

struct MappedStatus {
    int Number;
    QString Text;
};
// Maps a status in SNMP++ numbering to the module's error number and text.
MappedStatus MapSnmpStatus(int status);

}  // namespace ErrorCatalog
