// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language, chosen once at start: the French texts of the code,
// or one of the translations the build embeds. Nothing stored depends on it.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace zorbil {

// "fr" when the first user-interface language is French, or when the
// environment sets none (no locale variable, or C, C.UTF-8, POSIX); the name
// of the embedded translation of that first language ("de", "pt_BR", ...:
// a translation for its territory first, then for its language alone, then
// any translation of the language: every Portuguese gets "pt_BR");
// "en" for every language without one. uiLanguages is what
// QLocale::system() reports.
QString ChosenLanguage(const QStringList& uiLanguages);

// The translations embedded in the program, by name ("en", "de", ...).
QStringList EmbeddedLanguages();

// The player's language, chosen once for the whole run.
QString PlayerLanguage();

// Installs the player's translation in app unless French is chosen.
void InstallPlayerLanguage(QCoreApplication& app);

// A marked text in the player's language, also where no application object
// exists to install the translation in.
QString Translated(const char* context, const char* text);

}  // namespace zorbil
