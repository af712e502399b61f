#ifndef SCALEDPICTUREPAINTER_H
#define SCALEDPICTUREPAINTER_H

#include <QObject>

class QLabel;

// Paints a frameless QLabel whose picture is scaled to fit (scaledContents) as
// QLabel itself does, but scales it afresh for each paint instead of keeping the
// scaled copy for the label's lifetime: for the device drawing that copy is half
// a megabyte, for a picture that is painted again only when it changes.
// The label keeps its pixmap() as set; only its painting is taken over.
class ScaledPicturePainter : public QObject
{
public:
    explicit ScaledPicturePainter(QLabel* label);

    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    QLabel* m_label;
};

#endif // SCALEDPICTUREPAINTER_H
