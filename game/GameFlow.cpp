// SPDX-License-Identifier: GPL-3.0-or-later
// The course of a game: "&Jouer", the start, the steps, the game keys and
// the game over.
#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

#include "game/GameState.h"
#include "game/KeyControl.h"
#include "game/ReloadSignal.h"
#include "game/VirtualKeys.h"
#include "game/ZorbilMain.h"
#include "input/PadPoller.h"
#include "render/GLThread.h"
#include "screens/GameOverPanel.h"
#include "screens/HelpPanel.h"
#include "screens/MainMenuPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PausePanel.h"
#include "screens/ScoresPanel.h"
#include "shared/DataPaths.h"
#include "translations/Translatable.h"

namespace zorbil {

inline constexpr const char* DiskWriteErrorMessage = ZORBIL_TRANSLATABLE(
    "Messages",
    "Impossible d'écrire sur le disque. Vérifiez qu'il n'est pas plein ou protégé en écriture.");

void TZorbilForm::BtnJouerClick()
{
    const bool music = !MenuOptions->ModList->FileName().isEmpty();
    const bool texture = !MenuOptions->TexList->FileName().isEmpty();
    if (!music)
        ShowChoiceWarning();
    if (!texture)
        ShowChoiceWarning();
    if (music)
        LaunchGame();
    if (!GameRunning && texture)
        LaunchGame();
}

void TZorbilForm::ShowChoiceWarning()
{
    MenuOptions->SetWarningLayout();
    MenuOptions->ShowPanel();
}

void TZorbilForm::LaunchGame()
{
    StartGame();
    sound_.PlayGameMusic();
}

void TZorbilForm::StartGame()
{
    renderer_->FinishWarmUp();
    SetStartValues();
    if (!WriteReloadSignal())
        ErrorBox(DiskWriteErrorMessage);
    MenuPrincipal->HidePanel();
    MenuOptions->HidePanel();
    MenuAide->HidePanel();
    MenuScores->HidePanel();
    GameOver->HidePanel();
    tmrGame->start();
    tmrAnimate->start();
    AttachGameKeys();
    setCursor(Qt::BlankCursor);
    PlaceDonut();
    GameRunning = true;
    DescribeScore();
    ResumeRenderer();
}

void TZorbilForm::EndGame()
{
    // The pause has already stopped the renderer.
    if (!GamePaused) {
        renderer_->Suspend();
        renderer_->FreeScene();
    }
    PadPoller::SetPlaying(false);
    GamePaused = false;
    GameOver->ShowPanel();
    tmrGame->stop();
    tmrAnimate->stop();
    sound_.PlayEffect(OverSoundTail);
    DetachGameKeys();
    unsetCursor();
    GameRunning = false;
    if (Score > BestScore)
        BestScore = Score;
    MenuScores->ShowBestScore(BestScore);
    MenuScores->ShowScore(Score);
    DescribeScore();
}

void TZorbilForm::tmrGameTimer()
{
    zorbil::tmrGameTimer(*this);
    DescribeScore();
}

void TZorbilForm::DescribeScore()
{
    // The score is drawn on the OpenGL surface, where no screen reader
    // reads it; the window says it too. Qt tells assistive technology of
    // the change, and only when one listens.
    setAccessibleDescription(tr("Score : %1, meilleur score : %2").arg(Score).arg(BestScore));
}

void TZorbilForm::tmrAnimateTimer()
{
    zorbil::tmrAnimateTimer();
}

void TZorbilForm::SpeedChange()
{
    tmrGame->setInterval(StepIntervalMs(MenuOptions->Speed->value()));
}

int TZorbilForm::SpeedPosition() const
{
    return MenuOptions->Speed->value();
}

void TZorbilForm::DonutScored()
{
    sound_.PlayEffect(DonutSoundTail);
}

void TZorbilForm::InterruptGame()
{
    if (GameRunning)
        tmrGame->stop();
    renderer_->Suspend();
    renderer_->FreeScene();
    PadPoller::SetPlaying(false);
}

void TZorbilForm::PauseGame()
{
    InterruptGame();
    MenuPause->ShowOver();
    GamePaused = true;
}

void TZorbilForm::FormDeactivate()
{
    // A message box of the game's own over the game is not the player
    // leaving; nor is a screen already open over it.
    if (QApplication::activeModalWidget() || !GameRunning || !tmrGame->isActive())
        return;
    PauseGame();
}

void TZorbilForm::ResumeRenderer()
{
    // A music asked for now would start its decoder beside the first frame.
    sound_.HoldForFrame();
    renderer_->SetupScene();
    renderer_->Resume();
    PadPoller::SetPlaying(true);
}

void TZorbilForm::GameKeyDown(int qtKey)
{
    switch (zorbil::GameKeyDown(VirtualKeyFromQt(qtKey), tmrGame->isActive())) {
    case GameScreen::None:
        break;
    case GameScreen::Pause:
        PauseGame();
        break;
    case GameScreen::Help:
        InterruptGame();
        MenuAide->ShowOver();
        break;
    case GameScreen::Options:
        InterruptGame();
        MusicBeforeOptions = SelectedMusic();
        MenuOptions->ShowOver();
        break;
    case GameScreen::Scores:
        InterruptGame();
        MenuScores->ShowScore(Score);
        MenuScores->ShowOver();
        break;
    }
}

// Attached to the whole application so the keys are seen before whatever
// control of an open panel has the focus.
void TZorbilForm::AttachGameKeys()
{
    if (keysAttached_)
        return;
    qApp->installEventFilter(this);
    keysAttached_ = true;
}

void TZorbilForm::DetachGameKeys()
{
    if (!keysAttached_)
        return;
    qApp->removeEventFilter(this);
    keysAttached_ = false;
}

// A key press reaches the window system's window first and is then passed
// down to the focused control (and up its parents when ignored). Taking it
// at the window alone sees each press once, and only while this window is
// the active one: a message box's keys are its own.
bool TZorbilForm::IsOurWindow(QObject* receiver) const
{
    for (auto* w = qobject_cast<QWindow*>(receiver); w; w = w->parent())
        if (w == windowHandle())
            return true;
    return false;
}

bool TZorbilForm::eventFilter(QObject* watched, QEvent* event)
{
    if (keysAttached_ && event->type() == QEvent::KeyPress && IsOurWindow(watched))
        GameKeyDown(static_cast<QKeyEvent*>(event)->key());
    if (event->type() == QEvent::Expose && watched == windowHandle()) {
        FitFrame();
        // Once the menu is on screen, the first game's frame is drawn
        // where nobody sees it, so that the driver's compile is done before
        // the player starts.
        if (windowHandle()->isExposed())
            QTimer::singleShot(0, this, [this] {
                if (renderer_)
                    renderer_->WarmUp();
            });
    }
    return TCGForm::eventFilter(watched, event);
}

}  // namespace zorbil
