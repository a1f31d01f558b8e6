#include "CheckField.h"
#include "Page.h"
#include "snmp/MibVariableList.h"
#include <QCheckBox>

CheckField::CheckField(CPage* page, PageRequest* request, const QString& variable, const QString& label)
    : PageField(page, request, variable, label), box_(new QCheckBox(label, page)) {}

QWidget* CheckField::Widget() const { return box_; }

QString CheckField::Text() const { return box_->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked"); }

bool CheckField::IsChecked() const { return box_->isChecked(); }

int CheckField::StateOf(const QString& text) {
    const QString t = text.trimmed().toLower();
    for (const char* yes : {"checked", "on", "1", "true", "yes"}) {
        if (t == QLatin1String(yes))
            return 1;
    }
    for (const char* no : {"unchecked", "off", "0", "false", "no"}) {
        if (t == QLatin1String(no))
            return 0;
    }
    return -1;
}

void CheckField::SetText(const QString& text) {
    const int state = StateOf(text);
    if (state >= 0)
        box_->setChecked(state == 1);
}

bool CheckField::Enter(const QString& text, QString* why) {
    const int state = StateOf(text);
    if (state < 0) {
        if (why)
            *why = QStringLiteral("a check box is checked or unchecked");
        return false;
    }
    if (box_->isChecked() != (state == 1))
        box_->click();
    return box_->isChecked() == (state == 1);
}

void CheckField::ToControl(const MibVariableEntry& entry) { box_->setChecked(entry.Value.trimmed() == on_); }

void CheckField::FromControl(MibVariableEntry& entry) { entry.Value = box_->isChecked() ? on_ : off_; }

CheckField& CheckField::Values(const QString& on, const QString& off) {
    on_ = on;
    off_ = off;
    return *this;
}
