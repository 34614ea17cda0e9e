// SPDX-License-Identifier: GPL-3.0-or-later
#include "Snake.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "Effects.h"

namespace zorbil::art {

namespace {

struct Ball {
    QPointF Centre;
    double Radius;
};

// Balls from the tail to the head, each 1.5 radii from the one before, as in play.
std::vector<Ball> Balls(const QPainterPath& spine, const SnakeLook& look)
{
    const double length = spine.length();
    std::vector<Ball> balls;
    double at = 0;
    while (true) {
        const double t = std::min(1.0, at / length);
        const double radius = look.TailRadius + (look.HeadRadius - look.TailRadius) * t;
        balls.push_back({spine.pointAtPercent(spine.percentAtLength(std::min(at, length))), radius});
        if (at >= length)
            break;
        at = std::min(length, at + radius * 1.5);
    }
    return balls;
}

}  // namespace

void DrawSnake(QImage& target, const QPainterPath& spine, const SnakeLook& look)
{
    const std::vector<Ball> balls = Balls(spine, look);
    QPainterPath shadows;
    for (const Ball& b : balls)
        shadows.addEllipse(b.Centre + QPointF(b.Radius * 0.3, b.Radius * 0.45), b.Radius, b.Radius * 0.9);
    shadows.setFillRule(Qt::WindingFill);
    DropShadow(target, shadows, QColor(0, 0, 0, 110), QPointF(0, 0), 2);

    QPainter p(&target);
    p.setRenderHint(QPainter::Antialiasing);
    // Tail first, so each ball nearer the head lies over the one behind it.
    for (size_t k = 0; k < balls.size(); ++k)
        DrawSphere(p, balls[k].Centre, balls[k].Radius, k + 1 == balls.size() ? look.Head : look.Body);

    // Eyes, looking the way the head moves.
    const QPointF head = spine.pointAtPercent(1.0);
    const double angle = spine.angleAtPercent(0.999) * M_PI / 180;
    const QPointF forward(std::cos(angle), -std::sin(angle));
    const QPointF side(-forward.y(), forward.x());
    const double r = look.HeadRadius;
    p.setPen(Qt::NoPen);
    for (double s : {-1.0, 1.0}) {
        const QPointF eye = head + forward * (r * 0.38) + side * (s * r * 0.38) + QPointF(0, -r * 0.15);
        p.setBrush(Qt::white);
        p.drawEllipse(eye, r * 0.26, r * 0.26);
        p.setBrush(QColor(20, 20, 30));
        p.drawEllipse(eye + forward * (r * 0.1), r * 0.14, r * 0.14);
    }
}

}  // namespace zorbil::art
