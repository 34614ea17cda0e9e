// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class ScreensFitTest : public QObject {
    Q_OBJECT
private slots:
    void TextsFitTheirControlsAndTheScreen_data();
    void TextsFitTheirControlsAndTheScreen();
};
