// SPDX-License-Identifier: GPL-3.0-or-later
// The pause screen over an interrupted game.
#pragma once

#include "screens/ScreenPanel.h"

namespace zorbil {

class PausePanel : public ScreenPanel {
    Q_OBJECT
public:
    explicit PausePanel(QWidget* parent);

    FlatButton* MenuPauseContinuer;
    FlatButton* MenuPauseQuitter;
};

}  // namespace zorbil
