// SPDX-License-Identifier: GPL-3.0-or-later
// The screens' buttons: which panels show and hide, and how a screen returns
// into a running game or to the main menu.
#include "config/GameFolder.h"
#include "config/Settings.h"
#include "game/GameState.h"
#include "game/ReloadSignal.h"
#include "game/ZorbilMain.h"
#include "screens/GameOverPanel.h"
#include "screens/HelpPanel.h"
#include "screens/MainMenuPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PausePanel.h"
#include "screens/ScoresFile.h"
#include "screens/ScoresPanel.h"
#include "shared/DataPaths.h"
#include "translations/Translatable.h"

namespace zorbil {

inline constexpr const char* DiskWorkErrorMessage = ZORBIL_TRANSLATABLE(
    "Messages",
    "Impossible de travailler sur le disque dur. Vérifiez qu'il n'est pas plein ou protégé en écriture.");

void TZorbilForm::BtnScoresClick()
{
    MenuScores->ShowPanel();
}

void TZorbilForm::BtnAideClick()
{
    MenuAide->ShowPanel();
}

void TZorbilForm::BtnOptionsClick()
{
    MenuOptions->ShowPanel();
}

void TZorbilForm::BtnQuitterClick()
{
    sound_.StopAllMusic();
    close();
    if (configDialog_)
        configDialog_->close();
}

void TZorbilForm::GameOverOKClick()
{
    GameOver->HidePanel();
    MenuScores->raise();
    MenuScores->show();
    MenuScores->setEnabled(true);
}

void TZorbilForm::MenuScoresOKClick()
{
    MenuScores->HidePanel();
    // A failed signal skips the score too; the best score stays in memory
    // and is written again the next time the screen is left.
    if (!WriteReloadSignal() || !WriteBestScore(GamePath(ScoresFileTail), BestScore))
        ErrorBox(SaveErrorMessage);
    if (GameRunning) {
        ResumeRenderer();
        tmrGame->start();
    } else {
        sound_.PlayMenuMusic();
        MenuPrincipal->ShowPanel();
    }
}

void TZorbilForm::MenuOptionsOKClick()
{
    if (!MenuOptions->SaveOptions())
        ErrorBox(SaveErrorMessage);
    MenuOptions->HidePanel();
    MenuOptions->SetNormalLayout();
    if (GameRunning) {
        ResumeRenderer();
        tmrGame->start();
        if (SelectedMusic() != MusicBeforeOptions)
            sound_.SwitchGameMusic();
    }
    if (!WriteReloadSignal())
        ErrorBox(DiskWorkErrorMessage);
    if (!GameRunning)
        MenuPrincipal->ShowPanel();
}

void TZorbilForm::MenuAideOKClick()
{
    MenuAide->HidePanel();
    if (GameRunning) {
        ResumeRenderer();
        if (!WriteReloadSignal())
            ErrorBox(DiskWorkErrorMessage);
        tmrGame->start();
    } else {
        MenuPrincipal->ShowPanel();
    }
}

void TZorbilForm::MenuPauseContinuerClick()
{
    MenuPause->HidePanel();
    GamePaused = false;
    ResumeRenderer();
    if (!WriteReloadSignal())
        ErrorBox(DiskWorkErrorMessage);
    tmrGame->start();
}

void TZorbilForm::MenuPauseQuitterClick()
{
    MenuPause->HidePanel();
    EndGame();
}

}  // namespace zorbil
