#pragma once
#include "shell/PageField.h"
#include <QDateTime>

class QDateEdit;
class QTimeEdit;

// A date picker and a time picker side by side, which the page reads
// itself; it binds no variable. A person enters "YYYY-MM-DD hh:mm:ss".
class DateTimeField : public PageField {
public:
    DateTimeField(CPage* page, PageRequest* request, const QString& variable, const QString& label);

    QWidget* Widget() const override;
    const char* KindName() const override { return "date-time"; }
    QDateEdit* DatePicker() const { return date_; }
    QTimeEdit* TimePicker() const { return time_; }
    // "YYYY-MM-DD hh:mm:ss", 24 hours.
    QString Text() const override;
    void SetText(const QString& text) override;
    bool Enter(const QString& text, QString* why) override;

    QDateTime DateTime() const;
    void SetDateTime(const QDateTime& dateTime);

    // The years the device clock takes.
    static constexpr int kFirstYear = 1970;
    static constexpr int kLastYear = 2037;

private:
    QWidget* box_;
    QDateEdit* date_;
    QTimeEdit* time_;
};
