#include "configfileload.h"

#include <QDir>

QString ConfigFileLoad::message(const QString& refusal) const
{
    switch (m_outcome) {
    case Outcome::Loaded:
        return QString();
    case Outcome::Unreadable:
        return m_reason;
    case Outcome::Refused:
        // Both at once: a "%2" in the path is part of its name.
        return refusal.arg(QDir::toNativeSeparators(m_path), m_reason);
    }
    return m_reason;
}
