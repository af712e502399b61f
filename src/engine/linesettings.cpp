#include "linesettings.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <iterator>
#include <string_view>

namespace {

constexpr qint32 Bauds[] = {2400, 4800, 9600, 14400, 19200, 28800, 38400, 115200};
constexpr char ParityLetters[] = "NOESM";

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LineSettings)
};

} // namespace

namespace LineSettings {

bool toLine(const UartData& uart, SerialLink::Line* line)
{
    static const QSerialPort::Parity parities[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                   QSerialPort::EvenParity, QSerialPort::SpaceParity,
                                                   QSerialPort::MarkParity};
    if (uart.baudRate < BaudRate2400 || uart.baudRate > BaudRate115200 || uart.parity < ParityNone
        || uart.parity > ParityMark || uart.dataBits < DataBits5 || uart.dataBits > DataBits8
        || (uart.stopBits != StopBits1 && uart.stopBits != StopBits2)) {
        return false;
    }
    line->baudRate = Bauds[uart.baudRate];
    line->parity = parities[uart.parity];
    line->dataBits = QSerialPort::DataBits(QSerialPort::Data5 + int(uart.dataBits));
    line->stopBits = uart.stopBits == StopBits2 ? QSerialPort::TwoStop : QSerialPort::OneStop;
    return true;
}

QList<qint32> baudRates()
{
    return QList<qint32>(std::begin(Bauds), std::end(Bauds));
}

QStringList parityNames()
{
    return {QStringLiteral("none"), QStringLiteral("odd"), QStringLiteral("even"), QStringLiteral("space"),
            QStringLiteral("mark")};
}

QString toText(const UartData& uart)
{
    return ProgramRecords::uartString(&uart);
}

bool fromText(const QString& text, UartData* uart, QString* error)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,6}),([5-8])-([NOESMnoesm])-([12])$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    const auto fail = [&](const QString& why) {
        *error = Text::tr("\"%1\": %2").arg(text, why);
        return false;
    };
    if (!match.hasMatch()) {
        return fail(Text::tr("line settings are written as BAUD,DATA-PARITY-STOP, such as "
                             "9600,8-N-1 (parity N, O, E, S or M)"));
    }
    const qint32 baud = match.captured(1).toInt();
    int baudIndex = -1;
    for (int i = 0; i < int(std::size(Bauds)); ++i) {
        if (Bauds[i] == baud) {
            baudIndex = i;
        }
    }
    if (baudIndex < 0) {
        return fail(Text::tr("the baud rate is one of 2400, 4800, 9600, 14400, 19200, 28800, "
                             "38400 and 115200"));
    }
    UartData out;
    out.baudRate = BaudRate(baudIndex);
    out.dataBits = DataBits(match.captured(2).toInt() - 5);
    out.parity = Parity(qsizetype(std::string_view(ParityLetters).find(match.captured(3).toUpper().at(0).toLatin1())));
    out.stopBits = match.captured(4) == QLatin1String("2") ? StopBits2 : StopBits1;
    *uart = out;
    return true;
}

QString deviceKeeps()
{
    return Text::tr("The device keeps a command's baud rate and parity, not its data bits and "
                    "stop bits.");
}

QString deviceMayNotSend(const UartData& uart)
{
    if (uart.dataBits == DataBits8 && uart.stopBits == StopBits1) {
        return QString();
    }
    const int dataBits = int(uart.dataBits) + 5;
    const int stopBits = uart.stopBits == StopBits2 ? 2 : 1;
    return Text::tr("The device keeps only the baud rate and parity of a command: it may not "
                    "send this one with %1 data bits and %2 stop %3.")
        .arg(dataBits)
        .arg(stopBits)
        .arg(stopBits == 1 ? Text::tr("bit") : Text::tr("bits"));
}

} // namespace LineSettings
