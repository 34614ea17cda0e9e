// SPDX-License-Identifier: GPL-3.0-or-later
// A player with a game controller and no keyboard, from a fresh start to
// quitting: the real configuration dialog and game window, wired as the
// program wires them, driven through SDL's virtual joystick. Not one key is
// pressed. With ZORBIL_TEST_SHOTS naming a folder, a picture of each screen,
// its focused control marked, is kept there. Then a controller with a device
// file, which the idle menu sleeps on.
#include <SDL.h>
#include <linux/input-event-codes.h>
#include <signal.h>
#include <xcb/xcb.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <memory>

#include "app/ZorbilApplication.h"
#include "audio/SdlSoundLibrary.h"
#include "config/GameFolder.h"
#include "config/SpinButton.h"
#include "config/ZorbilConfig.h"
#include "game/GameState.h"
#include "game/ZorbilMain.h"
#include "gamewindow/GameWindowFixture.h"
#include "input/PadPoller.h"
#include "screens/GameOverPanel.h"
#include "screens/HelpPanel.h"
#include "screens/MainMenuPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PausePanel.h"
#include "screens/ScoresPanel.h"
#include "support/FakeEvdevPad.h"
#include "support/MessageBoxWatcher.h"
#include "support/TempGameFolder.h"
#include "support/VirtualPad.h"

using namespace zorbil;

namespace {

bool SameHandler(int signal, const struct sigaction& before)
{
    struct sigaction now {};
    sigaction(signal, nullptr, &now);
    return now.sa_handler == before.sa_handler;
}

constexpr auto Up = SDL_CONTROLLER_BUTTON_DPAD_UP;
constexpr auto Down = SDL_CONTROLLER_BUTTON_DPAD_DOWN;
constexpr auto Left = SDL_CONTROLLER_BUTTON_DPAD_LEFT;
constexpr auto Right = SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
constexpr auto A = SDL_CONTROLLER_BUTTON_A;
constexpr auto B = SDL_CONTROLLER_BUTTON_B;
constexpr auto Start = SDL_CONTROLLER_BUTTON_START;
constexpr auto LeftShoulder = SDL_CONTROLLER_BUTTON_LEFTSHOULDER;
constexpr auto RightShoulder = SDL_CONTROLLER_BUTTON_RIGHTSHOULDER;

}  // namespace

class GamePadTest : public QObject {
    Q_OBJECT
private slots:
    void PadAloneFromStartToQuit();
    void IdleMenuSleepsOnThePadsFile();

private:
    // The controllers read now, as the poller's timer does; between two
    // readings without the event loop no game step can run.
    void Poll() { pads_->Poll(); }
    void Press(SDL_GameControllerButton button)
    {
        pad_->Button(button, true);
        Poll();
        pad_->Button(button, false);
        Poll();
    }
    void Presses(SDL_GameControllerButton button, int times)
    {
        for (int i = 0; i < times; ++i)
            Press(button);
    }
    // The keyboard to a window (none: to another program), as a window
    // manager gives it.
    bool GiveKeyboard(QWidget* window)
    {
        auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_set_input_focus(x11->connection(), XCB_INPUT_FOCUS_PARENT,
                            window ? xcb_window_t(window->winId()) : XCB_NONE, XCB_CURRENT_TIME);
        xcb_flush(x11->connection());
        const QWindow* expected = window ? window->windowHandle() : nullptr;
        return QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == expected; }, 3000);
    }
    void Shot(const char* name)
    {
        const QString folder = qEnvironmentVariable("ZORBIL_TEST_SHOTS");
        if (folder.isEmpty())
            return;
        QTest::qWait(300);  // drawn and on screen
        QDir().mkpath(folder);
        QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/" + name + ".png");
    }

    PadPoller* pads_ = nullptr;
    std::unique_ptr<test::VirtualPad> pad_;
};

