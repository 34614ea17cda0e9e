// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace zorbil {

namespace {

constexpr const char* TranslationsFolder = ":/i18n";

QString TranslationFile(const QString& language)
{
    return QString("%1/zorbil_%2.qm").arg(TranslationsFolder, language);
}

// The locale that names the messages' language, as the C library picks it.
QByteArray MessagesLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QByteArray value = qgetenv(name); !value.isEmpty())
            return value;
    return {};
}

// Qt reports a language even for the C locale ("C", or "en-US" in later
// versions): a player who set none plays in French, as before.
bool NoLanguageSet()
{
    if (!qEnvironmentVariableIsEmpty("LANGUAGE"))
        return false;
    const QByteArray locale = MessagesLocale();
    return locale.isEmpty() || locale == "C" || locale == "POSIX" || locale.startsWith("C.");
}

// The translation in the player's language, loaded once.
const QTranslator* PlayerTranslator()
{
    static QTranslator* const translator = []() -> QTranslator* {
        const QString language = PlayerLanguage();
        if (language == "fr")
            return nullptr;
        auto* loaded = new QTranslator;
        if (loaded->load(TranslationFile(language)))
            return loaded;
        delete loaded;
        return nullptr;
    }();
    return translator;
}

}  // namespace

QStringList EmbeddedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(TranslationsFolder).entryList({"zorbil_*.qm"}, QDir::Files, QDir::Name))
        languages << file.mid(7, file.size() - 10);
    return languages;
}

QString ChosenLanguage(const QStringList& uiLanguages)
{
    if (NoLanguageSet() || uiLanguages.isEmpty() || uiLanguages.first() == "C")
        return "fr";
    // "pt-BR", "pt_BR.UTF-8" or "pt-Latn-BR": the language, then the
    // territory as its last part of two capitals.
    const QStringList parts = uiLanguages.first().section('.', 0, 0).split(QRegularExpression("[-_]"));
    const QString language = parts.first().toLower();
    if (language == "fr")
        return "fr";
    const QStringList embedded = EmbeddedLanguages();
    if (parts.size() > 1 && parts.last().size() == 2) {
        if (const QString local = language + '_' + parts.last().toUpper(); embedded.contains(local))
            return local;
    }
    if (embedded.contains(language))
        return language;
    for (const QString& name : embedded)
        if (name.section('_', 0, 0) == language)
            return name;
    return "en";
}

QString PlayerLanguage()
{
    static const QString language = ChosenLanguage(QLocale::system().uiLanguages());
    return language;
}

void InstallPlayerLanguage(QCoreApplication& app)
{
    if (PlayerTranslator() == nullptr)
        return;
    // The application's own translator: the shared one outlives no
    // application object.
    auto* translator = new QTranslator(&app);
    if (translator->load(TranslationFile(PlayerLanguage())))
        QCoreApplication::installTranslator(translator);
}

QString Translated(const char* context, const char* text)
{
    if (const QTranslator* translator = PlayerTranslator())
        if (QString translated = translator->translate(context, text); !translated.isEmpty())
            return translated;
    return QString::fromUtf8(text);
}

}  // namespace zorbil
