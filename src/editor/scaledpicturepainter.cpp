#include "scaledpicturepainter.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

ScaledPicturePainter::ScaledPicturePainter(QLabel* label)
    : QObject(label)
    , m_label(label)
{
    label->installEventFilter(this);
}

bool ScaledPicturePainter::eventFilter(QObject* obj, QEvent* e)
{
    // Anything else (text, a picture shown at its own size, a frame) QLabel paints itself.
    if (obj != m_label || e->type() != QEvent::Paint || !m_label->hasScaledContents() || m_label->pixmap().isNull()
        || m_label->frameShape() != QFrame::NoFrame) {
        return false;
    }
    QRect area = m_label->contentsRect();
    const int margin = m_label->margin();
    area.adjust(margin, margin, -margin, -margin);
    const qreal ratio = m_label->devicePixelRatio();
    // The same scaling QLabel applies, so the label looks exactly as it would.
    QPixmap picture = QPixmap::fromImage(
        m_label->pixmap().toImage().scaled(area.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(ratio);
    QStyle* style = m_label->style();
    if (!m_label->isEnabled()) {
        QStyleOption option;
        option.initFrom(m_label);
        picture = style->generatedIconPixmap(QIcon::Disabled, picture, &option);
    }
    QPainter painter(m_label);
    style->drawItemPixmap(&painter, area,
                          int(QStyle::visualAlignment(m_label->layoutDirection(), m_label->alignment())), picture);
    return true;
}
