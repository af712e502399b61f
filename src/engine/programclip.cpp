#include "programclip.h"

#include "appdata.h"
#include "boundedread.h"
#include "commandtext.h"
#include "configjson.h"
#include "devicerecordlayout.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>

namespace ProgramClip {

namespace {

const QLatin1String KeysField("keys");
const QLatin1String KeyField("key");
const QLatin1String LinksField("links");
const QLatin1String LinkField("link");
constexpr int MaxDelay = 255;

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ProgramClip)
};

QByteArray documentWith(const ProgramRecords& records, int key, const std::function<QJsonObject(QJsonObject)>& keep)
{
    QJsonObject document = ConfigJson::toJson(records);
    QJsonArray kept;
    for (const QJsonValue& entry : document.value(KeysField).toArray()) {
        if (entry.toObject().value(KeyField).toInt() == key) {
            kept.append(keep(entry.toObject()));
        }
    }
    document.insert(KeysField, kept);
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

void copyLayer(const LinkData& from, LinkData* to)
{
    UartData uart;
    from.getUartData(&uart);
    to->setUartData(&uart);
    to->setCommand(from.getCommand());
    to->setDelayTime(from.getDelayTime());
    to->setLinkName(from.getLinkName());
}

void copyKeyRecords(const ProgramRecords& from, int fromKey, ProgramRecords* to, int toKey)
{
    for (int link = 1; link <= DeviceRecordLayout::Links; ++link) {
        const LinkData* source = from.getDataObject(fromKey, link);
        LinkData* target = to->getDataObject(toKey, link);
        if (source && target) {
            copyLayer(*source, target);
        }
    }
    const ButtonData* source = from.getButtonData(fromKey);
    ButtonData* target = to->getButtonData(toKey);
    if (!source || !target) {
        return;
    }
    target->setButtonName(source->getButtonName());
    target->setSecondLayerEnable(source->isSecondLayerEnabled());
    UartData uart;
    source->getSecondLayerUartData(&uart);
    target->setSecondLayerUartData(&uart);
    target->setSecondLayerCommand(source->getSecondLayerCommand());
    target->setSecondLayerDelayTime(source->getSecondLayerDelayTime());
}

bool isPlainHex(const QString& command)
{
    return command.size() % 2 == 0 && CommandText::normalizedHex(command) == command;
}

// What the editor's fields and the line-settings dialog can show; the JSON form
// itself lets any value of the file through as {"raw": ...}.
QString layerProblem(const QString& command, const UartData& uart, int delay)
{
    if (!isPlainHex(command)) {
        return Text::tr("the command is not a string of hex digits");
    }
    const int bytes = int(command.size() / 2);
    if (bytes > CommandText::MaxFieldBytes) {
        return Text::tr("the command is %1 bytes long; a command holds %2 at most")
            .arg(bytes)
            .arg(CommandText::MaxFieldBytes);
    }
    if (uart.baudRate < BaudRate2400 || uart.baudRate > BaudRate115200 || uart.parity < ParityNone
        || uart.parity > ParityMark || uart.dataBits < DataBits5 || uart.dataBits > DataBits8
        || uart.stopBits < StopBits1 || uart.stopBits > StopBits2) {
        return Text::tr("a line setting is out of range");
    }
    if (delay < 0 || delay > MaxDelay) {
        return Text::tr("the delay %1 is out of range (0 to %2)").arg(delay).arg(MaxDelay);
    }
    return QString();
}

QString recordProblem(const ProgramRecords& records, int key, int link)
{
    const LinkData* record = records.getDataObject(key, link);
    if (!record) {
        return QString();
    }
    UartData uart;
    record->getUartData(&uart);
    const QString problem = layerProblem(record->getCommand(), uart, record->getDelayTime());
    return problem.isEmpty() ? problem : DeviceRecordLayout::recordName(key, link) + QStringLiteral(": ") + problem;
}

QString keyProblem(const ProgramRecords& records, int key)
{
    for (int link = 1; link <= DeviceRecordLayout::Links; ++link) {
        const QString problem = recordProblem(records, key, link);
        if (!problem.isEmpty()) {
            return problem;
        }
    }
    const ButtonData* record = records.getButtonData(key);
    UartData uart;
    record->getSecondLayerUartData(&uart);
    const QString problem = layerProblem(record->getSecondLayerCommand(), uart, record->getSecondLayerDelayTime());
    return problem.isEmpty()
        ? problem
        : DeviceRecordLayout::recordName(key, DeviceRecordLayout::SecondLayer) + QStringLiteral(": ") + problem;
}

} // namespace

