// SPDX-License-Identifier: GPL-3.0-or-later
// The scores screen: the score of the current or last game and the best one.
#pragma once

#include <cstdint>

#include "screens/ScreenPanel.h"

namespace zorbil {

class ScoresPanel : public ScreenPanel {
    Q_OBJECT
public:
    explicit ScoresPanel(QWidget* parent);

    void ShowScore(int32_t score);
    void ShowBestScore(int32_t best);

    QLabel* ScoreNb;
    QLabel* TopScoreNb;
    FlatButton* MenuScoresOK;
};

}  // namespace zorbil
