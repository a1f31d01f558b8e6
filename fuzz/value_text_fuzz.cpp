// libFuzzer target for the value-text conversions of the SNMP layer and the
// decoding of table-row keys. The first byte picks the conversion, the second
// the syntax; the rest is the text (or the bytes) to convert. Bad input may
// only raise CZRException; what one direction makes, the other reads back.
#include "snmp/CZRException.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/SnmpValueText.h"
#include "snmp/WireTypes.h"
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Every syntax code the module knows, and two it does not.
constexpr int32_t kSyntaxes[] = {
    SnmpSyntax::Boolean,    SnmpSyntax::Integer,   SnmpSyntax::BitString,     SnmpSyntax::OctetString,
    SnmpSyntax::Null,       SnmpSyntax::ObjectId,  SnmpSyntax::IpAddress,     SnmpSyntax::Counter,
    SnmpSyntax::Gauge,      SnmpSyntax::TimeTicks, SnmpSyntax::Opaque,        SnmpSyntax::NsapAddress,
    SnmpSyntax::Counter64,  SnmpSyntax::UInteger,  SnmpSyntax::Double,        SnmpSyntax::MacAddress,
    SnmpSyntax::DateTime,   SnmpSyntax::BcDateTime, SnmpSyntax::DisplayString, SnmpSyntax::Bool8,
    SnmpSyntax::Int8,       SnmpSyntax::UInt8,     SnmpSyntax::Bool16,        SnmpSyntax::Int16,
    SnmpSyntax::UInt16,     0,                     0x7f,
};
constexpr uint8_t kWireTypes[] = {
    WireType::Integer,  WireType::BitString, WireType::OctetString, WireType::Null,         WireType::ObjectId,
    WireType::IpAddress, WireType::Counter,  WireType::Gauge,       WireType::TimeTicks,    WireType::Opaque,
    WireType::Nsap,     WireType::Counter64, WireType::UInteger,    WireType::OpaqueFloat,  WireType::OpaqueDouble,
    WireType::NoSuchObject, WireType::NoSuchInstance, WireType::EndOfMibView, 0x30,
};

void Fail(const char* what, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", what, text.toUtf8().constData());
    std::abort();
}

// Sub-identifiers from the bytes, four at a time (a short tail as one).
SnmpValueText::SubIds SubIdsOf(const uint8_t* data, size_t size)
{
    SnmpValueText::SubIds ids;
    for (size_t i = 0; i < size; i += 4) {
        uint32_t v = 0;
        for (size_t j = i; j < size && j < i + 4; ++j)
            v = (v << 8) | data[j];
        // Small numbers are the usual ones; let most sub-identifiers be bytes.
        ids.push_back((data[i] & 0x80) ? v : (v & 0xff));
    }
    return ids;
}

void TextToWire(int32_t syntax, const QString& text)
{
    try {
        const WireVarbind wire = SnmpValueText::EncodeValue(syntax, text, QStringLiteral("fuzz"));
        (void)SnmpValueText::StoreValue(wire, syntax);
    } catch (const CZRException&) {
    }
}

void WireToText(int32_t syntax, uint8_t type, const uint8_t* data, size_t size)
{
    WireVarbind wire;
    wire.Type = type;
    wire.Octets = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    wire.ObjectId = SubIdsOf(data, size);
    int64_t n = 0;
    for (size_t i = 0; i < size && i < 8; ++i)
        n = static_cast<int64_t>((static_cast<uint64_t>(n) << 8) | data[i]);
    wire.Integer = n;
    wire.Real = static_cast<double>(n) / 7.0;
    (void)SnmpValueText::StoreValue(wire, syntax);
}

void KeyRoundTrip(int32_t syntax, bool implied, const QString& text)
{
    QString instance;
    try {
        instance = SnmpValueText::EncodeKey(syntax, implied, text, QStringLiteral("fuzz"));
    } catch (const CZRException&) {
        return;
    }
    if (instance.isEmpty() || instance.count(QLatin1Char('.')) >= 128)
        return;
    SnmpValueText::SubIds ids;
    try {
        ids = SnmpValueText::ParseOid(instance);
    } catch (const CZRException&) {
        Fail("a key's instance is no OID", instance);
    }
    size_t pos = 0;
    try {
        (void)SnmpValueText::DecodeKey(syntax, implied, ids, pos);
    } catch (const CZRException&) {
        Fail("a key made from a value does not decode", instance);
    }
    if (pos != ids.size())
        Fail("a key does not take its whole instance", instance);
}

void DecodeKeys(int32_t syntax, bool implied, const uint8_t* data, size_t size)
{
    const SnmpValueText::SubIds ids = SubIdsOf(data, size);
    size_t pos = 0;
    // A row key of several parts, as a table index with more than one column.
    for (int part = 0; part < 4 && pos <= ids.size(); ++part) {
        const size_t before = pos;
        try {
            (void)SnmpValueText::DecodeKey(syntax, implied && part == 3, ids, pos);
        } catch (const CZRException&) {
            return;
        }
        if (pos > ids.size() || pos < before)
            std::abort();
    }
}

void OidRoundTrip(const QString& text, const uint8_t* data, size_t size)
{
    try {
        const SnmpValueText::SubIds oid = SnmpValueText::ParseOid(text);
        if (SnmpValueText::ParseOid(SnmpValueText::OidText(oid)) != oid)
            Fail("an OID does not read back", text);
    } catch (const CZRException&) {
    }
    const SnmpValueText::SubIds ids = SubIdsOf(data, size);
    if (!ids.empty() && ids.size() <= 128 && SnmpValueText::ParseOid(SnmpValueText::OidText(ids)) != ids)
        Fail("OID text does not read back", SnmpValueText::OidText(ids));
}

void HexRoundTrip(const QString& text, const QByteArray& bytes)
{
    if (SnmpValueText::HexBytes(SnmpValueText::HexText(bytes)) != bytes)
        Fail("hex text does not read back", SnmpValueText::HexText(bytes));
    try {
        const QByteArray parsed = SnmpValueText::HexBytes(text);
        if (SnmpValueText::HexText(parsed).compare(text.trimmed(), Qt::CaseInsensitive) != 0)
            Fail("hex digits change on the way", text);
    } catch (const CZRException&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2 || size > 4096)
        return 0;
    const int32_t syntax = kSyntaxes[data[1] % std::size(kSyntaxes)];
    const uint8_t* rest = data + 2;
    const size_t restSize = size - 2;
    const QByteArray bytes(reinterpret_cast<const char*>(rest), static_cast<qsizetype>(restSize));
    const QString text = QString::fromUtf8(bytes);
    switch (data[0] % 6) {
    case 0:
        TextToWire(syntax, text);
        break;
    case 1:
        WireToText(syntax, kWireTypes[(data[1] >> 5) % std::size(kWireTypes)], rest, restSize);
        break;
    case 2:
        KeyRoundTrip(syntax, (data[0] & 0x80) != 0, text);
        break;
    case 3:
        DecodeKeys(syntax, (data[0] & 0x80) != 0, rest, restSize);
        break;
    case 4:
        OidRoundTrip(text, rest, restSize);
        break;
    default:
        HexRoundTrip(text, bytes);
        break;
    }
    return 0;
}
