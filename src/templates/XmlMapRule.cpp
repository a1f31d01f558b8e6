#include "templates/XmlMapRule.h"

XmlMapRule XmlMapRule::Parse(const QByteArray& text)
{
    XmlMapRule rule;
    rule.text_ = text;
    const qsizetype colon = text.indexOf(':');
    if (colon == 1)
        rule.kind_ = text.at(0);
    rule.hasKeyName_ = FindTag(text, ":[FFN=", &rule.keyName_);
    rule.hasTranslation_ = FindTag(text, ":[RRL=", &rule.translation_);
    const qsizetype pathStart = text.indexOf('<');
    if (colon == 1 && pathStart > colon)
        rule.pathValid_ = rule.ParsePath(text.mid(pathStart));
    return rule;
}

// A tag counts only when it stands before the path, so that a "[" inside a
// selector is never taken for one.
bool XmlMapRule::FindTag(const QByteArray& text, const char* tag, QByteArray* value)
{
    const qsizetype at = text.indexOf(tag);
    if (at < 0)
        return false;
    const qsizetype pathStart = text.indexOf('<');
    if (pathStart >= 0 && at > pathStart)
        return false;
    const qsizetype valueStart = at + qstrlen(tag);
    const qsizetype end = text.indexOf(']', valueStart);
    if (end < 0)
        return false;
    *value = text.mid(valueStart, end - valueStart);
    return true;
}

bool XmlMapRule::ParsePath(const QByteArray& pathText)
{
    qsizetype pos = 0;
    while (pos < pathText.size()) {
        if (pathText.at(pos) != '<')
            return false;
        const qsizetype close = pathText.indexOf('>', pos);
        if (close < 0)
            return false;
        const QByteArray inner = pathText.mid(pos + 1, close - pos - 1);
        Segment segment;
        const qsizetype bracket = inner.indexOf('[');
        if (bracket < 0) {
            segment.Name = inner;
        } else {
            segment.Name = inner.left(bracket);
            const qsizetype equals = inner.indexOf('=', bracket);
            if (!inner.endsWith(']') || equals < 0)
                return false;
            segment.HasSelector = true;
            segment.SelectorName = inner.mid(bracket + 1, equals - bracket - 1);
            segment.SelectorValue = inner.mid(equals + 1, inner.size() - equals - 2);
        }
        if (segment.Name.isEmpty())
            return false;
        path_.append(segment);
        pos = close + 1;
    }
    return !path_.isEmpty();
}

QByteArray XmlMapRule::FillIndex(const QByteArray& text, int number)
{
    QByteArray filled = text;
    return filled.replace("%i", QByteArray::number(number));
}

namespace {

struct RrlEntry {
    QByteArray Left;
    QByteArray Right;
};

QList<RrlEntry> SplitList(const QByteArray& list)
{
    QList<RrlEntry> entries;
    const QList<QByteArray> parts = list.split('|');
    // The texts between consecutive "|" are the entries.
    for (qsizetype i = 1; i + 1 < parts.size(); ++i) {
        const qsizetype equals = parts[i].indexOf('=');
        if (equals < 0)
            break;
        entries.append({parts[i].left(equals), parts[i].mid(equals + 1)});
    }
    return entries;
}

bool SameText(const QByteArray& a, const QByteArray& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QByteArray XmlMapRule::Translate(const QByteArray& list, const QByteArray& value)
{
    const QList<RrlEntry> entries = SplitList(list);
    for (const RrlEntry& entry : entries) {
        if (SameText(value, entry.Left))
            return entry.Right;
    }
    for (const RrlEntry& entry : entries) {
        if (SameText(value, entry.Right))
            return entry.Left;
    }
    return value;
}
