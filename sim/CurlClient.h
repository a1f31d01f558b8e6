#pragma once
#include <atomic>
#include <cstddef>
#include <string>

// FTP and TFTP transfers through libcurl, with time limits.
class CurlClient {
public:
    struct Server {
        std::string Address;   // dotted IPv4
        int Port = 21;
        std::string User, Password;
        int TimeoutMs = 30000;
        const std::atomic<bool>* Cancel = nullptr;   // when it becomes true the transfer ends
        std::string From;      // local address to send from (the device's own), or empty
    };

    static void GlobalInit();   // once, before any thread uses curl
    static bool FtpGet(const Server& server, const std::string& path, size_t maxBytes, std::string& data, std::string& error);
    static bool FtpPut(const Server& server, const std::string& path, const std::string& data, std::string& error);
    static bool TftpPut(const Server& server, const std::string& path, const std::string& data, std::string& error);

private:
    static std::string Url(const char* scheme, const Server& server, const std::string& path);
};
