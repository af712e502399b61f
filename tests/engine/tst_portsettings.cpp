// The PC port's line settings as the terminal holds them after the link opens
// it. A pseudo-terminal carries bytes at any speed, so only its settings show
// whether the port was set up at 9600 baud, 8 data bits, no parity, 1 stop bit.
#include "seriallink.h"

#include <QtTest>

#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

class TestPortSettings : public QObject
{
    Q_OBJECT

private slots:
    void linkOpensAt9600Baud8N1();
};

void TestPortSettings::linkOpensAt9600Baud8N1()
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0);
    QCOMPARE(::grantpt(master), 0);
    QCOMPARE(::unlockpt(master), 0);
    const QString path = QString::fromLocal8Bit(::ptsname(master));
    // Opened before the link, which then holds the terminal exclusively.
    const int terminal = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    QVERIFY(terminal >= 0);

    // Start from other settings, so that leaving them alone cannot pass. (A
    // Linux pseudo-terminal keeps 8 data bits without parity whatever it is
    // told, so there only speed, stop bits and flow control can differ.)
    termios settings{};
    QCOMPARE(::tcgetattr(terminal, &settings), 0);
    ::cfsetispeed(&settings, B19200);
    ::cfsetospeed(&settings, B19200);
    settings.c_cflag |= CSTOPB | CRTSCTS;
    settings.c_iflag |= IXON | IXOFF;
    QCOMPARE(::tcsetattr(terminal, TCSANOW, &settings), 0);

    SerialLink link;
    QVERIFY2(link.open(path), qPrintable(link.errorString()));
    QCOMPARE(::tcgetattr(terminal, &settings), 0);
    link.close();
    ::close(terminal);
    ::close(master);

    QCOMPARE(::cfgetospeed(&settings), speed_t(B9600));
    QCOMPARE(::cfgetispeed(&settings), speed_t(B9600));
    QCOMPARE(settings.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(settings.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
    QCOMPARE(settings.c_iflag & (IXON | IXOFF), tcflag_t(0));
}

QTEST_GUILESS_MAIN(TestPortSettings)
#include "tst_portsettings.moc"
