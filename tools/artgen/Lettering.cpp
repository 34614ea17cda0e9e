// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lettering.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>

#include "Effects.h"

namespace zorbil::art {

namespace {

// The glyphs of text as a path scaled to fit room, centred in it.
QPainterPath FittedPath(const QRectF& room, const QString& text, const QFont& font)
{
    QPainterPath glyphs;
    glyphs.addText(0, 0, font, text);
    const QRectF raw = glyphs.boundingRect();
    const double scale = std::min(room.width() / raw.width(), room.height() / raw.height());
    QTransform place;
    place.translate(room.center().x() - raw.center().x() * scale, room.center().y() - raw.center().y() * scale);
    place.scale(scale, scale);
    return place.map(glyphs);
}

}  // namespace

void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                    const QBrush& brush)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(FittedPath(box, text, font), brush);
    painter.restore();
}

QRectF DrawLettering(QImage& target, const QRectF& box, const QString& text, const QFont& font,
                     const LetteringStyle& style)
{
    // Leave room for the outline and the shadow inside the box.
    const double marginLeft = style.OutlineWidth + 1;
    const double marginTop = style.OutlineWidth + 1;
    const double marginRight = marginLeft + std::max(0.0, style.ShadowOffset.x()) + style.ShadowBlur;
    const double marginBottom = marginTop + std::max(0.0, style.ShadowOffset.y()) + style.ShadowBlur;
    const QRectF room = box.adjusted(marginLeft, marginTop, -marginRight, -marginBottom);
    const QPainterPath path = FittedPath(room, text, font);
    const QRectF letters = path.boundingRect();

    QPainterPathStroker stroker;
    stroker.setWidth(style.OutlineWidth * 2);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath outline = stroker.createStroke(path).united(path);

    DropShadow(target, outline, style.Shadow, style.ShadowOffset, style.ShadowBlur);

    QPainter p(&target);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(outline, style.Outline);

    QLinearGradient fill(letters.topLeft(), letters.bottomLeft());
    fill.setColorAt(0.0, style.Top);
    fill.setColorAt(1.0, style.Bottom);
    p.fillPath(path, fill);

    // Gloss: a pale band over the upper half, as on moulded plastic.
    p.save();
    p.setClipPath(path);
    QLinearGradient gloss(letters.topLeft(), QPointF(letters.left(), letters.center().y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, static_cast<int>(255 * style.Gloss)));
    gloss.setColorAt(1.0, QColor(255, 255, 255, static_cast<int>(255 * style.Gloss * 0.25)));
    p.fillRect(QRectF(letters.topLeft(), QPointF(letters.right(), letters.center().y() - letters.height() * 0.04)),
               gloss);
    // A thin dark rim along the lower edges gives the letters some depth.
    p.setPen(QPen(QColor(0, 0, 0, 70), std::max(1.0, style.OutlineWidth * 0.6)));
    p.drawPath(path.translated(-0.8, -1.0));
    p.restore();
    return letters;
}

}  // namespace zorbil::art
