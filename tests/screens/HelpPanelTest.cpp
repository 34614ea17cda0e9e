// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreensTests.h"

#include <QLabel>
#include <QTabBar>
#include <QTest>

#include "support/MessageBoxWatcher.h"
#include "config/GameFolder.h"
#include "controls/LnkLabel.h"
#include "screens/HelpPanel.h"
#include "shared/Title.h"
#include "support/TempGameFolder.h"

using namespace zorbil;
using zorbil::test::MessageBoxWatcher;
using zorbil::test::TempGameFolder;

namespace {

// A window with the help screen open on it.
struct HelpScreen {
    QWidget window;
    HelpPanel* panel;
    HelpScreen() : panel(new HelpPanel(&window))
    {
        window.resize(640, 480);
        panel->setGeometry(0, 0, 640, 480);
        window.show();
        panel->ShowPanel();
    }
    QString LabelText(const char* name) const { return panel->findChild<QLabel*>(name)->text(); }
};

constexpr int InfosPage = 5;

}  // namespace

void HelpPanelTest::PagesInOrderStartingWithTheAboutPage()
{
    HelpScreen help;
    QTabWidget* tabs = help.panel->PageControlAide;
    const QStringList captions{"A propos",      "Principes du jeu",     "Les menus",
                               "Les commandes", "Textures et musiques", "Infos complémentaires (Zorbil.txt)"};
    QCOMPARE(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i)
        QCOMPARE(tabs->tabText(i), captions[i]);
    QCOMPARE(tabs->currentWidget()->objectName(), QString("TabAbout"));
    // The selected page stays between two visits.
    tabs->setCurrentIndex(3);
    help.panel->HidePanel();
    help.panel->ShowPanel();
    QCOMPARE(tabs->currentIndex(), 3);

    // A click on a tab gives the pages the keyboard: Ctrl+Tab and
    // Ctrl+Shift+Tab then move through them.
    help.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&help.window));
    help.window.setFocus();  // the keyboard elsewhere, as during a game
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    QCOMPARE(tabs->currentIndex(), 1);
    QTest::keyClick(help.window.windowHandle(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 2);
    QTest::keyClick(help.window.windowHandle(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(help.window.windowHandle(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs->currentIndex(), 0);
}

void HelpPanelTest::HelpTextsAreExact()
{
    HelpScreen help;
    int labels = 0;
    for (const char* page : {"TabIntro", "TabMenus", "TabCommandes", "TabTexMus"})
        labels += static_cast<int>(
            help.panel->findChild<QWidget*>(page)->findChildren<QLabel*>(Qt::FindDirectChildrenOnly).size());
    QCOMPARE(labels, 9 + 8 + 8 + 10);

    QCOMPARE(help.LabelText("LabelAide9"),
             QString("Lisez les paragraphes suivants pour connaitre comment maîtriser le jeu, ou si vous vous sentez "
                     "fin prêt(e) pour vous lancer au défi de battre le meilleur score actuel, bonne chance !"));
    QCOMPARE(help.LabelText("LabelAideM6"), QString("* Quitte le jeu et revient au bureau."));
    QCOMPARE(help.LabelText("LabelAideC1"),
             QString("Les commandes nécéssaires pour diriger Zorbil sont très simples à retenir : vous utilisez les "
                     "quatres touches fléchées pour faire avancer Zorbil en bas, en haut, à gauche et à droite."));
    QCOMPARE(help.LabelText("LabelAideT8"),
             QString("* les modules *.mod (Protracker), *.s3m (Screamtracker), *.xm (FastTracker), *.it (Impulse "
                     "Tracker), *.mid (Midi)."));
    QCOMPARE(help.LabelText("LabelAideT10"),
             QString("Remarques : Le jeu détecte tout seul le format de fichier utilisé. Il est préférable "
                     "d'utiliser des fichiers musicaux en 44,1 KHz maximum, étant donné que le jeu ne vous autorise "
                     "pas à choisir une fréquence de lecture de plus de 44100 Hz."));
    QCOMPARE(help.LabelText("LabelAideTxt"),
             QString("N'hésitez surtout pas à lire le fichier Zorbil.txt. Il contient bien plus de renseignements que "
                     "ceux donnés ici, comme des explications pour configurer la carte son ou des avertissements "
                     "importants sur les messages d'erreur qui peuvent parfois s'afficher."));

    // Each text wraps within its width and ends above the next one.
    for (const char* page : {"TabIntro", "TabMenus", "TabCommandes", "TabTexMus"}) {
        QList<QLabel*> list = help.panel->findChild<QWidget*>(page)->findChildren<QLabel*>();
        std::sort(list.begin(), list.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
        for (int i = 0; i + 1 < list.size(); ++i)
            QVERIFY2(list[i]->geometry().bottom() < list[i + 1]->y() + 2, qPrintable(list[i]->objectName()));
    }
}

void HelpPanelTest::AboutPageHasSevenLinks()
{
    HelpScreen help;
    const QList<TLnkLabel*> links = help.panel->findChild<QWidget*>("TabAbout")->findChildren<TLnkLabel*>();
    QCOMPARE(links.size(), 7);
    for (TLnkLabel* l : links) {
        QVERIFY(!l->Link.isEmpty());
        QCOMPARE(l->FontColor(), QColor(0, 0, 255));
        QCOMPARE(l->EnterFontColor, QColor(255, 0, 0));
        QCOMPARE(l->VisitedColor, QColor(128, 0, 128));
        QVERIFY(l->font().underline() && l->font().bold());
        QVERIFY2(l->geometry().right() < 620, qPrintable(l->objectName()));
    }
    QVERIFY(help.panel->findChild<TLnkLabel*>("LnkLabelZorbil"));
}

void HelpPanelTest::NotesFileIsReadEveryTimeItsPageShows()
{
    TempGameFolder game;
    SetGameFolder(game.str());
    game.write("/Zorbil.txt", "Première ligne\nDeuxième ligne\n");
    HelpScreen help;
    MessageBoxWatcher boxes;
    QCOMPARE(help.panel->Memo->toPlainText(), QString("Memo"));
    help.panel->PageControlAide->setCurrentIndex(InfosPage);
    QTRY_COMPARE(help.panel->Memo->toPlainText(), QString("Première ligne\nDeuxième ligne\n"));

    // Edited while the game runs: the next showing has the new text, also
    // when the screen opens again on that page.
    game.write("/Zorbil.txt", "Version deux");
    help.panel->PageControlAide->setCurrentIndex(0);
    help.panel->PageControlAide->setCurrentIndex(InfosPage);
    QTRY_COMPARE(help.panel->Memo->toPlainText(), QString("Version deux"));
    game.write("/Zorbil.txt", "Version trois");
    help.panel->HidePanel();
    help.panel->ShowPanel();
    QTRY_COMPARE(help.panel->Memo->toPlainText(), QString("Version trois"));

    // Notes saved by an old editor in Latin-1 keep their accents.
    game.write("/Zorbil.txt", "R\xE9glages");
    help.panel->PageControlAide->setCurrentIndex(0);
    help.panel->PageControlAide->setCurrentIndex(InfosPage);
    QTRY_COMPARE(help.panel->Memo->toPlainText(), QString("Réglages"));
    QVERIFY(boxes.boxes.isEmpty());
}

void HelpPanelTest::MissingNotesFileIsReportedAndTheMemoKeepsItsText()
{
    TempGameFolder game;
    SetGameFolder(game.str());
    HelpScreen help;
    MessageBoxWatcher boxes;
    help.panel->PageControlAide->setCurrentIndex(InfosPage);
    QTRY_COMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].title, QString(ApplicationTitle));
    QCOMPARE(boxes.boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes.boxes[0].text, QString::fromStdString("Impossible d'ouvrir le fichier " + game.str() + "/Zorbil.txt."));
    QCOMPARE(help.panel->Memo->toPlainText(), QString("Memo"));
    QCOMPARE(help.panel->PageControlAide->currentIndex(), InfosPage);

    help.panel->PageControlAide->setCurrentIndex(1);
    help.panel->PageControlAide->setCurrentIndex(InfosPage);
    QTRY_COMPARE(boxes.boxes.size(), 2);  // every showing tries again
    QCOMPARE(help.panel->Memo->toPlainText(), QString("Memo"));
}
