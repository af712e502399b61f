#ifndef LANGUAGECHOOSER_H
#define LANGUAGECHOOSER_H

#include <QObject>
#include <QString>

#include <functional>

class QActionGroup;
class QFormLayout;
class QMenu;
class QWidget;

// Setting > Language: the editor's texts and Qt's own (standard buttons and
// dialogs) in the desktop's language or one the user chose, remembered in the
// settings file. Changing it posts LanguageChange to every window, which
// retranslates what it shows.
class LanguageChooser : public QObject
{
    Q_OBJECT

public:
    // Adds the Language submenu to `settingMenu`.
    explicit LanguageChooser(QMenu* settingMenu);

    // Loads the catalogues for `language` ("" for the desktop's, "en", "de", "fr").
    static void apply(const QString& language);
    // Loads the language the settings file names; called once the application exists.
    static void applyStored();
    static QString stored();
    // Runs `setTexts` now and again whenever the language of `widget` changes: the
    // retranslation of texts a class sets in code rather than in a form.
    static void keepTranslated(QObject* widget, std::function<void()> setTexts);
    // Sets the text of the label `form` shows beside `field`, so that a row added
    // with a text can be retranslated.
    static void setRowLabel(QFormLayout* form, QWidget* field, const QString& text);

private:
    void choose(const QString& language);
    void retranslate();

    QMenu* m_menu;
    QActionGroup* m_group;
};

#endif // LANGUAGECHOOSER_H
