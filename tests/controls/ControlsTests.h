// SPDX-License-Identifier: GPL-3.0-or-later
// The controls' test classes, run by one program.
#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

class WallpaperTest : public QObject {
    Q_OBJECT
private slots:
    void TilesFromTopLeftCutAtEdges_data();
    void TilesFromTopLeftCutAtEdges();
    void EmptyTilePaintsNothing();
    void TransColorRepaintsOnlyOnChange();
    void FillsItsParent();
};

class LnkLabelTest : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened << url.toString(); }

private slots:
    void cleanup();
    void CreatedInCodeHasNoLinkAndBlackColours();
    void ColoursThroughHoverLeaveClickLeave();
    void EveryClickOpensTheLink();

private:
    QStringList opened;
};
