// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: the game's name between two donuts and five buttons.
#pragma once

#include "screens/ScreenPanel.h"

namespace zorbil {

class MainMenuPanel : public ScreenPanel {
    Q_OBJECT
public:
    explicit MainMenuPanel(QWidget* parent);

    FlatButton* BtnJouer;
    FlatButton* BtnScores;
    FlatButton* BtnAide;
    FlatButton* BtnOptions;
    FlatButton* BtnQuitter;
};

}  // namespace zorbil
