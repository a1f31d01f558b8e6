#include "SnmpValueText.h"
#include <type_traits>
#include "CZRException.h"
#include "ErrorCatalog.h"
#include "SnmpSyntax.h"
#include <QDateTime>
#include <QStringList>
#include <QVarLengthArray>
#include <array>
#include <cmath>
#include <limits>

namespace SnmpValueText {
namespace {

constexpr int kBadValue = -518;

// A received number as text. Most values a device holds (switches,
// channels, levels, counts) are small: their texts are made once and
// shared, so decoding an answer does not allocate one string per number.
QString NumberText(int64_t n) {
    constexpr int kShared = 256;
    static const std::array<QString, kShared> shared = [] {
        std::array<QString, kShared> texts;
        for (int i = 0; i < kShared; ++i)
            texts[static_cast<size_t>(i)] = QString::number(i);
        return texts;
    }();
    if (n >= 0 && n < kShared)
        return shared[static_cast<size_t>(n)];
    return QString::number(n);
}

QString UnsignedText(uint64_t n) {
    return n <= static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) ? NumberText(static_cast<int64_t>(n))
                                                                          : QString::number(n);
}
constexpr int kBadOid = -417;

[[noreturn]] void BadValue(const QString& name, const QString& value) {
    QString text = ErrorCatalog::TextForNumber(kBadValue);
    text += QStringLiteral(" (%1 = \"%2\")").arg(name.isEmpty() ? QStringLiteral("value") : name, value);
    throw CZRException(kBadValue, text);
}

int64_t ParseSigned(const QString& name, const QString& value, int64_t low, int64_t high) {
    bool ok = false;
    const qlonglong n = value.trimmed().toLongLong(&ok, 10);
    if (!ok || n < low || n > high)
        BadValue(name, value);
    return n;
}

uint64_t ParseUnsigned(const QString& name, const QString& value, uint64_t high) {
    const QString t = value.trimmed();
    bool ok = false;
    qulonglong n = t.toULongLong(&ok, 10);
    if (!ok) {
        // Counter64 values are shown as floating numbers ("12.000000").
        const double d = t.toDouble(&ok);
        // 2^64 is the first double past every 64-bit value; the largest one
        // rounds up to it, so "<= high" in doubles would let 2^64 through.
        if (!ok || !(d >= 0) || d != std::floor(d) || d >= 18446744073709551616.0 ||
            d > static_cast<double>(high))
            BadValue(name, value);
        n = static_cast<qulonglong>(d);
    }
    if (n > high)
        BadValue(name, value);
    return n;
}

QByteArray DottedBytes(const QString& name, const QString& value, int expected) {
    const QStringList parts = value.trimmed().split(QLatin1Char('.'));
    if (parts.isEmpty() || (expected > 0 && parts.size() != expected))
        BadValue(name, value);
    QByteArray bytes;
    for (const QString& p : parts) {
        bool ok = false;
        const uint n = p.toUInt(&ok, 10);
        if (!ok || n > 255)
            BadValue(name, value);
        bytes.append(static_cast<char>(n));
    }
    return bytes;
}

QString DottedText(const QByteArray& bytes) {
    QStringList parts;
    for (char c : bytes)
        parts << QString::number(static_cast<uint8_t>(c));
    return parts.join(QLatin1Char('.'));
}

QByteArray BigEndian(uint64_t n, int size) {
    QByteArray b(size, '\0');
    for (int i = size - 1; i >= 0; --i, n >>= 8)
        b[i] = static_cast<char>(n & 0xff);
    return b;
}

uint64_t FromBigEndian(const QByteArray& b) {
    uint64_t n = 0;
    for (char c : b)
        n = (n << 8) | static_cast<uint8_t>(c);
    return n;
}

bool IsTrue(const QString& value) { return value.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0; }

// DateAndTime octets: year (2), month, day, hour, minutes, seconds,
// deci-seconds, and for the 11-byte form direction, hours and minutes from UTC.
QString DateTimeText(const QByteArray& b) {
    if (b.size() < 7)
        return HexText(b);
    const int year = static_cast<int>(FromBigEndian(b.left(2)));
    const QDate date(year, static_cast<uint8_t>(b[2]), static_cast<uint8_t>(b[3]));
    const QTime time(static_cast<uint8_t>(b[4]), static_cast<uint8_t>(b[5]), static_cast<uint8_t>(b[6]));
    if (!date.isValid() || !time.isValid())
        return HexText(b);
    const int hour = time.hour();
    return QStringLiteral("%1/%2/%3 %4:%5:%6 %7")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'))
        .arg(hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QByteArray DateTimeBytes(const QString& name, const QString& value, int size) {
    QString t = value.trimmed();
    if (t.endsWith(QLatin1String("AM"), Qt::CaseInsensitive) || t.endsWith(QLatin1String("PM"), Qt::CaseInsensitive))
        t = t.left(t.size() - 2).trimmed();
    const QDateTime dt = QDateTime::fromString(t, QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    if (!dt.isValid())
        BadValue(name, value);
    QByteArray b = BigEndian(static_cast<uint64_t>(dt.date().year()), 2);
    b.append(static_cast<char>(dt.date().month()));
    b.append(static_cast<char>(dt.date().day()));
    b.append(static_cast<char>(dt.time().hour()));
    b.append(static_cast<char>(dt.time().minute()));
    b.append(static_cast<char>(dt.time().second()));
    b.append('\0');
    if (size == 11)
        b.append(QByteArray("+\0\0", 3));
    return b;
}

QString OctetText(const QByteArray& bytes) {
    // Device texts are UTF-8; bytes that are not are kept one character each.
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter) && !bytes.contains("\xEF\xBF\xBD"))
        text = QString::fromLatin1(bytes);
    return text;
}

bool IsHexSyntax(int32_t syntax) {
    using namespace SnmpSyntax;
    return syntax == BitString || syntax == OctetString || syntax == Opaque || syntax == MacAddress;
}

uint32_t TakeSubId(const SubIds& instance, size_t& pos) {
    if (pos >= instance.size())
        throw CZRException(ErrorCatalog::ErrBadKeyCount);
    return instance[pos++];
}

}  // namespace

namespace {

// The usual text, plain dotted digits ("1.3.6.1", ".1.3.6.1"), read in place:
// every request builds its OIDs from such texts. False for anything else
// (spaces, empty parts, a sub-identifier past 32 bits, too many), which the
// general reader below takes, with its errors.
template <typename SubIdList>
bool ParsePlainOid(const QString& text, SubIdList& oid) {
    const QChar* at = text.constData();
    const QChar* const end = at + text.size();
    if (at != end && *at == QLatin1Char('.'))
        ++at;
    if (at == end)
        return false;
    oid.clear();
    if constexpr (std::is_same_v<SubIdList, SubIds>)
        oid.reserve(static_cast<size_t>(end - at) / 2 + 1);
    uint64_t n = 0;
    bool digits = false;
    for (; at != end; ++at) {
        const char16_t c = at->unicode();
        if (c >= u'0' && c <= u'9') {
            n = n * 10 + (c - u'0');
            if (n > std::numeric_limits<uint32_t>::max())
                return false;
            digits = true;
        } else if (c == u'.' && digits) {
            oid.push_back(static_cast<uint32_t>(n));
            n = 0;
            digits = false;
        } else {
            return false;
        }
    }
    if (!digits)
        return false;
    oid.push_back(static_cast<uint32_t>(n));
    return oid.size() <= 128;
}

}  // namespace

SubIds ParseOid(const QString& text) {
    SubIds plain;
    if (ParsePlainOid(text, plain))
        return plain;
    QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('.')))
        t.remove(0, 1);
    SubIds oid;
    if (t.isEmpty())
        throw CZRException(kBadOid);
    for (const QString& part : t.split(QLatin1Char('.'))) {
        bool ok = false;
        const qulonglong n = part.toULongLong(&ok, 10);
        if (!ok || part.isEmpty() || !part.at(0).isDigit() || n > std::numeric_limits<uint32_t>::max())
            throw CZRException(kBadOid, ErrorCatalog::TextForNumber(kBadOid) + QStringLiteral(" (%1)").arg(text));
        oid.push_back(static_cast<uint32_t>(n));
    }
    if (oid.size() > 128)
        throw CZRException(kBadOid);
    return oid;
}

