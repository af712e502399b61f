#include "jsonrepeatedkey.h"

#include <QSet>

namespace {

// Only for text QJsonDocument has accepted: it does not check the grammar again.
class Walker
{
public:
    explicit Walker(const QByteArray& json)
        : m_json(json)
    {
    }

    QString run()
    {
        value(QString());
        return m_repeated;
    }

private:
    char peek() const { return m_at < m_json.size() ? m_json.at(m_at) : '\0'; }

    void skipBlanks()
    {
        while (m_at < m_json.size() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) {
            ++m_at;
        }
    }

    static QString join(const QString& path, const QString& key)
    {
        return path.isEmpty() ? key : path + QLatin1Char('.') + key;
    }

    // False once a repeat is found, which ends the walk.
    bool value(const QString& path)
    {
        skipBlanks();
        switch (peek()) {
        case '{':
            return object(path);
        case '[':
            return array(path);
        case '"':
            string();
            return true;
        default:
            // A number, true, false or null.
            while (m_at < m_json.size() && !QByteArrayView(",]} \t\r\n").contains(peek())) {
                ++m_at;
            }
            return true;
        }
    }

    bool object(const QString& path)
    {
        ++m_at;
        QSet<QString> seen;
        for (;;) {
            skipBlanks();
            if (peek() != '"') {
                ++m_at; // the closing brace of an empty object
                return true;
            }
            const QString key = string();
            if (seen.contains(key)) {
                m_repeated = join(path, key);
                return false;
            }
            seen.insert(key);
            skipBlanks();
            ++m_at; // the colon
            if (!value(join(path, key))) {
                return false;
            }
            skipBlanks();
            if (m_json.at(m_at++) == '}') {
                return true;
            }
        }
    }

    bool array(const QString& path)
    {
        ++m_at;
        skipBlanks();
        if (peek() == ']') {
            ++m_at;
            return true;
        }
        for (int index = 0;; ++index) {
            if (!value(QStringLiteral("%1[%2]").arg(path).arg(index))) {
                return false;
            }
            skipBlanks();
            if (m_json.at(m_at++) == ']') {
                return true;
            }
        }
    }

    // The string's text with its escapes decoded.
    QString string()
    {
        ++m_at;
        QString text;
        qsizetype from = m_at;
        while (peek() != '"') {
            if (peek() != '\\') {
                ++m_at;
                continue;
            }
            text += QString::fromUtf8(m_json.mid(from, m_at - from));
            const char escaped = m_json.at(m_at + 1);
            m_at += 2;
            switch (escaped) {
            case 'b':
                text += QLatin1Char('\b');
                break;
            case 'f':
                text += QLatin1Char('\f');
                break;
            case 'n':
                text += QLatin1Char('\n');
                break;
            case 'r':
                text += QLatin1Char('\r');
                break;
            case 't':
                text += QLatin1Char('\t');
                break;
            case 'u':
                text += QChar(char16_t(m_json.mid(m_at, 4).toUShort(nullptr, 16)));
                m_at += 4;
                break;
            default: // '"', '\\', '/'
                text += QLatin1Char(escaped);
                break;
            }
            from = m_at;
        }
        text += QString::fromUtf8(m_json.mid(from, m_at - from));
        ++m_at;
        return text;
    }

    const QByteArray& m_json;
    qsizetype m_at = 0;
    QString m_repeated;
};

} // namespace

QString findRepeatedJsonKey(const QByteArray& json)
{
    return Walker(json).run();
}
