// SPDX-License-Identifier: GPL-3.0-or-later
// What the launcher tells a player when the game cannot start; the notes
// (Zorbil.txt) quote both messages. %1 is a path, %2 the system's reason.
#pragma once

#include "translations/Translatable.h"

namespace zorbil::launcher {

inline constexpr const char* FolderErrorMessage = ZORBIL_TRANSLATABLE(
    "Messages",
    "Impossible de préparer le dossier du jeu %1 (%2). Vérifiez que vous pouvez y écrire et que le disque n'est pas "
    "plein.");
inline constexpr const char* ProgramErrorMessage = ZORBIL_TRANSLATABLE(
    "Messages", "Impossible de lancer le programme du jeu %1 (%2). Réinstallez le jeu.");

}  // namespace zorbil::launcher
