// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/AboutPage.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QUrl>
#include <algorithm>

#include "controls/LnkLabel.h"
#include "screens/Fonts.h"
#include "screens/HelpPanel.h"
#include "assets/Artwork.h"
#include "shared/Title.h"

namespace zorbil {

namespace {

QLabel* Text(QWidget* page, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, page);
    label->setFont(ArialFont(13, Bold));
    label->adjustSize();
    label->move(left, top);
    return label;
}

TLnkLabel* Link(QWidget* page, const char* name, const QString& caption, const QString& link, int left, int top)
{
    auto* label = new TLnkLabel(page);
    label->setObjectName(name);
    label->setText(caption);
    label->setFont(ArialFont(13, Bold | Underline));
    label->SetFontColor(QColor(0x00, 0x00, 0xFF));
    label->setCursor(Qt::PointingHandCursor);
    label->Link = link;
    label->EnterFontColor = QColor(0xFF, 0x00, 0x00);
    label->LeaveFontColor = QColor(0x00, 0x00, 0xFF);
    label->VisitedColor = QColor(0x80, 0x00, 0x80);
    label->adjustSize();
    label->move(left, top);
    return label;
}

QLabel* Picture(QWidget* page, const char* name, QRect rect)
{
    auto* label = new QLabel(page);
    label->setObjectName(name);
    label->setPixmap(QPixmap::fromImage(Artwork(name)));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(rect);
    return label;
}

void Separator(QWidget* page, QRect rect)
{
    auto* line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Raised);
    line->setGeometry(rect);
}

}  // namespace

void FillAboutPage(QWidget* page)
{
    Picture(page, "AboutLogo", {7, 10, 150, 220});
    QLabel* name = Picture(page, "ImageAboutZorbil", {174, 16, 435, 65});
    name->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    Text(page,
         QCoreApplication::translate("AboutPage", "%1 - © 2026 les auteurs de Zorbil, logiciel libre")
             .arg(ApplicationTitle),
         175, 98);
    Text(page, QCoreApplication::translate("AboutPage", "Affichage 3D : OpenGL, GLU et freeglut (Mesa 3D)"), 176, 120);
    Text(page, QCoreApplication::translate("AboutPage", "Fenêtres et écrans : Qt 6 (The Qt Company)"), 176, 143);
    Separator(page, {178, 168, 433, 9});

    // The library's name is longer than the one the page was laid out for,
    // and a translation may be too: a link follows its text.
    const QLabel* sound =
        Text(page, QCoreApplication::translate("AboutPage", "Support sonore pris en charge par la librairie SDL_mixer"),
             176, 192);
    Link(page, "LnkLabelSon", "(libsdl.org)", "https://www.libsdl.org/projects/SDL_mixer/",
         std::max(507, sound->geometry().right() + 5), 192);
    const QLabel* textures =
        Text(page, QCoreApplication::translate("AboutPage", "Gestion des textures par la librairie mwGL de"), 175, 216);
    // No address of the library's author is known to us: the mail opens
    // with its subject and the player fills in the address.
    Link(page, "LnkLabelPelmoro", "Pelmoro", "mailto:?subject=mwGL", std::max(459, textures->geometry().right() + 5),
         216);
    Separator(page, {4, 240, 606, 9});

    Text(page, QCoreApplication::translate("AboutPage", "Sites Internet :"), 5, 259);
    Link(page, "LnkLabelSite", "(www.qt.io)", "https://www.qt.io/", 104, 259);
    Text(page, "-", 285, 259);
    Link(page, "LnkLabelSite3D", "(www.mesa3d.org)", "https://www.mesa3d.org/", 296, 259);
    Text(page, QCoreApplication::translate("AboutPage", "Page Web de Zorbil :"), 5, 284);
    // The game's own page is its notes file, which travels with the game.
    Link(page, "LnkLabelZorbil", QCoreApplication::translate("AboutPage", "(Zorbil.txt, les notes du jeu)"),
         QUrl::fromLocalFile(NotesPath()).toString(), 152, 284);
    Text(page, QCoreApplication::translate("AboutPage", "Contacts e-mail :"), 5, 309);
    Link(page, "LnkLabelMail", "Zorbil (zorbil@localhost)", "mailto:zorbil@localhost", 120, 309);
    Text(page, "-", 391, 309);
    Link(page, "LnkLabelMail3D", "Qt (interest@qt-project.org)", "mailto:interest@qt-project.org", 400, 309);
}

}  // namespace zorbil
