#include "snmp/CZRException.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/SnmpValueText.h"
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace SnmpValueText;
namespace S = SnmpSyntax;

// Encodes a text, then reads the wire value back as a device answer would come.
QString RoundTrip(int32_t syntax, const QString& text) {
    const WireVarbind w = EncodeValue(syntax, text, "v");
    return StoreValue(w, syntax);
}

int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const CZRException& e) {
        return e.Number();
    }
    return 0;
}

TEST(SnmpValueText, EverySyntaxRoundTrips) {
    EXPECT_EQ(RoundTrip(S::Integer, "-42"), "-42");
    EXPECT_EQ(RoundTrip(S::Integer, "2147483647"), "2147483647");
    EXPECT_EQ(RoundTrip(S::Boolean, "true"), "true");
    EXPECT_EQ(RoundTrip(S::Boolean, "no"), "false");
    EXPECT_EQ(RoundTrip(S::OctetString, "00a1FF"), "00A1FF");
    EXPECT_EQ(RoundTrip(S::BitString, "80"), "80");
    EXPECT_EQ(RoundTrip(S::Opaque, "0102"), "0102");
    EXPECT_EQ(RoundTrip(S::MacAddress, "001122aabbcc"), "001122AABBCC");
    EXPECT_EQ(RoundTrip(S::Null, "anything"), "(NULL)");
    EXPECT_EQ(RoundTrip(S::ObjectId, "1.3.6.1.4.1"), "1.3.6.1.4.1");
    EXPECT_EQ(RoundTrip(S::IpAddress, "192.168.0.50"), "192.168.0.50");
    EXPECT_EQ(RoundTrip(S::Counter, "4294967295"), "4294967295");
    EXPECT_EQ(RoundTrip(S::Gauge, "17"), "17");
    EXPECT_EQ(RoundTrip(S::TimeTicks, "360000"), "360000");
    EXPECT_EQ(RoundTrip(S::UInteger, "5"), "5");
    EXPECT_EQ(RoundTrip(S::NsapAddress, "1.2.3.4"), "1.2.3.4");
    EXPECT_EQ(RoundTrip(S::Counter64, "1234567890123"), "1234567890123.000000");
    EXPECT_EQ(RoundTrip(S::Counter64, "12.000000"), "12.000000");
    EXPECT_EQ(RoundTrip(S::Double, "2.5"), "2.500000");
    EXPECT_EQ(RoundTrip(S::DateTime, "2009/06/10 14:05:09"), "2009/06/10 14:05:09 PM");
    EXPECT_EQ(RoundTrip(S::DateTime, "2009/06/10 09:05:09 AM"), "2009/06/10 09:05:09 AM");
    EXPECT_EQ(RoundTrip(S::BcDateTime, "2001/01/02 03:04:05"), "2001/01/02 03:04:05 AM");
    EXPECT_EQ(RoundTrip(S::DisplayString, "Lobby AP \xc3\xa9"), "Lobby AP \xc3\xa9");
    EXPECT_EQ(RoundTrip(S::Bool8, "true"), "true");
    EXPECT_EQ(RoundTrip(S::Bool16, "false"), "false");
    EXPECT_EQ(RoundTrip(S::Int8, "-128"), "-128");
    EXPECT_EQ(RoundTrip(S::UInt8, "255"), "255");
    EXPECT_EQ(RoundTrip(S::Int16, "-300"), "-300");
    EXPECT_EQ(RoundTrip(S::UInt16, "65535"), "65535");
}

// Small numbers read back as shared texts; the edges of that range, and
// the numbers around them, read as any other number does.
TEST(SnmpValueText, NumbersReadTheSameInsideAndOutsideTheSharedRange) {
    for (const char* n : {"0", "1", "254", "255", "256", "257", "-1", "-256", "-2147483648", "2147483647"})
        EXPECT_EQ(RoundTrip(S::Integer, n), n);
    for (const char* n : {"0", "255", "256", "4294967295"}) {
        EXPECT_EQ(RoundTrip(S::Gauge, n), n);
        EXPECT_EQ(RoundTrip(S::UInteger, n), n);
    }
    EXPECT_EQ(RoundTrip(S::UInt8, "0"), "0");
    EXPECT_EQ(RoundTrip(S::UInt16, "256"), "256");
    EXPECT_EQ(RoundTrip(S::Int8, "-1"), "-1");
    EXPECT_EQ(RoundTrip(S::Int16, "255"), "255");
    // A long UInt16 value from a device that sends more bytes than the syntax has.
    WireVarbind wide;
    wide.Type = WireType::OctetString;
    wide.Octets = QByteArray(8, '\xff');
    EXPECT_EQ(StoreValue(wide, S::UInt16), "18446744073709551615");
    // A shared text is a value like any other: changing one copy leaves the next read alone.
    QString first = RoundTrip(S::Integer, "7");
    first += QStringLiteral("x");
    EXPECT_EQ(RoundTrip(S::Integer, "7"), "7");
}

