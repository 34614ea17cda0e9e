// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/MiraboWallpaper.h"

#include <QEvent>
#include <QPainter>

namespace zorbil {

TMiraboWallpaper::TMiraboWallpaper(QWidget* parent) : QWidget(parent)
{
    // The tiles cover the whole area: nothing behind needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent)
        parent->installEventFilter(this);
    resize(100, 100);
    SetAlign(TAlign::Client);
}

void TMiraboWallpaper::SetImage(const QImage& image)
{
    image_ = image;
    if (!image.isNull())
        transColor_ = QColor(image.pixel(0, image.height() - 1));
    tile_ = QPixmap::fromImage(image);
    update();
}

void TMiraboWallpaper::SetTransColor(const QColor& color)
{
    if (color == transColor_)
        return;
    transColor_ = color;
    update();
}

void TMiraboWallpaper::SetAlign(TAlign align)
{
    align_ = align;
    FollowParent();
}

void TMiraboWallpaper::FollowParent()
{
    if (align_ == TAlign::Client && parentWidget())
        setGeometry(parentWidget()->rect());
}

void TMiraboWallpaper::paintEvent(QPaintEvent*)
{
    // An empty tile leaves whatever is on the screen there.
    if (tile_.width() <= 0)
        return;
    // Tiles go to an off-screen picture first so the screen gets one copy.
    QPixmap buffer(size());
    {
        QPainter tiles(&buffer);
        for (int y = 0; y < height(); y += tile_.height())
            for (int x = 0; x < width(); x += tile_.width())
                tiles.drawPixmap(x, y, tile_);
    }
    QPainter(this).drawPixmap(0, 0, buffer);
}

bool TMiraboWallpaper::event(QEvent* event)
{
    if (event->type() == QEvent::ParentAboutToChange && parentWidget())
        parentWidget()->removeEventFilter(this);
    if (event->type() == QEvent::ParentChange && parentWidget()) {
        parentWidget()->installEventFilter(this);
        FollowParent();
    }
    return QWidget::event(event);
}

bool TMiraboWallpaper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        FollowParent();
    return QWidget::eventFilter(watched, event);
}

}  // namespace zorbil
