#ifndef KVR210C_IMAGEGEN_MANUALPAGES_H
#define KVR210C_IMAGEGEN_MANUALPAGES_H

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// The help pages: the user manual, written in manual/page1.txt ..
// page8.txt and rendered one picture per page.
namespace ManualPages {

constexpr int pageCount = 8;
inline QSize size()
{
    return QSize(778, 1007);
}

struct Result {
    QList<QImage> pages; // one picture per page source that could be read
    QStringList errors; // missing sources, bad markup, text that does not fit
};

Result render(const QString& manualDir);

} // namespace ManualPages

#endif
