// SPDX-License-Identifier: GPL-3.0-or-later
// A game window as the player gets it: real files in a throw-away game
// folder, the real sound layer (on SDL's dummy driver, or one that notes
// every call), the real renderer on Xvfb, and a plain widget standing for the
// configuration dialog. Tests speak through its verbs: what the player does
// and what the player sees.
//
// The game steps only when a test lets it (NextStep, StepUntilOver): the
// step timer runs as in the game, but each of its ticks is held back until
// then, so that no test depends on how fast the machine is.
#pragma once

#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>

#include "../render/PcxBuilder.h"
#include "audio/SdlSoundLibrary.h"
#include "config/GameFolder.h"
#include "game/GameState.h"
#include "game/ZorbilMain.h"
#include "screens/GameOverPanel.h"
#include "screens/HelpPanel.h"
#include "screens/MainMenuPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PausePanel.h"
#include "screens/ScoresPanel.h"
#include "support/GameDecoder.h"
#include "support/MessageBoxWatcher.h"
#include "support/RecordingSoundLibrary.h"
#include "support/SoundSetup.h"
#include "support/TempGameFolder.h"

namespace zorbil::test {

// A 256 x 256 picture of one palette entry.
inline std::string SolidPcx(uint8_t index)
{
    PcxBuilder pcx(256, 256);
    for (int y = 0; y < 256; ++y)
        pcx.AddRow(std::vector<uint8_t>(256, index));
    return pcx.Bytes();
}

// The usual game folder: Data, two pictures and two musics (not real ones:
// a game starts on them all the same).
inline void FillGameFolder(const TempGameFolder& game)
{
    std::filesystem::create_directories(game.path() / "Textures");
    std::filesystem::create_directories(game.path() / "Musiques");
    game.write("/Textures/bleu.pcx", SolidPcx(40));
    game.write("/Textures/vert.pcx", SolidPcx(90));
    game.write("/Musiques/calme.mus", "not a real music");
    game.write("/Musiques/rapide.mus", "not a real music either");
}

// Stands for the configuration dialog, the main window that closing the game
// window closes.
class DialogStandIn : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closes;
        QWidget::closeEvent(event);
    }
};

// The screens of the game window. The game itself is none of them.
enum class Screen { GameOver, Pause, MainMenu, Scores, Options, Help };

// Holds back the step timer's ticks but those a test lets through.
class StepGate : public QObject {
public:
    int letThrough = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Timer)
            return false;
        if (letThrough == 0)
            return true;
        --letThrough;
        return false;
    }
};

class GameWindow {
public:
    // With recordSounds, the sound calls are noted in recording instead of
    // played.
    explicit GameWindow(bool recordSounds = false)
        : sound(recordSounds ? static_cast<SoundLibrary&>(recording) : sdl)
    {
        FillGameFolder(game);
    }

