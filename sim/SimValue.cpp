#include "SimValue.h"
#include "snmp/SnmpSyntax.h"
#include <charconv>
#include <stdexcept>

namespace Syntaxes {
bool IsNumber(int32_t syntax) {
    switch (syntax) {
    case SnmpSyntax::Boolean: case SnmpSyntax::Integer: case SnmpSyntax::Counter:
    case SnmpSyntax::Gauge: case SnmpSyntax::TimeTicks: case SnmpSyntax::Counter64:
    case SnmpSyntax::UInteger: case SnmpSyntax::Bool8: case SnmpSyntax::Int8:
    case SnmpSyntax::UInt8: case SnmpSyntax::Bool16: case SnmpSyntax::Int16:
    case SnmpSyntax::UInt16:
        return true;
    default:
        return false;
    }
}

bool IsOctets(int32_t syntax) {
    return !IsNumber(syntax) && syntax != SnmpSyntax::ObjectId && syntax != SnmpSyntax::Null;
}

std::string HexOf(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

bool FromHex(std::string_view hex, std::string& out) {
    auto value = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (hex.size() % 2)
        return false;
    out.clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        int hi = value(hex[i]), lo = value(hex[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        out += static_cast<char>(hi * 16 + lo);
    }
    return true;
}
}  // namespace Syntaxes

namespace {
bool ParseIp(std::string_view text, std::string& out) {
    out.clear();
    size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        size_t end = text.find('.', start);
        if (part < 3 && end == std::string_view::npos)
            return false;
        std::string_view piece = text.substr(start, part < 3 ? end - start : std::string_view::npos);
        unsigned value = 0;
        auto [ptr, ec] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
        if (piece.empty() || ec != std::errc() || ptr != piece.data() + piece.size() || value > 255)
            return false;
        out += static_cast<char>(value);
        start = end + 1;
    }
    return true;
}

bool ParseMac(std::string_view text, std::string& out) {
    std::string hex;
    for (char c : text)
        if (c != ':' && c != '-' && c != ' ')
            hex += c;
    return hex.size() == 12 && Syntaxes::FromHex(hex, out);
}
}  // namespace

bool SimValue::FromText(int32_t syntax, std::string_view text, SimValue& out) {
    out = SimValue{};
    out.Syntax = syntax;
    if (Syntaxes::IsNumber(syntax)) {
        if (text.empty())
            text = "0";
        int64_t number = 0;
        auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (ec != std::errc() || ptr != text.data() + text.size())
            return false;
        out.Number = number;
        return true;
    }
    switch (syntax) {
    case SnmpSyntax::IpAddress:
        return ParseIp(text.empty() ? "0.0.0.0" : text, out.Bytes);
    case SnmpSyntax::MacAddress:
        return ParseMac(text.empty() ? "000000000000" : text, out.Bytes);
    case SnmpSyntax::ObjectId:
        return Oids::Parse(text.empty() ? "0.0" : text, out.Oid);
    case SnmpSyntax::Null:
        return true;
    default:
        out.Bytes = std::string(text);
        return true;
    }
}

SimValue SimValue::Make(int32_t syntax, std::string_view text) {
    SimValue value;
    if (!FromText(syntax, text, value))
        throw std::invalid_argument("value \"" + std::string(text) + "\" does not fit syntax " + std::to_string(syntax));
    return value;
}

SimValue SimValue::Integer(int32_t syntax, int64_t number) {
    SimValue value;
    value.Syntax = syntax;
    value.Number = number;
    return value;
}

SimValue SimValue::Octets(int32_t syntax, std::string bytes) {
    SimValue value;
    value.Syntax = syntax;
    value.Bytes = std::move(bytes);
    return value;
}

std::string SimValue::ToText() const {
    if (Syntaxes::IsNumber(Syntax))
        return std::to_string(Number);
    switch (Syntax) {
    case SnmpSyntax::IpAddress: {
        std::string text;
        for (size_t i = 0; i < Bytes.size(); ++i)
            text += (i ? "." : "") + std::to_string(static_cast<unsigned char>(Bytes[i]));
        return text;
    }
    case SnmpSyntax::MacAddress:
        return Syntaxes::HexOf(Bytes);
    case SnmpSyntax::ObjectId:
        return Oids::Format(Oid);
    case SnmpSyntax::Null:
        return "";
    default:
        return Bytes;
    }
}

std::string SimValue::ToStored() const {
    if (Syntaxes::IsOctets(Syntax) && Syntax != SnmpSyntax::IpAddress && Syntax != SnmpSyntax::MacAddress)
        return Syntaxes::HexOf(Bytes);
    return ToText();
}

bool SimValue::FromStored(int32_t syntax, std::string_view text, SimValue& out) {
    if (Syntaxes::IsOctets(syntax) && syntax != SnmpSyntax::IpAddress && syntax != SnmpSyntax::MacAddress) {
        out = SimValue{};
        out.Syntax = syntax;
        return Syntaxes::FromHex(text, out.Bytes);
    }
    return FromText(syntax, text, out);
}
