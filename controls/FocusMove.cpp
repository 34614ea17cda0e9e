// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FocusMove.h"

#include <QRect>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace zorbil {

namespace {

QRect GlobalRect(const QWidget* widget)
{
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

// Turns the heading into "down": the distance ahead and the two spans
// across, from's and the candidate's.
struct Along {
    int ahead;        // from from's far edge to the candidate's near edge
    int centreAhead;  // from from's centre to the candidate's centre
    int depth;        // from's own extent in the heading
    int fromStart, fromEnd, start, end;
};

Along Measure(const QRect& from, const QRect& to, Heading heading)
{
    switch (heading) {
    case Heading::Down:
        return {to.top() - from.bottom(), to.center().y() - from.center().y(), from.height(), from.left(), from.right(),
                to.left(), to.right()};
    case Heading::Up:
        return {from.top() - to.bottom(), from.center().y() - to.center().y(), from.height(), from.left(), from.right(),
                to.left(), to.right()};
    case Heading::Right:
        return {to.left() - from.right(), to.center().x() - from.center().x(), from.width(), from.top(), from.bottom(),
                to.top(), to.bottom()};
    case Heading::Left:
        return {from.left() - to.right(), from.center().x() - to.center().x(), from.width(), from.top(), from.bottom(),
                to.top(), to.bottom()};
    }
    return {};
}

}  // namespace

QList<QWidget*> Usable(const QList<QWidget*>& candidates)
{
    QList<QWidget*> usable;
    for (QWidget* widget : candidates)
        if (widget && widget->isVisible() && widget->isEnabled())
            usable.append(widget);
    return usable;
}

QWidget* NearestControl(const QWidget* from, Heading heading, const QList<QWidget*>& candidates)
{
    const QRect origin = GlobalRect(from);
    QWidget* best = nullptr;
    bool bestInLine = false;
    long bestScore = std::numeric_limits<long>::max();
    for (QWidget* candidate : Usable(candidates)) {
        if (candidate == from)
            continue;
        const Along a = Measure(origin, GlobalRect(candidate), heading);
        // Ahead of from, overlapping it by half its depth at most.
        if (a.centreAhead <= 0 || a.ahead < -a.depth / 2)
            continue;
        const int sideways = a.end < a.fromStart ? a.fromStart - a.end : a.start > a.fromEnd ? a.start - a.fromEnd : 0;
        const bool inLine = sideways == 0;
        const long score = std::max(a.ahead, 0) + 2L * sideways;
        if ((inLine && !bestInLine) || (inLine == bestInLine && score < bestScore)) {
            best = candidate;
            bestInLine = inLine;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace zorbil
