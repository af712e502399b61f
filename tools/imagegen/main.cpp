// kvr210c-imagegen: draws every picture of the "application" resource
// collection into one directory (default "images").
//
//   kvr210c-imagegen [output-dir] [--manual manual-dir] [--icons icon-dir] [--draft]
//
// The application icon for the desktop's icon theme goes to icon-dir
// (default "data/icons") as kvr210c-<size>.png.
//
// Exits with 1 when a picture cannot be made or written, or when a manual
// page does not fit on its page. --draft writes the help pages even then,
// so that an overflowing page can be looked at (the exit status stays 1).

#include "devicedrawing.h"
#include "icons.h"
#include "manualpages.h"
#include "pngoutput.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#ifndef KVR210C_MANUAL_DIR
#define KVR210C_MANUAL_DIR "manual"
#endif

namespace {

struct Options {
    QString outputDir = QStringLiteral("images");
    QString manualDir = QStringLiteral(KVR210C_MANUAL_DIR);
    QString iconDir = QStringLiteral("data/icons");
    bool draft = false;
    bool ok = true;
};

Options parseArguments(const QStringList& args)
{
    Options options;
    bool haveOutput = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--manual") && i + 1 < args.size()) {
            options.manualDir = args.at(++i);
        } else if (a == QLatin1String("--icons") && i + 1 < args.size()) {
            options.iconDir = args.at(++i);
        } else if (a == QLatin1String("--draft")) {
            options.draft = true;
        } else if (!a.startsWith(QLatin1String("--")) && !haveOutput) {
            options.outputDir = a;
            haveOutput = true;
        } else {
            options.ok = false;
        }
    }
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    // Needs no display: drawing happens on QImage only.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextStream err(stderr);
    QTextStream out(stdout);

    const Options options = parseArguments(app.arguments());
    if (!options.ok) {
        err << "usage: kvr210c-imagegen [output-dir] [--manual manual-dir] [--icons icon-dir] [--draft]" << Qt::endl;
        return 2;
    }
    for (const QString& path : {options.outputDir, options.iconDir}) {
        if (!QDir().mkpath(path)) {
            err << "imagegen: cannot create " << path << Qt::endl;
            return 1;
        }
    }

    using PngOutput::Kind;
    const QDir dir(options.outputDir);
    int failures = 0;
    int written = 0;
    auto save = [&](const QImage& image, const QString& name, Kind kind, QSize size) {
        if (PngOutput::save(image, dir.filePath(name), kind, size))
            ++written;
        else
            ++failures;
    };

    const QSize device = DeviceDrawing::size();
    save(DeviceDrawing::draw(0), QStringLiteral("KVR210C-Main.png"), Kind::Rgb, device);
    for (int n = 1; n <= 6; ++n)
        save(DeviceDrawing::draw(n), QStringLiteral("KVR210C-sw%1.png").arg(n), Kind::Rgb, device);

    save(Icons::appIcon(), QStringLiteral("appicon.png"), Kind::Rgba, QSize(32, 32));
    save(Icons::uart(), QStringLiteral("uart.png"), Kind::Rgba, QSize(99, 99));
    save(Icons::nameCard(), QStringLiteral("name.png"), Kind::Rgba, QSize(160, 128));
    save(Icons::questionIcon(), QStringLiteral("qicon.png"), Kind::Rgba, QSize(64, 64));
    save(Icons::question(), QStringLiteral("question.png"), Kind::Rgba, QSize(225, 225));
    save(Icons::done(), QStringLiteral("done.png"), Kind::Rgba, QSize(138, 137));
    save(Icons::lifeBuoy(), QStringLiteral("help.png"), Kind::Rgba, QSize(256, 256));

    const QDir iconDir(options.iconDir);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        if (PngOutput::save(Icons::appIcon(size), iconDir.filePath(QStringLiteral("kvr210c-%1.png").arg(size)),
                            Kind::Rgba, QSize(size, size)))
            ++written;
        else
            ++failures;
    }

    const ManualPages::Result manual = ManualPages::render(options.manualDir);
    for (const QString& e : manual.errors)
        err << "imagegen: " << e << Qt::endl;
    const bool complete = manual.errors.isEmpty() && manual.pages.size() == ManualPages::pageCount;
    if (!complete)
        ++failures;
    if (complete || options.draft) {
        for (int i = 0; i < manual.pages.size(); ++i)
            save(manual.pages.at(i), QStringLiteral("help_%1.png").arg(i + 1), Kind::Palette, ManualPages::size());
    }

    out << "imagegen: " << written << " pictures written to " << dir.absolutePath() << Qt::endl;
    return failures == 0 ? 0 : 1;
}
