#include "OidPath.h"
#include <stdexcept>

namespace Oids {
bool Parse(std::string_view text, OidPath& out) {
    out.clear();
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    uint64_t current = 0;
    bool digit = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            current = current * 10 + static_cast<uint64_t>(c - '0');
            if (current > 0xFFFFFFFFull)
                return false;
            digit = true;
        } else if (c == '.' && digit) {
            out.push_back(static_cast<uint32_t>(current));
            current = 0;
            digit = false;
        } else {
            return false;
        }
    }
    if (!digit)
        return false;
    out.push_back(static_cast<uint32_t>(current));
    return true;
}

OidPath MustParse(std::string_view text) {
    OidPath path;
    if (!Parse(text, path))
        throw std::invalid_argument("bad OID: " + std::string(text));
    return path;
}

std::string Format(const OidPath& path) {
    std::string text;
    for (size_t i = 0; i < path.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(path[i]);
    }
    return text;
}

bool StartsWith(const OidPath& path, const OidPath& prefix) {
    return path.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), path.begin());
}

OidPath Join(const OidPath& a, const OidPath& b) {
    OidPath joined = a;
    joined.insert(joined.end(), b.begin(), b.end());
    return joined;
}
}  // namespace Oids
