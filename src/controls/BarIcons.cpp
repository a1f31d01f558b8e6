#include "BarIcons.h"
#include <QPainter>
#include <QPainterPath>

namespace BarIcons {
namespace {

struct Look {
    int Id;
    QColor Fill;
    char Glyph;   // what is drawn on the tile
};

// One colour and sign per resource number.
const Look kLooks[] = {
    {111, QColor(0x2E, 0x8B, 0x57), 'h'},   // home
    {112, QColor(0x46, 0x82, 0xB4), 'w'},   // waves
    {113, QColor(0xDA, 0xA5, 0x20), 'n'},   // network
    {114, QColor(0xCD, 0x5C, 0x5C), 'g'},   // gear
    {115, QColor(0x6A, 0x5A, 0xCD), 'i'},   // information
    {116, QColor(0x20, 0xB2, 0xAA), 'c'},   // clock
    {117, QColor(0xD2, 0x69, 0x1E), 'f'},   // funnel
    {118, QColor(0x8B, 0x45, 0x13), 'b'},   // bars
    {119, QColor(0x70, 0x80, 0x90), 'l'},   // lines
    {120, QColor(0x9A, 0xCD, 0x32), 'p'},   // power
    {121, QColor(0xC7, 0x15, 0x85), 'k'},   // key
    {222, QColor(0x3A, 0x6E, 0xA5), 'a'},   // access point
};

const Look* Find(int id) {
    for (const Look& look : kLooks) {
        if (look.Id == id)
            return &look;
    }
    return nullptr;
}

void DrawGlyph(QPainter& p, char glyph, double s) {
    QPen pen(Qt::white, s / 12.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case 'h': {
        QPainterPath roof;
        roof.moveTo(s * 0.2, s * 0.5);
        roof.lineTo(s * 0.5, s * 0.22);
        roof.lineTo(s * 0.8, s * 0.5);
        p.drawPath(roof);
        p.drawRect(QRectF(s * 0.3, s * 0.5, s * 0.4, s * 0.3));
        break;
    }
    case 'w':
        for (int i = 1; i <= 3; ++i) {
            const double r = s * 0.12 * i;
            p.drawArc(QRectF(s * 0.5 - r, s * 0.7 - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
        }
        break;
    case 'n':
        p.drawRect(QRectF(s * 0.4, s * 0.2, s * 0.2, s * 0.18));
        p.drawRect(QRectF(s * 0.18, s * 0.62, s * 0.2, s * 0.18));
        p.drawRect(QRectF(s * 0.62, s * 0.62, s * 0.2, s * 0.18));
        p.drawLine(QPointF(s * 0.5, s * 0.38), QPointF(s * 0.5, s * 0.5));
        p.drawLine(QPointF(s * 0.28, s * 0.5), QPointF(s * 0.72, s * 0.5));
        p.drawLine(QPointF(s * 0.28, s * 0.5), QPointF(s * 0.28, s * 0.62));
        p.drawLine(QPointF(s * 0.72, s * 0.5), QPointF(s * 0.72, s * 0.62));
        break;
    case 'g':
        p.drawEllipse(QPointF(s * 0.5, s * 0.5), s * 0.2, s * 0.2);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(s * 0.5, s * 0.5);
            p.rotate(45.0 * i);
            p.drawLine(QPointF(0, s * 0.2), QPointF(0, s * 0.3));
            p.restore();
        }
        break;
    case 'i':
        p.drawEllipse(QPointF(s * 0.5, s * 0.5), s * 0.3, s * 0.3);
        p.drawPoint(QPointF(s * 0.5, s * 0.36));
        p.drawLine(QPointF(s * 0.5, s * 0.46), QPointF(s * 0.5, s * 0.66));
        break;
    case 'c':
        p.drawEllipse(QPointF(s * 0.5, s * 0.5), s * 0.3, s * 0.3);
        p.drawLine(QPointF(s * 0.5, s * 0.5), QPointF(s * 0.5, s * 0.3));
        p.drawLine(QPointF(s * 0.5, s * 0.5), QPointF(s * 0.65, s * 0.58));
        break;
    case 'f': {
        QPainterPath funnel;
        funnel.moveTo(s * 0.2, s * 0.25);
        funnel.lineTo(s * 0.8, s * 0.25);
        funnel.lineTo(s * 0.56, s * 0.52);
        funnel.lineTo(s * 0.56, s * 0.78);
        funnel.lineTo(s * 0.44, s * 0.72);
        funnel.lineTo(s * 0.44, s * 0.52);
        funnel.closeSubpath();
        p.drawPath(funnel);
        break;
    }
    case 'b':
        for (int i = 0; i < 3; ++i) {
            const double h = s * (0.2 + 0.15 * i);
            p.drawRect(QRectF(s * (0.22 + 0.2 * i), s * 0.78 - h, s * 0.14, h));
        }
        break;
    case 'l':
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(s * 0.25, s * (0.3 + 0.13 * i)), QPointF(s * 0.75, s * (0.3 + 0.13 * i)));
        break;
    case 'p':
        p.drawArc(QRectF(s * 0.25, s * 0.28, s * 0.5, s * 0.5), 120 * 16, 300 * 16);
        p.drawLine(QPointF(s * 0.5, s * 0.2), QPointF(s * 0.5, s * 0.5));
        break;
    case 'k':
        p.drawEllipse(QPointF(s * 0.33, s * 0.5), s * 0.12, s * 0.12);
        p.drawLine(QPointF(s * 0.45, s * 0.5), QPointF(s * 0.8, s * 0.5));
        p.drawLine(QPointF(s * 0.7, s * 0.5), QPointF(s * 0.7, s * 0.62));
        break;
    case 'a':
        p.drawRect(QRectF(s * 0.22, s * 0.55, s * 0.56, s * 0.2));
        p.drawLine(QPointF(s * 0.35, s * 0.55), QPointF(s * 0.3, s * 0.22));
        p.drawLine(QPointF(s * 0.65, s * 0.55), QPointF(s * 0.7, s * 0.22));
        break;
    default:
        break;
    }
}

}  // namespace

QPixmap Pixmap(int resourceId, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const Look* look = Find(resourceId);
    const QColor fill = look ? look->Fill : QColor(Qt::gray);
    p.setPen(QPen(fill.darker(150), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0), size / 6.0, size / 6.0);
    if (look)
        DrawGlyph(p, look->Glyph, size);
    return pixmap;
}

QIcon Icon(int resourceId) {
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(Pixmap(resourceId, size));
    return icon;
}

std::vector<QIcon> IconList(const std::vector<int>& resourceIds, int size) {
    std::vector<QIcon> icons;
    for (int id : resourceIds)
        icons.emplace_back(Pixmap(id, size));
    return icons;
}

}  // namespace BarIcons
