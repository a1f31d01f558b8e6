#pragma once
#include <QByteArray>
#include <QList>

// Dependency rules of the template sections. A rule is "|" separated tokens:
// conditions ("name=value", "*" matching anything), ":", then entry names. A
// rule applies when each condition is met by some entry of the section (name
// and value tested as substrings); the entries whose names occur in no token
// of an applying rule leave the section. When no rule applies, all stay.
class TemplateRules {
public:
    static QList<QByteArray> SystemRules();
    static QList<QByteArray> SecurityRules();
    // Built afresh on each call, the address names 1 to 256 included.
    static QList<QByteArray> FilterRules();

    static void ApplyRules(QList<QByteArray>& section, const QList<QByteArray>& rules);

    // Text before the first "=" of an entry (the whole entry without one).
    static QByteArray EntryName(const QByteArray& entry);
    // Text after the first "=" of an entry (empty without one).
    static QByteArray EntryValue(const QByteArray& entry);
};
