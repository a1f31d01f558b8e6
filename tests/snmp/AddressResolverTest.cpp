#include "snmp/AddressResolver.h"
#include "snmp/CZRException.h"
#include <gtest/gtest.h>

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
    EXPECT_EQ(AddressResolver::Resolve("localhost").left(4), "udp:");
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
