// SPDX-License-Identifier: GPL-3.0-or-later
// The game controllers: the D-pad and left stick are the arrow keys, A is
// Space (the focused button's action), B is Esc, and Start is Esc during a
// game and "&Continuer" on the pause screen. They reach the window as its
// key presses do, so every key rule holds for them too, and like keys they
// count only while the window is active.
#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

#include "game/GameState.h"
#include "game/ZorbilMain.h"
#include "input/SdlGamePads.h"
#include "screens/PausePanel.h"

namespace zorbil {

namespace {

// Short enough that a press reaches the game within the same frame.
constexpr int PadPollMs = 5;

int KeyOf(PadButton button)
{
    switch (button) {
    case PadButton::Up: return Qt::Key_Up;
    case PadButton::Down: return Qt::Key_Down;
    case PadButton::Left: return Qt::Key_Left;
    case PadButton::Right: return Qt::Key_Right;
    case PadButton::A: return Qt::Key_Space;
    case PadButton::B:
    case PadButton::Start: return Qt::Key_Escape;
    }
    return 0;
}

}  // namespace

void TZorbilForm::StartPads()
{
    if (pads_)
        return;
    auto pads = std::make_unique<SdlGamePads>();
    if (!pads->Start())
        return;
    pads_ = std::move(pads);
    // The screens' buttons take no focus from the keyboard; given it by a
    // controller, the arrows move it between the buttons of one screen.
    for (FlatButton* button : findChildren<FlatButton*>())
        button->setAutoExclusive(true);
    tmrPad->start(PadPollMs);
}

void TZorbilForm::tmrPadTimer()
{
    if (!pads_)
        return;
    for (const PadEvent& event : pads_->Poll())
        PadInput(event);
    if (pads_->Count() > 0 && isActiveWindow())
        KeepPadFocus();
}

void TZorbilForm::PadInput(const PadEvent& event)
{
    if (event.kind == PadEvent::Kind::Unplugged) {
        FormDeactivate();
        return;
    }
    if (!isActiveWindow())
        return;
    const bool press = event.kind == PadEvent::Kind::Press;
    if (event.button == PadButton::Start && press && GamePaused && MenuPause->isVisible()) {
        MenuPause->MenuPauseContinuer->click();
        return;
    }
    PadKey(KeyOf(event.button), press);
}

void TZorbilForm::PadKey(int qtKey, bool press)
{
    QKeyEvent key(press ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier);
    QCoreApplication::sendEvent(windowHandle(), &key);
}

void TZorbilForm::KeepPadFocus()
{
    // Panels are raised by moving them last among the window's children.
    const QObjectList& children = this->children();
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        auto* panel = qobject_cast<ScreenPanel*>(*child);
        if (!panel || !panel->isVisible() || !panel->isEnabled())
            continue;
        if (!panel->isAncestorOf(QApplication::focusWidget()))
            if (auto* button = panel->findChild<FlatButton*>())
                button->setFocus(Qt::OtherFocusReason);
        return;
    }
}

}  // namespace zorbil
