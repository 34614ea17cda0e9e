// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's test classes, run by one program.
#pragma once

#include <QObject>

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void DefaultsWithoutSettings();
    void StoredOptionsAndBestScore();
    void UnreadableOptionsOrScores_data();
    void UnreadableOptionsOrScores();
    void MissingFoldersAreReportedOnce_data();
    void MissingFoldersAreReportedOnce();
    void CoversTheAvailableScreenArea();
    void SoundOffGreysAndClearsTheSwitches();
    void ClosingRemovesTheSignalAndClosesTheDialog();
};

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

class ScreensFlowTest : public QObject {
    Q_OBJECT
private slots:
    void PauseAndQuitEndsTheGameOnce();
    void ScreensDuringPlayKeepTheGame();
    void OptionsSwitchTheMusicOnlyWhenItChanged();
    void ArrowKeysReachTheOpenScreensControl();
    void ScreenKeysAreIgnoredWhileAScreenIsOpen();
    void MenuScreensComeBackToTheMainMenu();
    void OptionsAreSaved();
    void FailedWritesAreReportedAndTheScreensGoOn();
};

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void EscRightAfterPlayPausesTheNewGame();
    void LeavingTheWindowPausesAndContinueResumes();
    void ForcedResizeIsFilledByTheNextFrame();
};
