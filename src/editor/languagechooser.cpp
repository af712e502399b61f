#include "languagechooser.h"
#include "settingsstore.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

namespace {

const char TranslatorName[] = "kvr210c_language";

struct Language {
    const char* code;
    // Each language is named in itself, so that one who cannot read the
    // current one still finds their own; only "System" is translated.
    const char* name;
};

const Language Languages[] = {
    {"", QT_TRANSLATE_NOOP("LanguageChooser", "System")},
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr",
     "Fran\xc3\xa7"
     "ais"},
};

void installCatalogue(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QLatin1String(TranslatorName));
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

// Lives as a child of the widget it watches, so it goes with it.
class TextsOnLanguageChange : public QObject
{
public:
    TextsOnLanguageChange(QObject* widget, std::function<void()> setTexts)
        : QObject(widget)
        , m_setTexts(std::move(setTexts))
    {
        widget->installEventFilter(this);
        m_setTexts();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::LanguageChange) {
            m_setTexts();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_setTexts;
};

} // namespace

void LanguageChooser::keepTranslated(QObject* widget, std::function<void()> setTexts)
{
    new TextsOnLanguageChange(widget, std::move(setTexts));
}

void LanguageChooser::setRowLabel(QFormLayout* form, QWidget* field, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(field))) {
        label->setText(text);
    }
}

LanguageChooser::LanguageChooser(QMenu* settingMenu)
    : QObject(settingMenu)
    , m_menu(new QMenu(settingMenu))
    , m_group(new QActionGroup(this))
{
    m_menu->setObjectName(QStringLiteral("languageMenu"));
    settingMenu->addMenu(m_menu);
    const QString current = stored();
    for (const Language& language : Languages) {
        const QString code = QLatin1String(language.code);
        auto* action = m_menu->addAction(QString::fromUtf8(language.name));
        action->setObjectName(QStringLiteral("actionLanguage_") + (code.isEmpty() ? QStringLiteral("system") : code));
        action->setData(code);
        action->setCheckable(true);
        action->setChecked(code == current);
        m_group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { choose(code); });
    }
    keepTranslated(m_menu, [this] { retranslate(); });
}

QString LanguageChooser::stored()
{
    return SettingsStore::open().value(QLatin1String(SettingsStore::LanguageKey)).toString();
}

void LanguageChooser::applyStored()
{
    apply(stored());
}

void LanguageChooser::apply(const QString& language)
{
    auto* app = QCoreApplication::instance();
    const auto installed = app->findChildren<QTranslator*>(QLatin1String(TranslatorName), Qt::FindDirectChildrenOnly);
    for (QTranslator* translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    if (language == QLatin1String("en")) {
        // The source texts are English, and so are Qt's own.
        return;
    }
    // The desktop's languages come from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, in
    // that order (QLocale::uiLanguages), which is what load() tries.
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    installCatalogue(locale, QStringLiteral("kvr210c"), QStringLiteral(":/i18n"));
    installCatalogue(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void LanguageChooser::choose(const QString& language)
{
    SettingsStore::open().setValue(QLatin1String(SettingsStore::LanguageKey), language);
    apply(language);
}

void LanguageChooser::retranslate()
{
    m_menu->setTitle(tr("&Language"));
    m_group->actions().constFirst()->setText(tr(Languages[0].name));
}
