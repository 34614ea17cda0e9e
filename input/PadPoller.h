// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the game controllers for the whole program and hands what they did
// to the program's active window, as one PadInputEvent per reading. A window
// that does not take the event gets the usual pad conventions of a dialog
// box: the D-pad moves the focus as Tab and Shift+Tab do, and A presses the
// focused button as Space does.
//
// Controllers cost nothing while nobody uses one: with none plugged in, or
// none of the program's windows active, the controllers are read four times
// a second, enough to notice a new one within a second. Only with one plugged
// in and a window active are they read every 5 ms, so that a press reaches a
// game within the frame.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <vector>

#include "input/PadEvent.h"
#include "input/SdlGamePads.h"

class QWidget;

namespace zorbil {

class PadInputEvent : public QEvent {
public:
    PadInputEvent(std::vector<PadEvent> events, int plugged);
    static QEvent::Type EventType();

    // In order; none when a controller is plugged in and did nothing since
    // the last reading.
    const std::vector<PadEvent>& Events() const { return events_; }
    // Controllers plugged in now.
    int Plugged() const { return plugged_; }

private:
    std::vector<PadEvent> events_;
    int plugged_;
};

// A key press or release as the window system delivers it: to the window
// first, then to its focused control.
void SendPadKey(QWidget* window, int qtKey, bool press, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

class PadPoller : public QObject {
public:
    static constexpr int FastMs = 5;
    static constexpr int SlowMs = 250;

    explicit PadPoller(QObject* parent = nullptr);

    // Brings up the controllers and reads them from now on. False where SDL
    // has no joystick support: nothing is read then.
    bool Start();
    // Reads the controllers now, as the timer does.
    void Poll();
    int Plugged() const { return pads_.Count(); }
    // The time to the next reading.
    int IntervalMs() const { return timer_.interval(); }

private:
    void FocusChanged();
    void Pace();
    static void DialogConventions(QWidget* window, const PadEvent& event);

    SdlGamePads pads_;
    QTimer timer_;
    bool active_ = false;
};

}  // namespace zorbil
