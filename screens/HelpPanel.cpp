// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/HelpPanel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTabBar>

#include "config/GameFolder.h"
#include "screens/AboutPage.h"
#include "screens/Fonts.h"
#include "screens/HelpTexts.h"
#include "shared/DataPaths.h"
#include "assets/Artwork.h"

namespace zorbil {

QString NotesPath()
{
    const QString own =
        QString::fromStdString(GamePath(QCoreApplication::translate("HelpPanel", NotesFileTail).toStdString()));
    // A language without notes of its own in the game folder reads the French ones.
    return QFile::exists(own) ? own : QString::fromStdString(GamePath(NotesFileTail));
}

namespace {

// The pages' wallpapers are placed, not aligned to fill.
constexpr QRect PageWallpaperRect{0, 0, 620, 333};

QString DecodeNotes(const QByteArray& bytes)
{
    // Players may save the notes from an old editor: anything that is not
    // UTF-8 is read as Latin-1 rather than shown with broken letters.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

}  // namespace

HelpPanel::HelpPanel(QWidget* parent)
    : ScreenPanel(parent, "MenuAide", QGuiApplication::palette().color(QPalette::Button), "AideTex"),
      PageControlAide(new QTabWidget(this))
{
    //: The name of the title picture drawn in this language
    AddTitle("ImageAide", tr("ImageAide"), tr("Aide et Instructions"), {8, 8, 625, 55});
    PageControlAide->setObjectName("PageControlAide");
    PageControlAide->setFont(WindowFont());
    PageControlAide->setUsesScrollButtons(false);
    // A click on a tab takes the keyboard, so Ctrl+Tab then turns the pages.
    PageControlAide->tabBar()->setFocusPolicy(Qt::StrongFocus);
    Layout->Place(PageControlAide, {8, 72, 628, 361}, 0);

    QWidget* about = AddPage("TabAbout", tr("A propos"), "AideAboutTex", {8, 8, 620, 333});
    FillAboutPage(about);
    AddTextPages();
    AddInfosPage();
    PageControlAide->setCurrentIndex(0);

    MenuAideOK = AddButton("MenuAideOK", tr("&Continuer"), {8, 440, 625, 30}, AnchorLeft | AnchorRight | AnchorBottom,
                           WindowTextColor);
}

QWidget* HelpPanel::AddPage(const char* name, const QString& caption, const char* wallpaperName, QRect wallpaperRect)
{
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* wallpaper = new TMiraboWallpaper(page);
    wallpaper->setObjectName(wallpaperName);
    wallpaper->SetAlign(TMiraboWallpaper::TAlign::None);
    wallpaper->setGeometry(wallpaperRect);
    wallpaper->SetImage(Artwork("AideTex"));
    PageControlAide->addTab(page, caption);
    return page;
}

void HelpPanel::AddTextPages()
{
    const struct {
        const char* name;
        const char* caption;
        const char* wallpaper;
    } pages[] = {
        {"TabIntro", QT_TR_NOOP("Principes du jeu"), "AideP1Tex"},
        {"TabMenus", QT_TR_NOOP("Les menus"), "AideP2Tex"},
        {"TabCommandes", QT_TR_NOOP("Les commandes"), "AideP3Tex"},
        {"TabTexMus", QT_TR_NOOP("Textures et musiques"), "AideP4Tex"},
    };
    for (const auto& p : pages) {
        QWidget* page = AddPage(p.name, tr(p.caption), p.wallpaper, PageWallpaperRect);
        for (const HelpText& t : HelpTexts()) {
            if (qstrcmp(t.page, p.name) != 0)
                continue;
            auto* label = new QLabel(QCoreApplication::translate("HelpTexts", t.text), page);
            label->setObjectName(t.name);
            label->setFont(WindowFont());
            label->setWordWrap(true);
            label->setGeometry(t.left, t.top, t.width, label->heightForWidth(t.width));
        }
    }
}

void HelpPanel::AddInfosPage()
{
    TabInfosSup = AddPage("TabInfosSup", tr("Infos complémentaires (Zorbil.txt)"), "AideP5Tex", PageWallpaperRect);
    auto* label = new QLabel(
        tr("N'hésitez surtout pas à lire le fichier Zorbil.txt. Il contient bien plus de renseignements que ceux "
           "donnés ici, comme des explications pour configurer la carte son ou des avertissements importants sur les "
           "messages d'erreur qui peuvent parfois s'afficher."),
        TabInfosSup);
    label->setObjectName("LabelAideTxt");
    label->setFont(WindowFont());
    label->setWordWrap(true);
    label->setGeometry(4, 19, 608, label->heightForWidth(608));

    Memo = new QPlainTextEdit("Memo", TabInfosSup);
    Memo->setObjectName("Memo");
    Memo->setReadOnly(true);
    Memo->setFont(WindowFont());
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette p = Memo->palette();
    p.setColor(QPalette::Base, QColor(0xC8, 0xC8, 0xC8));
    Memo->setPalette(p);
    Memo->setGeometry(5, 64, 610, 265);
    Memo->setAccessibleName(PageControlAide->tabText(PageControlAide->indexOf(TabInfosSup)));
    TabInfosSup->installEventFilter(this);
}

bool HelpPanel::eventFilter(QObject* watched, QEvent* event)
{
    // The page shows when it is selected and when the screen opens on it;
    // a window coming back from the task bar is no new showing.
    if (watched == TabInfosSup && event->type() == QEvent::Show && !event->spontaneous())
        // After the page has finished showing, so an error box does not
        // interrupt the page switch.
        QMetaObject::invokeMethod(this, &HelpPanel::TabInfosSupShow, Qt::QueuedConnection);
    return ScreenPanel::eventFilter(watched, event);
}

void HelpPanel::TabInfosSupShow()
{
    const QString path = NotesPath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::critical(window(), QGuiApplication::applicationDisplayName(),
                              tr("Impossible d'ouvrir le fichier %1.").arg(path));
        return;
    }
    Memo->setPlainText(DecodeNotes(file.readAll()));
}

void HelpPanel::TurnPage(int step)
{
    const int pages = PageControlAide->count();
    PageControlAide->setCurrentIndex(((PageControlAide->currentIndex() + step) % pages + pages) % pages);
}

void HelpPanel::ScrollNotes(int step)
{
    if (PageControlAide->currentWidget() == TabInfosSup)
        Memo->verticalScrollBar()->triggerAction(step > 0 ? QAbstractSlider::SliderPageStepAdd
                                                          : QAbstractSlider::SliderPageStepSub);
}

}  // namespace zorbil