void ParseOid(const QString& text, WireOid& into) {
    if (ParsePlainOid(text, into))
        return;
    const SubIds general = ParseOid(text);
    into = WireOid(general.begin(), general.end());
}

QString OidText(std::span<const uint32_t> oid) {
    // Written into one buffer and made a string once: answers are matched to
    // their variables by this text.
    QVarLengthArray<char, 256> text;
    char digits[10];
    for (size_t i = 0; i < oid.size(); ++i) {
        if (i)
            text.append('.');
        uint32_t n = oid[i];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + n % 10);
            n /= 10;
        } while (n);
        while (count)
            text.append(digits[--count]);
    }
    return QString::fromLatin1(text.constData(), text.size());
}

bool IsCanonicalOidText(const QString& text) {
    const QChar* at = text.constData();
    const QChar* const end = at + text.size();
    if (at == end)
        return false;
    while (at != end) {
        // One number: "0", or digits that do not start with 0.
        const QChar* const first = at;
        uint64_t n = 0;
        while (at != end && at->unicode() >= u'0' && at->unicode() <= u'9') {
            n = n * 10 + (at->unicode() - u'0');
            if (n > std::numeric_limits<uint32_t>::max())
                return false;
            ++at;
        }
        if (at == first || (first->unicode() == u'0' && at - first > 1))
            return false;
        if (at == end)
            return true;
        if (at->unicode() != u'.' || ++at == end)
            return false;
    }
    return true;
}

