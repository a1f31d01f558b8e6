#include "WaitAnimation.h"
#include <QPainter>

WaitAnimation::WaitAnimation(QWidget* parent) : QWidget(parent) {
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % kFrameCount;
        update();
    });
    setMinimumSize(200, 40);
}

void WaitAnimation::Play() {
    frame_ = 0;
    timer_.start();
    update();
}

void WaitAnimation::Stop() { timer_.stop(); }

void WaitAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int h = height();
    const int box = qMin(h - 8, 32);
    const QRectF device(4, (h - box) / 2.0, box, box);
    const QRectF station(width() - box - 4, (h - box) / 2.0, box, box);
    p.setPen(QPen(QColor(0x3A, 0x6E, 0xA5), 2));
    p.setBrush(QColor(0xDD, 0xE8, 0xF4));
    p.drawRoundedRect(device, 4, 4);
    p.drawRect(station);
    const double left = device.right() + 8;
    const double right = station.left() - 8;
    const double step = (right - left) / (kFrameCount - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x90, 0x90, 0x90));
    for (int i = 0; i < kFrameCount; ++i)
        p.drawEllipse(QPointF(left + i * step, h / 2.0), 1.5, 1.5);
    const double x = left + frame_ * step;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x - 6, h / 2.0 - 8, 12, 16));
    p.drawLine(QPointF(x - 3, h / 2.0 - 3), QPointF(x + 3, h / 2.0 - 3));
    p.drawLine(QPointF(x - 3, h / 2.0 + 1), QPointF(x + 3, h / 2.0 + 1));
}
