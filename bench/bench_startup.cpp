// Start-up time and memory of the editor against an empty main window of the
// same size: process start to the first painted frame (and the processor
// time used until then, which a busy machine disturbs less), runs alternating
// between the two programs, medians and ratios.
//   kvr210c-startbench [--runs N] [--editor PATH]
// --editor times another build of the editor (one without the probe fails).
// Needs a display (on a machine without one: xvfb-run -a kvr210c-startbench).
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample {
    bool ok = false;
    double ms = 0;
    double rssMb = 0;
    double cpuMs = 0;
    int width = 0;
    int height = 0;
};

// Runs one program with the probe on; the probe ends it after its first frame.
Sample runOnce(const QString& program, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KVR_STARTUP_PROBE"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 started = QDeadlineTimer::current().deadlineNSecs();
    process.start(program, args);
    Sample sample;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(2000);
        return sample;
    }
    const QList<QByteArray> words = process.readAllStandardOutput().simplified().split(' ');
    if (words.size() < 9 || words.at(0) != "first-paint") {
        return sample;
    }
    sample.ms = double(words.at(1).toLongLong() - started) / 1e6;
    sample.rssMb = double(words.at(3).toLongLong()) / (1024.0 * 1024.0);
    sample.width = words.at(5).toInt();
    sample.height = words.at(6).toInt();
    sample.cpuMs = words.at(8).toDouble();
    sample.ok = sample.ms > 0;
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    int runs = 10;
    const QStringList args = app.arguments();
    const int at = int(args.indexOf(QStringLiteral("--runs")));
    if (at > 0 && at + 1 < args.size()) {
        runs = std::clamp(args.at(at + 1).toInt(), 1, 1000);
    }
    const int editorAt = int(args.indexOf(QStringLiteral("--editor")));
    const QString editor = editorAt > 0 && editorAt + 1 < args.size() ? args.at(editorAt + 1)
                                                                      : QStringLiteral(KVR_EDITOR_PATH);
    const QString bare = QStringLiteral(KVR_BARE_WINDOW_PATH);

    // A first run of each, not counted: loads the libraries into the page
    // cache and tells the editor's window size.
    const Sample first = runOnce(editor, {});
    if (!first.ok) {
        std::fprintf(stderr, "startbench: the editor did not paint (is there a display?)\n");
        return 1;
    }
    const QStringList size = {QString::number(first.width), QString::number(first.height)};
    if (!runOnce(bare, size).ok) {
        std::fprintf(stderr, "startbench: the bare window did not paint\n");
        return 1;
    }

    std::vector<double> editorMs, bareMs, editorRss, bareRss, editorCpu, bareCpu;
    for (int i = 0; i < runs; ++i) {
        const Sample e = runOnce(editor, {});
        const Sample b = runOnce(bare, size);
        if (!e.ok || !b.ok) {
            std::fprintf(stderr, "startbench: run %d failed\n", i + 1);
            return 1;
        }
        editorMs.push_back(e.ms);
        bareMs.push_back(b.ms);
        editorRss.push_back(e.rssMb);
        bareRss.push_back(b.rssMb);
        editorCpu.push_back(e.cpuMs);
        bareCpu.push_back(b.cpuMs);
    }

    const double em = median(editorMs), bm = median(bareMs);
    const double er = median(editorRss), br = median(bareRss);
    const double ec = median(editorCpu), bc = median(bareCpu);
    out << "window " << first.width << " x " << first.height << ", " << runs << " runs each\n";
    out << QStringLiteral("start to first paint: editor %1 ms, bare window %2 ms, ratio %3\n")
               .arg(em, 0, 'f', 1)
               .arg(bm, 0, 'f', 1)
               .arg(em / bm, 0, 'f', 2);
    out << QStringLiteral("processor time:       editor %1 ms, bare window %2 ms, ratio %3\n")
               .arg(ec, 0, 'f', 1)
               .arg(bc, 0, 'f', 1)
               .arg(ec / bc, 0, 'f', 2);
    out << QStringLiteral("resident memory:      editor %1 MB, bare window %2 MB, ratio %3\n")
               .arg(er, 0, 'f', 1)
               .arg(br, 0, 'f', 1)
               .arg(er / br, 0, 'f', 2);
    return 0;
}
