// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void EscRightAfterPlayPausesTheNewGame();
    void LeavingTheWindowPausesAndContinueResumes();
    void ForcedResizeIsFilledByTheNextFrame();
};
