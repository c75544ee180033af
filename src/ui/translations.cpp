#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>

namespace wd {

namespace {
// Qt's buttons and dialogs in the player's language, but not its texts about a
// library that failed to load: those carry the system's English reason and go
// into the game's English notices on standard error.
class QtTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        if (qstrcmp(context, "QLibrary") == 0)
            return {};
        return QTranslator::translate(context, source, disambiguation, n);
    }
};
}  // namespace

QString install_translations(const QLocale& locale)
{
    // File errors join the game's words with the system's text of an errno;
    // those messages stay English as a whole, so the system's text must too,
    // whatever the locale (level loader messages are never translated either).
    std::setlocale(LC_MESSAGES, "C");

    auto* app = QCoreApplication::instance();
    if (!app || locale.language() == QLocale::C || locale.language() == QLocale::English)
        return {};
    auto* game = new QTranslator(app);
    if (!game->load(locale, QStringLiteral("whiskerdash"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete game;
        return {};
    }
    QCoreApplication::installTranslator(game);
    // Qt's buttons in the language the game found, never in one it does not speak.
    const QString language = game->language();
    auto* qt = new QtTranslator(app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || qt->load(QStringLiteral("qtbase_") + language.section(QLatin1Char('_'), 0, 0),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

}  // namespace wd
