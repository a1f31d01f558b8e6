#include "ValueMap.h"

ValueMap::ValueMap(const ValueMapPair* pairs, int32_t kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive) {
    for (const ValueMapPair* p = pairs; p && p->Text; ++p) {
        Pair pair;
        pair.Key = p->Key;
        pair.KeyText = QString::number(p->Key);
        pair.Text = QString::fromUtf8(p->Text);
        pairs_.push_back(std::move(pair));
    }
}

ValueMap::ValueMap(const ValueMapTextPair* pairs, int32_t kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive) {
    for (const ValueMapTextPair* p = pairs; p && p->Text; ++p) {
        Pair pair;
        pair.KeyText = QString::fromUtf8(p->Key ? p->Key : "");
        pair.Text = QString::fromUtf8(p->Text);
        pairs_.push_back(std::move(pair));
    }
}

bool ValueMap::Same(const QString& a, const QString& b) const {
    return a.compare(b, caseSensitive_ ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

bool ValueMap::StartsWith(const QString& text, const QString& prefix) const {
    return text.startsWith(prefix, caseSensitive_ ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

int ValueMap::FindByText(const QString& text) const {
    for (int i = 0; i < Count(); ++i) {
        const Pair& p = pairs_[static_cast<size_t>(i)];
        if (kind_ == PrefixKey ? StartsWith(text, p.Text) : Same(text, p.Text))
            return i;
    }
    return -1;
}

int ValueMap::FindByValue(const QString& value) const {
    if (kind_ == NumberKey) {
        if (value == QLatin1String("(NULL)"))
            return -1;
        // Only a whole decimal number is a key: a stray text must stay unmatched
        // rather than be read as 0.
        bool ok = false;
        const qlonglong number = value.trimmed().toLongLong(&ok, 10);
        if (!ok)
            return -1;
        for (int i = 0; i < Count(); ++i)
            if (pairs_[static_cast<size_t>(i)].Key == number)
                return i;
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const Pair& p = pairs_[static_cast<size_t>(i)];
        if (kind_ == PrefixKey ? StartsWith(value, p.KeyText) : Same(value, p.KeyText))
            return i;
    }
    return -1;
}

QString ValueMap::TextForValue(const QString& value) const {
    const int i = FindByValue(value);
    if (i < 0)
        return value;
    const Pair& p = pairs_[static_cast<size_t>(i)];
    if (kind_ == PrefixKey)
        return p.Text + value.mid(p.KeyText.size());
    return p.Text;
}

QString ValueMap::ValueForText(const QString& text) const {
    const int i = FindByText(text);
    if (i < 0)
        return text;
    const Pair& p = pairs_[static_cast<size_t>(i)];
    switch (kind_) {
    case NumberKey: return QString::number(p.Key);
    case PrefixKey: return p.KeyText + text.mid(p.Text.size());
    default: return p.KeyText;
    }
}
