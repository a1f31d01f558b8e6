#include "OidPattern.h"
#include <sstream>

std::vector<std::string> ExpandOidPattern(const std::string& pattern) {
    const size_t open = pattern.find('{');
    if (open == std::string::npos)
        return {pattern};
    const size_t close = pattern.find('}', open);
    if (close == std::string::npos)
        return {};
    const std::string head = pattern.substr(0, open);
    const std::string inner = pattern.substr(open + 1, close - open - 1);
    std::vector<std::string> choices;
    const size_t range = inner.find("..");
    if (range != std::string::npos) {
        const int first = std::stoi(inner.substr(0, range));
        const int last = std::stoi(inner.substr(range + 2));
        for (int i = first; i <= last; ++i)
            choices.push_back(std::to_string(i));
    } else {
        std::istringstream in(inner);
        std::string item;
        while (std::getline(in, item, ','))
            choices.push_back(item);
    }
    std::vector<std::string> result;
    for (const std::string& tail : ExpandOidPattern(pattern.substr(close + 1)))
        for (const std::string& choice : choices)
            result.push_back(head + choice + tail);
    return result;
}