QByteArray copyKey(const ProgramRecords& records, int key)
{
    return documentWith(records, key, [](QJsonObject entry) { return entry; });
}

QByteArray copyRecord(const ProgramRecords& records, int key, int link)
{
    return documentWith(records, key, [link](const QJsonObject& entry) {
        QJsonArray links;
        for (const QJsonValue& value : entry.value(LinksField).toArray()) {
            if (value.toObject().value(LinkField).toInt() == link) {
                links.append(value);
            }
        }
        return QJsonObject{{KeyField, entry.value(KeyField)}, {LinksField, links}};
    });
}

Clip::Clip()
    : m_records(new ProgramRecords)
{
    m_records->newData(DeviceRecordLayout::Keys, DeviceRecordLayout::Links);
}

Clip::~Clip()
{
    delete m_records;
}

bool Clip::read(const QByteArray& text, QString* error)
{
    m_keys.clear();
    m_link = 0;
    m_records->newData(DeviceRecordLayout::Keys, DeviceRecordLayout::Links);
    if (text.size() > MaxUserFileBytes) {
        *error = Text::tr("the text is larger than %1 bytes").arg(MaxUserFileBytes);
        return false;
    }
    QString reason;
    if (!ConfigJson::fromJson(text, m_records, &reason)) {
        *error = reason;
        m_records->newData(DeviceRecordLayout::Keys, DeviceRecordLayout::Links);
        return false;
    }
    // fromJson has checked the shape; what is left is which keys and links it holds.
    const QJsonArray keys = QJsonDocument::fromJson(text).object().value(KeysField).toArray();
    for (const QJsonValue& entry : keys) {
        m_keys.append(entry.toObject().value(KeyField).toInt());
    }
    if (m_keys.isEmpty()) {
        *error = Text::tr("it holds no key");
        return false;
    }
    const QJsonObject first = keys.first().toObject();
    const QJsonArray links = first.value(LinksField).toArray();
    const bool oneRecord = m_keys.size() == 1 && first.size() == 2 && first.contains(LinksField) && links.size() == 1;
    m_kind = oneRecord ? Kind::Record : Kind::Keys;
    if (oneRecord) {
        m_link = links.first().toObject().value(LinkField).toInt();
        reason = recordProblem(*m_records, m_keys.first(), m_link);
    } else {
        for (int key : std::as_const(m_keys)) {
            reason = keyProblem(*m_records, key);
            if (!reason.isEmpty()) {
                break;
            }
        }
    }
    if (!reason.isEmpty()) {
        *error = reason;
        m_keys.clear();
        return false;
    }
    return true;
}

QList<int> Clip::keysChangedBy(int key) const
{
    if (m_kind == Kind::Keys && m_keys.size() > 1) {
        return m_keys;
    }
    return {key};
}

bool Clip::pasteOnto(ProgramRecords* target, int key, int link, QString* error) const
{
    if (m_keys.isEmpty()) {
        *error = Text::tr("there is nothing to paste");
        return false;
    }
    if (m_kind == Kind::Keys && m_keys.size() > 1) {
        for (int number : m_keys) {
            copyKeyRecords(*m_records, number, target, number);
        }
        return true;
    }
    if (!target->getButtonData(key)) {
        *error = Text::tr("choose a key to paste onto");
        return false;
    }
    if (m_kind == Kind::Keys) {
        if (link >= DeviceRecordLayout::FirstLink) {
            *error = Text::tr("it holds a key's whole program, which goes onto a key, not a link");
            return false;
        }
        copyKeyRecords(*m_records, m_keys.first(), target, key);
        return true;
    }
    LinkData* record = target->getDataObject(key, link);
    if (link < DeviceRecordLayout::FirstLink || !record) {
        *error = Text::tr("it holds one link, which goes onto a link: choose one on the Links tab");
        return false;
    }
    copyLayer(*m_records->getDataObject(m_keys.first(), m_link), record);
    return true;
}

} // namespace ProgramClip
