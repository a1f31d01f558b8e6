#include "DateTimeField.h"
#include "shell/Page.h"
#include <QDateEdit>
#include <QHBoxLayout>
#include <QTimeEdit>

namespace {
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kTimeFormat = QStringLiteral("HH:mm:ss");
const QString kFormat = kDateFormat + QLatin1Char(' ') + kTimeFormat;
}  // namespace

DateTimeField::DateTimeField(CPage* page, PageRequest* request, const QString& variable, const QString& label)
    : PageField(page, request, variable, label), box_(new QWidget(page)), date_(new QDateEdit(box_)),
      time_(new QTimeEdit(box_)) {
    auto* row = new QHBoxLayout(box_);
    row->setContentsMargins(0, 0, 0, 0);
    date_->setDisplayFormat(kDateFormat);
    date_->setDateRange(QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
    date_->setCalendarPopup(true);
    time_->setDisplayFormat(kTimeFormat);
    row->addWidget(date_);
    row->addWidget(time_);
    row->addStretch(1);
    box_->setObjectName(label);
}

QWidget* DateTimeField::Widget() const { return box_; }

QString DateTimeField::Text() const { return DateTime().toString(kFormat); }

void DateTimeField::SetText(const QString& text) {
    const QDateTime value = QDateTime::fromString(text.trimmed(), kFormat);
    if (value.isValid())
        SetDateTime(value);
}

bool DateTimeField::Enter(const QString& text, QString* why) {
    const QDateTime value = QDateTime::fromString(text.trimmed(), kFormat);
    if (!value.isValid() || value.date() < date_->minimumDate() || value.date() > date_->maximumDate()) {
        if (why)
            *why = QStringLiteral("it takes \"YYYY-MM-DD hh:mm:ss\" with a year from %1 to %2")
                       .arg(kFirstYear)
                       .arg(kLastYear);
        return false;
    }
    SetDateTime(value);
    return true;
}

QDateTime DateTimeField::DateTime() const { return QDateTime(date_->date(), time_->time()); }

void DateTimeField::SetDateTime(const QDateTime& dateTime) {
    date_->setDate(dateTime.date());
    time_->setTime(dateTime.time());
}
