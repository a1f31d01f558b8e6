#include "CurlClient.h"
#include "FaultInjection.h"
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace {
struct Sink {
    std::string* Data;
    size_t Max;
    bool TooLarge = false;
};

size_t Write(char* bytes, size_t size, size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    size_t n = size * count;
    if (sink->Data->size() + n > sink->Max) {
        sink->TooLarge = true;
        return 0;   // ends the transfer
    }
    sink->Data->append(bytes, n);
    return n;
}

struct Source {
    const std::string* Data;
    size_t At = 0;
};

size_t Read(char* buffer, size_t size, size_t count, void* user) {
    auto* source = static_cast<Source*>(user);
    size_t n = std::min(size * count, source->Data->size() - source->At);
    n = FaultInjection::ThrottleUpload(n);   // --transfer-rate: curl would send a small file at once
    source->Data->copy(buffer, n, source->At);
    source->At += n;
    return n;
}

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* cancel = static_cast<const std::atomic<bool>*>(user);
    return cancel && cancel->load() ? 1 : 0;   // non-zero aborts the transfer
}

using Handle = std::unique_ptr<CURL, void (*)(CURL*)>;

Handle Open(const std::string& url, const CurlClient::Server& server) {
    Handle curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl)
        return curl;
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    // A real device's transfers come from its own address; servers may check it.
    if (!server.From.empty())
        curl_easy_setopt(curl.get(), CURLOPT_INTERFACE, ("host!" + server.From).c_str());
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(std::min(server.TimeoutMs, 10000)));
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT_MS, static_cast<long>(server.TimeoutMs));
    if (const long rate = FaultInjection::TransferRate(); rate > 0) {   // --transfer-rate
        curl_easy_setopt(curl.get(), CURLOPT_MAX_SEND_SPEED_LARGE, static_cast<curl_off_t>(rate));
        curl_easy_setopt(curl.get(), CURLOPT_MAX_RECV_SPEED_LARGE, static_cast<curl_off_t>(rate));
    }
    if (server.Cancel) {
        curl_easy_setopt(curl.get(), CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl.get(), CURLOPT_XFERINFOFUNCTION, Progress);
        curl_easy_setopt(curl.get(), CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(server.Cancel));
    }
    if (!server.User.empty()) {
        curl_easy_setopt(curl.get(), CURLOPT_USERNAME, server.User.c_str());
        curl_easy_setopt(curl.get(), CURLOPT_PASSWORD, server.Password.c_str());
    }
    return curl;
}

bool Perform(CURL* curl, std::string& error) {
    CURLcode code = curl_easy_perform(curl);
    if (code != CURLE_OK) {
        error = curl_easy_strerror(code);
        return false;
    }
    return true;
}
}  // namespace

void CurlClient::GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string CurlClient::Url(const char* scheme, const Server& server, const std::string& path) {
    // Every path segment is escaped; the path is relative to the login folder.
    std::string escaped;
    size_t from = 0;
    while (from <= path.size()) {
        size_t slash = path.find('/', from);
        std::string segment = path.substr(from, slash == std::string::npos ? std::string::npos : slash - from);
        if (char* e = curl_easy_escape(nullptr, segment.c_str(), static_cast<int>(segment.size()))) {
            escaped += e;
            curl_free(e);
        }
        if (slash == std::string::npos)
            break;
        escaped += '/';
        from = slash + 1;
    }
    return std::string(scheme) + "://" + server.Address + ":" + std::to_string(server.Port) + "/" + escaped;
}

bool CurlClient::FtpGet(const Server& server, const std::string& path, size_t maxBytes, std::string& data, std::string& error) {
    Handle curl = Open(Url("ftp", server, path), server);
    if (!curl) {
        error = "curl";
        return false;
    }
    data.clear();
    Sink sink{&data, maxBytes};
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, Write);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &sink);
    if (!Perform(curl.get(), error)) {
        if (sink.TooLarge)
            error = "file larger than " + std::to_string(maxBytes) + " bytes";
        return false;
    }
    return true;
}

bool CurlClient::FtpPut(const Server& server, const std::string& path, const std::string& data, std::string& error) {
    Handle curl = Open(Url("ftp", server, path), server);
    if (!curl) {
        error = "curl";
        return false;
    }
    Source source{&data};
    curl_easy_setopt(curl.get(), CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_READFUNCTION, Read);
    curl_easy_setopt(curl.get(), CURLOPT_READDATA, &source);
    curl_easy_setopt(curl.get(), CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(data.size()));
    return Perform(curl.get(), error);
}

bool CurlClient::TftpPut(const Server& server, const std::string& path, const std::string& data, std::string& error) {
    Handle curl = Open(Url("tftp", server, path), server);
    if (!curl) {
        error = "curl";
        return false;
    }
    Source source{&data};
    curl_easy_setopt(curl.get(), CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_READFUNCTION, Read);
    curl_easy_setopt(curl.get(), CURLOPT_READDATA, &source);
    curl_easy_setopt(curl.get(), CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(data.size()));
    // Plain 512-byte blocks: servers that ignore options then need no fallback.
    curl_easy_setopt(curl.get(), CURLOPT_TFTP_NO_OPTIONS, 1L);
    return Perform(curl.get(), error);
}
