#include "SmiNames.h"
#include <cctype>
#include <vector>

namespace SmiNames {
namespace {
bool IsAlnum(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}
bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool IsUpperWord(const std::string& word) {
    for (char c : word)
        if (std::islower(static_cast<unsigned char>(c)))
            return false;
    return true;
}
}  // namespace

bool IsDescriptor(const std::string& text) {
    if (text.empty() || !std::islower(static_cast<unsigned char>(text[0])))
        return false;
    for (char c : text)
        if (!IsAlnum(c))
            return false;
    return true;
}

std::string Derive(const std::string& text) {
    std::string spaced;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool digitBefore = i > 0 && IsDigit(text[i - 1]);
        const bool digitAfter = i + 1 < text.size() && IsDigit(text[i + 1]);
        if (c == '+')
            spaced += " plus ";
        else if (c == '-' && digitAfter)
            spaced += " minus ";
        else if (c == '%')
            spaced += " pct ";
        else if (c == '.' && digitBefore && digitAfter)
            spaced += "dot";
        else if (IsAlnum(c))
            spaced += c;
        else
            spaced += ' ';
    }
    std::vector<std::string> words;
    std::string word;
    for (char c : spaced + " ") {
        if (c == ' ') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    std::string name;
    for (size_t i = 0; i < words.size(); ++i) {
        std::string w = words[i];
        if (i == 0) {
            if (IsUpperWord(w))
                for (char& c : w)
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            else
                w[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(w[0])));
        } else {
            w[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(w[0])));
        }
        name += w;
    }
    if (name.empty() || IsDigit(name[0]))
        name = "v" + name;
    return name;
}
}  // namespace SmiNames
