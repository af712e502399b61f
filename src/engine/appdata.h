#ifndef APPDATA_H
#define APPDATA_H

#include "configfileload.h"
#include "devicerecordlayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

class QIODevice;
class QFile;

// Line settings of one command. The values double as the item indices of the
// line-settings dialog, and travel as 32-bit values into the configuration file.
// The enumerations have a fixed 32-bit base so any stored value stays defined.
enum BaudRate : qint32 {
    BaudRate2400 = 0,
    BaudRate4800 = 1,
    BaudRate9600 = 2,
    BaudRate14400 = 3,
    BaudRate19200 = 4,
    BaudRate28800 = 5,
    BaudRate38400 = 6,
    BaudRate115200 = 7
};

enum Parity : qint32 { ParityNone = 0, ParityOdd = 1, ParityEven = 2, ParitySpace = 3, ParityMark = 4 };

enum DataBits : qint32 { DataBits5 = 0, DataBits6 = 1, DataBits7 = 2, DataBits8 = 3 };

enum StopBits : qint32 { StopBits1 = 0, StopBits2 = 1 };

typedef struct _UART_DATA {
    BaudRate baudRate = BaudRate9600;
    Parity parity = ParityNone;
    DataBits dataBits = DataBits8;
    StopBits stopBits = StopBits1;
} UartData;

// 9600 baud, no parity, 8 data bits, 1 stop bit.
UartData defaultUartData();
bool operator==(const UartData& a, const UartData& b);
inline bool operator!=(const UartData& a, const UartData& b)
{
    return !(a == b);
}

// The device's length byte leaves room for 247 command bytes after the 8 counted header bytes.
constexpr int MaxDeviceCommandBytes = DeviceRecordLayout::MaxCommandBytes;

// The name of a record nobody named. It is stored in the file like any name,
// so it is the same in every language of the window.
inline constexpr char DefaultRecordName[] = "Empty";

// One command entry: a key's first layer or one of its links.
class LinkData
{
public:
    LinkData(int buttonId, int linkId);
    virtual ~LinkData();

    int xId() const { return m_buttonId; }
    int yId() const { return m_linkId; }

    void setUartData(const UartData* uart);
    void getUartData(UartData* uart) const;
    void setLinkName(QString name) { m_linkName = name; }
    QString getLinkName() const { return m_linkName; }
    void setCommand(QString command) { m_command = command; }
    QString getCommand() const { return m_command; }
    void setDelayTime(int delay) { m_delayTime = delay; }
    int getDelayTime() const { return m_delayTime; }

    virtual void clear();

    // The device's byte record of the first layer, and reading one back.
    QByteArray encapsulation() const;
    void decapsulation(QByteArray record);
    // Whether the first layer's command fits a device record.
    bool fitsDeviceRecord() const;

protected:
    int m_buttonId;
    int m_linkId;
    QString m_command;
    UartData m_uartData;
    QByteArray m_encapsulationSet;
    int m_delayTime = 0;

private:
    QString m_linkName;
};

// A key's own record: its first layer, its name and a second layer.
class ButtonData : public LinkData
{
public:
    explicit ButtonData(int buttonId);

    void setButtonName(QString name) { m_buttonName = name; }
    QString getButtonName() const { return m_buttonName; }
    void setSecondLayerEnable(bool enabled) { m_secondLayerEnable = enabled; }
    bool isSecondLayerEnabled() const { return m_secondLayerEnable; }
    void setSecondLayerUartData(const UartData* uart);
    void getSecondLayerUartData(UartData* uart) const;
    void setSecondLayerCommand(QString command) { m_secondLayerCommand = command; }
    QString getSecondLayerCommand() const { return m_secondLayerCommand; }
    void setSecondLayerDelayTime(int delay) { m_secondLayerDelayTime = delay; }
    int getSecondLayerDelayTime() const { return m_secondLayerDelayTime; }

    void clear() override;

    QByteArray encapsulationSecondLayer() const;
    void decapsulationSecondLayer(QByteArray record);
    bool secondLayerFitsDeviceRecord() const;

private:
    QString m_buttonName;
    bool m_secondLayerEnable = false;
    UartData m_secondLayerUartData;
    QString m_secondLayerCommand;
    int m_secondLayerDelayTime = 0;
};

