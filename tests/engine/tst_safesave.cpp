// Saving a user-chosen file: only over a regular file, and never leaving a half-written one.
#include "safesave.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstdio>
#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

QByteArray bytesOf(char fill, int size)
{
    QByteArray bytes(size, fill);
    for (int i = 0; i < size; i += 97) {
        bytes[i] = char(i / 97); // not one byte repeated, so a shifted or cut copy shows
    }
    return bytes;
}

bool chownPath(const QString& path, uid_t uid)
{
    return ::chown(QFile::encodeName(path).constData(), uid, gid_t(uid)) == 0;
}

// Root acting as another user: both effective ids, so neither the owner's nor the
// group's bits of root's folders apply. Put back when it goes out of scope.
class ActingAs
{
public:
    explicit ActingAs(uid_t uid) { m_ok = ::setegid(gid_t(uid)) == 0 && ::seteuid(uid) == 0; }
    ~ActingAs()
    {
        if (::seteuid(0) != 0 || ::setegid(0) != 0) {
            qFatal("could not become root again");
        }
    }
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
};

// A folder the user may not add a file to, holding a file the user may write. Made by
// root, the folder is root's and the file another user's; made by a user, both are theirs.
struct LockedFolder {
    QString folder;
    QString file;
};

LockedFolder lockFolder(const QString& parent, const QByteArray& content)
{
    const QString folder = parent + "/locked";
    const QString file = folder + "/old.app";
    QDir().mkpath(folder);
    QFile out(file);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(content);
    }
    out.close();
    const auto rx = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
        | QFile::ExeOther;
    if (::geteuid() == 0) {
        QFile::setPermissions(parent, rx | QFile::WriteOwner);
        QFile::setPermissions(folder, rx | QFile::WriteOwner);
        chownPath(file, Nobody);
    } else {
        QFile::setPermissions(folder, rx);
    }
    return {folder, file};
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Saves over the locked folder's file in place, as the user the folder was made for;
// says what went wrong, or nothing when all held.
QString saveInPlace(const LockedFolder& locked)
{
    if (QFile(locked.folder + "/new").open(QIODevice::WriteOnly)) {
        return "the folder takes new files";
    }
    // Longer, then shorter than the old content.
    for (const QByteArray& content : {bytesOf('L', 9000), bytesOf('s', 10)}) {
        QString error;
        if (!saveBytesSafely(locked.file, content, &error)) {
            return "in-place save failed: " + error;
        }
        if (contentOf(locked.file) != content) {
            return QString("an in-place save of %1 bytes left %2 bytes")
                .arg(content.size())
                .arg(contentOf(locked.file).size());
        }
    }
    // Asked not to write in place, the save fails at once and leaves the file.
    SafeSave strict(locked.file);
    strict.setDirectWriteFallback(false);
    if (strict.open() || contentOf(locked.file) != bytesOf('s', 10)) {
        return "a save without the fallback wrote in place";
    }
    if (QDir(locked.folder).entryList(QDir::Files) != QStringList{"old.app"}) {
        return "a file was left beside the old one";
    }
    return QString();
}

} // namespace

