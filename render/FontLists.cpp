// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/FontLists.h"

#include <GL/gl.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace zorbil {

namespace {

// Stands in for the window system's default font: a bold sans of 16 pixels,
// not smoothed, since a bitmap has no grey levels.
QFont ScoreFont(double devicePixelRatio)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(std::max(1, int(std::lround(16 * devicePixelRatio))));
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

void BuildFontLists(double devicePixelRatio)
{
    const QFont font = ScoreFont(devicePixelRatio);
    const QFontMetrics metrics(font);
    const int ascent = metrics.ascent();
    const int height = std::max(1, ascent + metrics.descent());
    std::vector<GLubyte> bits;

    for (int code = 1; code <= 255; ++code) {
        const QChar ch = QChar::fromLatin1(char(code));
        const int advance = metrics.horizontalAdvance(ch);
        const QRect box = metrics.boundingRect(ch);
        const int left = std::min(0, box.left());
        const int width = std::max(1, std::max(advance, box.right() + 1) - left);

        QImage glyph(width, height, QImage::Format_Grayscale8);
        glyph.fill(0);
        {
            QPainter painter(&glyph);
            painter.setFont(font);
            painter.setPen(Qt::white);
            painter.drawText(-left, ascent, QString(ch));
        }

        // glBitmap rows go bottom-up, most significant bit first, each row
        // padded to the default unpack alignment of 4 bytes. A blank glyph
        // (the space) still gets real zero bytes: a null bitmap inside a list
        // is dropped by Mesa and the advance with it.
        const int rowBytes = ((width + 31) / 32) * 4;
        bits.assign(size_t(rowBytes) * size_t(height), 0);
        for (int y = 0; y < height; ++y) {
            const uchar* line = glyph.constScanLine(height - 1 - y);
            GLubyte* out = bits.data() + size_t(y) * size_t(rowBytes);
            for (int x = 0; x < width; ++x)
                if (line[x] >= 128)
                    out[x / 8] |= GLubyte(0x80 >> (x % 8));
        }

        glNewList(GLuint(code), GL_COMPILE);
        glBitmap(width, height, float(-left), float(metrics.descent()), float(advance), 0, bits.data());
        glEndList();
    }
}

}  // namespace zorbil
