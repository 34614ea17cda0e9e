// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void PlayButtonTable_data();
    void PlayButtonTable();
    void ArrowKeysSteerWhateverTheModifiers();
    void WallEndsTheGame();
    void SnakeWaitsWhileAnErrorBoxIsOpen();
    void BiteEndsTheGame();
    void GameOverScoresMenuSavesTheBestScore_data();
    void GameOverScoresMenuSavesTheBestScore();
    void SpeedSetsTheStepInterval();
};
