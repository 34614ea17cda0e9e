// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the game controllers for the whole program and hands what they did
// to the program's active window, as one PadInputEvent per reading. A window
// that does not take the event gets the usual pad conventions of a dialog
// box: the D-pad moves the focus as Tab and Shift+Tab do, and A presses the
// focused button as Space does.
//
// Controllers cost nothing while nobody uses one: with none plugged in, or
// none of the program's windows active, the controllers are read four times
// a second, enough to notice a new one within a second. With one plugged in
// and a window active they are read every 5 ms during play, so that a press
// reaches a game within the frame, and for a second after the window became
// active or a controller did something. Otherwise a helper thread sleeps
// until a controller's device file has something to read, and reads them
// then, once a frame at 60 Hz at most; a controller without a file it can
// open (SDL's virtual joysticks) is read once a frame. That reading is the
// helper thread's, which wakes the window thread only when a controller did
// something: the window thread itself reads them four times a second, so
// that the screens keep a focus for the controllers, and hands the helper
// the controllers' files whenever one is plugged in or out.
#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <vector>

#include "input/PadEvent.h"
#include "input/PadWatch.h"
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
    static constexpr int MenuMs = 16;
    static constexpr int SlowMs = 250;
    // How long the fast pace outlasts the controllers' last use off play.
    static constexpr int RecentMs = 1000;

    explicit PadPoller(QObject* parent = nullptr);
    ~PadPoller() override;

    // Whether a game is being played: the program's controllers are read
    // fast for as long as it is.
    static void SetPlaying(bool playing);

    // Brings up the controllers and reads them from now on. False where SDL
    // has no joystick support: nothing is read then.
    bool Start();
    // Reads the controllers now, as the timer does.
    void Poll();
    int Plugged() const { return pads_.Count(); }
    // The time between two readings.
    int IntervalMs() const { return watch_.Running() ? watch_.IntervalMs() : timer_.interval(); }

private:
    void FocusChanged();
    void Pace();
    static void DialogConventions(QWidget* window, const PadEvent& event);

    SdlGamePads pads_;
    QTimer timer_;
    bool active_ = false;
    // Since the controllers' last use or the window's activation.
    QElapsedTimer used_;
    // The controllers whose files the watch has: SdlGamePads::Changes.
    int watched_ = -1;
    // Declared after pads_: it stops before they go.
    PadWatch watch_;
};

}  // namespace zorbil
