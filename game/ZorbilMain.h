// SPDX-License-Identifier: GPL-3.0-or-later
// TZorbilForm: the game window. Its client area is the OpenGL surface the
// render thread draws the game on; the six screens are panels over it. It
// owns the two game timers, the render thread and the game's sounds, and
// runs the course of a game: start, steps, interruptions, game over.
//
// The start-up creates it hidden, after the configuration dialog (the
// application's main window, closed again when this window closes; null in
// tests). Construction reads the saved options and the best score, lists the
// player's textures and musics, seeds the random generator and creates the
// render thread. The dialog sets the frame (frameless for full screen) and
// shows the window, which then covers the screen's available area and starts
// the menu music. The window is the SoundSwitches of the sound set-up. It
// takes what the game controllers do while it is active (PadPoller's
// events). Leaving the window for another one, or unplugging a controller,
// pauses a running game.
//
// Its methods live in four files, and each group below names its file:
// ZorbilMain.cpp (the window itself), GameFlow.cpp (the course of a game),
// ZorbilNavigation.cpp (the screens' buttons) and ZorbilPad.cpp (the game
// controllers).
#pragma once

#include <QTimer>
#include <memory>

#include "audio/GameSound.h"
#include "audio/SoundLibrary.h"
#include "audio/SoundSwitches.h"
#include "game/GameRules.h"
#include "render/CgWindow.h"

namespace zorbil {

class TWRenderer;
class ScreenPanel;
struct PadEvent;
class MainMenuPanel;
class OptionsPanel;
class HelpPanel;
class ScoresPanel;
class GameOverPanel;
class PausePanel;

class TZorbilForm : public TCGForm, public SoundSwitches, private GameHooks {
    Q_OBJECT
public:
    // ZorbilMain.cpp: the window's creation, showing, fitting and closing,
    // the options it reads, the sound switches and the error box.
    TZorbilForm(SoundLibrary& sound, QWidget* configDialog);
    ~TZorbilForm() override;

    bool EffectsOn() const override;
    bool MusicOn() const override;
    std::string SelectedMusic() const override;
    void GreyAndClear() override;

    // GameFlow.cpp: the course of a game, from "&Jouer" through the steps
    // and the game keys to the game over.
    void BtnJouerClick();
    void ShowChoiceWarning();
    void LaunchGame();
    void StartGame();
    void EndGame() override;
    void SpeedChange();
    void tmrGameTimer();
    void tmrAnimateTimer();

    // ZorbilNavigation.cpp: the screens' buttons, which panels show and how
    // a screen returns to the game or to the main menu.
    void BtnScoresClick();
    void BtnAideClick();
    void BtnOptionsClick();
    void BtnQuitterClick();
    void GameOverOKClick();
    void MenuScoresOKClick();
    void MenuOptionsOKClick();
    void MenuAideOKClick();
    void MenuPauseContinuerClick();
    void MenuPauseQuitterClick();

    QTimer* const tmrGame;
    QTimer* const tmrAnimate;
    // Bottom to top, the order they cover each other in.
    GameOverPanel* const GameOver;
    PausePanel* const MenuPause;
    MainMenuPanel* const MenuPrincipal;
    ScoresPanel* const MenuScores;
    OptionsPanel* const MenuOptions;
    HelpPanel* const MenuAide;

protected:
    // ZorbilMain.cpp
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // GameFlow.cpp. GameKeyDown: sees the window's key presses before its
    // controls during a game, and lets every key go on. Also refits a framed
    // window once the window manager has framed it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // ZorbilPad.cpp. Takes the game controllers' PadInputEvent.
    bool event(QEvent* event) override;

private:
    // ZorbilMain.cpp
    void FormCreate();
    void FormShow();
    void FormClose();
    // Full screen covers the work area without a frame; windowed, the frame
    // covers it and the window keeps that size. On a Wayland session the
    // compositor's full-screen and maximised states do it.
    void FitToWorkArea();
    // Fits a framed window again once the window manager has framed it.
    void FitFrame();
    void ReadOptionsAndBestScore();
    void PointFileLists();
    void ConnectHandlers();
    // The error box; a running game's steps wait until it is answered.
    void ErrorBox(const std::string& message);

    // GameFlow.cpp
    void GameKeyDown(int qtKey);
    bool IsOurWindow(QObject* receiver) const;
    void AttachGameKeys();
    void DetachGameKeys();
    // Timer off, renderer suspended and its drawing state released.
    void InterruptGame();
    void PauseGame();
    // Drawing state back, renderer running.
    void ResumeRenderer();
    // The player went to another window or unplugged a controller: a
    // running game pauses as with Esc.
    void FormDeactivate();
    int SpeedPosition() const override;
    void DonutScored() override;
    // The score and the best score as the window's accessible description.
    void DescribeScore();

    // ZorbilPad.cpp
    void PadInput(const PadEvent& event);
    // The options and help screens' own use of the D-pad, B and the
    // shoulder buttons; false for what goes on as a key.
    bool ScreenPad(ScreenPanel* front, const PadEvent& event);
    // The panel in front, or null during play.
    ScreenPanel* FrontPanel() const;
    // The screen in front keeps the focus on one of its visible, enabled
    // controls while a controller is plugged in, so that A has something to
    // act on.
    void KeepPadFocus();

    QWidget* configDialog_;
    GameSound sound_;
    std::unique_ptr<TWRenderer> renderer_;
    bool keysAttached_ = false;
    // The window frame the windowed size was last fitted with: the window
    // manager tells it only once the window is on screen.
    QMargins fittedFrame_;
};

}  // namespace zorbil
