#ifndef ACCESSIBILITYTREE_H
#define ACCESSIBILITYTREE_H

// Walks the accessibility tree as a screen reader sees it.
#include <QAccessible>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <functional>

struct UnnamedControls {
    int checked = 0; // interactive controls seen, so an empty walk does not pass
    // "QLineEdit commandEdit", one for each control without a name, or whose
    // name is only its value (a list of rates read out as "9600").
    QStringList unnamed;
    // Names that several controls share, so none of them says which it is
    // (a field named only by its group box's title, say): "Command (3 controls)".
    QStringList repeated;
};

// The visible controls a user works under `root` that have no accessible name,
// or one that does not tell them apart.
inline UnnamedControls findUnnamedControls(QWidget* root)
{
    static const QSet<QAccessible::Role> interactive = {
        QAccessible::PushButton,   QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::SpinBox,  QAccessible::Slider,      QAccessible::PageTab,
        QAccessible::ButtonMenu,   QAccessible::Table,    QAccessible::List,        QAccessible::Tree,
    };
    UnnamedControls result;
    QMap<QString, int> names;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || node->state().invisible) {
            return;
        }
        if (interactive.contains(node->role())) {
            ++result.checked;
            // On Linux a list's own name is its current item; what it is comes from the
            // name it was given or from a label that points to it (a buddy).
            const auto labels = node->relations(QAccessible::Label);
            const auto* widget = qobject_cast<const QWidget*>(node->object());
            QString name = node->text(QAccessible::Name).trimmed();
            if (widget && !widget->accessibleName().isEmpty()) {
                name = widget->accessibleName();
            } else if (node->role() == QAccessible::ComboBox && !labels.isEmpty()) {
                name = labels.first().first->text(QAccessible::Name).trimmed();
            }
            const bool holdsValue = node->role() == QAccessible::ComboBox || node->role() == QAccessible::SpinBox
                || node->role() == QAccessible::EditableText;
            ++names[name];
            if (name.isEmpty() || (holdsValue && name == node->text(QAccessible::Value).trimmed())) {
                const QObject* object = node->object();
                const QString what = object ? QStringLiteral("%1 %2").arg(
                                         QLatin1String(object->metaObject()->className()), object->objectName())
                                            : QStringLiteral("role %1").arg(int(node->role()));
                result.unnamed << QStringLiteral("%1: \"%2\"").arg(what, name);
            }
        }
        // An editable list's typing field is part of the list, spoken with it.
        for (int i = 0; node->role() != QAccessible::ComboBox && i < node->childCount(); ++i) {
            walk(node->child(i));
        }
    };
    walk(QAccessible::queryAccessibleInterface(root));
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        if (!it.key().isEmpty() && it.value() > 1) {
            result.repeated << QStringLiteral("%1 (%2 controls)").arg(it.key()).arg(it.value());
        }
    }
    return result;
}

// What a screen reader says for `widget`.
inline QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    return node ? node->text(QAccessible::Name) : QString();
}

#endif // ACCESSIBILITYTREE_H
