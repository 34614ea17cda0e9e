// SPDX-License-Identifier: GPL-3.0-or-later
// Alt accelerators that click their button at once. Qt plays a 100 ms
// animated click before a button acts on its accelerator, and a key pressed
// in that time reaches the screen the button is about to leave (Esc right
// after "&Jouer" would be lost).
#pragma once

#include <QObject>

class QWidget;

namespace zorbil {

class InstantAccelerators : public QObject {
public:
    // Watches every button under root as it is now; lives as long as root.
    explicit InstantAccelerators(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zorbil
