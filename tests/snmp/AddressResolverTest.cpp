#include "snmp/AddressResolver.h"
#include "snmp/CZRException.h"
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netdb.h>

namespace {

int ErrorOf(const QString& address) {
    try {
        AddressResolver::Resolve(address);
    } catch (const CZRException& e) {
        return e.Number();
    }
    return 0;
}

TEST(AddressResolver, NumericAddresses) {
    EXPECT_EQ(AddressResolver::Resolve("127.0.0.1"), "udp:127.0.0.1");
    EXPECT_EQ(AddressResolver::Resolve(" 127.0.1.7 "), "udp:127.0.1.7");
    EXPECT_EQ(AddressResolver::Resolve("::1"), "udp6:[::1]");
    // Plain dotted addresses are read on a short path; it must say what the
    // general one says, also of the texts it leaves to it.
    EXPECT_EQ(AddressResolver::Resolve("10.200.3.255"), "udp:10.200.3.255");
    EXPECT_EQ(AddressResolver::Resolve("[127.0.0.9]"), "udp:127.0.0.9");
    EXPECT_EQ(AddressResolver::Resolve("127.0.0.1\t"), "udp:127.0.0.1");
    EXPECT_EQ(ErrorOf("127.0.0."), -509);
    EXPECT_EQ(ErrorOf("..."), -509);
    EXPECT_EQ(ErrorOf("1.2.3.4.5.6.7.8.9.10.11.12.13.14.15.16"), -509);
}

// A host name goes through the system's resolver; where the system cannot
// resolve even "localhost" (a minimal root without /etc/hosts) there is
// nothing to compare with.
TEST(AddressResolver, NamesResolveAsTheSystemResolvesThem) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* result = nullptr;
    if (getaddrinfo("localhost", nullptr, &hints, &result) != 0 || !result)
        GTEST_SKIP() << "this system does not resolve \"localhost\" (no /etc/hosts?)";
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(result->ai_addr)->sin_addr, text, sizeof text);
    freeaddrinfo(result);
    EXPECT_EQ(AddressResolver::Resolve("localhost"), QByteArray("udp:") + text);
}

TEST(AddressResolver, TextsThatAreNoAddressFailWithoutLookup) {
    EXPECT_EQ(ErrorOf(""), -509);
    EXPECT_EQ(ErrorOf("256.1.2.3"), -509);
    EXPECT_EQ(ErrorOf("1.2.3.4.5"), -509);
    EXPECT_EQ(ErrorOf("bad host name"), -509);
    EXPECT_EQ(ErrorOf("host_!"), -509);
    EXPECT_EQ(ErrorOf("-leading.dash"), -509);
    EXPECT_EQ(ErrorOf("h\xc3\xa9llo"), -509);
}

}  // namespace
