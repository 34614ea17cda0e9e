// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/PadPoller.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace zorbil {

PadInputEvent::PadInputEvent(std::vector<PadEvent> events, int plugged)
    : QEvent(EventType()), events_(std::move(events)), plugged_(plugged)
{
    // Stays ignored unless a window handles it.
    ignore();
}

QEvent::Type PadInputEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void SendPadKey(QWidget* window, int qtKey, bool press, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent key(press ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, modifiers);
    QCoreApplication::sendEvent(window->windowHandle(), &key);
}

namespace {

// The program has one.
PadPoller* program = nullptr;
bool playing = false;

}  // namespace

PadPoller::PadPoller(QObject* parent)
    : QObject(parent), watch_([this] { QMetaObject::invokeMethod(this, &PadPoller::Poll, Qt::QueuedConnection); })
{
    program = this;
    used_.start();
    connect(&timer_, &QTimer::timeout, this, &PadPoller::Poll);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &PadPoller::FocusChanged);
}

PadPoller::~PadPoller()
{
    if (program == this)
        program = nullptr;
}

void PadPoller::SetPlaying(bool now)
{
    playing = now;
    if (program)
        program->Pace();
}

bool PadPoller::Start()
{
    if (!pads_.Start())
        return false;
    timer_.start(SlowMs);
    active_ = QGuiApplication::focusWindow() != nullptr;
    Pace();
    return true;
}

void PadPoller::Poll()
{
    watch_.Rearm();
    const int plugged = pads_.Count();
    std::vector<PadEvent> events = pads_.Poll();
    if (!events.empty() || pads_.Count() != plugged)
        used_.restart();
    Pace();
    QWidget* window = QApplication::activeWindow();
    if (!window || (events.empty() && pads_.Count() == 0))
        return;
    PadInputEvent input(events, pads_.Count());
    QCoreApplication::sendEvent(window, &input);
    if (input.isAccepted())
        return;
    for (const PadEvent& event : events)
        DialogConventions(window, event);
}

void PadPoller::FocusChanged()
{
    const bool active = QGuiApplication::focusWindow() != nullptr;
    // What the controllers did while none of our windows was active was
    // meant for another program.
    if (active && !active_ && timer_.isActive())
        pads_.Poll();
    active_ = active;
    // Back in one of our windows, a plugged-in controller answers at once
    // rather than at the next slow reading.
    if (active)
        used_.restart();
    Pace();
}

void PadPoller::Pace()
{
    if (!timer_.isActive())
        return;
    // Asked of SDL here, where the controllers are opened and closed.
    if (pads_.Changes() != watched_) {
        watched_ = pads_.Changes();
        watch_.SetFiles(pads_.Files());
    }
    if (pads_.Count() > 0 && QGuiApplication::focusWindow()) {
        const bool fast = playing || used_.elapsed() < RecentMs;
        watch_.Start(fast ? FastMs : MenuMs, !fast);
    } else {
        watch_.Stop();
    }
}

void PadPoller::DialogConventions(QWidget* window, const PadEvent& event)
{
    if (event.kind == PadEvent::Kind::Unplugged)
        return;
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    switch (event.button) {
    case PadButton::Up:
    case PadButton::Left:
        key = Qt::Key_Backtab;
        modifiers = Qt::ShiftModifier;
        break;
    case PadButton::Down:
    case PadButton::Right:
        key = Qt::Key_Tab;
        break;
    case PadButton::A:
        key = Qt::Key_Space;
        break;
    default:
        // B and Start would close a box by its escape or default button,
        // which a stray press must not do.
        return;
    }
    const bool press = event.kind == PadEvent::Kind::Press;
    if (press || key == Qt::Key_Space)
        SendPadKey(window, key, press, modifiers);
}

}  // namespace zorbil
