// SPDX-License-Identifier: GPL-3.0-or-later
// The program's two kinds of modal box: the error box (title "Erreur", one
// "OK" button) and the yes/no question box titled "Avertissement". Both
// show their text in the player's language.
#pragma once

#include <string>

class QWidget;

namespace zorbil {

void ShowErrorBox(QWidget* parent, const std::string& message);

// True when the player answers "&Oui".
bool AskQuestion(QWidget* parent, const std::string& question);

}  // namespace zorbil
