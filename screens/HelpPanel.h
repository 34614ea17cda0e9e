// SPDX-License-Identifier: GPL-3.0-or-later
// The help screen: an about page, four pages of help and the notes file
// of the player's language ("Zorbil.txt" in French), read afresh every time
// its page shows.
#pragma once

#include <QPlainTextEdit>
#include <QTabWidget>

#include "screens/ScreenPanel.h"

namespace zorbil {

// The notes file of the player's language in the game folder, the French
// one when that language has none there.
QString NotesPath();

class HelpPanel : public ScreenPanel {
    Q_OBJECT
public:
    explicit HelpPanel(QWidget* parent);

    // Replaces the memo's lines with the notes file; a file that cannot be
    // opened is reported in a box titled with the application's title and
    // the memo keeps its text.
    void TabInfosSupShow();

    // The next (step 1) or previous (-1) page, round from the last to the
    // first as Ctrl+Tab does.
    void TurnPage(int step);
    // Scrolls the notes of the last page by a page down (1) or up (-1)
    // while that page shows.
    void ScrollNotes(int step);

    QTabWidget* PageControlAide;
    QWidget* TabInfosSup;
    QPlainTextEdit* Memo;
    FlatButton* MenuAideOK;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* AddPage(const char* name, const QString& caption, const char* wallpaperName, QRect wallpaperRect);
    void AddTextPages();
    void AddInfosPage();
};

}  // namespace zorbil
