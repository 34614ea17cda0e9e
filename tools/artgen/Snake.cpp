#include "Snake.h"

#include <QPainter>
#include <cmath>

#include "Effects.h"

namespace zorbil::art {

void DrawSnake(QImage& target, const QPainterPath& spine, const SnakeLook& look)
{
    QPainterPath shadows;
    for (int k = 0; k < look.Segments; ++k) {
        const double t = static_cast<double>(k) / (look.Segments - 1);
        const double radius = look.TailRadius + (look.HeadRadius - look.TailRadius) * t;
        shadows.addEllipse(spine.pointAtPercent(t) + QPointF(radius * 0.3, radius * 0.45), radius, radius * 0.9);
    }
    DropShadow(target, shadows, QColor(0, 0, 0, 110), QPointF(0, 0), 2);

    QPainter p(&target);
    p.setRenderHint(QPainter::Antialiasing);
    // Tail first, so each ball nearer the head lies over the one behind it.
    for (int k = 0; k < look.Segments; ++k) {
        const double t = static_cast<double>(k) / (look.Segments - 1);
        const double radius = look.TailRadius + (look.HeadRadius - look.TailRadius) * t;
        const bool head = k == look.Segments - 1;
        DrawSphere(p, spine.pointAtPercent(t), radius, head ? look.Head : look.Body);
    }

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
