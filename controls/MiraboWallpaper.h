// SPDX-License-Identifier: GPL-3.0-or-later
// A widget that covers its area with copies of one tile laid edge to edge
// from the top-left corner, cut at the right and bottom edges. It is the
// background of every menu screen and help page.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace zorbil {

class TMiraboWallpaper : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage Image READ Image WRITE SetImage)
    Q_PROPERTY(QColor TransColor READ TransColor WRITE SetTransColor)
    Q_PROPERTY(TAlign Align READ Align WRITE SetAlign)

public:
    enum class TAlign { None, Client };
    Q_ENUM(TAlign)

    explicit TMiraboWallpaper(QWidget* parent = nullptr);

    const QImage& Image() const { return image_; }
    // Takes the tile's transparent colour (its lower-left pixel), then
    // repaints. A null image leaves an empty tile, which paints nothing.
    void SetImage(const QImage& image);

    // Kept for the tile's owner; painting never uses it.
    QColor TransColor() const { return transColor_; }
    void SetTransColor(const QColor& color);

    // Client: the wallpaper follows its parent's whole area.
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowParent();

    QImage image_;
    QPixmap tile_;
    QColor transColor_{Qt::black};
    TAlign align_ = TAlign::None;
};

}  // namespace zorbil
