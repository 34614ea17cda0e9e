// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language, chosen once at start: the French texts of the code,
// or their English translation. Nothing stored depends on it.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace zorbil {

// French when the first user-interface language is French, or when the
// environment sets none (no locale variable, or C, C.UTF-8, POSIX); English
// for every other language. uiLanguages is what QLocale::system() reports.
bool FrenchChosen(const QStringList& uiLanguages);

// Installs the English translation in app unless French is chosen.
void InstallPlayerLanguage(QCoreApplication& app);

// A marked text in the player's language, also where no application object
// exists to install the translation in.
QString Translated(const char* context, const char* text);

}  // namespace zorbil
