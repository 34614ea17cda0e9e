// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog with a game controller: everything the keyboard
// reaches, so that a player with a controller alone can start the game.
#include <QPushButton>

#include "config/SpinButton.h"
#include "config/ZorbilConfig.h"
#include "controls/FocusHalo.h"
#include "controls/FocusMove.h"
#include "input/PadPoller.h"

namespace zorbil {

bool TConfigForm::event(QEvent* event)
{
    if (event->type() != PadInputEvent::EventType())
        return QWidget::event(event);
    for (const PadEvent& pad : static_cast<PadInputEvent*>(event)->Events())
        PadInput(pad);
    event->accept();
    return true;
}

void TConfigForm::PadInput(const PadEvent& event)
{
    if (event.kind == PadEvent::Kind::Unplugged)
        return;
    const bool press = event.kind == PadEvent::Kind::Press;
    if (event.button == PadButton::A) {
        halo_->PadUsed();
        SendPadKey(this, Qt::Key_Space, press);
        return;
    }
    if (!press)
        return;
    QWidget* focus = focusWidget();
    auto* spin = qobject_cast<SpinButton*>(focus);
    switch (event.button) {
    case PadButton::Start:
        BtnOK->click();
        return;
    case PadButton::Left:
    case PadButton::Right:
        if (spin) {
            // As the arrow keys do on it.
            const Qt::Key arrow = event.button == PadButton::Right ? Qt::Key_Up : Qt::Key_Down;
            SendPadKey(this, arrow, true);
            SendPadKey(this, arrow, false);
            halo_->PadUsed();
            return;
        }
        [[fallthrough]];
    case PadButton::Up:
    case PadButton::Down: {
        const Heading heading = event.button == PadButton::Up     ? Heading::Up
                                : event.button == PadButton::Down ? Heading::Down
                                : event.button == PadButton::Left ? Heading::Left
                                                                  : Heading::Right;
        const QList<QWidget*> usable = Usable(TabOrder());
        QWidget* next = focus && usable.contains(focus) ? NearestControl(focus, heading, usable)
                                                        : usable.value(0);
        if (next)
            next->setFocus(Qt::TabFocusReason);
        halo_->PadUsed();
        return;
    }
    default:
        return;
    }
}

}  // namespace zorbil
