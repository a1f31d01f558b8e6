#pragma once
#include <QString>
#include <cstdint>
#include <vector>

// Static source of a value map with number keys: {key, text} pairs ended by a
// pair whose text is nullptr.
struct ValueMapPair {
    int32_t Key;
    const char* Text;
};

// Static source of a value map with text keys (kinds 2 and 3).
struct ValueMapTextPair {
    const char* Key;
    const char* Text;
};

// Converts between the value on the wire and the text shown on pages and in
// templates. The pair order is the display order.
class ValueMap {
public:
    enum Kinds { NumberKey = 1, TextKey = 2, PrefixKey = 3 };

    struct Pair {
        int32_t Key = 0;     // kind 1
        QString KeyText;     // kinds 2 and 3
        QString Text;
    };

    ValueMap(const ValueMapPair* pairs, int32_t kind = NumberKey, bool caseSensitive = false);
    ValueMap(const ValueMapTextPair* pairs, int32_t kind, bool caseSensitive);

    int32_t Kind() const { return kind_; }
    bool CaseSensitive() const { return caseSensitive_; }
    int Count() const { return static_cast<int>(pairs_.size()); }
    const Pair& GetPair(int index) const { return pairs_.at(static_cast<size_t>(index)); }

    int FindByText(const QString& text) const;
    int FindByValue(const QString& value) const;
    QString TextForValue(const QString& value) const;
    QString ValueForText(const QString& text) const;

private:
    bool Same(const QString& a, const QString& b) const;
    bool StartsWith(const QString& text, const QString& prefix) const;

    int32_t kind_;
    bool caseSensitive_;
    std::vector<Pair> pairs_;
};
