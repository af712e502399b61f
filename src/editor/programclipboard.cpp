#include "programclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>

namespace ProgramClipboard {

void put(const QByteArray& clip)
{
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(MimeType), clip);
    mime->setText(QString::fromUtf8(clip));
    QGuiApplication::clipboard()->setMimeData(mime);
}

QByteArray take()
{
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime) {
        return QByteArray();
    }
    if (mime->hasFormat(QString::fromLatin1(MimeType))) {
        return mime->data(QString::fromLatin1(MimeType));
    }
    return mime->text().toUtf8();
}

} // namespace ProgramClipboard
