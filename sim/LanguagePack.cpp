#include "LanguagePack.h"
#include <sstream>

namespace LanguagePack {

std::string NameOf(const std::string& file) {
    std::istringstream lines(file.substr(0, 64 * 1024));
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("language=", 0) == 0 && line.size() > 9 && line.size() <= 9 + 32)
            return line.substr(9);
    }
    return {};
}

}  // namespace LanguagePack
