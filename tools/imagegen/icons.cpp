#include "icons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont sans(qreal pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    return f;
}

// A glyph as a path centred on centre, so it can be filled and outlined.
QPainterPath glyph(const QString& text, const QFont& font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF r = path.boundingRect();
    path.translate(centre - r.center());
    return path;
}

// Glossy round button: a shaded disc with a rim and a highlight at the top.
void drawDisc(QPainter& p, QPointF c, qreal r, const QColor& light, const QColor& dark, const QColor& rim,
              qreal rimWidth)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(c + QPointF(0, r * 0.06), r, r);

    QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.35), r * 1.5);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setBrush(g);
    p.setPen(QPen(rim, rimWidth));
    p.drawEllipse(c, r - rimWidth / 2, r - rimWidth / 2);

    QLinearGradient gloss(c + QPointF(0, -r), c);
    gloss.setColorAt(0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(c.x() - r * 0.68, c.y() - r * 0.9, r * 1.36, r * 0.95));
}

} // namespace

QImage Icons::appIcon(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    prepare(p);
    // Drawn on a 32-pixel grid and scaled, so every size is the same emblem.
    if (size != 32)
        p.scale(size / 32.0, size / 32.0);
    drawDisc(p, QPointF(16, 15.5), 15, QColor(0x6f, 0xb6, 0xff), QColor(0x0b, 0x4f, 0x9c), QColor(0x08, 0x3a, 0x73),
             1.2);
    // six key dots around the initial
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xc9, 0x4d));
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + 60.0 * i);
        p.drawEllipse(QPointF(16 + 10.6 * qCos(a), 15.5 + 10.6 * qSin(a)), 1.6, 1.6);
    }
    p.setBrush(Qt::white);
    p.drawPath(glyph(QStringLiteral("K"), sans(13, true), QPointF(16, 15.5)));
    return image;
}

QImage Icons::uart()
{
    QImage image = canvas(99, 99);
    QPainter p(&image);
    prepare(p);

    // D-shaped shell of a 9-pin connector, seen from the front
    auto dShape = [](QRectF r, qreal taper, qreal radius) {
        QPainterPath path;
        const QPointF tl = r.topLeft(), tr = r.topRight();
        const QPointF bl(r.left() + taper, r.bottom()), br(r.right() - taper, r.bottom());
        path.moveTo(tl + QPointF(radius, 0));
        path.lineTo(tr - QPointF(radius, 0));
        path.quadTo(tr, tr + QPointF(-radius * 0.2, radius));
        path.lineTo(br + QPointF(radius * 0.3, -radius));
        path.quadTo(br, br - QPointF(radius, 0));
        path.lineTo(bl + QPointF(radius, 0));
        path.quadTo(bl, bl + QPointF(-radius * 0.3, -radius));
        path.lineTo(tl + QPointF(radius * 0.2, radius));
        path.quadTo(tl, tl + QPointF(radius, 0));
        path.closeSubpath();
        return path;
    };

    // mounting flange with its two screws
    const QRectF flange(3, 12, 93, 48);
    QLinearGradient metal(flange.topLeft(), flange.bottomLeft());
    metal.setColorAt(0, QColor(0xe8, 0xec, 0xf0));
    metal.setColorAt(0.5, QColor(0xb4, 0xbd, 0xc7));
    metal.setColorAt(1, QColor(0x8a, 0x95, 0xa1));
    p.setPen(QPen(QColor(0x4a, 0x55, 0x61), 1.3));
    p.setBrush(metal);
    p.drawRoundedRect(flange, 6, 6);
    for (qreal x : {12.5, 86.5}) {
        p.setBrush(QColor(0x5d, 0x68, 0x74));
        p.drawEllipse(QPointF(x, 36), 5, 5);
        p.setBrush(QColor(0xd5, 0xdb, 0xe1));
        p.drawEllipse(QPointF(x, 36), 2.2, 2.2);
    }

    const QPainterPath shell = dShape(QRectF(21, 19, 57, 34), 6, 6);
    QLinearGradient shellFill(QPointF(0, 19), QPointF(0, 53));
    shellFill.setColorAt(0, QColor(0xf4, 0xf6, 0xf8));
    shellFill.setColorAt(1, QColor(0x9a, 0xa5, 0xb0));
    p.setBrush(shellFill);
    p.setPen(QPen(QColor(0x3d, 0x47, 0x52), 1.4));
    p.drawPath(shell);
    p.setBrush(QColor(0x2b, 0x33, 0x3c));
    p.setPen(Qt::NoPen);
    p.drawPath(dShape(QRectF(24.5, 22, 50, 28), 5, 5));

    // five pins over four
    p.setBrush(QColor(0xf2, 0xc2, 0x4f));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(33 + 8.5 * i, 30), 2.5, 2.5);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(37.25 + 8.5 * i, 41.5), 2.5, 2.5);

    // label
    p.setPen(QColor(0x1f, 0x4e, 0x8c));
    p.setFont(sans(19, true));
    p.drawText(QRectF(0, 64, 99, 30), Qt::AlignCenter, QStringLiteral("RS-232"));
    return image;
}

