#include "devicedrawing.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

// Layout, in pixels of the 567 x 397 picture.
const QRectF box(30, 152, 420, 232);
constexpr qreal switchY = 47; // centre of the push switches
constexpr qreal bezelRadius = 20;
constexpr qreal capRadius = 13;
constexpr qreal terminalTop = 142; // input terminals straddle the box's top edge
constexpr qreal pinPitch = 19;

const QColor ink(0x2c, 0x3e, 0x50);
const QColor faded(0xc3, 0xca, 0xd3);
const QColor fadedText(0xa9, 0xb1, 0xbb);
const QColor accent(0xe0, 0x4e, 0x0b);
const QColor accentDark(0x9c, 0x33, 0x05);

enum class Look { Normal, Highlighted, Faded };

QFont font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// Column of switch input n (1..6): SW-6 is the leftmost, SW-1 the rightmost.
qreal inputX(int n)
{
    const qreal pitch = box.width() / 6.0;
    return box.left() + pitch * (6 - n) + pitch / 2.0;
}

void drawBox(QPainter& p)
{
    // drop shadow, then the enclosure
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRoundedRect(box.translated(4, 4), 12, 12);

    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, QColor(0xf7, 0xf9, 0xfb));
    fill.setColorAt(1.0, QColor(0xdf, 0xe5, 0xec));
    p.setBrush(fill);
    p.setPen(QPen(ink, 2.5));
    p.drawRoundedRect(box, 12, 12);

    // the name plate
    const QRectF plate(box.left() + 40, box.top() + 84, 250, 74);
    p.setPen(QPen(QColor(0x8a, 0x99, 0xa8), 1.2));
    p.setBrush(QColor(0xff, 0xff, 0xff, 170));
    p.drawRoundedRect(plate, 8, 8);
    p.setFont(font(40, true));
    p.setPen(ink);
    p.drawText(plate.adjusted(0, -8, 0, -8), Qt::AlignCenter, QStringLiteral("KVR210C"));
    p.setPen(QPen(QColor(0x5d, 0x7a, 0x99), 3));
    p.drawLine(QPointF(plate.center().x() - 60, plate.bottom() - 16),
               QPointF(plate.center().x() + 60, plate.bottom() - 16));
}

void drawScrewTerminal(QPainter& p, QPointF centre, const QColor& body, const QColor& line)
{
    p.setPen(QPen(line, 1.4));
    p.setBrush(body);
    p.drawEllipse(centre, 6.2, 6.2);
    p.drawLine(centre + QPointF(-4, 4), centre + QPointF(4, -4));
}

