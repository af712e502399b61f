#include "manualpages.h"

#include "devicedrawing.h"
#include "manualmarkup.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextCharFormat>
#include <QTextLayout>

using ManualMarkup::Block;
using ManualMarkup::BlockType;

namespace {

// Page geometry and type.
constexpr qreal marginX = 62;
constexpr qreal contentTop = 84;
constexpr qreal contentBottom = 1007 - 66;
constexpr qreal bodyPixels = 15;
constexpr qreal lineSpacing = 1.32;
constexpr qreal paragraphGap = 8;
constexpr qreal indent = 26;
constexpr qreal termGap = 22; // between the widest term and its description

const QColor textColour(0x22, 0x26, 0x2b);
const QColor accent(0x1d, 0x5f, 0xa8);
const QColor muted(0x6b, 0x75, 0x80);
const QString headerText = QStringLiteral("KVR210C control client");

QFont sans(qreal pixels, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qRound(pixels));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// Strips **bold** and `mono` markers, returning the plain text and the
// format ranges that the markers stood for.
QString inlineText(const QString& marked, QList<QTextLayout::FormatRange>* ranges, bool* ok)
{
    QString plain;
    int boldStart = -1, monoStart = -1;
    for (int i = 0; i < marked.size(); ++i) {
        if (marked.at(i) == QLatin1Char('`')) {
            if (monoStart < 0) {
                monoStart = int(plain.size());
            } else {
                QTextLayout::FormatRange r;
                r.start = monoStart;
                r.length = int(plain.size()) - monoStart;
                r.format.setFontFamilies({QStringLiteral("DejaVu Sans Mono")});
                r.format.setForeground(QColor(0x7a, 0x2e, 0x0e));
                ranges->append(r);
                monoStart = -1;
            }
            continue;
        }
        if (monoStart < 0 && marked.mid(i, 2) == QLatin1String("**")) {
            if (boldStart < 0) {
                boldStart = int(plain.size());
            } else {
                QTextLayout::FormatRange r;
                r.start = boldStart;
                r.length = int(plain.size()) - boldStart;
                r.format.setFontWeight(QFont::Bold);
                ranges->append(r);
                boldStart = -1;
            }
            ++i;
            continue;
        }
        plain += marked.at(i);
    }
    *ok = boldStart < 0 && monoStart < 0;
    return plain;
}

class PageWriter
{
public:
    PageWriter(QImage* image, int pageNumber, QStringList* errors)
        : m_image(image)
        , m_page(pageNumber)
        , m_errors(errors)
        , m_painter(image)
    {
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }

    void frame();
    void block(const Block& b, const Block* previous);
    void finish();

private:
    // Lays out marked text in a column and draws it (or only measures it);
    // returns its height.
    qreal text(const QString& marked, const QFont& font, const QColor& colour, qreal x, qreal width, qreal y,
               int sourceLine, bool paint = true);
    void fail(int sourceLine, const QString& what);
    void need(qreal height, int sourceLine);

