// SPDX-License-Identifier: GPL-3.0-or-later
// A game window's steps, run only when a test lets them: the step timer
// runs as in the game, but its ticks are held back until a test asks for
// the next step, and exactly that one goes through. A test that waits for a
// step then waits for that step, however fast the machine is.
#pragma once

#include <QTest>
#include <QTimer>
#include <limits>

#include "game/GameState.h"
#include "game/ZorbilMain.h"

namespace zorbil::test {

class StepClock : public QObject {
public:
    explicit StepClock(TZorbilForm& form) : timer_(*form.tmrGame)
    {
        timer_.installEventFilter(this);
        connect(&timer_, &QTimer::timeout, this, [this] { ++steps; });
    }

    // Lets the next tick through and waits for its step: false when none
    // comes.
    bool NextStep()
    {
        const int before = steps;
        letThrough_ = 1;
        const bool stepped = QTest::qWaitFor([&] { return steps > before; }, 10000);
        letThrough_ = 0;
        return stepped;
    }
    // Steps until the game is over: false when it does not end.
    bool StepUntilOver()
    {
        for (int i = 0; i < 50 && GameRunning; ++i)
            if (!NextStep())
                return false;
        return !GameRunning;
    }
    // Every tick from now on makes its step, as in the game.
    void LetRun() { letThrough_ = std::numeric_limits<int>::max(); }

    int steps = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Timer || letThrough_ == 0)
            return event->type() == QEvent::Timer;
        --letThrough_;
        return false;
    }

private:
    QTimer& timer_;
    int letThrough_ = 0;
};

}  // namespace zorbil::test
