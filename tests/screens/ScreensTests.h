// SPDX-License-Identifier: GPL-3.0-or-later
// The screens' test classes, run by one program.
#pragma once

#include <QObject>

class OptionsPanelTest : public QObject {
    Q_OBJECT
private slots:
    void ListsShowMatchingFilesSortedWithNothingSelected();
    void WarningLayoutAndItsUndoing();
};

class HelpPanelTest : public QObject {
    Q_OBJECT
private slots:
    void PagesInOrderStartingWithTheAboutPage();
    void HelpTextsAreExact();
    void AboutPageHasSevenLinks();
    void NotesFileIsReadEveryTimeItsPageShows();
    void MissingNotesFileIsReportedAndTheMemoKeepsItsText();
};
