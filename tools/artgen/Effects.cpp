// SPDX-License-Identifier: GPL-3.0-or-later
#include "Effects.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <vector>

namespace zorbil::art {

namespace {

// One running-sum box blur along rows (horizontal) or columns.
void BoxPass(QImage& image, int radius, bool horizontal)
{
    const int w = image.width();
    const int h = image.height();
    const int lines = horizontal ? h : w;
    const int length = horizontal ? w : h;
    std::vector<int> sum(4);
    std::vector<QRgb> line(static_cast<size_t>(length));
    for (int l = 0; l < lines; ++l) {
        auto pixel = [&](int i) -> QRgb& {
            return reinterpret_cast<QRgb*>(image.scanLine(horizontal ? l : i))[horizontal ? i : l];
        };
        for (int i = 0; i < length; ++i)
            line[static_cast<size_t>(i)] = pixel(i);
        auto at = [&](int i) { return line[static_cast<size_t>(std::clamp(i, 0, length - 1))]; };
        int a = 0, r = 0, g = 0, b = 0;
        for (int i = -radius; i <= radius; ++i) {
            const QRgb c = at(i);
            a += qAlpha(c), r += qRed(c), g += qGreen(c), b += qBlue(c);
        }
        const int n = 2 * radius + 1;
        for (int i = 0; i < length; ++i) {
            pixel(i) = qRgba(r / n, g / n, b / n, a / n);
            const QRgb in = at(i + radius + 1);
            const QRgb out = at(i - radius);
            a += qAlpha(in) - qAlpha(out);
            r += qRed(in) - qRed(out);
            g += qGreen(in) - qGreen(out);
            b += qBlue(in) - qBlue(out);
        }
    }
}

}  // namespace

QImage Blurred(const QImage& image, int radius)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0)
        return out;
    for (int pass = 0; pass < 3; ++pass) {
        BoxPass(out, radius, true);
        BoxPass(out, radius, false);
    }
    return out;
}

void DropShadow(QImage& target, const QPainterPath& shape, const QColor& colour, QPointF offset, int blur)
{
    QImage layer = Transparent(target.width(), target.height());
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(offset);
        p.fillPath(shape, colour);
    }
    QPainter p(&target);
    p.drawImage(0, 0, Blurred(layer, blur));
}

void DrawSphere(QPainter& painter, QPointF centre, double radius, const QColor& colour)
{
    QRadialGradient shade(centre, radius, centre + QPointF(-radius * 0.38, -radius * 0.42));
    shade.setColorAt(0.0, QColor(255, 255, 255));
    shade.setColorAt(0.18, colour.lighter(135));
    shade.setColorAt(0.65, colour);
    shade.setColorAt(0.92, colour.darker(210));
    shade.setColorAt(1.0, colour.darker(260));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

QImage Transparent(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace zorbil::art
