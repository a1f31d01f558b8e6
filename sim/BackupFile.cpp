#include "BackupFile.h"
#include "ConfigXml.h"
#include "DeviceState.h"
#include <fstream>
#include <iterator>
#include <sstream>
#include <zlib.h>

namespace {
constexpr int kGzipWindow = 15 + 16;   // zlib's window bits for a gzip wrapper
}

std::string BackupFile::Pack(const std::string& xml, const std::string& firmware) {
    // The header names the model and firmware; its last byte is "0".
    std::string header = "NXA-7310 cfg " + firmware.substr(0, 12) + " ";
    header += '0';
    z_stream z{};
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, kGzipWindow, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, static_cast<uLong>(xml.size())) + 32, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(xml.data()));
    z.avail_in = static_cast<uInt>(xml.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return header + out;
}

bool BackupFile::Unpack(const std::string& data, std::string& xml, std::string& error) {
    size_t start = std::string::npos;
    for (size_t i = 0; i + 1 < data.size() && i < 32; ++i)
        if (data[i] == '0' && static_cast<unsigned char>(data[i + 1]) == 0x1F) {
            start = i + 1;
            break;
        }
    if (start == std::string::npos) {
        error = "no backup header";
        return false;
    }
    z_stream z{};
    if (inflateInit2(&z, kGzipWindow) != Z_OK) {
        error = "zlib";
        return false;
    }
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + start));
    z.avail_in = static_cast<uInt>(data.size() - start);
    xml.clear();
    char buffer[16384];
    int result = Z_OK;
    while (result == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        result = inflate(&z, Z_NO_FLUSH);
        xml.append(buffer, sizeof buffer - z.avail_out);
        if (xml.size() > kMaxXmlBytes) {
            result = Z_MEM_ERROR;
            break;
        }
    }
    inflateEnd(&z);
    if (result != Z_STREAM_END) {
        error = xml.size() > kMaxXmlBytes ? "configuration too large" : "broken gzip stream";
        return false;
    }
    return true;
}

std::string BackupFile::Make(DeviceState& state) {
    return Pack(ConfigXml::Build(state), state.Identity().Firmware);
}

bool BackupFile::Write(DeviceState& state, const std::string& path, std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::string data = Make(state);
    if (!out || !out.write(data.data(), static_cast<std::streamsize>(data.size())) || !out.flush()) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool BackupFile::RestoreFrom(DeviceState& state, const std::string& data, std::string& error) {
    std::string xml;
    return Unpack(data, xml, error) && ConfigXml::Restore(state, xml, error);
}

bool BackupFile::Restore(DeviceState& state, const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::ostringstream data;
    data << in.rdbuf();
    return RestoreFrom(state, data.str(), error);
}
