#ifndef KVR210C_IMAGEGEN_DEVICEDRAWING_H
#define KVR210C_IMAGEGEN_DEVICEDRAWING_H

#include <QImage>
#include <QSize>

namespace DeviceDrawing {

// Size of the device pictures; the main window stretches them into its
// 431 x 341 image frame, so every picture must keep this framing.
inline QSize size()
{
    return QSize(567, 397);
}

// The device with its six switch inputs (SW-6 ... SW-1 from left to right),
// the push switch wired to each input and the three connectors on the right.
// highlighted = 1..6 draws that switch and its wire in the accent colour and
// fades the other five; any other value draws all six alike.
QImage draw(int highlighted);

} // namespace DeviceDrawing

#endif
