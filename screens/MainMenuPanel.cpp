// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/MainMenuPanel.h"

namespace zorbil {

MainMenuPanel::MainMenuPanel(QWidget* parent) : ScreenPanel(parent, "MenuPrincipal", QColor(0x00, 0x60, 0xCD), "MenuTex")
{
    AddPicture("ImagePrincipalDonut", "ImagePrincipalDonut", {8, 8, 145, 161}, AnchorsLeftTop);
    AddPicture("ImagePrincipalDonut2", "ImagePrincipalDonut", {488, 8, 145, 161}, AnchorTop | AnchorRight);
    QLabel* name = AddPicture("ImagePrincipalZorbil", "ImagePrincipalZorbil", {168, 16, 305, 145},
                              AnchorLeft | AnchorTop | AnchorRight);
    name->setScaledContents(true);
    name->setAccessibleName("Zorbil");
    setAccessibleName(tr("Menu principal"));

    const Anchors sides = AnchorLeft | AnchorRight;
    BtnJouer = AddButton("BtnJouer", tr("&Jouer"), {8, 192, 625, 41}, sides, WindowTextColor);
    BtnScores = AddButton("BtnScores", tr("&Meilleurs Scores"), {8, 248, 625, 41}, sides, WindowTextColor);
    BtnAide = AddButton("BtnAide", tr("&Aide et Instructions"), {8, 304, 625, 41}, sides, WindowTextColor);
    BtnOptions = AddButton("BtnOptions", tr("&Options de Jeu"), {8, 360, 625, 41}, sides, WindowTextColor);
    BtnQuitter = AddButton("BtnQuitter", tr("&Quitter Zorbil"), {8, 416, 625, 41}, sides, WindowTextColor);
    ShowPanel();
}

}  // namespace zorbil