    // The window as the dialog's OK opens it.
    void Open()
    {
        SetGameFolder(game.str());
        ResetProgramState();
        dialog.show();
        form = std::make_unique<TZorbilForm>(sound, &dialog);
        form->tmrGame->installEventFilter(&gate_);
        QObject::connect(form->tmrGame, &QTimer::timeout, [this] { ++steps; });
        QObject::connect(form.get(), &TCGForm::frameSwapped, [this] { ++frames; });
        SetUpSound(sound, *form);
        form->show();
        dialog.hide();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    // What the player does.

    // A key press delivered as the window system does, to the window first,
    // without running the event loop.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(form->windowHandle(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QCoreApplication::sendEvent(form->windowHandle(), &release);
    }
    // A key typed as the window system delivers it, shortcuts and all, to
    // the window with the keyboard.
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        if (QGuiApplication::focusWindow() != form->windowHandle()) {
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form.get()));
        }
        QTest::keyClick(form->windowHandle(), key, modifiers);
    }
    // A caption's mnemonic.
    void Alt(Qt::Key letter) { Type(letter, Qt::AltModifier); }

    // The options screen's choices.
    void Choose(bool music, bool picture)
    {
        form->MenuOptions->ModList->setCurrentRow(music ? 0 : -1);
        form->MenuOptions->TexList->setCurrentRow(picture ? 1 : -1);
    }
    void ChoosePicture(int row) { form->MenuOptions->TexList->setCurrentRow(row); }
    // A click on an entry of the musics' or the pictures' list.
    void PickMusic(int row) { Pick(form->MenuOptions->ModList, row); }
    void PickPicture(int row) { Pick(form->MenuOptions->TexList, row); }
    void SetSpeed(int position) { form->MenuOptions->Speed->setValue(position); }
    void SetEffects(bool on) { form->MenuOptions->SonAct->setChecked(on); }
    // Tab onto the musics' list.
    void FocusMusicList()
    {
        form->MenuOptions->ModList->setFocus(Qt::TabFocusReason);
        QCOMPARE(form->focusWidget(), static_cast<QWidget*>(form->MenuOptions->ModList));
    }

    // "&Jouer", with what is chosen.
    void Play() { Click(form->MenuPrincipal->BtnJouer); }
    // A game on the first music and the second picture, the donut out of
    // the way.
    void StartGame(int speed)
    {
        SetSpeed(speed);
        Choose(true, true);
        Play();
        PutDonut({2, 2});
    }
    void PutDonut(Cell cell) { Donut = cell; }

    // A screen from the main menu's button, or during play from its key.
    void Open(Screen screen)
    {
        const bool playing = GameRunning && !Front();
        switch (screen) {
        case Screen::Help: return playing ? Key(Qt::Key_F1) : Click(form->MenuPrincipal->BtnAide);
        case Screen::Options: return playing ? Key(Qt::Key_F2) : Click(form->MenuPrincipal->BtnOptions);
        case Screen::Scores: return playing ? Key(Qt::Key_F3) : Click(form->MenuPrincipal->BtnScores);
        case Screen::Pause: return Key(Qt::Key_Escape);
        case Screen::GameOver:
        case Screen::MainMenu: QFAIL("no way to open that screen");
        }
    }
    // The "&Continuer" (or "OK") of the screen in front.
    void Continue()
    {
        const std::optional<Screen> front = Front();
        QVERIFY(front && *front != Screen::MainMenu);
        Click(ContinueButton(*front));
    }
    // The pause screen's "&Quitter".
    void QuitGame() { Click(form->MenuPause->MenuPauseQuitter); }
    // The main menu's "&Quitter Zorbil".
    void QuitProgram() { Click(form->MenuPrincipal->BtnQuitter); }

    // What the player sees.

    // The screens shown, bottom to top. A hidden screen that still takes
    // input counts as shown.
    QList<Screen> Screens() const
    {
        QList<Screen> shown;
        for (QObject* child : form->children())
            for (Screen s : AllScreens)
                if (child == Panel(s) && (Panel(s)->isVisible() || Panel(s)->isEnabled()))
                    shown << s;
        return shown;
    }
    std::optional<Screen> Front() const
    {
        const QList<Screen> shown = Screens();
        return shown.isEmpty() ? std::nullopt : std::optional(shown.last());
    }
    bool Shows(Screen screen) const { return Screens().contains(screen); }

    bool OptionsWarn() const { return form->MenuOptions->InWarningLayout(); }
    QStringList Pictures() const { return Entries(form->MenuOptions->TexList); }
    QStringList Musics() const { return Entries(form->MenuOptions->ModList); }
    QString ChosenPicture() const { return form->MenuOptions->TexList->FileName(); }
    bool SoundBoxesGreyed() const
    {
        return !form->MenuOptions->SonAct->isEnabled() && !form->MenuOptions->MusicAct->isEnabled();
    }
    int Speed() const { return form->MenuOptions->Speed->value(); }
    QString ScoreShown() const { return form->MenuScores->ScoreNb->text(); }
    QString BestShown() const { return form->MenuScores->TopScoreNb->text(); }
    bool PointerHidden() const { return form->cursor().shape() == Qt::BlankCursor; }
    std::string SelectedMusic() const { return form->SelectedMusic(); }

    // Frames are presented while the renderer runs and only then.
    bool Drawing()
    {
        const int before = frames;
        return QTest::qWaitFor([&] { return frames > before + 2; }, 10000);
    }
    bool Stopped()
    {
        QTest::qWait(30);  // one frame may already be on its way
        const int before = frames;
        QTest::qWait(200);
        return frames == before;
    }
    // The renderer has answered the reload signal, picture or not.
    bool PictureLoaded()
    {
        return QTest::qWaitFor([&] { return !Exists("/Data/Temp.dat"); }, 10000);
    }
    // The game's background shows the picture of that palette entry.
    bool ShowsPicture(uint8_t index)
    {
        const std::array<uint8_t, 4> c = PcxBuilder(1, 1).Pixel(index);
        const QRgb expected = qRgb(c[0], c[1], c[2]);
        return QTest::qWaitFor([&] { return (ScreenPixel({3, 3}) & 0xFFFFFF) == (expected & 0xFFFFFF); }, 10000);
    }
    QRgb ScreenPixel(QPoint at) const
    {
        const QImage screen = form->screen()->grabWindow(0).toImage();
        return screen.pixel(form->mapToGlobal(at));
    }

    // What the screen shows over the screen's panel is the panel itself, not
    // the game's surface beneath it.
    bool OnScreen(Screen screen)
    {
        QWidget* panel = Panel(screen);
        const QImage own = panel->grab().toImage();
        return QTest::qWaitFor(
            [&] {
                const QImage shown = form->screen()->grabWindow(0).toImage();
                for (QPoint p : {QPoint(panel->width() / 3, panel->height() / 2), QPoint(panel->width() / 2, 200)})
                    if ((shown.pixel(panel->mapToGlobal(p)) & 0xFFFFFF) != (own.pixel(p) & 0xFFFFFF))
                        return false;
                return true;
            },
            10000);
    }

    bool Exists(const char* tail) const { return std::filesystem::exists(game.file(tail)); }

    // The game's clock.

    // Lets the step timer's next tick through and waits for that step:
    // false when none comes.
    bool NextStep()
    {
        const int before = steps;
        gate_.letThrough = 1;
        const bool stepped = QTest::qWaitFor([&] { return steps > before; }, 10000);
        gate_.letThrough = 0;
        return stepped;
    }
    // Steps until the game is over: false when it does not end.
    bool StepUntilOver(int most = 50)
    {
        for (int i = 0; i < most && GameRunning; ++i)
            if (!NextStep())
                return false;
        return !GameRunning;
    }
    // Every tick from now on makes its step, as in the game.
    void LetRun() { gate_.letThrough = std::numeric_limits<int>::max(); }
    bool Stepping() const { return form->tmrGame->isActive(); }
    int StepInterval() const { return form->tmrGame->interval(); }
    bool Spinning() const { return form->tmrAnimate->isActive(); }
    int SpinInterval() const { return form->tmrAnimate->interval(); }

    // The window's render thread, once started, until the window closes.
    static bool RenderThreadRuns()
    {
        for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
            std::string name;
            std::getline(std::ifstream(task.path() / "comm"), name);
            if (name.starts_with("zorbil::TWRend"))
                return true;
        }
        return false;
    }

    TempGameFolder game;
    MessageBoxWatcher boxes;
    SdlSoundLibrary sdl{test::GameDecoder};
    RecordingSoundLibrary recording;
    SoundLibrary& sound;
    DialogStandIn dialog;
    std::unique_ptr<TZorbilForm> form;
    int frames = 0;
    int steps = 0;

