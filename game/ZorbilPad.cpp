// SPDX-License-Identifier: GPL-3.0-or-later
// The game controllers in the game window. During play and on most screens
// the D-pad and left stick are the arrow keys, A is Space (the focused
// button's action), B is Esc, and Start is Esc during a game and "&Continuer"
// on the pause screen: they reach the window as its key presses do, so every
// key rule holds for them too. The options screen and the help screen have
// the D-pad, B and the shoulder buttons to themselves: there the D-pad moves
// the focus, changes the speed, chooses in the lists or turns the pages, and
// B goes back as "&Continuer" does.
#include <QApplication>
#include <optional>

#include "controls/FocusMove.h"
#include "game/GameState.h"
#include "game/ZorbilMain.h"
#include "input/PadPoller.h"
#include "screens/HelpPanel.h"
#include "screens/OptionsPanel.h"
#include "screens/PausePanel.h"

namespace zorbil {

namespace {

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
    case PadButton::LeftShoulder:
    case PadButton::RightShoulder: break;
    }
    return 0;
}

std::optional<Heading> HeadingOf(PadButton button)
{
    switch (button) {
    case PadButton::Up: return Heading::Up;
    case PadButton::Down: return Heading::Down;
    case PadButton::Left: return Heading::Left;
    case PadButton::Right: return Heading::Right;
    default: return std::nullopt;
    }
}

}  // namespace

bool TZorbilForm::event(QEvent* event)
{
    if (event->type() != PadInputEvent::EventType())
        return TCGForm::event(event);
    const auto* input = static_cast<PadInputEvent*>(event);
    // The controllers are read here only when they did something: a screen
    // opened since the last reading gets its focus before the press acts.
    if (input->Plugged() > 0 && isActiveWindow())
        KeepPadFocus();
    for (const PadEvent& pad : input->Events())
        PadInput(pad);
    if (input->Plugged() > 0 && isActiveWindow())
        KeepPadFocus();
    event->accept();
    return true;
}

void TZorbilForm::PadInput(const PadEvent& event)
{
    if (event.kind == PadEvent::Kind::Unplugged) {
        FormDeactivate();
        return;
    }
    if (!isActiveWindow())
        return;
    ScreenPanel* front = FrontPanel();
    if ((front == MenuOptions || front == MenuAide) && ScreenPad(front, event))
        return;
    const bool press = event.kind == PadEvent::Kind::Press;
    if (event.button == PadButton::Start && press && GamePaused && MenuPause->isVisible()) {
        MenuPause->MenuPauseContinuer->click();
        return;
    }
    if (const int key = KeyOf(event.button))
        SendPadKey(this, key, press);
}

bool TZorbilForm::ScreenPad(ScreenPanel* front, const PadEvent& event)
{
    const PadButton button = event.button;
    const std::optional<Heading> heading = HeadingOf(button);
    if (!heading && button != PadButton::B && button != PadButton::LeftShoulder && button != PadButton::RightShoulder)
        return false;
    if (event.kind != PadEvent::Kind::Press)
        return true;
    if (front == MenuOptions) {
        MenuOptions->Halo->PadUsed();
        if (button == PadButton::B)
            MenuOptions->MenuOptionsOK->click();
        else if (heading)
            MenuOptions->PadMove(*heading);
        return true;
    }
    if (button == PadButton::B)
        MenuAide->MenuAideOK->click();
    else if (button == PadButton::Left || button == PadButton::LeftShoulder)
        MenuAide->TurnPage(-1);
    else if (button == PadButton::Right || button == PadButton::RightShoulder)
        MenuAide->TurnPage(1);
    else
        MenuAide->ScrollNotes(button == PadButton::Down ? 1 : -1);
    return true;
}

ScreenPanel* TZorbilForm::FrontPanel() const
{
    // Panels are raised by moving them last among the window's children.
    const QObjectList& children = this->children();
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        if (auto* panel = qobject_cast<ScreenPanel*>(*child); panel && panel->isVisible() && panel->isEnabled())
            return panel;
    return nullptr;
}

void TZorbilForm::KeepPadFocus()
{
    ScreenPanel* panel = FrontPanel();
    if (!panel)
        return;
    const QWidget* focus = QApplication::focusWidget();
    if (focus && panel->isAncestorOf(focus) && focus->isVisible() && focus->isEnabled())
        return;
    QList<QWidget*> controls;
    if (panel == MenuOptions)
        controls = MenuOptions->PadControls();
    else
        for (FlatButton* button : panel->findChildren<FlatButton*>())
            controls.append(button);
    controls = Usable(controls);
    if (controls.isEmpty())
        return;
    controls.first()->setFocus(Qt::OtherFocusReason);
    if (panel == MenuOptions)
        MenuOptions->Halo->PadUsed();
}

}  // namespace zorbil
