// SPDX-License-Identifier: GPL-3.0-or-later
// A game window as the player gets it: real files in a throw-away game
// folder, the real sound layer (on SDL's dummy driver, or one that notes
// every call), the real renderer on Xvfb, and a plain widget standing for the
// configuration dialog. Tests speak through its verbs: what the player does
// and what the player sees.
//
// The game steps only when a test lets it (StepClock).
#pragma once

#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "../render/PcxBuilder.h"
#include "StepClock.h"
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

// Stands for the configuration dialog, which closing the game window closes.
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
        clock = std::make_unique<StepClock>(*form);
        QObject::connect(form.get(), &TCGForm::frameSwapped, [this] { ++frames; });
        SetUpSound(sound, *form);
        form->show();
        dialog.hide();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    // What the player does.

    // A key press as the window system delivers it, to the window first,
    // without running the event loop.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(form->windowHandle(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QCoreApplication::sendEvent(form->windowHandle(), &release);
    }
    // A key typed through the window system, shortcuts and all, into the
    // window, which gets the keyboard first.
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
        Options()->ModList->setCurrentRow(music ? 0 : -1);
        Options()->TexList->setCurrentRow(picture ? 1 : -1);
    }
    void ChoosePicture(int row) { Options()->TexList->setCurrentRow(row); }
    // A click on an entry of a list on the open options screen.
    void PickMusic(int row) { Pick(Options()->ModList, row); }
    void PickPicture(int row) { Pick(Options()->TexList, row); }
    void SetSpeed(int position) { Options()->Speed->setValue(position); }
    void SetEffects(bool on) { Options()->SonAct->setChecked(on); }
    // Tab onto the musics' list.
    void FocusMusicList()
    {
        Options()->ModList->setFocus(Qt::TabFocusReason);
        QCOMPARE(form->focusWidget(), static_cast<QWidget*>(Options()->ModList));
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

    // A screen from the main menu's button, or during play by its key.
    void Open(Screen screen)
    {
        const Part part = Parts(screen);
        if (GameRunning && !Front())
            Key(part.key);
        else
            Click(part.menuButton);
    }
    // The "&Continuer" (or "OK") of the screen in front.
    void Continue()
    {
        QVERIFY(Front() && *Front() != Screen::MainMenu);
        Click(Parts(*Front()).continueButton);
    }
    // The pause screen's "&Quitter", and the main menu's "&Quitter Zorbil".
    void QuitGame() { Click(form->MenuPause->MenuPauseQuitter); }
    void QuitProgram() { Click(form->MenuPrincipal->BtnQuitter); }

    // What the player sees.

    // The screens shown, bottom to top. A hidden screen that still takes
    // input counts as shown.
    QList<Screen> Screens() const
    {
        QList<Screen> shown;
        for (QObject* child : form->children())
            for (Screen s : AllScreens)
                if (child == Parts(s).panel && (Parts(s).panel->isVisible() || Parts(s).panel->isEnabled()))
                    shown << s;
        return shown;
    }
    std::optional<Screen> Front() const
    {
        const QList<Screen> shown = Screens();
        return shown.isEmpty() ? std::nullopt : std::optional(shown.last());
    }

    bool OptionsWarn() const { return Options()->InWarningLayout(); }
    QStringList Pictures() const { return Entries(Options()->TexList); }
    QStringList Musics() const { return Entries(Options()->ModList); }
    QString ChosenPicture() const { return Options()->TexList->FileName(); }
    std::string SelectedMusic() const { return form->SelectedMusic(); }
    bool SoundBoxesGreyed() const { return !Options()->SonAct->isEnabled() && !Options()->MusicAct->isEnabled(); }
    int Speed() const { return Options()->Speed->value(); }
    QString ScoreShown() const { return form->MenuScores->ScoreNb->text(); }
    QString BestShown() const { return form->MenuScores->TopScoreNb->text(); }
    bool PointerHidden() const { return form->cursor().shape() == Qt::BlankCursor; }
    bool Exists(const char* tail) const { return std::filesystem::exists(game.file(tail)); }

    // Frames are presented while the renderer runs and only then.
    bool Drawing()
    {
        const int before = frames;
        return QTest::qWaitFor([&] { return frames > before + 2; }, 10000);
    }
    // One frame may already have been on its way, however late it arrives.
    bool Stopped()
    {
        const int before = frames;
        QTest::qWait(300);
        return frames <= before + 1;
    }
    // The renderer has answered the reload signal, picture or not.
    bool PictureLoaded()
    {
        return QTest::qWaitFor([&] { return !Exists("/Data/Temp.dat"); }, 10000);
    }
    // The game's background shows the picture of that palette entry.
    bool ShowsPicture(uint8_t index)
    {
        const auto c = PcxBuilder(1, 1).Pixel(index);
        return QTest::qWaitFor([&] { return ScreenPixel({3, 3}) == qRgb(c[0], c[1], c[2]); }, 10000);
    }
    QRgb ScreenPixel(QPoint at) const
    {
        return form->screen()->grabWindow(0).toImage().pixel(form->mapToGlobal(at)) | 0xFF000000;
    }
    // What the screen shows over a screen's panel is the panel itself, not
    // the game's surface beneath it.
    bool OnScreen(Screen screen)
    {
        QWidget* panel = Parts(screen).panel;
        const QImage own = panel->grab().toImage();
        return QTest::qWaitFor(
            [&] {
                for (QPoint p : {QPoint(panel->width() / 3, panel->height() / 2), QPoint(panel->width() / 2, 200)})
                    if (ScreenPixel(panel->mapTo(form.get(), p)) != (own.pixel(p) | 0xFF000000))
                        return false;
                return true;
            },
            10000);
    }

    // The game's clock.

    bool NextStep() { return clock->NextStep(); }
    bool StepUntilOver() { return clock->StepUntilOver(); }
    void LetRun() { clock->LetRun(); }
    int Steps() const { return clock->steps; }
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
    std::unique_ptr<StepClock> clock;
    int frames = 0;

private:
    static constexpr Screen AllScreens[] = {Screen::GameOver, Screen::Pause,   Screen::MainMenu,
                                            Screen::Scores,   Screen::Options, Screen::Help};
    struct Part {
        ScreenPanel* panel;
        QAbstractButton* continueButton;  // none for the main menu
        QAbstractButton* menuButton;      // what opens it from the main menu
        Qt::Key key;                      // what opens it during play
    };
    Part Parts(Screen screen) const
    {
        const MainMenuPanel* menu = form->MenuPrincipal;
        switch (screen) {
        case Screen::GameOver: return {form->GameOver, form->GameOver->GameOverOK, nullptr, Qt::Key_unknown};
        case Screen::Pause: return {form->MenuPause, form->MenuPause->MenuPauseContinuer, nullptr, Qt::Key_Escape};
        case Screen::MainMenu: return {form->MenuPrincipal, nullptr, nullptr, Qt::Key_unknown};
        case Screen::Scores: return {form->MenuScores, form->MenuScores->MenuScoresOK, menu->BtnScores, Qt::Key_F3};
        case Screen::Options: return {Options(), Options()->MenuOptionsOK, menu->BtnOptions, Qt::Key_F2};
        case Screen::Help: return {form->MenuAide, form->MenuAide->MenuAideOK, menu->BtnAide, Qt::Key_F1};
        }
        return {};
    }
    OptionsPanel* Options() const { return form->MenuOptions; }
    static QStringList Entries(const FileList* list)
    {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    static void Click(QWidget* button)
    {
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void Pick(FileList* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
};

}  // namespace zorbil::test
