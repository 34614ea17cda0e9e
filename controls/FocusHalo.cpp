// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FocusHalo.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace zorbil {

namespace {

constexpr int Margin = 8;  // room for the ring outside the control

}  // namespace

void PaintFocusRing(QPainter& painter, const QRectF& box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath ring;
    // Wide enough to see across a room, with a dark edge on either side
    // of the yellow, so that it stands out on the yellow screens too.
    ring.addRoundedRect(box.adjusted(4, 4, -4, -4), 8, 8);
    painter.strokePath(ring, QPen(QColor(0, 0, 0, 230), 8));
    painter.strokePath(ring, QPen(QColor(255, 220, 0), 4));
    painter.restore();
}

FocusHalo::FocusHalo(QWidget* host) : QWidget(host), host_(host)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, &FocusHalo::Follow);
    qApp->installEventFilter(this);
}

void FocusHalo::PadUsed()
{
    driven_ = true;
    Follow();
}

void FocusHalo::Pair(QWidget* control, QWidget* caption)
{
    captions_[control] = caption;
}

void FocusHalo::LeaveAlone(QWidget* control)
{
    alone_.insert(control);
}

bool FocusHalo::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        // Only the window system's own: the controllers' presses are sent
        // by the program.
        if (driven_ && event->spontaneous()) {
            driven_ = false;
            hide();
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (watched == target_)
            Follow();
        break;
    default:
        break;
    }
    return false;
}

void FocusHalo::Follow()
{
    QWidget* focus = QApplication::focusWidget();
    target_ = focus;
    if (!driven_ || !focus || !host_->isAncestorOf(focus) || !focus->isVisible() || alone_.contains(focus)) {
        hide();
        return;
    }
    QRect box(focus->mapTo(host_, QPoint(0, 0)), focus->size());
    if (const auto caption = captions_.find(focus); caption != captions_.end() && caption->second->isVisible())
        box |= QRect(caption->second->mapTo(host_, QPoint(0, 0)), caption->second->size());
    setGeometry(box.adjusted(-Margin, -Margin, Margin, Margin));
    raise();
    show();
    update();
}

void FocusHalo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PaintFocusRing(p, rect());
}

}  // namespace zorbil
