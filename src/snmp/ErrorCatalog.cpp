#include "ErrorCatalog.h"
#include "platform/ModulePaths.h"
#include <QFile>
#include <array>
#include <mutex>

namespace ErrorCatalog {
namespace {

const char* const kSnmpClass[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

const char* const kSnmpPdu[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

const char* const kSnmpMsg[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

const char* const kZrSnmp[] = {
    "(ZrSNMP++) Ok!",
    "(ZrSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(ZrSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZrSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZrSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZrSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZrSNMP++) Cannot create the global ZrSNMP++ session!",
    "(ZrSNMP++) Error when loading SNMP engine boots counter!",
    "(ZrSNMP++) Error when saving SNMP engine boots counter!",
    "(ZrSNMP++) Invalid IP Address or DNS name!",
    "(ZrSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(ZrSNMP++) Bad SNMP syntax!",
    "(ZrSNMP++) Null value in the expression!",
    "(ZrSNMP++) Bad SNMP syntax in the expression!",
    "(ZrSNMP++) Bad key count of SNMP variable list!",
    "(ZrSNMP++) Bad item type of SNMP variable list!",
    "(ZrSNMP++) Bad item type of associated SNMP variable list!",
    "(ZrSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(ZrSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(ZrSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(ZrSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "(ZrSNMP++) Bad type of the associated visual control!",
    "(ZrSNMP++) Count of the associated visual controls is not enough!",
    "(ZrSNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "(ZrSNMP++) Count of the value items for the chart's history data is not enough!",
    "(ZrSNMP++) Log database is not connected!",
    "(ZrSNMP++) Log database field not found!",
    "(ZrSNMP++) Bad syntax for the history chart of log!",
    "(ZrSNMP++) Unknown error code!",
    "(ZrSNMP++) Init the timer error!",
};

const char* const kSnmpV3[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

const char* const kSnmpUsm[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

const char* const kCommon[] = {
    "(ZrCommon) Ok!",
    "(ZrCommon) Bad logic operand!",
    "(ZrCommon) Bad format specifier of edit's constraint!",
    "(ZrCommon) Empty value is not allowed!",
    "(ZrCommon) Please enter a string whose length is less than [MAXLEN]!",
    "(ZrCommon) Please enter a string whose length is [LEN]!",
    "(ZrCommon) Please enter a hex string whose length is less than [MAXLEN]!",
    "(ZrCommon) Please enter a hex string whose length is [LEN]!",
    " Please enter a number between [MIN] and [MAX]!",
    "(ZrCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!",
    "(ZrCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!",
    "(ZrCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    "(ZrCommon) Out of range at index of array or list!",
    "(ZrCommon) Destination buffer is undersize!",
    "(ZrCommon) The source to dncrypt is not encrypted!",
    "(ZrCommon) Fail to read data from file([FILENAME])!",
    "(ZrCommon) Fail to write data to file([FILENAME])!",
    "(ZrCommon) Fail to write value in ini file([FILENAME])!",
    "(ZrCommon) Fail to read option data from file([FILENAME])!",
};

struct CatalogSource {
    const char* fileName;
    const char* const* texts;
    int count;
};

template <size_t N>
constexpr CatalogSource Source(const char* fileName, const char* const (&texts)[N]) {
    return {fileName, texts, static_cast<int>(N)};
}

const std::array<CatalogSource, CatalogCount> kSources = {
    Source("snmpclass.err", kSnmpClass), Source("snmp.err", kSnmpPdu),
    Source("snmp.msg", kSnmpMsg),         Source("zrsnmp.err", kZrSnmp),
    Source("snmpv3.err", kSnmpV3),        Source("snmpusm.err", kSnmpUsm),
    Source("common.err", kCommon),
};

// Replacement texts read from files; empty means the built-in table. Lookups
// may come from a worker thread while the window reloads the catalogs.
std::mutex gMutex;
std::array<QStringList, CatalogCount> gLoaded;

}  // namespace

const char* FileName(Catalog catalog) { return kSources.at(catalog).fileName; }

QStringList BuiltIn(Catalog catalog) {
    // Built once: every request's outcome looks a text up.
    static const std::array<QStringList, CatalogCount> built = [] {
        std::array<QStringList, CatalogCount> lists;
        for (int c = 0; c < CatalogCount; ++c)
            for (int i = 0; i < kSources[static_cast<size_t>(c)].count; ++i)
                lists[static_cast<size_t>(c)] << QString::fromUtf8(kSources[static_cast<size_t>(c)].texts[i]);
        return lists;
    }();
    return built.at(catalog);
}

QString Text(Catalog catalog, int index) {
    if (catalog < 0 || catalog >= CatalogCount || index < 0)
        return {};
    {
        std::lock_guard lock(gMutex);
        const QStringList& loaded = gLoaded[catalog];
        if (index < loaded.size())
            return loaded[index];
    }
    const QStringList builtIn = BuiltIn(catalog);
    return index < builtIn.size() ? builtIn[index] : QString();
}

QString TextForNumber(int number) {
    if (number == 0)
        return Text(ZrSnmp, 0);
    if (number <= -101 && number >= -118)
        return Text(SnmpPdu, -number - 101);
    if (number <= -201 && number >= -217)
        return Text(SnmpV3, -number - 201);
    if (number <= -301 && number >= -314)
        return Text(SnmpUsm, -number - 301);
    if (number <= -401 && number >= -423)
        return Text(SnmpClass, -number - 401);
    if (number <= -501 && number >= -529)
        return Text(ZrSnmp, -number - 500);
    if (number <= -1 && number >= -18)
        return Text(Common, -number);
    return Text(ZrSnmp, 28);
}

bool LoadCatalog(Catalog catalog, const QString& path) {
    if (catalog < 0 || catalog >= CatalogCount)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QStringList lines;
    // A 1024-byte line buffer: a longer line is read in pieces, each a line.
    char buffer[1024];
    for (;;) {
        const qint64 n = file.readLine(buffer, sizeof buffer);
        if (n <= 0)
            break;
        const QString line = QString::fromUtf8(buffer, static_cast<qsizetype>(n)).trimmed();
        if (!line.isEmpty())
            lines << line;
    }
    if (lines.isEmpty())
        return false;
    std::lock_guard lock(gMutex);
    gLoaded[catalog] = lines;
    return true;
}

QString CatalogFolder() {
    return ModulePaths::ModuleFolder() + QStringLiteral("/NXA-7310/errMSg/");
}

void LoadCatalogs(const QString& folder) {
    QString dir = folder.isEmpty() ? CatalogFolder() : folder;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    // The order of the files is fixed.
    for (Catalog c : {SnmpClass, SnmpPdu, SnmpMsg, ZrSnmp, SnmpV3, SnmpUsm, Common})
        LoadCatalog(c, dir + QString::fromLatin1(FileName(c)));
}

void ResetCatalogs() {
    std::lock_guard lock(gMutex);
    for (QStringList& l : gLoaded)
        l.clear();
}

MappedStatus MapSnmpStatus(int s) {
    if (s == 0 || s == -1401 || s == 1400)
        return {0, Text(ZrSnmp, 0)};
    if (s >= 1401 && s <= 1414)
        return {1100 - s, Text(SnmpUsm, s - 1401)};
    if (s >= -1418 && s <= -1402)
        return {s + 1201, Text(SnmpV3, -1402 - s)};
    if (s >= 1 && s <= 18)
        return {-100 - s, Text(SnmpPdu, s - 1)};
    if (s >= -23 && s <= -1)
        return {s - 400, Text(SnmpClass, -s - 1)};
    return {-528, Text(ZrSnmp, 28)};
}


bool FitsInLines(Catalog catalog) {
    for (const QString& text : BuiltIn(catalog)) {
        const QByteArray line = text.toUtf8();
        if (line.isEmpty() || line.trimmed() != line || line.size() >= 1023 || line.contains('\n'))
            return false;
    }
    return true;
}

int WriteBuiltInCatalogs(const QString& folder) {
    QString dir = folder;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    int written = 0;
    for (int c = 0; c < CatalogCount; ++c) {
        const auto catalog = static_cast<Catalog>(c);
        if (!FitsInLines(catalog))
            continue;
        QFile file(dir + QString::fromLatin1(FileName(catalog)));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return -1;
        for (const QString& text : BuiltIn(catalog))
            file.write(text.toUtf8() + '\n');
        if (!file.flush())
            return -1;
        ++written;
    }
    return written;
}

}  // namespace ErrorCatalog
