// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

#include "Effects.h"
#include "Snake.h"
#include "TorusRender.h"

namespace zorbil::art {

QImage AppIcon(int size)
{
    // Laid out on a 256-unit square; few, big balls so that the snake keeps
    // its shape when a unit is an eighth of a pixel.
    const double u = size / 256.0;
    QImage icon = Transparent(size, size);
    const QRectF tile(10 * u, 10 * u, 236 * u, 236 * u);
    QPainterPath plate;
    plate.addRoundedRect(tile, 44 * u, 44 * u);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient night(QPointF(150 * u, 90 * u), 200 * u);
        night.setColorAt(0.0, QColor(50, 120, 220));
        night.setColorAt(0.7, QColor(10, 40, 120));
        night.setColorAt(1.0, QColor(4, 16, 60));
        p.fillPath(plate, night);
        p.setPen(QPen(QColor(240, 190, 60), std::max(1.0, 6 * u)));
        p.drawPath(plate);
    }

    TorusView view;
    view.TiltX = 58;
    view.TurnY = 12;
    view.Colour = QColor(214, 160, 96);
    view.Icing = QColor(255, 110, 170);
    const int donut = qRound(118 * u);
    {
        QPainter p(&icon);
        p.drawImage(QPointF(120 * u, 26 * u), RenderTorus(donut, donut, view));
    }

    QPainterPath spine;
    spine.moveTo(58 * u, 58 * u);
    spine.cubicTo(26 * u, 118 * u, 30 * u, 198 * u, 98 * u, 208 * u);
    spine.cubicTo(150 * u, 216 * u, 194 * u, 208 * u, 194 * u, 168 * u);
    DrawSnake(icon, spine, {34 * u, 20 * u, QColor(70, 200, 80), QColor(160, 240, 130)});
    return icon;
}

}  // namespace zorbil::art
