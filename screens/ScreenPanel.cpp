// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/ScreenPanel.h"

#include "assets/Artwork.h"

namespace zorbil {

ScreenPanel::ScreenPanel(QWidget* parent, const QString& name, const QColor& color, const QString& tileName)
    : QFrame(parent), Wallpaper(new TMiraboWallpaper(this)), Layout(new AnchorLayout(this, DesignSize))
{
    setObjectName(name);
    // Each panel is a window of its own, so that it can cover the game's
    // OpenGL surface (a native window) without being drawn beneath it.
    setAttribute(Qt::WA_NativeWindow);
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    // Over the game the pointer is hidden; an open panel shows it again.
    setCursor(Qt::ArrowCursor);
    Wallpaper->setObjectName(tileName);
    Wallpaper->SetImage(Artwork(tileName));
    hide();
    setEnabled(false);
}

void ScreenPanel::ShowPanel()
{
    show();
    setEnabled(true);
    raise();
}

void ScreenPanel::ShowOver()
{
    show();
    setEnabled(true);
}

void ScreenPanel::HidePanel()
{
    hide();
    setEnabled(false);
}

QLabel* ScreenPanel::AddPicture(const QString& name, const QString& pictureName, QRect design, Anchors anchors)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setPixmap(QPixmap::fromImage(Artwork(pictureName)));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Layout->Place(label, design, anchors);
    return label;
}

QLabel* ScreenPanel::AddTitle(const QString& name, const QString& pictureName, const QString& caption,
                              QRect design)
{
    // A translation that names no drawn picture gets the French title.
    const QString drawn = Artwork(pictureName).isNull() ? name : pictureName;
    QLabel* title = AddPicture(name, drawn, design, AnchorLeft | AnchorTop | AnchorRight);
    title->setAlignment(Qt::AlignCenter);
    title->setAccessibleName(caption);
    setAccessibleName(caption);
    return title;
}

FlatButton* ScreenPanel::AddButton(const QString& name, const QString& caption, QRect design, Anchors anchors,
                                   const QColor& fontColor)
{
    auto* button = new FlatButton(caption, fontColor, this);
    button->setObjectName(name);
    Layout->Place(button, design, anchors);
    return button;
}

QLabel* ScreenPanel::AddLabel(const QString& name, const QString& text, QRect design, Anchors anchors,
                              const QFont& font, const QColor& color, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
    // The captions were laid out for another system's fonts: a left-aligned
    // caption grows to its text, away from the edge it is anchored to, so no
    // letter is cut off. Centred and right-aligned texts keep their box.
    const int needed = label->fontMetrics().horizontalAdvance(text) + 2;
    if ((alignment & Qt::AlignLeft) && needed > design.width()) {
        if ((anchors & AnchorRight) && !(anchors & AnchorLeft))
            design.setLeft(design.right() + 1 - needed);
        else
            design.setWidth(needed);
    }
    Layout->Place(label, design, anchors);
    return label;
}

}  // namespace zorbil