QImage Icons::nameCard()
{
    QImage image = canvas(160, 128);
    QPainter p(&image);
    prepare(p);

    // The rename dialog shows the middle 101 rows of the picture: the card keeps inside them.
    const QRectF card(6, 16, 148, 94);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(card.translated(3, 4), 11, 11);

    p.setBrush(QColor(0xfd, 0xfd, 0xfb));
    p.setPen(QPen(QColor(0x5c, 0x6b, 0x7a), 1.5));
    p.drawRoundedRect(card, 11, 11);

    // coloured header band
    QPainterPath band;
    band.addRoundedRect(card, 11, 11);
    QPainterPath top;
    top.addRect(QRectF(card.left(), card.top(), card.width(), 26));
    QLinearGradient bandFill(card.topLeft(), card.topRight());
    bandFill.setColorAt(0, QColor(0x1c, 0x6d, 0xd0));
    bandFill.setColorAt(1, QColor(0x4c, 0x9b, 0xf0));
    p.setPen(Qt::NoPen);
    p.setBrush(bandFill);
    p.drawPath(band.intersected(top));
    p.setPen(Qt::white);
    p.setFont(sans(14, true));
    p.drawText(QRectF(card.left(), card.top(), card.width(), 26), Qt::AlignCenter, QStringLiteral("NAME"));

    // photo with a person silhouette
    const QRectF photo(18, 50, 46, 52);
    p.setPen(QPen(QColor(0x8f, 0x9c, 0xaa), 1.2));
    p.setBrush(QColor(0xdc, 0xe7, 0xf3));
    p.drawRoundedRect(photo, 4, 4);
    p.save();
    p.setClipRect(photo.adjusted(1, 1, -1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5e, 0x7d, 0x9e));
    p.drawEllipse(QPointF(photo.center().x(), 68), 10.5, 11.5);
    p.drawEllipse(QPointF(photo.center().x(), 104), 20, 20);
    p.restore();

    // text lines
    p.setPen(Qt::NoPen);
    const QColor lineColours[] = {QColor(0x33, 0x44, 0x55), QColor(0xa8, 0xb4, 0xc0), QColor(0xa8, 0xb4, 0xc0),
                                  QColor(0xa8, 0xb4, 0xc0)};
    const qreal widths[] = {70, 62, 52, 66};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(lineColours[i]);
        p.drawRoundedRect(QRectF(74, 54 + 13 * i, widths[i], i == 0 ? 7 : 5), 2.5, 2.5);
    }
    return image;
}

