#include "pngoutput.h"

#include <QHash>
#include <QImageWriter>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

struct Cell {
    quint64 r = 0, g = 0, b = 0, count = 0;
};

} // namespace

QImage PngOutput::toPalette(const QImage& image)
{
    const QImage src = image.convertToFormat(QImage::Format_RGB32);

    QHash<QRgb, quint32> exact;
    bool fits = true;
    for (int y = 0; y < src.height() && fits; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            exact[line[x] | 0xff000000u] += 1;
            if (exact.size() > 256) {
                fits = false;
                break;
            }
        }
    }

    QList<QRgb> palette;
    if (fits) {
        for (auto it = exact.constBegin(); it != exact.constEnd(); ++it)
            palette.append(it.key());
    } else {
        // Popularity palette on 4-bit-per-channel cells; each entry is the
        // mean colour of the pixels in its cell.
        std::vector<Cell> cells(4096);
        for (int y = 0; y < src.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
            for (int x = 0; x < src.width(); ++x) {
                const QRgb c = line[x];
                const int index = ((qRed(c) >> 4) << 8) | ((qGreen(c) >> 4) << 4) | (qBlue(c) >> 4);
                Cell& cell = cells[size_t(index)];
                cell.r += quint64(qRed(c));
                cell.g += quint64(qGreen(c));
                cell.b += quint64(qBlue(c));
                cell.count += 1;
            }
        }
        std::vector<const Cell*> used;
        for (const Cell& cell : cells)
            if (cell.count)
                used.push_back(&cell);
        std::sort(used.begin(), used.end(), [](const Cell* a, const Cell* b) { return a->count > b->count; });
        if (used.size() > 256)
            used.resize(256);
        for (const Cell* cell : used)
            palette.append(qRgb(int(cell->r / cell->count), int(cell->g / cell->count), int(cell->b / cell->count)));
    }
    return src.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

bool PngOutput::save(const QImage& image, const QString& path, Kind kind, QSize expected)
{
    if (image.isNull() || image.size() != expected) {
        err() << "imagegen: " << path << ": picture is " << image.width() << "x" << image.height() << ", expected "
              << expected.width() << "x" << expected.height() << Qt::endl;
        return false;
    }

    QImage out;
    switch (kind) {
    case Kind::Rgb:
        out = image.convertToFormat(QImage::Format_RGB32);
        break;
    case Kind::Rgba:
        out = image.convertToFormat(QImage::Format_ARGB32);
        break;
    case Kind::Palette:
        out = toPalette(image);
        break;
    }

    QImageWriter writer(path, "png");
    if (!writer.write(out)) {
        err() << "imagegen: cannot write " << path << ": " << writer.errorString() << Qt::endl;
        return false;
    }
    return true;
}
