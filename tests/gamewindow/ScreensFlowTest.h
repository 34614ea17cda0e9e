// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class ScreensFlowTest : public QObject {
    Q_OBJECT
private slots:
    void PauseAndContinueKeepTheGame();
    void PauseAndQuitEndsTheGameOnce();
    void HelpOptionsScoresDuringPlayAndBack();
    void OptionsSwitchTheMusicOnlyWhenItChanged();
    void ArrowKeysReachTheOpenScreensControl();
    void ScreenKeysAreIgnoredWhileAScreenIsOpen();
    void MenuScreensComeBackToTheMainMenu();
    void OptionsAreSaved();
    void FailedWritesAreReportedAndTheScreensGoOn();
};