void drawSwitch(QPainter& p, int n, Look look)
{
    const qreal x = inputX(n);
    const QColor line = look == Look::Faded ? faded : (look == Look::Highlighted ? accentDark : ink);

    // wire from the switch down to the input terminal
    const qreal wireTop = switchY + bezelRadius - 2;
    const qreal wireBottom = terminalTop + 2;
    if (look == Look::Highlighted) {
        p.setPen(QPen(QColor(accent.red(), accent.green(), accent.blue(), 70), 13, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, wireTop), QPointF(x, wireBottom));
        p.setPen(QPen(accent, 5.5, Qt::SolidLine, Qt::RoundCap));
    } else {
        p.setPen(QPen(look == Look::Faded ? faded : ink, 2.6, Qt::SolidLine, Qt::RoundCap));
    }
    p.drawLine(QPointF(x, wireTop), QPointF(x, wireBottom));

    // halo around the selected switch
    if (look == Look::Highlighted) {
        QRadialGradient halo(QPointF(x, switchY), bezelRadius + 14);
        halo.setColorAt(0.55, QColor(accent.red(), accent.green(), accent.blue(), 110));
        halo.setColorAt(1.0, QColor(accent.red(), accent.green(), accent.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(QPointF(x, switchY), bezelRadius + 14, bezelRadius + 14);
    }

    // bezel
    QLinearGradient bezel(QPointF(x, switchY - bezelRadius), QPointF(x, switchY + bezelRadius));
    if (look == Look::Faded) {
        bezel.setColorAt(0, QColor(0xf4, 0xf5, 0xf7));
        bezel.setColorAt(1, QColor(0xe6, 0xe9, 0xed));
    } else {
        bezel.setColorAt(0, QColor(0xd9, 0xde, 0xe4));
        bezel.setColorAt(1, QColor(0x8e, 0x99, 0xa6));
    }
    p.setPen(QPen(line, 2));
    p.setBrush(bezel);
    p.drawEllipse(QPointF(x, switchY), bezelRadius, bezelRadius);

    // push cap
    QRadialGradient cap(QPointF(x - 4, switchY - 5), capRadius * 1.6);
    switch (look) {
    case Look::Highlighted:
        cap.setColorAt(0, QColor(0xff, 0xb0, 0x80));
        cap.setColorAt(1, accent);
        break;
    case Look::Normal:
        cap.setColorAt(0, QColor(0x9f, 0xb3, 0xc8));
        cap.setColorAt(1, QColor(0x3d, 0x55, 0x6e));
        break;
    case Look::Faded:
        cap.setColorAt(0, QColor(0xfb, 0xfc, 0xfd));
        cap.setColorAt(1, QColor(0xe3, 0xe7, 0xeb));
        break;
    }
    p.setPen(QPen(line, 1.5));
    p.setBrush(cap);
    p.drawEllipse(QPointF(x, switchY), capRadius, capRadius);

    // input terminal on the top edge of the box
    const QRectF terminal(x - 12, terminalTop, 24, 18);
    p.setPen(QPen(look == Look::Faded ? faded : ink, 1.6));
    p.setBrush(look == Look::Highlighted ? QColor(0xff, 0xe3, 0xd3)
                                         : (look == Look::Faded ? QColor(0xf6, 0xf7, 0xf9) : QColor(0xc9, 0xd2, 0xdc)));
    p.drawRoundedRect(terminal, 3, 3);
    drawScrewTerminal(p, terminal.center(), look == Look::Faded ? QColor(0xf6, 0xf7, 0xf9) : Qt::white,
                      look == Look::Highlighted ? accentDark : (look == Look::Faded ? faded : ink));

    // label printed on the box under the terminal
    const QString label = QStringLiteral("SW-%1").arg(n);
    const QRectF labelRect(x - 29, box.top() + 17, 58, 24);
    p.setFont(font(16, true));
    if (look == Look::Highlighted) {
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawRoundedRect(labelRect, 12, 12);
        p.setPen(Qt::white);
    } else {
        p.setPen(look == Look::Faded ? fadedText : ink);
    }
    p.drawText(labelRect, Qt::AlignCenter, label);
}

struct Connector {
    const char* name;
    QStringList pins;
};

void drawConnectors(QPainter& p)
{
    const Connector connectors[] = {
        {"RS-232", {QStringLiteral("Tx"), QStringLiteral("Rx"), QStringLiteral("GND")}},
        {"RS-485", {QStringLiteral("D+"), QStringLiteral("D\u2212")}},
        {"PWR", {QStringLiteral("+12"), QStringLiteral("GND")}},
    };

    qreal y = box.top() + 50;
    const qreal blockLeft = box.right() - 8;
    const qreal blockWidth = 26;
    for (const Connector& c : connectors) {
        const qreal height = pinPitch * c.pins.size() + 6;
        const QRectF block(blockLeft, y, blockWidth, height);

        p.setPen(QPen(ink, 1.8));
        p.setBrush(QColor(0x3f, 0x8f, 0x5a));
        p.drawRoundedRect(block, 3, 3);

        p.setFont(font(15, true));
        for (int i = 0; i < c.pins.size(); ++i) {
            const QPointF centre(block.center().x(), y + 3 + pinPitch * i + pinPitch / 2);
            drawScrewTerminal(p, centre, QColor(0xe9, 0xee, 0xf2), ink);
            p.setPen(ink);
            p.drawText(QRectF(block.right() + 8, centre.y() - 11, 60, 22), Qt::AlignLeft | Qt::AlignVCenter,
                       c.pins.at(i));
        }

        // group name printed on the box, with a bracket towards the block
        p.setFont(font(14, true));
        const QRectF nameRect(blockLeft - 86, y, 72, height);
        p.setPen(ink);
        p.drawText(nameRect, Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(c.name));
        p.setPen(QPen(QColor(0x7b, 0x8a, 0x99), 1.3));
        p.drawLine(QPointF(blockLeft - 10, y + 3), QPointF(blockLeft - 10, y + height - 3));

        y += height + 10;
    }
}

} // namespace

QImage DeviceDrawing::draw(int highlighted)
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    drawBox(p);
    const bool any = highlighted >= 1 && highlighted <= 6;
    for (int n = 6; n >= 1; --n) {
        Look look = Look::Normal;
        if (any)
            look = n == highlighted ? Look::Highlighted : Look::Faded;
        drawSwitch(p, n, look);
    }
    drawConnectors(p);
    p.end();
    return image;
}