bool IsInside(std::span<const uint32_t> column, std::span<const uint32_t> oid) {
    return oid.size() > column.size() && std::equal(column.begin(), column.end(), oid.begin());
}

QString HexText(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex().toUpper()); }

QByteArray HexBytes(const QString& text, const QString& name) {
    const QByteArray latin = text.trimmed().toLatin1();
    if (latin.size() % 2 != 0)
        BadValue(name, text);
    for (char c : latin)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            BadValue(name, text);
    return QByteArray::fromHex(latin);
}

WireVarbind EncodeValue(int32_t syntax, const QString& value, const QString& name) {
    using namespace SnmpSyntax;
    if (!IsKnown(syntax))
        throw CZRException(ErrorCatalog::ErrBadSyntax);
    WireVarbind w;
    if (value == QLatin1String("(NULL)") || syntax == Null) {
        w.Type = WireType::Null;
        return w;
    }
    switch (syntax) {
    case Boolean:
        w.Type = WireType::Integer;
        w.Integer = IsTrue(value) ? 1 : 0;
        break;
    case Integer:
        w.Type = WireType::Integer;
        w.Integer = ParseSigned(name, value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
        break;
    case Counter:
    case Gauge:
    case TimeTicks:
    case UInteger:
        // Unsigned32 travels as Gauge32; the others keep their own tag.
        w.Type = syntax == UInteger ? WireType::Gauge : static_cast<uint8_t>(syntax);
        w.Integer = static_cast<int64_t>(ParseUnsigned(name, value, std::numeric_limits<uint32_t>::max()));
        break;
    case Counter64:
        w.Type = WireType::Counter64;
        w.Integer = static_cast<int64_t>(ParseUnsigned(name, value, std::numeric_limits<uint64_t>::max()));
        break;
    case Double: {
        bool ok = false;
        w.Real = value.trimmed().toDouble(&ok);
        if (!ok)
            BadValue(name, value);
        w.Type = WireType::OpaqueDouble;
        break;
    }
    case BitString:
    case OctetString:
    case MacAddress:
        w.Type = WireType::OctetString;
        w.Octets = HexBytes(value, name);
        break;
    case Opaque:
        w.Type = WireType::Opaque;
        w.Octets = HexBytes(value, name);
        break;
    case IpAddress:
        w.Type = WireType::IpAddress;
        w.Octets = DottedBytes(name, value, 4);
        break;
    case NsapAddress:
        w.Type = WireType::Nsap;
        w.Octets = DottedBytes(name, value, 0);
        break;
    case ObjectId:
        w.Type = WireType::ObjectId;
        try {
            w.ObjectId = ParseOid(value);
        } catch (const CZRException&) {
            BadValue(name, value);
        }
        break;
    case DateTime:
        w.Type = WireType::OctetString;
        w.Octets = DateTimeBytes(name, value, 11);
        break;
    case BcDateTime:
        w.Type = WireType::OctetString;
        w.Octets = DateTimeBytes(name, value, 8);
        break;
    case DisplayString:
        w.Type = WireType::OctetString;
        w.Octets = value.toUtf8();
        break;
    case Bool8:
    case Bool16:
        w.Type = WireType::OctetString;
        w.Octets = BigEndian(IsTrue(value) ? 1 : 0, syntax == Bool8 ? 1 : 2);
        break;
    case Int8:
        w.Type = WireType::OctetString;
        w.Octets = BigEndian(static_cast<uint64_t>(ParseSigned(name, value, -128, 127)), 1);
        break;
    case UInt8:
        w.Type = WireType::OctetString;
        w.Octets = BigEndian(ParseUnsigned(name, value, 255), 1);
        break;
    case Int16:
        w.Type = WireType::OctetString;
        w.Octets = BigEndian(static_cast<uint64_t>(ParseSigned(name, value, -32768, 32767)), 2);
        break;
    case UInt16:
        w.Type = WireType::OctetString;
        w.Octets = BigEndian(ParseUnsigned(name, value, 65535), 2);
        break;
    default:
        throw CZRException(ErrorCatalog::ErrBadSyntax);
    }
    return w;
}

QString StoreValue(const WireVarbind& v, int32_t syntax) {
    using namespace SnmpSyntax;
    switch (v.Type) {
    case WireType::Null:
    case WireType::NoSuchObject:
    case WireType::NoSuchInstance:
    case WireType::EndOfMibView:
        return QStringLiteral("(NULL)");
    case WireType::Integer:
        if (syntax == Boolean)
            return v.Integer ? QStringLiteral("true") : QStringLiteral("false");
        return NumberText(static_cast<int32_t>(v.Integer));
    case WireType::Counter:
    case WireType::Gauge:
    case WireType::TimeTicks:
    case WireType::UInteger:
        return NumberText(static_cast<uint32_t>(v.Integer));
    case WireType::Counter64:
        return QString::asprintf("%f", static_cast<double>(static_cast<uint64_t>(v.Integer)));
    case WireType::OpaqueFloat:
    case WireType::OpaqueDouble:
        return QString::asprintf("%f", v.Real);
    case WireType::IpAddress:
    case WireType::Nsap:
        return DottedText(v.Octets);
    case WireType::ObjectId:
        return OidText(v.ObjectId);
    case WireType::Opaque:
        return HexText(v.Octets);
    case WireType::OctetString:
    case WireType::BitString:
        if (syntax == DateTime || syntax == BcDateTime)
            return DateTimeText(v.Octets);
        if (syntax == Bool8 || syntax == Bool16)
            return FromBigEndian(v.Octets) ? QStringLiteral("true") : QStringLiteral("false");
        if (syntax == UInt8 || syntax == UInt16)
            return UnsignedText(FromBigEndian(v.Octets));
        if (syntax == Int8 && v.Octets.size() == 1)
            return NumberText(static_cast<int8_t>(v.Octets[0]));
        if (syntax == Int16 && v.Octets.size() == 2)
            return NumberText(static_cast<int16_t>(FromBigEndian(v.Octets)));
        if (IsHexSyntax(syntax))
            return HexText(v.Octets);
        return OctetText(v.Octets);
    default:
        return HexText(v.Octets);
    }
}

QString DecodeKey(int32_t syntax, bool implied, const SubIds& instance, size_t& pos) {
    using namespace SnmpSyntax;
    switch (syntax) {
    case Boolean:
        return TakeSubId(instance, pos) ? QStringLiteral("true") : QStringLiteral("false");
    case Integer:
        return QString::number(static_cast<int32_t>(TakeSubId(instance, pos)));
    case Counter:
    case Gauge:
    case UInteger:
    case TimeTicks:
        return QString::number(TakeSubId(instance, pos));
    case Counter64:
    case Double: {
        const uint64_t high = TakeSubId(instance, pos);
        const uint64_t low = TakeSubId(instance, pos);
        return QString::number((high << 32) | low);
    }
    case IpAddress:
    case NsapAddress: {
        QStringList parts;
        for (int i = 0; i < 4; ++i)
            parts << QString::number(TakeSubId(instance, pos));
        return parts.join(QLatin1Char('.'));
    }
    case MacAddress: {
        QByteArray bytes;
        for (int i = 0; i < 6; ++i)
            bytes.append(static_cast<char>(TakeSubId(instance, pos) & 0xff));
        return HexText(bytes);
    }
    case DateTime: {
        QByteArray bytes;
        for (int i = 0; i < 11; ++i)
            bytes.append(static_cast<char>(TakeSubId(instance, pos) & 0xff));
        return DateTimeText(bytes);
    }
    case BitString:
    case OctetString:
    case Opaque:
    case ObjectId:
    case DisplayString: {
        // A length sub-identifier first, unless the key is the implied last one.
        const size_t left = instance.size() - std::min(pos, instance.size());
        const size_t length = implied ? left : TakeSubId(instance, pos);
        if (length > instance.size() - std::min(pos, instance.size()))
            throw CZRException(ErrorCatalog::ErrBadKeyCount);
        const auto first = instance.begin() + static_cast<std::ptrdiff_t>(pos);
        const SubIds sub(first, first + static_cast<std::ptrdiff_t>(length));
        pos += length;
        if (syntax == ObjectId)
            return OidText(sub);
        QByteArray bytes;
        for (uint32_t s : sub)
            bytes.append(static_cast<char>(s & 0xff));
        return syntax == DisplayString ? OctetText(bytes) : HexText(bytes);
    }
    case Null:
        return QStringLiteral("(NULL)");
    default:
        throw CZRException(ErrorCatalog::ErrBadSyntax);
    }
}

QString EncodeKey(int32_t syntax, bool implied, const QString& value, const QString& name) {
    using namespace SnmpSyntax;
    QStringList parts;
    auto addBytes = [&](const QByteArray& bytes, bool withLength) {
        if (withLength)
            parts << QString::number(bytes.size());
        for (char c : bytes)
            parts << QString::number(static_cast<uint8_t>(c));
    };
    switch (syntax) {
    case Boolean:
        return IsTrue(value) ? QStringLiteral("1") : QStringLiteral("0");
    case Integer:
        return QString::number(static_cast<uint32_t>(static_cast<int32_t>(
            ParseSigned(name, value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()))));
    case Counter:
    case Gauge:
    case UInteger:
    case TimeTicks:
        return QString::number(ParseUnsigned(name, value, std::numeric_limits<uint32_t>::max()));
    case Counter64:
    case Double: {
        const uint64_t n = ParseUnsigned(name, value, std::numeric_limits<uint64_t>::max());
        return QStringLiteral("%1.%2").arg(n >> 32).arg(n & 0xffffffffu);
    }
    case IpAddress:
    case NsapAddress:
        addBytes(DottedBytes(name, value, 4), false);
        break;
    case MacAddress: {
        const QByteArray bytes = HexBytes(value, name);
        if (bytes.size() != 6)
            BadValue(name, value);
        addBytes(bytes, false);
        break;
    }
    case DateTime:
        addBytes(DateTimeBytes(name, value, 11), false);
        break;
    case BitString:
    case OctetString:
    case Opaque:
        addBytes(HexBytes(value, name), !implied);
        break;
    case DisplayString:
        addBytes(value.toUtf8(), !implied);
        break;
    case ObjectId: {
        SubIds sub;
        try {
            sub = ParseOid(value);
        } catch (const CZRException&) {
            BadValue(name, value);
        }
        if (!implied)
            parts << QString::number(sub.size());
        for (uint32_t s : sub)
            parts << QString::number(s);
        break;
    }
    case Null:
        return {};
    default:
        throw CZRException(ErrorCatalog::ErrBadSyntax);
    }
    return parts.join(QLatin1Char('.'));
}

}  // namespace SnmpValueText
