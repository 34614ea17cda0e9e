// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class WallpaperTest : public QObject {
    Q_OBJECT
private slots:
    void TilesFromTopLeftCutAtEdges_data();
    void TilesFromTopLeftCutAtEdges();
    void EmptyTilePaintsNothing();
    void TransColorRepaintsOnlyOnChange();
    void FillsItsParent();
};
