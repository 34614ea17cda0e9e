// SPDX-License-Identifier: GPL-3.0-or-later
// Large shaded lettering: a dark outline, a vertical gradient fill, a glossy
// upper half and a soft drop shadow.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace zorbil::art {

struct LetteringStyle {
    QColor Top;                 // fill at the top of the letters
    QColor Bottom;              // fill at their foot
    QColor Outline;
    double OutlineWidth = 2.5;
    QColor Shadow = QColor(0, 0, 0, 150);
    QPointF ShadowOffset = {3, 3};
    int ShadowBlur = 2;
    double Gloss = 0.55;        // strength of the highlight on the upper half
};

// Draws text scaled to fit inside box (keeping its proportions), centred.
// Returns the rectangle the letters took.
QRectF DrawLettering(QImage& target, const QRectF& box, const QString& text, const QFont& font,
                     const LetteringStyle& style);

// Plain text scaled to fit inside box, centred, filled with brush.
void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                    const QBrush& brush);

}  // namespace zorbil::art
