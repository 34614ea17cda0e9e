// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace zorbil {

AfterFirstPaint::AfterFirstPaint(QWidget& widget, std::function<void()> task)
    : QObject(&widget), task_(std::move(task))
{
    widget.windowHandle()->installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Expose || !static_cast<QWindow*>(watched)->isExposed())
        return false;
    watched->removeEventFilter(this);
    // Painted first; the task then runs before the window system's next
    // event, such as a key that needs what the task makes.
    QCoreApplication::sendEvent(watched, event);
    task_();
    return true;
}

}  // namespace zorbil
