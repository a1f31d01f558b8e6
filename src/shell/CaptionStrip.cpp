#include "CaptionStrip.h"
#include <QPainter>

CaptionStrip::CaptionStrip(QWidget* parent) : QWidget(parent) {
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

void CaptionStrip::SetText(const QString& text) {
    text_ = text;
    update();
}

QRect CaptionStrip::TextRect() const {
    const int width = fontMetrics().horizontalAdvance(text_) + 23;
    return {1, 1, width, height() - 2};
}

void CaptionStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), BackColor());
    p.setPen(Qt::white);
    p.drawText(TextRect(), Qt::AlignCenter, text_);
}
