#include "support/FreePort.h"
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace TestSupport {
namespace {
uint16_t FreePort(int type, const std::string& address) {
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    if (::inet_pton(AF_INET, address.c_str(), &addr.sin_addr) != 1)
        return 0;
    const int fd = ::socket(AF_INET, type, 0);
    if (fd < 0)
        return 0;
    socklen_t len = sizeof addr;
    uint16_t port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    ::close(fd);
    return port;
}
}  // namespace

uint16_t FreeUdpPort(const std::string& address) { return FreePort(SOCK_DGRAM, address); }
uint16_t FreeTcpPort(const std::string& address) { return FreePort(SOCK_STREAM, address); }
}  // namespace TestSupport