void GamePadTest::PadAloneFromStartToQuit()
{
    test::TempGameFolder game;
    test::FillGameFolder(game);
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(game.str()));  // the program's game folder
    ResetProgramState();
    test::MessageBoxWatcher boxes;
    boxes.answerAfterMs = 10000;  // only what the pad leaves open

    // Started as the program starts: the controllers, the dialog, the game
    // window, the dialog shown.
    struct sigaction interrupt {}, terminate {};
    sigaction(SIGINT, nullptr, &interrupt);
    sigaction(SIGTERM, nullptr, &terminate);
    PadPoller pads;
    pads_ = &pads;
    QVERIFY(pads.Start());
    // Ctrl+C and SIGTERM still end the program as they did.
    QVERIFY(SameHandler(SIGINT, interrupt) && SameHandler(SIGTERM, terminate));
    SdlSoundLibrary sound;
    TConfigForm config(sound, game.str());
    bool closed = false;
    connect(&config, &TConfigForm::Closed, [&] { closed = true; });
    TZorbilForm form(sound, &config);
    test::StepClock clock(form);  // the game steps when this test says
    config.SetGameWindow(&form, form);
    config.show();
    QVERIFY(QTest::qWaitForWindowExposed(&config));
    QVERIFY(GiveKeyboard(&config));
    // Nothing plugged in: the controllers are only looked for.
    QCOMPARE(pads.IntervalMs(), PadPoller::SlowMs);

    // The dialog. The pad is plugged in and noticed at the next reading.
    pad_ = std::make_unique<test::VirtualPad>();
    QVERIFY(pad_->Plugged());
    Poll();
    QCOMPARE(pads.Plugged(), 1);
    QCOMPARE(pads.IntervalMs(), PadPoller::FastMs);
    QVERIFY(config.RBtnFull->hasFocus());
    Press(B);  // closing would quit: B does nothing
    QVERIFY(config.isVisible() && !closed);
    // The D-pad moves the focus, A picks: windowed.
    Press(Right);
    QVERIFY(config.RBtnWin->hasFocus() && config.RBtnFull->isChecked());
    Press(A);
    QVERIFY(config.RBtnWin->isChecked());
    // Up the mixers' column to the Interpolation box, which A clears.
    Presses(Up, 5);
    QVERIFY(config.RBMAuto->hasFocus() && config.RBMAuto->isChecked());
    Press(Up);
    QVERIFY(config.CBoxInter->hasFocus());
    Press(A);
    QVERIFY(!config.CBoxInter->isChecked());
    // Left and right on a stepper change its value.
    Press(Left);
    QVERIFY(config.SpinButtonQual->hasFocus());
    Press(Left);
    QCOMPARE(config.LabelQual->text(), QString("8 bits"));
    Press(Down);
    QVERIFY(config.RBMAuto->hasFocus());
    Press(Left);
    QVERIFY(config.RBWMM->hasFocus() && config.RBDS->isChecked());
    Press(Up);
    QVERIFY(config.CheckBoxSon->hasFocus());
    Press(Right);
    QVERIFY(config.SpinButtonMixRate->hasFocus());
    Press(Right);
    QCOMPARE(config.LabelMixRate->text(), QString("32000 Hz"));
    Shot("1-dialog");
    // Start confirms as OK does.
    Press(Start);
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!config.isVisible());
    QCOMPARE(QString::fromStdString(game.read("/Data/Config.dat")),
             QString("[Config]\nMixRate=32000\nQuality=8\nInterp=0\nSonAct=1\nDrv=2\nMixer=11\nAff=2\n"));
    QVERIFY(GiveKeyboard(&form));

    // The main menu: up and down choose a button, A presses it. "&Jouer"
    // with nothing chosen opens the options in their warning layout, where
    // the focus skips the hidden speed.
    Poll();
    QVERIFY(form.MenuPrincipal->BtnJouer->hasFocus());
    Shot("2-menu");
    Press(A);
    OptionsPanel* options = form.MenuOptions;
    QVERIFY(options->isVisible() && options->InWarningLayout() && !GameRunning);
    Poll();
    QVERIFY(options->TexList->hasFocus());
    QVERIFY(options->Halo->isVisible());
    Press(Up);
    QVERIFY(options->TexList->hasFocus());
    // Up and down choose a file as a click does, and leave the list past
    // its ends; left and right go across.
    Presses(Down, 2);
    QVERIFY(options->TexList->FileName().endsWith("/vert.pcx"));
    Press(Right);
    QVERIFY(options->ModList->hasFocus());
    Press(Down);
    QVERIFY(form.SelectedMusic().ends_with("/calme.mus"));
    Presses(Down, 2);
    QVERIFY(form.SelectedMusic().ends_with("/rapide.mus"));
    QVERIFY(options->MusicAct->hasFocus());
    Press(A);
    QVERIFY(!options->MusicAct->isChecked());
    Press(Left);
    QVERIFY(options->SonAct->hasFocus());
    Press(A);
    QVERIFY(!options->SonAct->isChecked());
    Shot("3-options-warning");
    // B goes back as "&Continuer" does, saving the options.
    Press(B);
    QVERIFY(!options->isVisible() && form.MenuPrincipal->isVisible() && !options->InWarningLayout());
    QVERIFY(game.read("/Data/Config.dat").ends_with("[Options]\nSpeed=5\nSonAct=0\nMusAct=0\n"));

    // The options again, from their button: the speed comes first, and left
    // and right change it ("Lente" on the right); down leaves it.
    Poll();
    Presses(Down, 3);
    QVERIFY(form.MenuPrincipal->BtnOptions->hasFocus());
    Press(A);
    QVERIFY(options->isVisible() && !options->InWarningLayout());
    Poll();
    QVERIFY(options->Speed->hasFocus());
    Presses(Right, 4);  // the slowest: room for presses between steps
    QCOMPARE(options->Speed->value(), 9);
    QCOMPARE(form.tmrGame->interval(), 450);
    Press(Down);
    QVERIFY(options->ModList->hasFocus());
    Shot("4-options");
    Press(Down);  // below the last music: out of the list
    QVERIFY(options->MusicAct->hasFocus() && form.SelectedMusic().ends_with("/rapide.mus"));
    Press(Down);
    QVERIFY(options->MenuOptionsOK->hasFocus());
    Press(A);
    QVERIFY(!options->isVisible() && form.MenuPrincipal->isVisible());

    // Help: the shoulder buttons and left and right turn the pages, round
    // from the last to the first; up and down scroll the notes; B goes back.
    Poll();
    Presses(Down, 2);
    QVERIFY(form.MenuPrincipal->BtnAide->hasFocus());
    Press(A);
    QTabWidget* pages = form.MenuAide->PageControlAide;
    QVERIFY(form.MenuAide->isVisible());
    QCOMPARE(pages->currentIndex(), 0);
    Press(RightShoulder);
    Press(Right);
    Press(RightShoulder);
    QCOMPARE(pages->currentWidget()->objectName(), QString("TabCommandes"));
    Shot("5-help");
    // The notes are missing: the error box that says so takes A as Space,
    // from the poller's own readings while the box waits.
    QString seen;
    QTimer::singleShot(300, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            seen = box->text();
        pad_->Button(A, true);
        QTimer::singleShot(100, [&] { pad_->Button(A, false); });
    });
    Press(LeftShoulder);
    Presses(Left, 3);
    QCOMPARE(pages->currentWidget(), form.MenuAide->TabInfosSup);
    QTRY_VERIFY(!seen.isEmpty() && !QApplication::activeModalWidget());
    QVERIFY(seen.startsWith("Impossible d'ouvrir le fichier"));
    QVERIFY(GiveKeyboard(&form));
    std::string notes;
    for (int line = 1; line <= 300; ++line)
        notes += "Ligne " + std::to_string(line) + " des notes\n";
    game.write("/Zorbil.txt", notes);
    Press(Right);
    Press(Left);
    QTRY_VERIFY(form.MenuAide->Memo->toPlainText().startsWith("Ligne 1 des notes"));
    Press(Down);
    QVERIFY(form.MenuAide->Memo->verticalScrollBar()->value() > 0);
    Press(Right);
    QCOMPARE(pages->currentIndex(), 0);
    Press(B);
    QVERIFY(!form.MenuAide->isVisible() && form.MenuPrincipal->isVisible());

    // A game, on the chosen picture, at the chosen speed.
    Poll();
    QVERIFY(form.MenuPrincipal->BtnJouer->hasFocus());
    Press(A);
    QVERIFY(GameRunning);
    Donut = {2, 2};  // out of the way
    // Heading right: up is taken, then left would turn it back and is
    // dropped until the next step.
    QCOMPARE(Snake.Direction, uint8_t(DirRight));
    const Cell start = Snake.Head;
    Press(Up);
    pad_->Stick(-32768, 0);
    Poll();
    QCOMPARE(Snake.Direction, uint8_t(DirUp));
    QVERIFY(clock.NextStep());
    QCOMPARE(Snake.Head, (Cell{start.X, start.Y + 1}));
    // The stick still held gives no second turn; back within its dead zone
    // and pushed again, it turns once more.
    Poll();
    QVERIFY(TurnAllowed);
    pad_->Stick(-6000, 6000);
    Poll();
    QCOMPARE(Snake.Direction, uint8_t(DirUp));
    pad_->Stick(-32768, 0);
    Poll();
    QCOMPARE(Snake.Direction, uint8_t(DirLeft));
    pad_->Stick(0, 0);
    QVERIFY(clock.NextStep());
    Shot("6-game");

    // Start pauses; on the pause screen it continues.
    Press(Start);
    QVERIFY(GamePaused && form.MenuPause->isVisible());
    Poll();
    QVERIFY(form.MenuPause->MenuPauseContinuer->hasFocus());
    Shot("7-pause");
    Press(Start);
    QVERIFY(!GamePaused && !form.MenuPause->isVisible() && form.tmrGame->isActive());

    // Pulled out during the game, the pad pauses it as leaving the window
    // does, and is no longer read fast.
    pad_->Unplug();
    Poll();
    QVERIFY(GamePaused && form.MenuPause->isVisible() && GameRunning);
    QCOMPARE(pads.IntervalMs(), PadPoller::SlowMs);

    // Plugged in again while the keyboard is another program's: the pad
    // plays no part, as keys do not, and is read slowly.
    pad_ = std::make_unique<test::VirtualPad>();
    QVERIFY(GiveKeyboard(nullptr));
    Poll();
    QCOMPARE(pads.IntervalMs(), PadPoller::SlowMs);
    Press(Start);
    QVERIFY(GamePaused);

    // Back in the game window, A on the focused "&Continuer" resumes; B is
    // Esc and pauses again.
    QVERIFY(GiveKeyboard(&form));
    QCOMPARE(pads.IntervalMs(), PadPoller::FastMs);
    Poll();
    Press(A);
    QVERIFY(!GamePaused && form.tmrGame->isActive());
    QVERIFY(clock.NextStep());
    Press(B);
    QVERIFY(GamePaused);

    // "&Quitter" ends the game; "&Continuer" twice leads back to the menu.
    Poll();
    Press(Down);
    QVERIFY(form.MenuPause->MenuPauseQuitter->hasFocus());
    Press(A);
    QVERIFY(!GameRunning && form.GameOver->isVisible());
    Poll();
    Shot("8-game-over");
    Press(A);
    QVERIFY(form.MenuScores->isVisible());
    Poll();
    QVERIFY(form.MenuScores->MenuScoresOK->hasFocus());
    Shot("9-scores");
    Press(A);
    QVERIFY(form.MenuPrincipal->isVisible() && !form.MenuScores->isVisible());

    // "&Quitter Zorbil" ends the program; the settings file keeps every
    // choice made with the pad.
    Poll();
    Presses(Down, 4);
    QVERIFY(form.MenuPrincipal->BtnQuitter->hasFocus());
    Press(A);
    QVERIFY(closed && !form.isVisible());
    QCOMPARE(QString::fromStdString(game.read("/Data/Config.dat")),
             QString("[Config]\nMixRate=32000\nQuality=8\nInterp=0\nSonAct=1\nDrv=2\nMixer=11\nAff=2\n"
                     "[Options]\nSpeed=9\nSonAct=0\nMusAct=0\n"));
    QVERIFY(boxes.boxes.isEmpty());
    pad_.reset();
    QDir::setCurrent(before);
}

