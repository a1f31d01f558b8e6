#include "AddressResolver.h"
#include "CZRException.h"
#include "ErrorCatalog.h"
#include <arpa/inet.h>
#include <cstring>
#include <netdb.h>
#include <sys/socket.h>

namespace AddressResolver {
namespace {

[[noreturn]] void Invalid() { throw CZRException(ErrorCatalog::ErrInvalidAddress); }

QByteArray FromAddrInfo(const addrinfo* ai) {
    char text[INET6_ADDRSTRLEN] = {};
    if (ai->ai_family == AF_INET) {
        const auto* in = reinterpret_cast<const sockaddr_in*>(ai->ai_addr);
        inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
        return QByteArray("udp:") + text;
    }
    const auto* in6 = reinterpret_cast<const sockaddr_in6*>(ai->ai_addr);
    inet_ntop(AF_INET6, &in6->sin6_addr, text, sizeof text);
    return QByteArray("udp6:[") + text + "]";
}

QByteArray Lookup(const QByteArray& host, int flags) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_flags = flags;
    addrinfo* result = nullptr;
    if (getaddrinfo(host.constData(), nullptr, &hints, &result) != 0 || !result)
        return {};
    // Prefer IPv4, as devices are addressed by dotted addresses.
    const addrinfo* chosen = result;
    for (const addrinfo* ai = result; ai; ai = ai->ai_next)
        if (ai->ai_family == AF_INET) {
            chosen = ai;
            break;
        }
    QByteArray text = (chosen->ai_family == AF_INET || chosen->ai_family == AF_INET6) ? FromAddrInfo(chosen) : QByteArray();
    freeaddrinfo(result);
    return text;
}

bool IsHostName(const QByteArray& host) {
    if (host.isEmpty() || host.size() > 253)
        return false;
    for (const QByteArray& label : host.split('.')) {
        if (label.isEmpty() || label.size() > 63 || label.startsWith('-') || label.endsWith('-'))
            return false;
        for (char c : label)
            if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_'))
                return false;
    }
    // All-numeric labels are a malformed dotted address, not a name.
    for (char c : host)
        if (std::isalpha(static_cast<unsigned char>(c)))
            return true;
    return false;
}

// "udp:" and the address when `host` is a dotted IPv4 address.
bool DottedPeer(const char* host, QByteArray& peer) {
    in_addr dotted{};
    if (inet_pton(AF_INET, host, &dotted) != 1)
        return false;
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &dotted, text, sizeof text);
    peer.reserve(4 + static_cast<qsizetype>(std::strlen(text)));
    peer.append("udp:").append(text);
    return true;
}

}  // namespace

QByteArray Resolve(const QString& address) {
    // Every request resolves its address, most often a plain dotted IPv4
    // address: that one is read on the stack, without the copies below.
    if (address.size() < INET_ADDRSTRLEN) {
        char ascii[INET_ADDRSTRLEN] = {};
        bool plain = !address.isEmpty();
        for (qsizetype i = 0; i < address.size() && plain; ++i) {
            const char16_t c = address[i].unicode();
            plain = (c >= u'0' && c <= u'9') || c == u'.';
            ascii[i] = static_cast<char>(c);
        }
        QByteArray resolved;
        if (plain && DottedPeer(ascii, resolved))
            return resolved;
    }
    const QString trimmed = address.trimmed();
    QByteArray host = trimmed.toLatin1();
    if (host.isEmpty() || trimmed != QString::fromLatin1(host))
        Invalid();
    if (host.startsWith('[') && host.endsWith(']'))
        host = host.mid(1, host.size() - 2);
    // Every request resolves its address: a plain dotted address (the usual
    // case) needs no resolver.
    QByteArray dotted;
    if (DottedPeer(host.constData(), dotted))
        return dotted;
    QByteArray numeric = Lookup(host, AI_NUMERICHOST);
    if (!numeric.isEmpty())
        return numeric;
    if (!IsHostName(host))
        Invalid();
    QByteArray resolved = Lookup(host, 0);
    if (resolved.isEmpty())
        Invalid();
    return resolved;
}

}  // namespace AddressResolver
