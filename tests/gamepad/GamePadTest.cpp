// SPDX-License-Identifier: GPL-3.0-or-later
// A game played with a controller, through SDL's virtual joystick plugged
// into the real game window: the same key rules as the keyboard, plugged
// in and out at any time.
#include <SDL.h>
#include <signal.h>

#include <QApplication>

#include "../gamewindow/GameWindowFixture.h"

using namespace zorbil;
using zorbil::test::GameWindow;

namespace {

// A controller as SDL's database knows one: its buttons and axes in SDL's
// game-controller order.
class VirtualPad {
public:
    VirtualPad()
    {
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Manette d'essai";
        joystick_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    }
    ~VirtualPad() { Unplug(); }

    bool Plugged() const { return joystick_ != nullptr; }
    void Button(SDL_GameControllerButton button, bool down)
    {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED);
    }
    void Stick(int x, int y)
    {
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
    }
    void Unplug()
    {
        if (!joystick_)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                SDL_JoystickDetachVirtual(i);
    }

private:
    SDL_Joystick* joystick_ = nullptr;
};

bool SameHandler(int signal, const struct sigaction& before)
{
    struct sigaction now {};
    sigaction(signal, nullptr, &now);
    return now.sa_handler == before.sa_handler;
}

}  // namespace

class GamePadTest : public QObject {
    Q_OBJECT
private slots:
    void PadPlaysAGameFromTheMenu();
};

void GamePadTest::PadPlaysAGameFromTheMenu()
{
    struct sigaction interrupt {}, terminate {};
    sigaction(SIGINT, nullptr, &interrupt);
    sigaction(SIGTERM, nullptr, &terminate);
    GameWindow w;
    w.Open();
    // Ctrl+C and SIGTERM still end the program as they did.
    QVERIFY(SameHandler(SIGINT, interrupt) && SameHandler(SIGTERM, terminate));
    w.form->MenuOptions->Speed->setValue(9);  // 450 ms: room for presses between steps
    w.Choose(true, true);
    // Each tick takes in what the pad did since the last one, as the window's
    // timer does; between two ticks without the event loop no step can run.
    auto tick = [&] { w.form->tmrPadTimer(); };
    auto press = [&](SDL_GameControllerButton button, VirtualPad& pad) {
        pad.Button(button, true);
        tick();
        pad.Button(button, false);
        tick();
    };

    // Plugged in once the menu is up, the pad is ready at once: it moves
    // between the menu's buttons and A plays.
    auto pad = std::make_unique<VirtualPad>();
    QVERIFY(pad->Plugged());
    tick();
    QVERIFY(w.form->MenuPrincipal->BtnJouer->hasFocus());
    press(SDL_CONTROLLER_BUTTON_DPAD_DOWN, *pad);
    QVERIFY(w.form->MenuPrincipal->BtnScores->hasFocus());
    press(SDL_CONTROLLER_BUTTON_DPAD_UP, *pad);
    QVERIFY(w.form->MenuPrincipal->BtnJouer->hasFocus());
    press(SDL_CONTROLLER_BUTTON_A, *pad);
    QVERIFY(GameRunning);
    QVERIFY(w.Drawing());
    Donut = {2, 2};  // out of the way

    // Heading right: up is taken, then left would turn it back and is
    // dropped until the next step.
    QCOMPARE(Snake.Direction, uint8_t(DirRight));
    const Cell start = Snake.Head;
    press(SDL_CONTROLLER_BUTTON_DPAD_UP, *pad);
    pad->Stick(-32768, 0);
    tick();
    QCOMPARE(Snake.Direction, uint8_t(DirUp));
    QVERIFY(QTest::qWaitFor([&] { return !(Snake.Head == start); }, 3000));
    QCOMPARE(Snake.Head, (Cell{start.X, start.Y + 1}));
    // The stick still held gives no second turn; back within its dead zone
    // and pushed again, it turns once more.
    tick();
    QVERIFY(TurnAllowed);
    pad->Stick(-6000, 6000);
    tick();
    QCOMPARE(Snake.Direction, uint8_t(DirUp));
    pad->Stick(-32768, 0);
    tick();
    QCOMPARE(Snake.Direction, uint8_t(DirLeft));
    pad->Stick(0, 0);
    QVERIFY(QTest::qWaitFor([] { return TurnAllowed; }, 3000));

    // Start pauses; on the pause screen it continues.
    press(SDL_CONTROLLER_BUTTON_START, *pad);
    QVERIFY(GamePaused && w.form->MenuPause->isVisible());
    QVERIFY(w.Stopped());
    tick();
    QVERIFY(w.form->MenuPause->MenuPauseContinuer->hasFocus());
    press(SDL_CONTROLLER_BUTTON_START, *pad);
    QVERIFY(!GamePaused && !w.form->MenuPause->isVisible());
    QVERIFY(w.form->tmrGame->isActive());
    QVERIFY(w.Drawing());

    // Pulled out during the game, the pad pauses it as leaving the window does.
    pad->Unplug();
    tick();
    QVERIFY(GamePaused && w.form->MenuPause->isVisible());
    QVERIFY(GameRunning);

    // Another window active: the pad plays no part, as keys do not.
    pad = std::make_unique<VirtualPad>();
    tick();
    w.dialog.show();
    w.dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.dialog));
    press(SDL_CONTROLLER_BUTTON_START, *pad);
    QVERIFY(GamePaused);

    // Back in the game window, A on the focused "&Continuer" resumes.
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    tick();
    press(SDL_CONTROLLER_BUTTON_A, *pad);
    QVERIFY(!GamePaused && w.form->tmrGame->isActive());
    // B is Esc: it pauses again.
    QVERIFY(QTest::qWaitFor([] { return TurnAllowed; }, 3000));
    press(SDL_CONTROLLER_BUTTON_B, *pad);
    QVERIFY(GamePaused);
    QVERIFY(w.boxes.boxes.isEmpty());
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    GamePadTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GamePadTest.moc"
