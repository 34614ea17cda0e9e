// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/FlatButton.h"

#include <QPainter>
#include <QPainterPath>

#include "controls/FocusHalo.h"
#include "screens/Fonts.h"

namespace zorbil {

FlatButton::FlatButton(const QString& caption, const QColor& fontColor, QWidget* parent) : QAbstractButton(parent)
{
    setText(caption);  // "&X" also binds Alt+X
    setFont(ArialFont(19, Bold));
    setFocusPolicy(Qt::NoFocus);
    // The keyboard never gives these buttons the focus; given it by a game
    // controller, the arrows move it between the buttons of one screen.
    setAutoExclusive(true);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::ArrowCursor);
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, fontColor);
    setPalette(p);
}

QSize FlatButton::sizeHint() const
{
    return {625, 41};
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    if (isEnabled() && (underMouse() || isDown() || hasFocus())) {
        QPainterPath path;
        path.addRoundedRect(box, 8, 8);
        p.fillPath(path, isDown() ? QColor(0, 0, 0, 70) : QColor(255, 255, 255, 55));
        p.setPen(QPen(QColor(255, 255, 255, isDown() ? 120 : 190), 1.5));
        p.drawPath(path);
    }
    // Only a game controller gives these buttons the focus: its player may
    // sit across the room.
    if (hasFocus())
        PaintFocusRing(p, rect());
    const QColor ink = palette().color(QPalette::ButtonText);
    // A soft shadow of the opposite lightness keeps the caption readable on
    // any wallpaper.
    const QColor shadow = ink.lightness() < 128 ? QColor(255, 255, 255, 120) : QColor(0, 0, 0, 150);
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    const QPoint press = isDown() ? QPoint(1, 1) : QPoint(0, 0);
    p.setFont(font());
    p.setPen(shadow);
    p.drawText(rect().translated(press + QPoint(2, 2)), flags, text());
    p.setPen(isEnabled() ? ink : QColor(128, 128, 128));
    p.drawText(rect().translated(press), flags, text());
}

}  // namespace zorbil
