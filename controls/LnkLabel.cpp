// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/LnkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include "controls/AccessibleRole.h"

namespace zorbil {

TLnkLabel::TLnkLabel(QWidget* parent) : QLabel(parent)
{
    SetAccessibleRole(this, QAccessible::Link);
}

QColor TLnkLabel::FontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TLnkLabel::SetFontColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void TLnkLabel::enterEvent(QEnterEvent*)
{
    SetFontColor(EnterFontColor);
}

void TLnkLabel::leaveEvent(QEvent*)
{
    SetFontColor(LeaveFontColor);
}

void TLnkLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

// A click is a left press and release over the label, as with a button.
void TLnkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Click();
}

void TLnkLabel::Click()
{
    // A link the desktop cannot open gives no message; it still counts as visited.
    QDesktopServices::openUrl(QUrl(Link));
    LeaveFontColor = VisitedColor;
}

}  // namespace zorbil
