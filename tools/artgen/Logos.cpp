// SPDX-License-Identifier: GPL-3.0-or-later
#include "Logos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Effects.h"
#include "Fonts.h"
#include "Lettering.h"
#include "Snake.h"
#include "TorusRender.h"

namespace zorbil::art {

namespace {

const LetteringStyle GoldLettering{QColor(255, 248, 190), QColor(232, 138, 0), QColor(52, 26, 0), 3.0,
                                   QColor(0, 0, 0, 160), QPointF(3, 3), 2, 0.6};

QImage DonutPicture(int size)
{
    TorusView view;
    view.TiltX = 62;
    view.TurnY = 12;
    view.Colour = QColor(214, 160, 96);
    view.Icing = QColor(255, 120, 170);
    return RenderTorus(size, size, view);
}

// The two 65-pixel-high banners: the name in gold on a deep blue sky, and
// the snake heading for a donut.
QImage Banner(int width)
{
    constexpr int Height = 65;
    QImage picture(width, Height, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, width, Height);
        sky.setColorAt(0.0, QColor(0, 20, 66));
        sky.setColorAt(0.55, QColor(0, 72, 170));
        sky.setColorAt(1.0, QColor(40, 128, 230));
        p.fillRect(picture.rect(), sky);
        QRadialGradient glow(QPointF(width * 0.78, Height * 0.5), width * 0.3);
        glow.setColorAt(0.0, QColor(150, 210, 255, 90));
        glow.setColorAt(1.0, QColor(150, 210, 255, 0));
        p.fillRect(picture.rect(), glow);
        // Faint checkered floor along the bottom, like the playing field.
        for (int x = 0; x < width; x += 16)
            for (int y = Height - 16; y < Height; y += 8)
                if (((x / 16) + (y / 8)) % 2)
                    p.fillRect(QRectF(x, y, 16, 8), QColor(255, 255, 255, 14));
    }
    DrawLettering(picture, QRectF(8, 2, 196, 61), "Zorbil", LetteringFont(60), GoldLettering);

    const double right = width - 8;
    QImage donut = DonutPicture(46);
    QPainterPath spine;
    spine.moveTo(width * 0.5, 40);
    spine.cubicTo(width * 0.58, 14, width * 0.64, 58, width * 0.72, 38);
    spine.cubicTo(width * 0.76, 28, width * 0.8, 30, right - 58, 34);
    DrawSnake(picture, spine, {10.5, 6, QColor(70, 200, 80), QColor(160, 240, 130)});
    {
        QPainter p(&picture);
        p.drawImage(QPointF(right - 46, 9), donut);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 0, 0, 160), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, width - 1, Height - 1));
        p.setPen(QPen(QColor(255, 255, 255, 60), 1));
        p.drawLine(QPointF(1.5, 1.5), QPointF(width - 1.5, 1.5));
    }
    return picture;
}

// The rounded plate of a badge, shaded from top to bottom.
void BadgePlate(QPainter& p, QSize size, const QColor& top, const QColor& bottom, const QColor& border)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0.0, top);
    shade.setColorAt(1.0, bottom);
    p.setPen(QPen(border, 1));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 6, 6);
}

}  // namespace

QImage MenuDonut()
{
    TorusView view;
    view.TiltX = 70;
    view.TurnY = 32;
    view.Scale = 0.98;
    view.Colour = QColor(168, 168, 174);
    return RenderTorus(143, 158, view);
}

QImage MenuName()
{
    QImage picture = Transparent(305, 145);
    QPainterPath spine;
    spine.moveTo(24, 124);
    spine.cubicTo(70, 146, 110, 104, 160, 124);
    spine.cubicTo(205, 142, 240, 108, 282, 118);
    DrawSnake(picture, spine, {13, 6, QColor(70, 200, 80), QColor(160, 240, 130)});
    DrawLettering(picture, QRectF(0, 0, 305, 108), "Zorbil", LetteringFont(96),
                  {QColor(255, 248, 190), QColor(232, 138, 0), QColor(52, 26, 0), 4.0, QColor(0, 0, 0, 170),
                   QPointF(4, 4), 3, 0.6});
    return picture;
}

