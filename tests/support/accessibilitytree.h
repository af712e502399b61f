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
    QStringList unnamed; // "QLineEdit commandEdit", one for each control without a name
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
            const QString name = node->text(QAccessible::Name).trimmed();
            ++names[name];
            if (name.isEmpty()) {
                const QObject* object = node->object();
                result.unnamed << (object ? QStringLiteral("%1 %2").arg(
                                       QLatin1String(object->metaObject()->className()), object->objectName())
                                          : QStringLiteral("role %1").arg(int(node->role())));
            }
        }
        for (int i = 0; i < node->childCount(); ++i) {
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
