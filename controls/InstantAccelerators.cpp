// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/InstantAccelerators.h"

#include <QAbstractButton>
#include <QShortcutEvent>

namespace zorbil {

InstantAccelerators::InstantAccelerators(QWidget* root) : QObject(root)
{
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        button->installEventFilter(this);
}

bool InstantAccelerators::eventFilter(QObject* watched, QEvent* event)
{
    // An ambiguous accelerator keeps Qt's way: it only moves the focus.
    if (event->type() != QEvent::Shortcut || static_cast<QShortcutEvent*>(event)->isAmbiguous())
        return false;
    auto* button = static_cast<QAbstractButton*>(watched);
    // As the animated click does, a check box or radio button takes the focus.
    if (button->isCheckable() && (button->focusPolicy() & Qt::ClickFocus))
        button->setFocus(Qt::ShortcutFocusReason);
    button->click();
    return true;
}

}  // namespace zorbil
