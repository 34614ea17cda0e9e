// SPDX-License-Identifier: GPL-3.0-or-later
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
