#pragma once
#include "WireTypes.h"
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

// Conversions between the value texts of variables and their wire form.
// Bad texts raise CZRException; nothing here crashes on any input.
namespace SnmpValueText {

using SubIds = std::vector<uint32_t>;

// "1.3.6.1" (a leading "." is allowed); raises -417 for a bad OID text.
SubIds ParseOid(const QString& text);
// The same, into a varbind's name.
void ParseOid(const QString& text, WireOid& into);
QString OidText(std::span<const uint32_t> oid);
// Whether `text` is an OID as OidText writes it: dotted decimal numbers,
// no leading dot or zeros, nothing else.
bool IsCanonicalOidText(const QString& text);
// True when `oid` lies inside `column`: longer than it and starting with it.
bool IsInside(std::span<const uint32_t> column, std::span<const uint32_t> oid);

// The value of a set, in the wire form of `syntax`. `name` only names the
// variable in error texts.
WireVarbind EncodeValue(int32_t syntax, const QString& value, const QString& name = {});
// The text of a received value; `syntax` is the variable's own syntax, which
// decides whether an octet string is shown as text or hexadecimal digits.
QString StoreValue(const WireVarbind& received, int32_t syntax);

// Key of a table row: takes the key's sub-identifiers from `instance` at
// `pos` and advances it. Raises -514 when the instance has run out.
QString DecodeKey(int32_t syntax, bool implied, const SubIds& instance, size_t& pos);
// The instance sub-identifiers (dotted text) of a key value.
QString EncodeKey(int32_t syntax, bool implied, const QString& value, const QString& name = {});

// Hexadecimal digits, upper case, no separators.
QString HexText(const QByteArray& bytes);
// Raises -518 for odd length or non-hexadecimal characters.
QByteArray HexBytes(const QString& text, const QString& name = {});

}  // namespace SnmpValueText
