#include "PasswordScrambler.h"
#include <cstring>

namespace PasswordScrambler {
namespace {

constexpr size_t kPrefixLength = sizeof Prefix - 1;

uint8_t Mask(const uint8_t* key, size_t index, size_t length) {
    return static_cast<uint8_t>(key[(index * 7 + length) % 128] ^ (index & 0xFF));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

QByteArray Scramble(const QByteArray& plain, const uint8_t* key) {
    static const char kDigits[] = "0123456789ABCDEF";
    QByteArray out(Prefix);
    const size_t n = static_cast<size_t>(plain.size());
    for (size_t i = 0; i < n; ++i) {
        const uint8_t b = static_cast<uint8_t>(plain[static_cast<qsizetype>(i)]) ^ Mask(key, i, n);
        out.append(kDigits[b >> 4]);
        out.append(kDigits[b & 0x0F]);
    }
    return out;
}

std::optional<QByteArray> Unscramble(const char* text, size_t length, const uint8_t* key) {
    if (!text || length < kPrefixLength || std::memcmp(text, Prefix, kPrefixLength) != 0)
        return std::nullopt;
    const size_t digits = length - kPrefixLength;
    if (digits % 2 != 0)
        return std::nullopt;
    const size_t n = digits / 2;
    QByteArray plain(static_cast<qsizetype>(n), '\0');
    for (size_t i = 0; i < n; ++i) {
        const int hi = HexDigit(text[kPrefixLength + 2 * i]);
        const int lo = HexDigit(text[kPrefixLength + 2 * i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        const uint8_t b = static_cast<uint8_t>(hi << 4 | lo) ^ Mask(key, i, n);
        if (b == 0)
            return std::nullopt;   // a password never holds a NUL
        plain[static_cast<qsizetype>(i)] = static_cast<char>(b);
    }
    return plain;
}

}  // namespace PasswordScrambler
