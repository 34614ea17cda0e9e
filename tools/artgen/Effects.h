// SPDX-License-Identifier: GPL-3.0-or-later
// Small image effects the pictures are made of.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace zorbil::art {

// Three box-blur passes (close to a Gaussian) of a premultiplied ARGB image.
QImage Blurred(const QImage& image, int radius);

// A soft shadow of `shape` drawn under whatever `target` will receive next.
void DropShadow(QImage& target, const QPainterPath& shape, const QColor& colour, QPointF offset, int blur);

// A lit ball: a radial gradient with its highlight up and to the left.
void DrawSphere(QPainter& painter, QPointF centre, double radius, const QColor& colour);

// A new transparent ARGB picture.
QImage Transparent(int width, int height);

}  // namespace zorbil::art