class TestSafeSave : public QObject
{
    Q_OBJECT

private:
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

private slots:
    void replacesARegularFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.app");
        QString error;
        QVERIFY2(saveBytesSafely(path, "first", &error), qPrintable(error));
        QVERIFY2(saveBytesSafely(path, "second", &error), qPrintable(error));
        QCOMPARE(read(path), QByteArray("second"));
        QVERIFY(error.isEmpty());
    }

    void failedWritesLeaveTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.app");
        QVERIFY(saveBytesSafely(path, "old", nullptr));

        // A writer that gives up half way, without an I/O error of its own.
        QString error;
        const auto halfWay = [](QIODevice* file) {
            file->write("new, half");
            return false;
        };
        QVERIFY(!saveSafely(path, halfWay, &error));
        QCOMPARE(read(path), QByteArray("old"));
        QVERIFY2(error.startsWith(path + ": ") && error.size() > path.size() + 2, qPrintable(error));

        // Opened, then dropped without a commit (a load that failed after the file was opened).
        {
            SafeSave save(path);
            save.setDirectWriteFallback(false);
            QVERIFY2(save.open(), qPrintable(save.errorString()));
            QCOMPARE(read(path), QByteArray("old"));
        }
        QCOMPARE(read(path), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.app"});

        // A folder that does not exist: the error names the path.
        const QString nowhere = dir.filePath("no/such/a.app");
        QVERIFY(!saveBytesSafely(nowhere, "x", &error));
        QVERIFY2(error.startsWith(nowhere + ": "), qPrintable(error));
        QVERIFY(!QFile::exists(nowhere));
    }

    void refusesAnythingButARegularFile()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("pipe.app");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString folder = dir.filePath("folder.app");
        QVERIFY(QDir().mkdir(folder));

        for (const QString& path : {fifo, folder}) {
            QString error;
            QVERIFY(!isSaveTarget(path, &error));
            QVERIFY2(error.contains(path + " is not a regular file"), qPrintable(error));
            // Refused before anything is opened: a pipe without a reader would block the open.
            QVERIFY(!saveBytesSafely(path, "x", &error));
            QVERIFY2(error.contains(path + " is not a regular file"), qPrintable(error));
        }
        QFileInfo pipe(fifo);
        QVERIFY(pipe.exists() && !pipe.isFile() && !pipe.isDir());
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(isSaveTarget(dir.filePath("new.app"), nullptr));
    }

    void inPlaceWhereTheFolderTakesNoNewFile()
    {
        QTemporaryDir dir;
        if (::geteuid() != 0) {
            const QString failure = saveInPlace(lockFolder(dir.path(), bytesOf('o', 3000)));
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            return;
        }
        // Root acting as another user, in this process.
        QVERIFY(QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther));
        const LockedFolder locked = lockFolder(dir.filePath("acting"), bytesOf('o', 3000));
        QString failure;
        {
            ActingAs user(Nobody);
            QVERIFY(user.ok());
            failure = saveInPlace(locked);
        }
        QVERIFY2(failure.isEmpty(), qPrintable(failure));

        // A process of that user alone, in a folder of its own.
        const QString own = dir.filePath("own");
        QVERIFY(QDir().mkpath(own));
        QVERIFY(chownPath(own, Nobody));
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::alarm(60);
            if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0) {
                ::_exit(3);
            }
            const QString result = saveInPlace(lockFolder(own, bytesOf('o', 3000)));
            if (!result.isEmpty()) {
                std::fprintf(stderr, "as user %u: %s\n", unsigned(Nobody), qPrintable(result));
            }
            ::_exit(result.isEmpty() ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the in-place save failed as a plain user");
    }

    void inPlaceSaveOnAFullDiskKeepsTheOldFile()
    {
        if (::geteuid() != 0) {
            QSKIP("needs root to mount a small file system");
        }
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther));
        const QString small = dir.filePath("small");
        QVERIFY(QDir().mkpath(small));
        if (::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=64k,mode=0755") != 0) {
            QSKIP(qPrintable(QString("cannot mount a tmpfs here: %1").arg(qt_error_string(errno))));
        }
        const auto unmount = qScopeGuard([&small] { ::umount2(QFile::encodeName(small).constData(), MNT_DETACH); });
        const QByteArray old = bytesOf('o', 3376);
        const LockedFolder locked = lockFolder(small, old);

        // Filled to the last byte.
        QFile filler(small + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        for (int i = 0; i < 64 && filler.write(block) == block.size(); ++i) {
        }
        for (int i = 0; i < 4096 && filler.write("f", 1) == 1; ++i) {
        }
        filler.close();
        struct statvfs fs;
        QCOMPARE(::statvfs(QFile::encodeName(small).constData(), &fs), 0);
        QCOMPARE(fs.f_bavail, fsblkcnt_t(0));

        // A new content that needs more room than the old file holds.
        const QByteArray content = bytesOf('n', 9000);
        QString error;
        const auto saveAsNobody = [&] {
            const ActingAs user(Nobody);
            return user.ok() && saveBytesSafely(locked.file, content, &error);
        };
        QVERIFY(!saveAsNobody());
        QCOMPARE(contentOf(locked.file).size(), old.size());
        QCOMPARE(contentOf(locked.file), old);
        QVERIFY2(error.startsWith(locked.file + ": ") && error.contains("not atomic")
                     && error.contains("the previous content is unchanged"),
                 qPrintable(error));

        // With room again the same save goes through.
        QVERIFY(QFile::remove(small + "/filler"));
        QVERIFY2(saveAsNobody(), qPrintable(error));
        QCOMPARE(contentOf(locked.file), content);
    }

    void rootKeepsTheOwnerOfAnotherUsersFile()
    {
        if (::geteuid() != 0) {
            QSKIP("only root can save over another user's file as that user's");
        }
        QTemporaryDir dir;
        const QString path = dir.filePath("theirs.app");
        QVERIFY(saveBytesSafely(path, "old", nullptr));
        const QByteArray name = QFile::encodeName(path);
        QCOMPARE(::chown(name.constData(), 1234, 4321), 0);
        QCOMPARE(::chmod(name.constData(), 0640), 0);

        QString error;
        QVERIFY2(saveBytesSafely(path, "new", &error), qPrintable(error));
        QCOMPARE(contentOf(path), QByteArray("new"));
        struct stat st;
        QCOMPARE(::stat(name.constData(), &st), 0);
        QCOMPARE(st.st_uid, uid_t(1234));
        QCOMPARE(st.st_gid, gid_t(4321));
        QCOMPARE(st.st_mode & 07777, mode_t(0640));

        // A new file is root's own.
        const QString fresh = dir.filePath("fresh.app");
        QVERIFY(saveBytesSafely(fresh, "x", nullptr));
        QCOMPARE(QFileInfo(fresh).ownerId(), uint(0));
    }
};

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