TEST(SnmpValueText, Counter64PastItsRangeIsABadValue) {
    // 2^64 and texts that round to it as a double are one past the largest value.
    EXPECT_NE(ErrorOf([] { EncodeValue(S::Counter64, "18446744073709551616"); }), 0);
    EXPECT_NE(ErrorOf([] { EncodeValue(S::Counter64, "18446744073709551616.000000"); }), 0);
    EXPECT_NE(ErrorOf([] { EncodeValue(S::Counter64, "1.8446744073709552e19"); }), 0);
    EXPECT_NE(ErrorOf([] { EncodeKey(S::Counter64, false, "18446744073709551616.0"); }), 0);
    EXPECT_EQ(EncodeValue(S::Counter64, "18446744073709551615").Integer, -1);
    EXPECT_EQ(EncodeValue(S::Counter64, "9223372036854775808.000000").Integer, std::numeric_limits<int64_t>::min());
}

TEST(SnmpValueText, WireFormsAreTheStandardOnes) {
    EXPECT_EQ(EncodeValue(S::Integer, "7").Type, WireType::Integer);
    EXPECT_EQ(EncodeValue(S::DisplayString, "x").Type, WireType::OctetString);
    EXPECT_EQ(EncodeValue(S::IpAddress, "1.2.3.4").Octets, QByteArray("\x01\x02\x03\x04", 4));
    EXPECT_EQ(EncodeValue(S::UInteger, "1").Type, WireType::Gauge);
    EXPECT_EQ(EncodeValue(S::UInt16, "258").Octets, QByteArray("\x01\x02", 2));
    EXPECT_EQ(EncodeValue(S::DateTime, "2009/06/10 14:05:09").Octets.size(), 11);
    EXPECT_EQ(EncodeValue(S::Integer, "(NULL)").Type, WireType::Null);
}

TEST(SnmpValueText, BadTextsRaiseAClearError) {
    EXPECT_EQ(ErrorOf([] { EncodeValue(S::Integer, "twelve"); }), -518);
    EXPECT_EQ(ErrorOf([] { EncodeValue(S::Integer, "99999999999"); }), -518);
    EXPECT_EQ(ErrorOf([] { EncodeValue(S::Integer, ""); }), -518);
    EXPECT_EQ(ErrorOf([] { EncodeValue(S::OctetString, "abc"); }), -518);
    EXPECT_EQ(ErrorOf([] { EncodeValue(S::MacAddress, "00112233445G"); }), -518);
    EXPECT_EQ(ErrorOf([] { EncodeValue(S::IpAddress, "1.2.3"); }), -518);
    EXPECT_EQ(ErrorOf([] { EncodeValue(S::IpAddress, "1.2.3.256"); }), -518);
    EXPECT_EQ(ErrorOf([] { EncodeValue(S::Counter, "-1"); }), -518);
    EXPECT_EQ(ErrorOf([] { EncodeValue(S::ObjectId, "1..3"); }), -518);
    EXPECT_EQ(ErrorOf([] { EncodeValue(S::DateTime, "yesterday"); }), -518);
    EXPECT_EQ(ErrorOf([] { EncodeValue(S::UInt8, "256"); }), -518);
    EXPECT_EQ(ErrorOf([] { EncodeValue(S::Double, "x"); }), -518);
    EXPECT_EQ(ErrorOf([] { EncodeValue(0, "1"); }), -511);
    EXPECT_EQ(ErrorOf([] { EncodeValue(199, "1"); }), -511);
    EXPECT_EQ(ErrorOf([] { EncodeValue(7, "1"); }), -511);
    try {
        EncodeValue(S::Integer, "abc", "dot11Channel");
        FAIL();
    } catch (const CZRException& e) {
        EXPECT_TRUE(e.Text().contains("dot11Channel"));
        EXPECT_TRUE(e.Text().contains("abc"));
    }
}