QImage AboutLogo()
{
    constexpr int W = 150, H = 220;
    QImage picture = Transparent(W, H);
    const QRectF card(1, 1, W - 2, H - 2);
    QPainterPath frame;
    frame.addRoundedRect(card, 10, 10);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient night(QPointF(W * 0.5, H * 0.38), H * 0.7);
        night.setColorAt(0.0, QColor(40, 96, 200));
        night.setColorAt(0.6, QColor(10, 36, 110));
        night.setColorAt(1.0, QColor(4, 12, 48));
        p.fillPath(frame, night);
        // Perspective checkerboard floor under the snake.
        p.setClipPath(frame);
        const double horizon = 118;
        for (int row = 0; row < 8; ++row) {
            const double y0 = horizon + (H - horizon) * std::pow(row / 8.0, 1.6);
            const double y1 = horizon + (H - horizon) * std::pow((row + 1) / 8.0, 1.6);
            for (int col = -8; col < 8; ++col) {
                if ((row + col) & 1)
                    continue;
                auto at = [&](double c, double y) {
                    const double spread = 0.25 + 0.75 * (y - horizon) / (H - horizon);
                    return QPointF(W / 2.0 + c * 18 * spread * 2.2, y);
                };
                const QPolygonF tile({at(col, y0), at(col + 1, y0), at(col + 1, y1), at(col, y1)});
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(120, 200, 255, 28 + row * 6));
                p.drawPolygon(tile);
            }
        }
    }
    QImage donut = DonutPicture(62);
    {
        QPainter p(&picture);
        p.drawImage(QPointF(78, 10), donut);
    }
    QPainterPath spine;
    spine.moveTo(24, 150);
    spine.cubicTo(54, 176, 128, 158, 112, 124);
    spine.cubicTo(100, 98, 34, 112, 40, 78);
    spine.cubicTo(43, 60, 62, 50, 78, 46);
    DrawSnake(picture, spine, {11, 5.5, QColor(70, 200, 80), QColor(160, 240, 130)});
    DrawLettering(picture, QRectF(6, 166, W - 12, 46), "Zorbil", LetteringFont(48), GoldLettering);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(240, 190, 60), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(frame);
        p.setPen(QPen(QColor(255, 255, 255, 50), 1));
        p.drawRoundedRect(card.adjusted(3, 3, -3, -3), 8, 8);
    }
    return picture;
}

QImage AboutName() { return Banner(435); }

QImage DialogBanner() { return Banner(433); }

QImage OpenGLBadge()
{
    QImage picture = Transparent(70, 30);
    QPainter p(&picture);
    BadgePlate(p, picture.size(), QColor(255, 255, 255), QColor(176, 188, 206), QColor(70, 86, 112));
    // Three lit balls: red, green and blue light making a picture.
    DrawSphere(p, QPointF(9, 19), 5, QColor(220, 40, 40));
    DrawSphere(p, QPointF(19, 19), 5, QColor(40, 170, 60));
    DrawSphere(p, QPointF(14, 10.5), 5, QColor(40, 90, 220));
    DrawFittedText(p, QRectF(26, 8, 40, 14), "OpenGL", LetteringFont(14), QColor(22, 48, 110));
    return picture;
}

QImage SoundBadge()
{
    QImage picture = Transparent(85, 30);
    QPainter p(&picture);
    BadgePlate(p, picture.size(), QColor(64, 72, 88), QColor(18, 22, 30), QColor(8, 10, 14));
    // A loudspeaker with two sound waves.
    const QColor orange(255, 160, 40);
    QPainterPath speaker;
    speaker.moveTo(5, 12);
    speaker.lineTo(9, 12);
    speaker.lineTo(14, 7);
    speaker.lineTo(14, 23);
    speaker.lineTo(9, 18);
    speaker.lineTo(5, 18);
    speaker.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(speaker, orange);
    p.setPen(QPen(orange, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10, 10, 9, 10), -55 * 16, 110 * 16);
    p.drawArc(QRectF(8, 6, 15, 18), -55 * 16, 110 * 16);
    DrawFittedText(p, QRectF(27, 9, 54, 12), "SDL_mixer", LetteringFont(12), QColor(240, 244, 250));
    return picture;
}

}  // namespace zorbil::art
