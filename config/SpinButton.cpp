// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/SpinButton.h"

#include <QKeyEvent>
#include <QToolButton>

#include "controls/AccessibleRole.h"

namespace zorbil {

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), up_(MakeArrow(Qt::UpArrow)), down_(MakeArrow(Qt::DownArrow)), focused_(up_)
{
    setFocusPolicy(Qt::StrongFocus);
    SetAccessibleRole(this, QAccessible::SpinBox);
    up_->setAccessibleName(tr("Augmenter"));
    down_->setAccessibleName(tr("Diminuer"));
    connect(up_, &QToolButton::clicked, this, &SpinButton::UpClick);
    connect(down_, &QToolButton::clicked, this, &SpinButton::DownClick);
    // A mouse press also makes that arrow the one Space repeats.
    connect(up_, &QToolButton::pressed, this, [this] { focused_ = up_; });
    connect(down_, &QToolButton::pressed, this, [this] { focused_ = down_; });
}

QToolButton* SpinButton::MakeArrow(Qt::ArrowType arrow)
{
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(RepeatDelayMs);
    button->setAutoRepeatInterval(RepeatIntervalMs);
    // The arrows never take the focus themselves, so the keys reach this control.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void SpinButton::resizeEvent(QResizeEvent*)
{
    const int upHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upHeight);
    down_->setGeometry(0, upHeight, width(), height() - upHeight);
}

void SpinButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        focused_ = up_;
        up_->click();
        break;
    case Qt::Key_Down:
        focused_ = down_;
        down_->click();
        break;
    case Qt::Key_Space:
        focused_->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

}  // namespace zorbil