TEST(SnmpValueText, ExceptionValuesReadAsNull) {
    WireVarbind w;
    for (uint8_t t : {WireType::Null, WireType::NoSuchObject, WireType::NoSuchInstance, WireType::EndOfMibView}) {
        w.Type = t;
        EXPECT_EQ(StoreValue(w, S::Integer), "(NULL)");
    }
}

TEST(SnmpValueText, NonUtf8TextsKeepEveryByte) {
    WireVarbind w;
    w.Type = WireType::OctetString;
    w.Octets = QByteArray("caf\xe9", 4);
    const QString text = StoreValue(w, S::DisplayString);
    EXPECT_EQ(text.size(), 4);
    EXPECT_EQ(text.toLatin1(), w.Octets);
}

TEST(SnmpValueText, OidTexts) {
    EXPECT_EQ(OidText(ParseOid(".1.3.6.1")), "1.3.6.1");
    EXPECT_EQ(ErrorOf([] { ParseOid(""); }), -417);
    EXPECT_EQ(ErrorOf([] { ParseOid("1.3.x"); }), -417);
    EXPECT_EQ(ErrorOf([] { ParseOid("1.3.4294967296"); }), -417);
    EXPECT_EQ(ErrorOf([] { ParseOid("1.-3"); }), -417);
    EXPECT_TRUE(IsInside(ParseOid("1.3.6"), ParseOid("1.3.6.1")));
    EXPECT_FALSE(IsInside(ParseOid("1.3.6"), ParseOid("1.3.6")));
    EXPECT_FALSE(IsInside(ParseOid("1.3.6"), ParseOid("1.3.7.1")));
}

// Plain dotted digits are read on a fast path; everything else by the general
// reader. Both must agree on what is an OID and what is refused.
TEST(SnmpValueText, OidTextsAtTheEdges) {
    EXPECT_EQ(ParseOid("0.4294967295"), (SubIds{0, 4294967295u}));
    EXPECT_EQ(OidText(SubIds{0, 4294967295u, 10, 1}), "0.4294967295.10.1");
    EXPECT_EQ(OidText(SubIds{}), "");
    EXPECT_EQ(ParseOid("01.003"), (SubIds{1, 3}));
    EXPECT_EQ(ParseOid(" .1.3 "), (SubIds{1, 3}));     // spaces around: the general reader
    EXPECT_EQ(ParseOid("7"), (SubIds{7}));
    for (const char* bad : {".", "..1", "1..3", "1.3.", "99999999999999999999", "1.3.6.1.+4", "1,3"})
        EXPECT_EQ(ErrorOf([bad] { ParseOid(QString::fromLatin1(bad)); }), -417) << bad;
    QString longest = QStringLiteral("1");
    for (int i = 1; i < 128; ++i)
        longest += QStringLiteral(".%1").arg(i);
    EXPECT_EQ(ParseOid(longest).size(), 128u);
    EXPECT_EQ(OidText(ParseOid(longest)), longest);
    EXPECT_EQ(ErrorOf([&] { ParseOid(longest + QStringLiteral(".1")); }), -417);
}

// A varbind's name is read into the varbind itself; past its inline room
// (names of long table instances) it must hold the same as the list form.
TEST(SnmpValueText, VarbindNamesReadAsTheListForm) {
    QString longest = QStringLiteral("1");
    for (int i = 1; i < 128; ++i)
        longest += QStringLiteral(".%1").arg(i);
    for (const QString& text : {QStringLiteral("1.3.6.1.2.1.1.5.0"), QStringLiteral(" .1.3 "), QStringLiteral("01.003"),
                                longest}) {
        WireOid name = {9, 9, 9};   // whatever it held before goes
        ParseOid(text, name);
        const SubIds list = ParseOid(text);
        EXPECT_TRUE(std::equal(name.begin(), name.end(), list.begin(), list.end())) << qPrintable(text);
        EXPECT_EQ(OidText(name), OidText(list));
    }
    WireOid name;
    EXPECT_EQ(ErrorOf([&] { ParseOid(QStringLiteral("1..3"), name); }), -417);
}

