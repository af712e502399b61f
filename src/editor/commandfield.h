#ifndef COMMANDFIELD_H
#define COMMANDFIELD_H

#include <QByteArray>
#include <QObject>
#include <QString>

class QLineEdit;

// One command field with its byte counter: a command shown as hex digits or as
// ASCII characters, converted between the two, cleaned up while hex is typed,
// and read back as the command to store. In ASCII form the field keeps the bytes
// it was made from, so a "." stands for the byte beneath it, whatever it is.
// The field is the edit's child and goes with it; the edit gets its mask with
// the first command shown. End goes to the end of the bytes, not of the mask, and
// a keystroke the field cannot take beeps and says why.
class CommandField : public QObject
{
    Q_OBJECT

public:
    enum Format { Hex = 1, Ascii = 2 };

    CommandField(QLineEdit* edit, QLineEdit* counter);

    QLineEdit* edit() const { return m_edit; }
    QLineEdit* counter() const { return m_counter; }
    Format format() const { return m_format; }
    // The bytes behind the ASCII text; empty while the field shows hex.
    QByteArray rawBytes() const { return m_rawBytes; }

    // Shows a stored command (hex digits) in the field's form, cursor at the start.
    void showCommand(const QString& command);
    // Shows the field's content in the other form; an enabled field takes the focus
    // with the cursor behind the last byte.
    void convertTo(Format format);
    // The command to store, in stored form; in ASCII form the raw bytes are used up.
    QString takeCommand();
    // The bytes the field holds now, as takeCommand would store them; the
    // field is left as it is (a trial of a command still being edited).
    QByteArray shownBytes() const;
    // Empties the text and the counter.
    void clear();

    // The ASCII form of hex text; its bytes become the raw bytes.
    QString toAscii(const QString& hex);
    // Lays edited ASCII text over the bytes it was made from; gives hex digits.
    static QString mergeToHex(const QString& ascii, const QByteArray& backup);

public slots:
    // For the edit's textEdited: closes gaps left in typed hex and counts the bytes.
    void edited(QString text);

signals:
    // A typed character was not taken: the field is full, or the form has no place for it.
    void keystrokeRefused(const QString& reason);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Just behind the last byte shown, where typing goes on.
    int endOfBytes() const;
    QString refusalReason() const;

    QLineEdit* m_edit;
    QLineEdit* m_counter;
    Format m_format = Hex;
    QByteArray m_rawBytes;
};

#endif // COMMANDFIELD_H
