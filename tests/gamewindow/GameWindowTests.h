// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's test classes, run by one program.
#pragma once

#include <QObject>

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void DefaultsWithoutSettings();
    void StoredOptionsAndBestScore_data();
    void StoredOptionsAndBestScore();
    void MissingFoldersAreReportedOnce_data();
    void MissingFoldersAreReportedOnce();
    void CoversTheAvailableScreenArea();
    void ClosingRemovesTheSignalAndClosesTheDialog();
};

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void PlayButtonTable_data();
    void PlayButtonTable();
    void ArrowKeysSteerWhateverTheModifiers();
    void WallOrBiteEndsTheGame_data();
    void WallOrBiteEndsTheGame();
    void SnakeWaitsWhileAnErrorBoxIsOpen();
    void GameOverScoresMenuSavesTheBestScore_data();
    void GameOverScoresMenuSavesTheBestScore();
    void SpeedSetsTheStepInterval();
};

class ScreensFlowTest : public QObject {
    Q_OBJECT
private slots:
    void PauseAndQuitEndsTheGameOnce();
    void ScreensDuringPlayKeepTheGame();
    void OptionsSwitchTheMusicOnlyWhenItChanged();
    void KeysWhileAScreenIsOpen();
    void MenuScreensComeBackToTheMainMenu();
    void OptionsAreSavedGreyedOnesAsOff();
    void FailedWritesAreReportedAndTheScreensGoOn();
};

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void EscRightAfterPlayPausesTheNewGame();
    void LeavingTheWindowPausesAndContinueResumes();
    void ForcedResizeIsFilledByTheNextFrame();
};