// What decides whether an answer's name may keep the text the request was
// made from: only a text that OidText would write back the same.
TEST(SnmpValueText, CanonicalOidTexts) {
    for (const char* text : {"0", "1.3.6.1.4.1.171.10.37.36.2.1.3.3.1.1.1.1.1", "0.4294967295", "10.0.20"})
        EXPECT_TRUE(IsCanonicalOidText(QString::fromLatin1(text))) << text;
    for (const char* text : {"", ".1.3", "01.3", "1.03", "1..3", "1.3.", " 1.3", "1.3 ", "1.4294967296", "1.x", "."})
        EXPECT_FALSE(IsCanonicalOidText(QString::fromLatin1(text))) << text;
    // Against the writer itself, for texts the reader takes.
    for (const char* text : {"1.3.6", "1.3.06", ".1.3.6", "0.0", "00"}) {
        const QString t = QString::fromLatin1(text);
        EXPECT_EQ(IsCanonicalOidText(t), OidText(ParseOid(t)) == t) << text;
    }
}

QString Decode(int32_t syntax, bool implied, const QString& instance, QString* rest = nullptr) {
    const SubIds sub = ParseOid(instance);
    size_t pos = 0;
    QString v = DecodeKey(syntax, implied, sub, pos);
    if (rest)
        *rest = OidText(SubIds(sub.begin() + static_cast<long>(pos), sub.end()));
    return v;
}

TEST(SnmpValueText, KeysDecodeAndEncodeEverySyntax) {
    QString rest;
    EXPECT_EQ(Decode(S::Integer, false, "7.9", &rest), "7");
    EXPECT_EQ(rest, "9");
    EXPECT_EQ(Decode(S::Integer, false, "4294967295"), "-1");
    EXPECT_EQ(EncodeKey(S::Integer, false, "-1"), "4294967295");
    EXPECT_EQ(Decode(S::Boolean, false, "0"), "false");
    EXPECT_EQ(Decode(S::Gauge, false, "4000000000"), "4000000000");
    EXPECT_EQ(Decode(S::IpAddress, false, "10.0.0.1.5", &rest), "10.0.0.1");
    EXPECT_EQ(rest, "5");
    EXPECT_EQ(EncodeKey(S::IpAddress, false, "10.0.0.1"), "10.0.0.1");
    EXPECT_EQ(Decode(S::MacAddress, false, "0.17.34.170.187.204"), "001122AABBCC");
    EXPECT_EQ(EncodeKey(S::MacAddress, false, "001122AABBCC"), "0.17.34.170.187.204");
    EXPECT_EQ(Decode(S::OctetString, false, "2.171.205.9", &rest), "ABCD");
    EXPECT_EQ(rest, "9");
    EXPECT_EQ(EncodeKey(S::OctetString, false, "ABCD"), "2.171.205");
    EXPECT_EQ(Decode(S::OctetString, true, "171.205.9"), "ABCD09");
    EXPECT_EQ(EncodeKey(S::OctetString, true, "ABCD"), "171.205");
    EXPECT_EQ(Decode(S::DisplayString, false, "3.97.98.99"), "abc");
    EXPECT_EQ(EncodeKey(S::DisplayString, false, "abc"), "3.97.98.99");
    EXPECT_EQ(Decode(S::ObjectId, false, "3.1.3.6.7", &rest), "1.3.6");
    EXPECT_EQ(rest, "7");
    EXPECT_EQ(EncodeKey(S::ObjectId, true, "1.3.6"), "1.3.6");
    EXPECT_EQ(Decode(S::Counter64, false, "1.2"), "4294967298");
    EXPECT_EQ(EncodeKey(S::Counter64, false, "4294967298"), "1.2");
    EXPECT_EQ(Decode(S::Null, false, "5"), "(NULL)");
}

TEST(SnmpValueText, ShortInstanceRaisesBadKeyCount) {
    EXPECT_EQ(ErrorOf([] { Decode(S::IpAddress, false, "10.0.0"); }), -514);
    EXPECT_EQ(ErrorOf([] { Decode(S::OctetString, false, "5.1.2"); }), -514);
    EXPECT_EQ(ErrorOf([] { Decode(S::MacAddress, false, "1.2.3"); }), -514);
    EXPECT_EQ(ErrorOf([] { Decode(199, false, "1"); }), -511);
    EXPECT_EQ(ErrorOf([] { EncodeKey(S::MacAddress, false, "0011"); }), -518);
}

}  // namespace