QImage Icons::questionIcon()
{
    QImage image = canvas(64, 64);
    QPainter p(&image);
    prepare(p);
    drawDisc(p, QPointF(32, 31), 29, QColor(0xff, 0x8a, 0x80), QColor(0xb3, 0x12, 0x12), QColor(0x7d, 0x0a, 0x0a), 2);
    p.setPen(QPen(QColor(0x6e, 0x08, 0x08, 120), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(glyph(QStringLiteral("?"), sans(40, true), QPointF(32, 32)));
    return image;
}

QImage Icons::question()
{
    QImage image = canvas(225, 225);
    QPainter p(&image);
    prepare(p);

    // hook drawn as a thick stroke with round ends, plus a round dot
    const QRectF arc(62.5, 26, 100, 100);
    QPainterPath hook;
    hook.arcMoveTo(arc, 180);
    hook.arcTo(arc, 180, -225);
    hook.quadTo(QPointF(112.5, 124), QPointF(112.5, 146));
    QPainterPathStroker stroker;
    stroker.setWidth(32);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath mark = stroker.createStroke(hook).simplified();
    QPainterPath dot;
    dot.addEllipse(QPointF(112.5, 195), 19, 19);
    mark = mark.united(dot);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPath(mark.translated(5, 6));

    QLinearGradient fill(QPointF(0, 10), QPointF(0, 215));
    fill.setColorAt(0, QColor(0x6c, 0xb4, 0xff));
    fill.setColorAt(0.55, QColor(0x1d, 0x6f, 0xdc));
    fill.setColorAt(1, QColor(0x0c, 0x45, 0x9a));
    p.setBrush(fill);
    p.setPen(QPen(QColor(0x08, 0x33, 0x75), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mark);

    // soft highlight along the upper part of the glyph
    p.save();
    p.setClipPath(mark);
    QLinearGradient gloss(QPointF(0, 10), QPointF(0, 110));
    gloss.setColorAt(0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRect(QRectF(0, 0, 225, 110));
    p.restore();
    return image;
}

QImage Icons::done()
{
    QImage image = canvas(138, 137);
    QPainter p(&image);
    prepare(p);
    drawDisc(p, QPointF(69, 67), 64, QColor(0x8d, 0xe5, 0x7a), QColor(0x1f, 0x8a, 0x2a), QColor(0x14, 0x5e, 0x1c), 3);

    QPainterPath tick;
    tick.moveTo(38, 70);
    tick.lineTo(60, 92);
    tick.lineTo(101, 46);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x0e, 0x4d, 0x15, 110), 17, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick.translated(0, 2.5));
    p.setPen(QPen(Qt::white, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return image;
}

QImage Icons::lifeBuoy()
{
    QImage image = canvas(256, 256);
    QPainter p(&image);
    prepare(p);

    const QPointF c(128, 126);
    const qreal outer = 116, inner = 58;
    QPainterPath ring;
    ring.addEllipse(c, outer, outer);
    QPainterPath hole;
    hole.addEllipse(c, inner, inner);
    ring = ring.subtracted(hole);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawPath(ring.translated(4, 6));

    // four red and four white segments
    for (int i = 0; i < 8; ++i) {
        QPainterPath wedge;
        wedge.moveTo(c);
        wedge.arcTo(QRectF(c.x() - outer - 2, c.y() - outer - 2, 2 * outer + 4, 2 * outer + 4), 22.5 + 45.0 * i, 45.0);
        wedge.closeSubpath();
        QRadialGradient shade(c, outer);
        const QColor base = i % 2 ? QColor(0xf4, 0xf4, 0xf2) : QColor(0xe0, 0x2a, 0x1f);
        shade.setColorAt(qreal(inner) / outer, base.darker(125));
        shade.setColorAt(0.78, base.lighter(108));
        shade.setColorAt(1.0, base.darker(130));
        p.setBrush(shade);
        p.drawPath(ring.intersected(wedge));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5a, 0x1a, 0x14), 2.5));
    p.drawEllipse(c, outer, outer);
    p.drawEllipse(c, inner, inner);

    // rope around the buoy, held at the white segments
    p.setPen(QPen(QColor(0xc9, 0xa2, 0x63), 5, Qt::SolidLine, Qt::RoundCap));
    const qreal ropeRadius = (outer + inner) / 2;
    for (int i = 0; i < 4; ++i) {
        const qreal start = 22.5 + 45.0 + 90.0 * i + 8;
        QPainterPath rope;
        rope.arcMoveTo(QRectF(c.x() - ropeRadius, c.y() - ropeRadius, 2 * ropeRadius, 2 * ropeRadius), start);
        rope.arcTo(QRectF(c.x() - ropeRadius, c.y() - ropeRadius, 2 * ropeRadius, 2 * ropeRadius), start, 29);
        p.drawPath(rope);
    }
    return image;
}
