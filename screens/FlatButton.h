// SPDX-License-Identifier: GPL-3.0-or-later
// The screens' flat button: no frame and no focus, a soft highlight while
// the mouse is over it, a bright ring when a game controller gave it the
// focus, a bold caption whose "&" letter is underlined and works as the Alt
// accelerator.
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace zorbil {

class FlatButton : public QAbstractButton {
    Q_OBJECT
public:
    FlatButton(const QString& caption, const QColor& fontColor, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zorbil
