// The embedded pictures: every path the windows and dialogs open must exist
// with the size the forms are laid out for, and the switch pictures must
// really highlight the switch that the selected key stands for.

#include <QImage>
#include <QString>
#include <QtTest>

#include <array>

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void picturesExistWithTheirSize_data();
    void picturesExistWithTheirSize();
    void deviceDrawingsAreOpaque();
    void highlightPicturesDifferFromMainAndEachOther();
    void highlightsRunFromSw6OnTheLeftToSw1OnTheRight();
    void helpPagesAreDistinct();

private:
    static QImage load(const QString& path);
    static QString switchPicture(int n) { return QStringLiteral(":/images/KVR210C-sw%1.png").arg(n); }
};

QImage TestResources::load(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

void TestResources::picturesExistWithTheirSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    const QSize device(567, 397);
    QTest::newRow("main") << QStringLiteral(":/images/KVR210C-Main.png") << device;
    for (int n = 1; n <= 6; ++n)
        QTest::addRow("sw%d", n) << switchPicture(n) << device;

    QTest::newRow("appicon") << QStringLiteral(":/images/appicon.png") << QSize(32, 32);
    QTest::newRow("uart") << QStringLiteral(":/images/uart.png") << QSize(99, 99);
    QTest::newRow("name") << QStringLiteral(":/images/name.png") << QSize(160, 128);
    QTest::newRow("qicon") << QStringLiteral(":/images/qicon.png") << QSize(64, 64);
    QTest::newRow("question") << QStringLiteral(":/images/question.png") << QSize(225, 225);
    QTest::newRow("done") << QStringLiteral(":/images/done.png") << QSize(138, 137);
    QTest::newRow("help") << QStringLiteral(":/images/help.png") << QSize(256, 256);
    for (int n = 1; n <= 8; ++n)
        QTest::addRow("help_%d", n) << QStringLiteral(":/images/help_%1.png").arg(n) << QSize(778, 1007);
}

void TestResources::picturesExistWithTheirSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(" is missing or unreadable")));
    QCOMPARE(image.size(), size);
}

void TestResources::deviceDrawingsAreOpaque()
{
    // The image frame stretches them over its whole area; a transparent
    // picture would let the frame show through.
    QStringList paths{QStringLiteral(":/images/KVR210C-Main.png")};
    for (int n = 1; n <= 6; ++n)
        paths << switchPicture(n);
    for (const QString& path : paths)
        QVERIFY2(!QImage(path).hasAlphaChannel(), qPrintable(path));
}

void TestResources::highlightPicturesDifferFromMainAndEachOther()
{
    const QImage main = load(QStringLiteral(":/images/KVR210C-Main.png"));
    std::array<QImage, 7> sw;
    for (int n = 1; n <= 6; ++n) {
        sw[n] = load(switchPicture(n));
        QCOMPARE(sw[n].size(), main.size());
        QVERIFY2(sw[n] != main, qPrintable(switchPicture(n) + QStringLiteral(" equals the main picture")));
        for (int m = 1; m < n; ++m)
            QVERIFY2(sw[n] != sw[m], qPrintable(QStringLiteral("sw%1 equals sw%2").arg(n).arg(m)));
    }
}

void TestResources::highlightsRunFromSw6OnTheLeftToSw1OnTheRight()
{
    // In picture k only switch k looks different from all five other
    // highlight pictures; the mean column of those pixels locates it.
    std::array<QImage, 7> sw;
    for (int n = 1; n <= 6; ++n)
        sw[n] = load(switchPicture(n));

    std::array<double, 7> column{};
    const int w = sw[1].width();
    const int h = sw[1].height();
    for (int k = 1; k <= 6; ++k) {
        double sum = 0;
        qint64 count = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QRgb c = sw[k].pixel(x, y);
                bool unique = true;
                for (int j = 1; j <= 6 && unique; ++j)
                    unique = j == k || sw[j].pixel(x, y) != c;
                if (unique) {
                    sum += x;
                    ++count;
                }
            }
        }
        QVERIFY2(count > 0, qPrintable(QStringLiteral("sw%1 highlights nothing of its own").arg(k)));
        column[k] = sum / double(count);
    }
    for (int k = 1; k < 6; ++k)
        QVERIFY2(column[k] > column[k + 1],
                 qPrintable(QStringLiteral("SW-%1 (x=%2) is not right of SW-%3 (x=%4)")
                                .arg(k)
                                .arg(column[k])
                                .arg(k + 1)
                                .arg(column[k + 1])));
}

void TestResources::helpPagesAreDistinct()
{
    std::array<QImage, 9> page;
    for (int n = 1; n <= 8; ++n) {
        page[n] = load(QStringLiteral(":/images/help_%1.png").arg(n));
        for (int m = 1; m < n; ++m)
            QVERIFY2(page[n] != page[m], qPrintable(QStringLiteral("help_%1 equals help_%2").arg(n).arg(m)));
    }
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
