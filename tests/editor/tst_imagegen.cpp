// The committed pictures (images/, data/icons/) against what the picture
// generator draws now: the same files, the same sizes and kinds, the same
// pixels. PNG writing is byte-stable, but antialiased edges of the RGBA icons
// can round one step differently between machines, so a channel may be off by
// one; anything more is a drawing, a manual page or a font that changed
// without the pictures being redrawn.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int Tolerance = 1;

struct Folder {
    const char* committed;
    const char* drawn;
};
const Folder folders[] = {{"images", "images"}, {"data/icons", "icons"}};

int channelDifference(QRgb a, QRgb b)
{
    return qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))),
                qMax(qAbs(qBlue(a) - qBlue(b)), qAbs(qAlpha(a) - qAlpha(b))));
}

} // namespace

class TestImageGen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void committedPictureIsDrawn_data();
    void committedPictureIsDrawn();

private:
    QTemporaryDir m_out;
};

void TestImageGen::initTestCase()
{
    QVERIFY(m_out.isValid());
    QProcess generator;
    generator.setProcessChannelMode(QProcess::MergedChannels);
    generator.start(QStringLiteral(KVR_IMAGEGEN_PATH),
                    {m_out.filePath("images"), "--icons", m_out.filePath("icons"), "--manual",
                     QStringLiteral(KVR_SOURCE_DIR "/tools/imagegen/manual")});
    QVERIFY2(generator.waitForFinished(240000), "the picture generator did not finish");
    const QByteArray output = generator.readAll();
    QVERIFY2(generator.exitStatus() == QProcess::NormalExit && generator.exitCode() == 0, output.constData());
}

void TestImageGen::committedPictureIsDrawn_data()
{
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("drawn");
    for (const Folder& folder : folders) {
        const QDir committed(QStringLiteral(KVR_SOURCE_DIR "/") + folder.committed);
        const QDir drawn(m_out.filePath(folder.drawn));
        // Both lists: a picture no longer drawn is as stale as one drawn differently.
        QStringList names = committed.entryList({"*.png"}, QDir::Files) + drawn.entryList({"*.png"}, QDir::Files);
        names.removeDuplicates();
        names.sort();
        QVERIFY2(!names.isEmpty(), folder.committed);
        for (const QString& name : names) {
            QTest::newRow(qPrintable(QString::fromLatin1(folder.committed) + '/' + name))
                << committed.filePath(name) << drawn.filePath(name);
        }
    }
}

void TestImageGen::committedPictureIsDrawn()
{
    QFETCH(QString, committed);
    QFETCH(QString, drawn);
    QVERIFY2(QFileInfo::exists(committed), "drawn, but not committed");
    QVERIFY2(QFileInfo::exists(drawn), "committed, but no longer drawn");

    const QImage a(committed);
    const QImage b(drawn);
    QVERIFY(!a.isNull() && !b.isNull());
    QCOMPARE(a.size(), b.size());
    QCOMPARE(a.hasAlphaChannel(), b.hasAlphaChannel());
    QCOMPARE(a.format() == QImage::Format_Indexed8, b.format() == QImage::Format_Indexed8);

    const QImage pa = a.convertToFormat(QImage::Format_ARGB32);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    QPoint where;
    for (int y = 0; y < pa.height(); ++y) {
        const QRgb* la = reinterpret_cast<const QRgb*>(pa.constScanLine(y));
        const QRgb* lb = reinterpret_cast<const QRgb*>(pb.constScanLine(y));
        for (int x = 0; x < pa.width(); ++x) {
            const int d = channelDifference(la[x], lb[x]);
            if (d > worst) {
                worst = d;
                where = QPoint(x, y);
            }
        }
    }
    QVERIFY2(worst <= Tolerance,
             qPrintable(QStringLiteral("pixel (%1, %2) differs by %3; redraw the pictures with kvr210c-imagegen")
                            .arg(where.x())
                            .arg(where.y())
                            .arg(worst)));
}

QTEST_GUILESS_MAIN(TestImageGen)
#include "tst_imagegen.moc"
