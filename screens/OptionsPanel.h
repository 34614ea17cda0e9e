// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen: speed, background picture, music and the two sound
// switches. Its warning layout asks for a picture or a music to play with.
#pragma once

#include <QCheckBox>
#include <QSlider>
#include <QStringList>

#include "controls/FocusHalo.h"
#include "controls/FocusMove.h"
#include "screens/FileList.h"
#include "screens/ScreenPanel.h"
#include "translations/Translatable.h"

namespace zorbil {

// Shown at start-up with the folders PointLists could not list in place of %1.
inline constexpr const char* MissingFoldersMessage = ZORBIL_TRANSLATABLE(
    "Messages",
    "Impossible de lire le contenu des répertoires suivants : %1. Les textures et les musiques du jeu doivent se "
    "trouver dans les sous-répertoires Textures et Musiques du répertoire du jeu. Lisez Zorbil.txt pour plus de "
    "détails.");

class OptionsPanel : public ScreenPanel {
    Q_OBJECT
public:
    explicit OptionsPanel(QWidget* parent);

    // Points TexList at Textures and ModList at Musiques of the game folder,
    // nothing selected. Returns the folders that could not be listed.
    QStringList PointLists();

    void SetWarningLayout();
    void SetNormalLayout();
    bool InWarningLayout() const;

    // Writes Speed, SonAct and MusAct to the settings file; greyed boxes
    // count as their state. False on a failed write.
    bool SaveOptions() const;

    // What a game controller's D-pad does here: left and right on the speed
    // change it, up and down on a list choose the next or previous file as a
    // click does (leaving the list past its ends), and otherwise the focus
    // moves to the nearest control that way.
    void PadMove(Heading heading);
    // The controls a game controller reaches, in reading order.
    QList<QWidget*> PadControls() const;

    QSlider* Speed;
    FileList* TexList;
    FileList* ModList;
    QCheckBox* SonAct;
    QCheckBox* MusicAct;
    QLabel* LabelWarning;
    QLabel* LabelVitesse;
    QLabel* LabelRapide;
    QLabel* LabelLente;
    QLabel* LabelTexture;
    QLabel* LabelMod;
    QLabel* LabelSonAct;
    QLabel* LabelMusAct;
    FlatButton* MenuOptionsOK;
    FocusHalo* Halo;

private:
    void NameForAssistiveTechnology();

    QWidget* const normalOnly_[6];
};

}  // namespace zorbil
