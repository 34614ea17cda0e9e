// SPDX-License-Identifier: GPL-3.0-or-later
// Work that a window does not need to show itself, done right after its
// first paint rather than before it.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace zorbil {

class AfterFirstPaint : public QObject {
public:
    // widget is shown; task runs once, after the widget's window has
    // handled its first exposure (painted it) and before any later event of
    // the window system reaches the program.
    AfterFirstPaint(QWidget& widget, std::function<void()> task);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> task_;
};

}  // namespace zorbil