// Configuration file structures; all fields are little-endian 32-bit on disk.
typedef struct _FILE_HEADER {
    quint32 version;
    quint32 deviceId;
    qint32 maxButtonId;
    qint32 maxLinkId;
    quint32 checksum;
    quint32 reserve[3];
} FileHeader;

typedef struct _DATA_HEADER {
    qint32 xId;
    qint32 yId;
    qint32 dataSize;
    qint32 dataType;
} DataHeader;

enum DataType : qint32 {
    DT_ButtonName = 0,
    DT_UartData = 1,
    DT_Command = 2,
    DT_DelayTime = 3,
    DT_SecondLayerEnabled = 4,
    DT_SecondLayerCommand = 5,
    DT_SecondLayerUartData = 6,
    DT_SecondLayerDelayTime = 7
};

constexpr quint32 ConfigFileVersion = 0x00010001;
constexpr quint32 ConfigFileDeviceId = 0xC0000001;
constexpr int FileHeaderSize = 32;
constexpr int DataHeaderSize = 16;
// Anything larger than this in one data record is taken as a corrupt file.
constexpr int MaxDataRecordSize = 65536;

// The records of one program: every key's own record and its links, found by
// key and link number, and the configuration file. Knows nothing of windows:
// the editor's AppDataManager adds the keys on screen and the checked record.
class ProgramRecords
{
public:
    ProgramRecords();
    virtual ~ProgramRecords();
    ProgramRecords(const ProgramRecords&) = delete;
    ProgramRecords& operator=(const ProgramRecords&) = delete;

    void newData(int maxButtons, int maxLinks);
    int getMaxButtonId() const { return m_maxButtonId; }
    int getMaxLinkId() const { return m_maxLinkId; }

    LinkData* getDataObject(int xId, int yId) const;
    ButtonData* getButtonData(int xId) const;
    void resetDataObject();

    QString getButtonName(int buttonId) const;

    // Second layer by key id
    bool isSecondLayerEnabled(int id) const;
    void setSecondLayerEnable(int id, bool enabled);
    void getSecondLayerUartData(int id, UartData* out) const;
    QString getSecondLayerCommand(int id) const;

    // Display texts of line settings, such as "9600,8-N-1"
    static QString uartString(const UartData* uartData);
    QString displaySecondLayerBaudRate(int id) const;

    // Configuration file
    // The device is opened by the caller: for writing (emptied) or for reading.
    // A load that refuses its file changes nothing; `error` (when given) says why, as
    // loadError() does.
    bool saveConfigFile(QIODevice* fd);
    bool loadConfigFile(QIODevice* fd, QString* error = nullptr);
    // The same in memory: the file's bytes of these records (a snapshot to compare or
    // copy), and records from such bytes, refused as loadConfigFile refuses them.
    QByteArray configFileBytes();
    bool loadConfigFileBytes(const QByteArray& bytes, QString* error = nullptr);
    // Reads a configuration file from disk: only a regular file, bounded, never
    // waiting on a pipe or a device; the result says why it did not load.
    // `content`, when given, gets the bytes as read (for a checksum of what was loaded).
    [[nodiscard]] ConfigFileLoad loadConfigFileFrom(const QString& path, QByteArray* content = nullptr);
    // Why the last load refused its file, in the user's words ("the file ends after 32
    // bytes, before the name of Key 1"); empty after a load that succeeded.
    QString loadError() const { return m_loadError; }

    int writeDataHeader(QIODevice* fd, LinkData* dataObject, DataType dataType, int size);
    int writeStringData(QIODevice* fd, LinkData* dataObject, DataType dataType, QString data);
    int writeBoolData(QIODevice* fd, LinkData* dataObject, DataType dataType, bool data);
    int writeIntData(QIODevice* fd, LinkData* dataObject, DataType dataType, int data);
    int writeUartData(QIODevice* fd, LinkData* dataObject, DataType dataType, const UartData* uartData);
    QString readStringData(QIODevice* fd, int dataSize);
    void readUartData(QIODevice* fd, UartData* uartData);
    int readIntData(QIODevice* fd);
    bool readBoolData(QIODevice* fd);

    // Kept for completeness; the device transfer works on the records directly.
    bool loadDeviceData(QFile*) { return false; }
    bool storeDeviceData() { return false; }

private:
    QList<LinkData*> m_data;
    int m_maxButtonId = 0;
    int m_maxLinkId = 0;
    QString m_loadError;
};

#endif // APPDATA_H