    QImage* m_image;
    int m_page;
    QStringList* m_errors;
    QPainter m_painter;
    qreal m_y = contentTop;
    qreal m_lowest = contentTop; // lowest point drawn so far
    int m_firstOverflowLine = 0; // source line of the first block past the bottom
};

void PageWriter::fail(int sourceLine, const QString& what)
{
    m_errors->append(QStringLiteral("page %1, line %2: %3").arg(m_page).arg(sourceLine).arg(what));
}

void PageWriter::need(qreal height, int sourceLine)
{
    const qreal bottom = m_y + height;
    if (bottom > contentBottom && m_firstOverflowLine == 0)
        m_firstOverflowLine = sourceLine;
    m_lowest = qMax(m_lowest, bottom);
}

void PageWriter::frame()
{
    const qreal right = m_image->width() - marginX;
    m_painter.setPen(muted);
    m_painter.setFont(sans(13));
    m_painter.drawText(QRectF(marginX, 30, 400, 22), Qt::AlignLeft | Qt::AlignVCenter, headerText);
    m_painter.drawText(QRectF(right - 300, 30, 300, 22), Qt::AlignRight | Qt::AlignVCenter,
                       QStringLiteral("User manual"));
    m_painter.setPen(QPen(accent, 2));
    m_painter.drawLine(QPointF(marginX, 58), QPointF(right, 58));

    const qreal footerY = m_image->height() - 50;
    m_painter.setPen(QPen(QColor(0xc5, 0xcc, 0xd4), 1));
    m_painter.drawLine(QPointF(marginX, footerY), QPointF(right, footerY));
    m_painter.setPen(muted);
    m_painter.setFont(sans(13));
    m_painter.drawText(
        QRectF(marginX, footerY + 8, right - marginX, 22), Qt::AlignCenter,
        QStringLiteral("%1 \u2014 page %2 of %3").arg(headerText).arg(m_page).arg(ManualPages::pageCount));
}

qreal PageWriter::text(const QString& marked, const QFont& font, const QColor& colour, qreal x, qreal width, qreal y,
                       int sourceLine, bool paint)
{
    QList<QTextLayout::FormatRange> ranges;
    bool balanced = true;
    const QString plain = inlineText(marked, &ranges, &balanced);
    if (!balanced && paint)
        fail(sourceLine, QStringLiteral("unbalanced ** or ` marker"));

    QTextLayout layout(plain, font, m_image);
    layout.setFormats(ranges);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);

    const qreal step = QFontMetricsF(font, m_image).height() * lineSpacing;
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height + (step - line.height()) / 2));
        if (line.naturalTextWidth() > width + 0.5 && paint)
            fail(sourceLine, QStringLiteral("a word is wider than the column"));
        height += step;
    }
    layout.endLayout();
    if (!paint)
        return height;

    need(y + height - m_y, sourceLine);
    m_painter.setPen(colour);
    layout.draw(&m_painter, QPointF(x, y));
    return height;
}

