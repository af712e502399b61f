// The desktop's file type for configuration files: the installed MIME
// description, read by Qt's own shared-mime-info reader, against the bytes
// of files the editor writes.
#include "appdata.h"

#include <QBuffer>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString configType = QStringLiteral("application/x-kvr210c-config");

QByteArray freshConfiguration()
{
    ProgramRecords manager;
    manager.newData(6, 5);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return manager.saveConfigFile(&buffer) ? buffer.data() : QByteArray();
}

} // namespace

class TestMimeType : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void contentDecides_data();
    void contentDecides();
    void desktopEntryOpensTheType();

private:
    QString write(const QString& name, const QByteArray& bytes);

    QTemporaryDir m_data;
    QTemporaryDir m_files;
};

void TestMimeType::initTestCase()
{
    // Only our description, so the system's types cannot answer for it.
    QVERIFY(m_data.isValid() && m_files.isValid());
    QVERIFY(QDir(m_data.path()).mkpath("mime/packages"));
    QVERIFY(
        QFile::copy(QStringLiteral(KVR_DATA_DIR "/kvr210c-mime.xml"), m_data.filePath("mime/packages/kvr210c.xml")));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(m_data.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.filePath("home")));
    QVERIFY(QMimeDatabase().mimeTypeForName(configType).isValid());
}

QString TestMimeType::write(const QString& name, const QByteArray& bytes)
{
    QFile file(m_files.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return QString();
    }
    return file.fileName();
}

void TestMimeType::contentDecides_data()
{
    const QByteArray fresh = freshConfiguration();
    QByteArray otherVersion = fresh;
    otherVersion[2] = 2;
    QByteArray otherDevice = fresh;
    otherDevice[7] = char(0xC1);

    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isConfig");
    QTest::newRow("fresh file, no suffix") << "fresh" << fresh << true;
    QTest::newRow("fresh file, other suffix") << "fresh.bak" << fresh << true;
    QTest::newRow("fresh file, .app") << "fresh.app" << fresh << true;
    QTest::newRow("header only") << "header" << fresh.left(8) << true;
    QTest::newRow("another file version") << "version" << otherVersion << false;
    QTest::newRow("another device") << "device" << otherDevice << false;
    QTest::newRow("seven bytes") << "short" << fresh.left(7) << false;
}

void TestMimeType::contentDecides()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isConfig);
    QVERIFY(bytes.size() >= 7);
    const QString path = write(name, bytes);
    QVERIFY(!path.isEmpty());
    const QMimeDatabase db;
    QCOMPARE(db.mimeTypeForFile(path, QMimeDatabase::MatchContent).name() == configType, isConfig);
    QCOMPARE(db.mimeTypeForData(bytes).name() == configType, isConfig);
}

void TestMimeType::desktopEntryOpensTheType()
{
    const QMimeDatabase db;
    // A name alone is a weaker hint than the content, but still names the type.
    QCOMPARE(db.mimeTypeForFile(QStringLiteral("site.app"), QMimeDatabase::MatchExtension).name(), configType);

    QFile entry(QStringLiteral(KVR_DATA_DIR "/org.kvr210c.kvr210c.desktop"));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList types;
    QString exec;
    while (!entry.atEnd()) {
        const QString line = QString::fromUtf8(entry.readLine()).trimmed();
        if (line.startsWith("MimeType=")) {
            types = line.mid(9).split(';', Qt::SkipEmptyParts);
        } else if (line.startsWith("Exec=")) {
            exec = line.mid(5);
        }
    }
    QVERIFY(types.contains(configType));
    QCOMPARE(exec, QString("kvr210c %f"));
}

QTEST_GUILESS_MAIN(TestMimeType)
#include "tst_mimetype.moc"
