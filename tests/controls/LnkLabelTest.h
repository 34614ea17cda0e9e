// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

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
