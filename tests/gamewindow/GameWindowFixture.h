// SPDX-License-Identifier: GPL-3.0-or-later
// A game window as the player gets it: real files in a throw-away game
// folder, the real sound layer (on SDL's dummy driver, or one that notes
// every call), the real renderer on Xvfb, and a plain widget standing for the
// configuration dialog.
#pragma once

#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <memory>

#include "../render/PcxBuilder.h"
#include "audio/GameSound.h"
#include "audio/SdlSoundLibrary.h"
#include "config/GameFolder.h"
#include "game/GameState.h"
#include "game/ZorbilMain.h"
#include "render/GLThread.h"
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

inline std::string SolidPcx(uint8_t index)
{
    PcxBuilder pcx(256, 256);
    for (int y = 0; y < 256; ++y)
        pcx.AddRow(std::vector<uint8_t>(256, index));
    return pcx.Bytes();
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

class GameWindow {
public:
    // The usual game folder: Data, two pictures and two musics. With
    // recordSounds, the sound calls are noted in recording instead of played.
    explicit GameWindow(bool recordSounds = false) : sound(recordSounds ? static_cast<SoundLibrary&>(recording) : sdl)
    {
        std::filesystem::create_directories(game.path() / "Textures");
        std::filesystem::create_directories(game.path() / "Musiques");
        game.write("/Textures/bleu.pcx", SolidPcx(40));
        game.write("/Textures/vert.pcx", SolidPcx(90));
        game.write("/Musiques/calme.mus", "not a real music");
        game.write("/Musiques/rapide.mus", "not a real music either");
    }

    void Open()
    {
        SetGameFolder(game.str());
        ResetProgramState();
        dialog.show();
        form = std::make_unique<TZorbilForm>(sound, &dialog);
        SetUpSound(sound, *form);
        QObject::connect(form.get(), &TCGForm::frameSwapped, [this] { ++frames; });
        // What the dialog's OK does.
        form->show();
        dialog.hide();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    // A key press delivered as the window system does, to the window first,
    // without running the event loop: no timer tick comes in between.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(form->windowHandle(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QCoreApplication::sendEvent(form->windowHandle(), &release);
    }

    void Choose(bool music, bool texture)
    {
        form->MenuOptions->ModList->setCurrentRow(music ? 0 : -1);
        form->MenuOptions->TexList->setCurrentRow(texture ? 1 : -1);
    }

    // A game from the main menu with a music and a picture, through the button.
    void Play()
    {
        Choose(true, true);
        QTest::mouseClick(form->MenuPrincipal->BtnJouer, Qt::LeftButton);
    }

    // Frames are presented while the renderer runs and only then.
    bool Drawing()
    {
        const int before = frames;
        return QTest::qWaitFor([&] { return frames > before + 2; }, 3000);
    }
    bool Stopped()
    {
        QTest::qWait(30);  // one frame may already be on its way
        const int before = frames;
        QTest::qWait(200);
        return frames == before;
    }

    // What the screen shows over the panel is the panel itself, not the
    // game's surface beneath it.
    bool OnScreen(QWidget* panel)
    {
        const QImage own = panel->grab().toImage();
        return QTest::qWaitFor(
            [&] {
                const QImage screen = form->screen()->grabWindow(0).toImage();
                for (QPoint p : {QPoint(panel->width() / 3, panel->height() / 2), QPoint(panel->width() / 2, 200)})
                    if ((screen.pixel(panel->mapToGlobal(p)) & 0xFFFFFF) != (own.pixel(p) & 0xFFFFFF))
                        return false;
                return true;
            },
            3000);
    }

    bool Exists(const char* tail) const { return std::filesystem::exists(game.file(tail)); }

    TempGameFolder game;
    MessageBoxWatcher boxes;
    SdlSoundLibrary sdl{test::GameDecoder};
    RecordingSoundLibrary recording;
    SoundLibrary& sound;
    DialogStandIn dialog;
    std::unique_ptr<TZorbilForm> form;
    int frames = 0;
};

}  // namespace zorbil::test
