#ifndef CONFIGFILELOAD_H
#define CONFIGFILELOAD_H

#include <QString>

// What came of reading a configuration file from disk. A file that did not load was
// either unreadable (the system says why, the file named) or read and its content
// refused; each caller puts the refusal in its own sentence, the rest is said alike.
class ConfigFileLoad
{
public:
    enum class Outcome { Loaded, Unreadable, Refused };

    static ConfigFileLoad loaded() { return ConfigFileLoad(Outcome::Loaded, QString(), QString()); }
    static ConfigFileLoad unreadable(const QString& reason)
    {
        return ConfigFileLoad(Outcome::Unreadable, QString(), reason);
    }
    // `reason` as the loader gives it: "the file ends after 32 bytes, before the name of Key 1".
    static ConfigFileLoad refused(const QString& path, const QString& reason)
    {
        return ConfigFileLoad(Outcome::Refused, path, reason);
    }

    bool isLoaded() const { return m_outcome == Outcome::Loaded; }
    Outcome outcome() const { return m_outcome; }
    // Why the file did not load, in the user's words; empty when it loaded. A refused
    // file is told in `refusal`, with %1 the file and %2 what is wrong in it.
    QString message(const QString& refusal) const;

private:
    ConfigFileLoad(Outcome outcome, const QString& path, const QString& reason)
        : m_outcome(outcome)
        , m_path(path)
        , m_reason(reason)
    {
    }

    Outcome m_outcome;
    QString m_path;
    QString m_reason;
};

#endif // CONFIGFILELOAD_H