void GamePadTest::IdleMenuSleepsOnThePadsFile()
{
    test::TempGameFolder game;
    test::FillGameFolder(game);
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(game.str()));
    SetGameFolder(game.str());
    ResetProgramState();

    // Plugged in before the program starts, and found by SDL's Linux driver.
    test::FakeEvdevPad file;
    test::FakeEvdevPad::OfferToSdl();
    PadPoller pads;
    pads_ = &pads;
    QVERIFY(pads.Start());
    SdlSoundLibrary sound;
    QWidget dialog;
    TZorbilForm form(sound, &dialog);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(GiveKeyboard(&form));
    QTRY_COMPARE(pads.Plugged(), 1);
    QTRY_VERIFY(form.MenuPrincipal->BtnJouer->hasFocus());

    // Once the fast pace of a pad just noticed is over, nothing but the
    // window thread's own slow readings touches the pad's files while nobody
    // touches the pad.
    QTRY_COMPARE(pads.IntervalMs(), PadPoller::MenuMs);
    QTest::qWait(100);  // a reading under way ends
    const long reads = file.ReadsElsewhere();
    QTest::qWait(500);
    QCOMPARE(file.ReadsElsewhere(), reads);
    // A press wakes the watch, and reaches the menu.
    file.Axis(ABS_HAT0Y, 1);
    file.Axis(ABS_HAT0Y, 0);
    QTRY_VERIFY(form.MenuPrincipal->BtnScores->hasFocus());
    QVERIFY(file.ReadsElsewhere() > reads);

    // Pulled out: it is gone, every copy of its file closed, and a pad
    // without a file plugged in next still works.
    QTRY_COMPARE(pads.IntervalMs(), PadPoller::MenuMs);
    file.Unplug();
    QTRY_COMPARE(pads.Plugged(), 0);
    QCOMPARE(pads.IntervalMs(), PadPoller::SlowMs);
    QCOMPARE(file.OpenCopies(), 0);
    pad_ = std::make_unique<test::VirtualPad>();
    QTRY_COMPARE(pads.Plugged(), 1);
    Press(Up);
    QVERIFY(form.MenuPrincipal->BtnJouer->hasFocus());
    QTRY_COMPARE(pads.IntervalMs(), PadPoller::MenuMs);
    Press(Down);
    QVERIFY(form.MenuPrincipal->BtnScores->hasFocus());
    pad_.reset();
    QDir::setCurrent(before);
}

int main(int argc, char** argv)
{
    ZorbilApplication app(argc, argv);
    GamePadTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GamePadTest.moc"
