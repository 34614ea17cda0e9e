// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/PausePanel.h"

namespace zorbil {

PausePanel::PausePanel(QWidget* parent) : ScreenPanel(parent, "MenuPause", QColor(0x80, 0x00, 0x00), "PauseTex")
{
    //: The name of the title picture drawn in this language
    AddTitle("ImagePause", tr("ImagePause"), tr("Jeu en Pause"), {8, 64, 625, 57});
    const Anchors bottom = AnchorLeft | AnchorRight | AnchorBottom;
    MenuPauseContinuer = AddButton("MenuPauseContinuer", tr("&Continuer"), {8, 400, 625, 30}, bottom, Qt::white);
    MenuPauseQuitter = AddButton("MenuPauseQuitter", tr("&Quitter"), {7, 440, 625, 30}, bottom, WindowBackgroundColor);
}

}  // namespace zorbil
