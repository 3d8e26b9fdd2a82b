#include "info/pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QIconEngine>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace info {

namespace {

const QColor Wire(20, 20, 20);
const QColor MeterFace(255, 255, 210);
const QColor Accent(200, 0, 0);

// Draws the circuit in `box`, a square measured in 100 units. `detailed`
// adds the key and the junction dots and draws finer lines; without it the
// meters are larger and the lines bolder, to stay legible in an icon.
void paintCircuit(QPainter &p, const QRectF &box, bool detailed)
{
    p.save();
    p.translate(box.topLeft());
    const qreal scale = box.width() / 100.0;
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal width = detailed ? 2.5 : 6.0;
    const qreal radius = detailed ? 12.0 : 15.0;
    const QPen pen(Wire, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);

    // The loop, with the source in the middle of its top wire: a long thin
    // plate and a short thick one.
    const qreal L = 16, R = 86, T = 46, B = 86, Branch = 17;
    p.drawLine(QPointF(L, T), QPointF(45, T));
    p.drawLine(QPointF(55, T), QPointF(R, T));
    p.drawLine(QPointF(45, T - 11), QPointF(45, T + 11));
    p.setPen(QPen(Wire, width * 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(55, T - 6), QPointF(55, T + 6));
    p.setPen(pen);
    p.drawLine(QPointF(L, T), QPointF(L, B));
    p.drawLine(QPointF(L, B), QPointF(R, B));
    // Right wire, in the picture broken by the open key.
    if (detailed) {
        p.drawLine(QPointF(R, T), QPointF(R, 58));
        p.drawLine(QPointF(R, 70), QPointF(R, B));
        p.drawLine(QPointF(R, 70), QPointF(R + 8, 57));
    } else {
        p.drawLine(QPointF(R, T), QPointF(R, B));
    }
    // The voltmeter's branch over the source, across its terminals.
    p.drawPolyline(QPolygonF({QPointF(28, T), QPointF(28, Branch), QPointF(72, Branch), QPointF(72, T)}));

    // The rheostat on the bottom wire: a resistor crossed by an arrow.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(35, B - 7, 32, 14));
    p.setPen(QPen(Accent, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(31, B + 12), QPointF(66, B - 9));
    QPainterPath head;
    head.moveTo(74, B - 14);
    head.lineTo(61, B - 14);
    head.lineTo(68, B - 2);
    head.closeSubpath();
    p.fillPath(head, Accent);

    // The meters: circles with their letters.
    QFont letter(QStringLiteral("Liberation Sans"));
    letter.setStyleHint(QFont::SansSerif);
    letter.setBold(true);
    letter.setPixelSize(static_cast<int>(radius * 1.35));
    p.setFont(letter);
    const auto meter = [&](QPointF centre, const QString &name) {
        p.setPen(QPen(Wire, detailed ? width : width * 0.6));
        p.setBrush(MeterFace);
        p.drawEllipse(centre, radius, radius);
        // Below 24 pixels a letter is a grey blur; the face stays clean.
        if (box.width() < 24)
            return;
        const QRectF face(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        if (p.paintEngine()->type() != QPaintEngine::SVG) {
            p.drawText(face, Qt::AlignCenter, name);
            return;
        }
        // A scalable icon carries the letter as its outline, so that it
        // looks the same wherever it is shown, with or without the font.
        // Placed as drawText centres a line of text.
        const QFontMetricsF metrics(letter);
        QPainterPath outline;
        outline.addText(face.center().x() - metrics.horizontalAdvance(name) / 2,
                        face.center().y() + (metrics.ascent() - metrics.descent()) / 2, letter, name);
        p.fillPath(outline, Wire);
    };
    meter(QPointF(L, 66), QStringLiteral("A"));
    meter(QPointF(50, Branch), QStringLiteral("V"));

    if (detailed) {
        p.setPen(Qt::NoPen);
        p.setBrush(Wire);
        p.drawEllipse(QPointF(28, T), 2.5, 2.5);
        p.drawEllipse(QPointF(72, T), 2.5, 2.5);
    }
    p.restore();
}

} // namespace

QImage authorsPicture()
{
    QImage image(150, 180, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    paintCircuit(p, QRectF(5, 5, 140, 140), true);
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setItalic(true);
    serif.setPixelSize(20);
    p.setFont(serif);
    p.setPen(Wire);
    p.drawText(QRectF(0, 145, 150, 32), Qt::AlignCenter, QStringLiteral("I = E / (R + r)"));
    return image;
}

void paintIcon(QPainter &p, int side)
{
    // A light rounded plate, so that the circuit shows on dark panels too.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 240));
    p.drawRoundedRect(QRectF(0, 0, side, side), side / 8.0, side / 8.0);
    paintCircuit(p, QRectF(0, 0, side, side), side >= 64);
    p.restore();
}

QImage iconImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintIcon(p, side);
    return image;
}

namespace {

// The icon drawn when a size of it is first asked for, not before.
class IconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(iconImage(std::max(1, std::min(size.width(), size.height()))));
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {{32, 32}, {64, 64}}; }
    QIconEngine *clone() const override { return new IconEngine; }
};

} // namespace

QIcon windowIcon()
{
    return QIcon(new IconEngine);
}

} // namespace info
