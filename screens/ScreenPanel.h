// SPDX-License-Identifier: GPL-3.0-or-later
// One screen of the game window: an opaque panel with its colour, a tiled
// wallpaper filling it, and controls placed on the 640 x 480 design and
// stretched with the window by their anchors.
#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLabel>

#include "controls/MiraboWallpaper.h"
#include "screens/AnchorLayout.h"
#include "screens/FlatButton.h"

namespace zorbil {

inline constexpr QSize DesignSize{640, 480};

class ScreenPanel : public QFrame {
    Q_OBJECT
public:
    ScreenPanel(QWidget* parent, const QString& name, const QColor& color, const QString& tileName);

    // Shown: visible, enabled, in front.
    void ShowPanel();
    // Shown by a game key: visible and enabled, the stacking order untouched.
    void ShowOver();
    void HidePanel();

    TMiraboWallpaper* Wallpaper;

protected:
    AnchorLayout* Layout;

    QLabel* AddPicture(const QString& name, const QString& pictureName, QRect design, Anchors anchors);
    // A title picture: centred in its box, which follows the window's width.
    // Its caption, the words the picture draws, names it and the screen for
    // assistive technology.
    QLabel* AddTitle(const QString& name, const QString& pictureName, const QString& caption, QRect design);
    FlatButton* AddButton(const QString& name, const QString& caption, QRect design, Anchors anchors,
                          const QColor& fontColor);
    QLabel* AddLabel(const QString& name, const QString& text, QRect design, Anchors anchors, const QFont& font,
                     const QColor& color, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
};

// Caption colours of the toolkit's system colours used by the screens.
inline const QColor WindowTextColor{Qt::black};
inline const QColor WindowBackgroundColor{Qt::white};

}  // namespace zorbil
