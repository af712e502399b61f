#ifndef KVR210C_IMAGEGEN_PNGOUTPUT_H
#define KVR210C_IMAGEGEN_PNGOUTPUT_H

#include <QImage>
#include <QString>

// Writing the pictures. Every function checks the size it is told and
// returns false (with a message on stderr) when the picture does not match
// or cannot be written, so that a broken run never goes unnoticed.
namespace PngOutput {

enum class Kind {
    Rgb, // opaque, 8 bits per channel, no alpha
    Rgba, // 8 bits per channel with alpha
    Palette // at most 256 colours, for large mostly-flat pages
};

bool save(const QImage& image, const QString& path, Kind kind, QSize expected);

// Reduces an image to at most 256 colours. Exact when the image has no
// more than 256 distinct colours, otherwise the most used colour cells
// become the palette and every pixel takes its nearest entry.
QImage toPalette(const QImage& image);

} // namespace PngOutput

#endif
