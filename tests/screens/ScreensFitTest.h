#pragma once

#include <QObject>

class ScreensFitTest : public QObject {
    Q_OBJECT
private slots:
    void TextsFitTheirControlsAndTheScreen_data();
    void TextsFitTheirControlsAndTheScreen();
};
