#pragma once
#include "PageField.h"

class QLabel;

// A text the page shows and never writes.
class StaticField : public PageField {
public:
    StaticField(CPage* page, PageRequest* request, const QString& variable, const QString& label);

    QWidget* Widget() const override;
    const char* KindName() const override { return "text"; }
    QString Text() const override;
    void SetText(const QString& text) override;
    bool Enter(const QString& text, QString* why) override;
    bool Writes() const override { return false; }

private:
    QLabel* label_;
};
