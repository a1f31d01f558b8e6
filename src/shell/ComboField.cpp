#include "ComboField.h"
#include "Page.h"
#include "snmp/ValueMap.h"
#include <QComboBox>

ComboField::ComboField(CPage* page, PageRequest* request, const QString& variable, const QString& label)
    : PageField(page, request, variable, label), combo_(new QComboBox(page)) {
    if (const ValueMap* map = Map()) {
        for (int i = 0; i < map->Count(); ++i)
            combo_->addItem(map->GetPair(i).Text);
    }
}

QWidget* ComboField::Widget() const { return combo_; }

QString ComboField::Text() const { return combo_->currentText(); }

void ComboField::SetText(const QString& text) {
    const int index = combo_->findText(text);
    if (index >= 0)
        combo_->setCurrentIndex(index);
}

bool ComboField::Enter(const QString& text, QString* why) {
    const int index = combo_->findText(text);
    if (index < 0) {
        if (why) {
            QStringList items;
            for (int i = 0; i < combo_->count(); ++i)
                items << combo_->itemText(i);
            *why = QStringLiteral("it has no item \"%1\" (items: %2)").arg(text, items.join(QStringLiteral(", ")));
        }
        return false;
    }
    combo_->setCurrentIndex(index);
    emit combo_->activated(index);   // as a choice with the mouse reports it
    return true;
}

ComboField& ComboField::Items(const QStringList& items) {
    const QString current = combo_->currentText();
    combo_->clear();
    combo_->addItems(items);
    SetText(current);
    return *this;
}
