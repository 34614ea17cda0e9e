// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the focus with a game controller's D-pad: to the control that lies
// nearest in the pushed direction, as on a television's menus. Only the
// controls a screen offers count, and of those only the ones a player can
// use now: visible and enabled.
#pragma once

#include <QList>

class QWidget;

namespace zorbil {

enum class Heading { Up, Down, Left, Right };

// The usable controls among candidates, in their order.
QList<QWidget*> Usable(const QList<QWidget*>& candidates);

// The usable candidate nearest to from in the heading, or null. One that
// shares from's row (or column) wins over any other; among those, and
// otherwise, the nearest wins, a sideways step counting double.
QWidget* NearestControl(const QWidget* from, Heading heading, const QList<QWidget*>& candidates);

}  // namespace zorbil
