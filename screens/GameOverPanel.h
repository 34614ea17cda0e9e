// SPDX-License-Identifier: GPL-3.0-or-later
// The screen at the end of a game.
#pragma once

#include "screens/ScreenPanel.h"

namespace zorbil {

class GameOverPanel : public ScreenPanel {
    Q_OBJECT
public:
    explicit GameOverPanel(QWidget* parent);

    FlatButton* GameOverOK;
};

}  // namespace zorbil
