#include "RadioField.h"
#include "Page.h"
#include "snmp/ValueMap.h"
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

RadioField::RadioField(CPage* page, PageRequest* request, const QString& variable, const QString& label)
    : PageField(page, request, variable, label), box_(new QWidget(page)), group_(new QButtonGroup(box_)) {
    auto* layout = new QHBoxLayout(box_);
    layout->setContentsMargins(0, 0, 0, 0);
    QStringList items;
    if (const ValueMap* map = Map()) {
        for (int i = 0; i < map->Count(); ++i)
            items << map->GetPair(i).Text;
    }
    Items(items);
}

QWidget* RadioField::Widget() const { return box_; }

RadioField& RadioField::Items(const QStringList& items) {
    for (QRadioButton* b : buttons_)
        delete b;
    buttons_.clear();
    auto* layout = static_cast<QHBoxLayout*>(box_->layout());
    while (layout->count() > 0)
        delete layout->takeAt(0);
    for (const QString& text : items) {
        auto* button = new QRadioButton(text, box_);
        group_->addButton(button);
        layout->addWidget(button);
        buttons_.push_back(button);
    }
    layout->addStretch(1);
    return *this;
}

QRadioButton* RadioField::Button(const QString& text) const {
    for (QRadioButton* b : buttons_) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

QString RadioField::Text() const {
    for (QRadioButton* b : buttons_) {
        if (b->isChecked())
            return b->text();
    }
    return {};
}

void RadioField::SetText(const QString& text) {
    if (QRadioButton* b = Button(text))
        b->setChecked(true);
}

bool RadioField::Enter(const QString& text, QString* why) {
    QRadioButton* b = Button(text);
    if (!b) {
        if (why) {
            QStringList items;
            for (QRadioButton* r : buttons_)
                items << r->text();
            *why = QStringLiteral("it has no choice \"%1\" (choices: %2)").arg(text, items.join(QStringLiteral(", ")));
        }
        return false;
    }
    b->click();
    return b->isChecked();
}