private:
    static constexpr Screen AllScreens[] = {Screen::GameOver, Screen::Pause,   Screen::MainMenu,
                                            Screen::Scores,   Screen::Options, Screen::Help};

    ScreenPanel* Panel(Screen screen) const
    {
        switch (screen) {
        case Screen::GameOver: return form->GameOver;
        case Screen::Pause: return form->MenuPause;
        case Screen::MainMenu: return form->MenuPrincipal;
        case Screen::Scores: return form->MenuScores;
        case Screen::Options: return form->MenuOptions;
        case Screen::Help: return form->MenuAide;
        }
        return nullptr;
    }
    QAbstractButton* ContinueButton(Screen screen) const
    {
        switch (screen) {
        case Screen::GameOver: return form->GameOver->GameOverOK;
        case Screen::Pause: return form->MenuPause->MenuPauseContinuer;
        case Screen::Scores: return form->MenuScores->MenuScoresOK;
        case Screen::Options: return form->MenuOptions->MenuOptionsOK;
        case Screen::Help: return form->MenuAide->MenuAideOK;
        case Screen::MainMenu: break;
        }
        return nullptr;
    }
    static QStringList Entries(const FileList* list)
    {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    static void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static void Pick(FileList* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    StepGate gate_;
};

}  // namespace zorbil::test
