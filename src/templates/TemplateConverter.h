#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// Turns a key file into the sectioned template: reads its lines, sorts them
// into the sections of the band in use, applies the dependency rules and
// writes the seven sections.
class TemplateConverter {
public:
    bool ReadLines(const QString& keyFilePath);
    void SortByBand();
    void ApplyRules();
    bool WriteTemplate(const QString& templatePath) const;

    // The template's lines, sections in their fixed order.
    QList<QByteArray> TemplateLines() const;

    bool FiveGigahertz() const { return fiveGigahertz_; }
    const QList<QByteArray>& Lines() const { return lines_; }
    const QList<QByteArray>& SystemEntries() const { return systemEntries_; }
    const QList<QByteArray>& Wireless5() const { return wireless5_; }
    const QList<QByteArray>& Wireless24() const { return wireless24_; }
    const QList<QByteArray>& Security5() const { return security5_; }
    const QList<QByteArray>& Security24() const { return security24_; }
    const QList<QByteArray>& Filter5() const { return filter5_; }
    const QList<QByteArray>& Filter24() const { return filter24_; }

private:
    bool FindFiveGigahertz() const;

    QList<QByteArray> lines_;
    bool fiveGigahertz_ = false;
    QList<QByteArray> systemEntries_;
    QList<QByteArray> wireless5_;
    QList<QByteArray> wireless24_;
    QList<QByteArray> security5_;
    QList<QByteArray> security24_;
    QList<QByteArray> filter5_;
    QList<QByteArray> filter24_;
};
