// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace zorbil {

namespace {

constexpr const char* EnglishTranslation = ":/i18n/zorbil_en.qm";

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

bool ChosenOnce()
{
    static const bool french = FrenchChosen(QLocale::system().uiLanguages());
    return french;
}

}  // namespace

bool FrenchChosen(const QStringList& uiLanguages)
{
    if (NoLanguageSet() || uiLanguages.isEmpty())
        return true;
    const QString first = uiLanguages.first();
    return first == "C" || first.section('-', 0, 0).section('_', 0, 0).compare("fr", Qt::CaseInsensitive) == 0;
}

void InstallPlayerLanguage(QCoreApplication& app)
{
    if (ChosenOnce())
        return;
    auto* translator = new QTranslator(&app);
    if (translator->load(EnglishTranslation))
        QCoreApplication::installTranslator(translator);
}

QString Translated(const char* context, const char* text)
{
    if (!ChosenOnce()) {
        static QTranslator* const english = [] {
            auto* translator = new QTranslator;
            return translator->load(EnglishTranslation) ? translator : nullptr;
        }();
        if (english)
            if (QString translated = english->translate(context, text); !translated.isEmpty())
                return translated;
    }
    return QString::fromUtf8(text);
}

}  // namespace zorbil