void PageWriter::block(const Block& b, const Block* previous)
{
    const qreal left = marginX;
    const qreal width = m_image->width() - 2 * marginX;
    const QFont body = sans(bodyPixels);

    const bool listRun = previous && previous->type == b.type
        && (b.type == BlockType::Bullet || b.type == BlockType::Numbered || b.type == BlockType::Definition);
    if (previous && previous->type != BlockType::Title)
        m_y += listRun ? 3 : paragraphGap;

    switch (b.type) {
    case BlockType::Title: {
        m_y += text(b.text, sans(25, true), accent, left, width, m_y, b.line);
        m_y += 8;
        break;
    }
    case BlockType::Heading:
        m_y += 8;
        m_y += text(b.text, sans(18, true), accent, left, width, m_y, b.line);
        break;
    case BlockType::Paragraph:
        m_y += text(b.text, body, textColour, left, width, m_y, b.line);
        break;
    case BlockType::Bullet: {
        const qreal step = QFontMetricsF(body, m_image).height() * lineSpacing;
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(accent);
        m_painter.drawEllipse(QPointF(left + 9, m_y + step / 2), 3.2, 3.2);
        m_y += text(b.text, body, textColour, left + indent, width - indent, m_y, b.line);
        break;
    }
    case BlockType::Numbered: {
        text(QStringLiteral("**%1**").arg(b.label), body, accent, left, indent, m_y, b.line);
        m_y += text(b.text, body, textColour, left + indent, width - indent, m_y, b.line);
        break;
    }
    case BlockType::Definition: {
        const qreal termColumn = b.width;
        const qreal termHeight = text(QStringLiteral("**%1**").arg(b.label), body, textColour, left + 8,
                                      termColumn - 14, m_y, b.line);
        const qreal textHeight = text(b.text, body, textColour, left + termColumn, width - termColumn, m_y, b.line);
        m_y += qMax(termHeight, textHeight);
        break;
    }
    case BlockType::Note: {
        // measure first, then draw the box and the text on it
        const qreal pad = 10;
        const qreal top = m_y;
        const qreal h = text(b.text, body, textColour, left + 16, width - 16 - pad, top + pad, b.line, false);
        const QRectF box(left, top, width, h + 2 * pad);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(0xea, 0xf2, 0xfb));
        m_painter.drawRoundedRect(box, 5, 5);
        m_painter.setBrush(accent);
        m_painter.drawRect(QRectF(left, top, 4, box.height()));
        text(b.text, body, textColour, left + 16, width - 16 - pad, top + pad, b.line);
        m_y = top;
        need(box.height(), b.line);
        m_y = box.bottom();
        break;
    }
    case BlockType::Picture: {
        int highlighted = 0;
        if (b.label.startsWith(QLatin1String("sw")))
            highlighted = b.label.mid(2).toInt();
        else if (b.label != QLatin1String("main"))
            fail(b.line, QStringLiteral("unknown picture \"%1\"").arg(b.label));
        const QImage drawing = DeviceDrawing::draw(highlighted);
        const qreal w = qMin<qreal>(b.width, width);
        const qreal h = w * drawing.height() / drawing.width();
        const QRectF target(left + (width - w) / 2, m_y + 4, w, h);
        need(h + 8, b.line);
        m_painter.drawImage(target,
                            drawing.scaled(target.size().toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_painter.setPen(QPen(QColor(0xc5, 0xcc, 0xd4), 1));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(target.adjusted(-0.5, -0.5, 0.5, 0.5));
        m_y = target.bottom() + 4;
        if (!b.text.isEmpty()) {
            QFont caption = sans(14);
            caption.setItalic(true);
            m_y += 4;
            const QFontMetricsF fm(caption, m_image);
            const qreal cw = qMin(width, fm.horizontalAdvance(b.text) + 2);
            m_y += text(b.text, caption, muted, left + (width - cw) / 2, cw, m_y, b.line);
        }
        break;
    }
    }
}

void PageWriter::finish()
{
    m_painter.end();
    if (m_firstOverflowLine != 0)
        fail(m_firstOverflowLine,
             QStringLiteral("text does not fit on the page: it runs %1 px past the "
                            "bottom (%2 px free at most)")
                 .arg(qCeil(m_lowest - contentBottom))
                 .arg(qFloor(contentBottom - contentTop)));
}

// Every run of definition rows gets one term column, as wide as its widest
// term; the column width travels in the blocks' width field.
void alignDefinitionRuns(QList<Block>* blocks)
{
    const QFontMetricsF bold(sans(bodyPixels, true));
    for (int i = 0; i < blocks->size();) {
        if (blocks->at(i).type != BlockType::Definition) {
            ++i;
            continue;
        }
        int end = i;
        qreal widest = 0;
        for (; end < blocks->size() && blocks->at(end).type == BlockType::Definition; ++end)
            widest = qMax(widest, bold.horizontalAdvance(blocks->at(end).label));
        for (int k = i; k < end; ++k)
            (*blocks)[k].width = qCeil(widest + 8 + termGap);
        i = end;
    }
}

} // namespace

ManualPages::Result ManualPages::render(const QString& manualDir)
{
    Result result;
    for (int n = 1; n <= pageCount; ++n) {
        const QString path = QStringLiteral("%1/page%2.txt").arg(manualDir).arg(n);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            result.errors.append(QStringLiteral("cannot read %1").arg(path));
            continue;
        }
        const QString source = QString::fromUtf8(file.readAll());

        QStringList errors;
        QList<Block> blocks = ManualMarkup::parse(source, &errors);
        alignDefinitionRuns(&blocks);
        if (blocks.isEmpty() || blocks.first().type != BlockType::Title)
            errors.append(QStringLiteral("the page must start with a # title"));

        QImage image(size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            PageWriter writer(&image, n, &errors);
            writer.frame();
            const Block* previous = nullptr;
            for (const Block& b : blocks) {
                writer.block(b, previous);
                previous = &b;
            }
            writer.finish();
        }
        for (const QString& e : errors)
            result.errors.append(QStringLiteral("%1: %2").arg(path, e));
        result.pages.append(image);
    }
    return result;
}
