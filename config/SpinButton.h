// SPDX-License-Identifier: GPL-3.0-or-later
// A spin button: an up and a down arrow stacked in one small control. Held
// with the mouse an arrow repeats its click after 400 ms, then every 100 ms.
// With the keyboard focus, Up and Down click their arrow and Space clicks the
// arrow that was used last.
#pragma once

#include <QWidget>

class QToolButton;

namespace zorbil {

class SpinButton : public QWidget {
    Q_OBJECT
public:
    static constexpr int RepeatDelayMs = 400;
    static constexpr int RepeatIntervalMs = 100;

    explicit SpinButton(QWidget* parent = nullptr);

signals:
    void UpClick();
    void DownClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* MakeArrow(Qt::ArrowType arrow);

    QToolButton* up_;
    QToolButton* down_;
    QToolButton* focused_;
};

}  // namespace zorbil
