// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class HelpPanelTest : public QObject {
    Q_OBJECT
private slots:
    void PagesInOrderStartingWithTheAboutPage();
    void HelpTextsAreExact();
    void AboutPageHasSevenLinks();
    void NotesFileIsReadEveryTimeItsPageShows();
    void MissingNotesFileIsReportedAndTheMemoKeepsItsText();
};
