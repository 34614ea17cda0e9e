// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/FontLists.h"

#include <GL/gl.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

namespace zorbil {

namespace {

constexpr int FirstCode = 1;
constexpr int LastCode = 255;

// A glyph as glBitmap takes it.
struct Glyph {
    int width = 0;
    int height = 0;
    float left = 0;
    float descent = 0;
    float advance = 0;
    std::vector<GLubyte> bits;
};

using GlyphSet = std::array<Glyph, LastCode - FirstCode + 1>;

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

GlyphSet DrawGlyphs(double devicePixelRatio)
{
    const QFont font = ScoreFont(devicePixelRatio);
    const QFontMetrics metrics(font);
    const int ascent = metrics.ascent();
    const int height = std::max(1, ascent + metrics.descent());
    GlyphSet glyphs;

    for (int code = FirstCode; code <= LastCode; ++code) {
        const QChar ch = QChar::fromLatin1(char(code));
        const int advance = metrics.horizontalAdvance(ch);
        const QRect box = metrics.boundingRect(ch);
        const int left = std::min(0, box.left());
        const int width = std::max(1, std::max(advance, box.right() + 1) - left);

        QImage image(width, height, QImage::Format_Grayscale8);
        image.fill(0);
        {
            QPainter painter(&image);
            painter.setFont(font);
            painter.setPen(Qt::white);
            painter.drawText(-left, ascent, QString(ch));
        }

        // glBitmap rows go bottom-up, most significant bit first, each row
        // padded to the default unpack alignment of 4 bytes. A blank glyph
        // (the space) still gets real zero bytes: a null bitmap inside a list
        // is dropped by Mesa and the advance with it.
        Glyph& glyph = glyphs[size_t(code - FirstCode)];
        const int rowBytes = ((width + 31) / 32) * 4;
        glyph.bits.assign(size_t(rowBytes) * size_t(height), 0);
        for (int y = 0; y < height; ++y) {
            const uchar* line = image.constScanLine(height - 1 - y);
            GLubyte* out = glyph.bits.data() + size_t(y) * size_t(rowBytes);
            for (int x = 0; x < width; ++x)
                if (line[x] >= 128)
                    out[x / 8] |= GLubyte(0x80 >> (x % 8));
        }
        glyph.width = width;
        glyph.height = height;
        glyph.left = float(-left);
        glyph.descent = float(metrics.descent());
        glyph.advance = float(advance);
    }
    return glyphs;
}

// Drawing the glyphs takes Qt many times what compiling them takes GL, and
// a ratio changes only with the screen.
const GlyphSet& GlyphsFor(double devicePixelRatio)
{
    static std::map<double, GlyphSet> drawn;
    auto found = drawn.find(devicePixelRatio);
    if (found == drawn.end())
        found = drawn.emplace(devicePixelRatio, DrawGlyphs(devicePixelRatio)).first;
    return found->second;
}

}  // namespace

void BuildFontLists(double devicePixelRatio)
{
    const GlyphSet& glyphs = GlyphsFor(devicePixelRatio);
    for (int code = FirstCode; code <= LastCode; ++code) {
        const Glyph& glyph = glyphs[size_t(code - FirstCode)];
        glNewList(GLuint(code), GL_COMPILE);
        glBitmap(glyph.width, glyph.height, glyph.left, glyph.descent, glyph.advance, 0, glyph.bits.data());
        glEndList();
    }
}

void DrawFontGlyphs(double devicePixelRatio)
{
    GlyphsFor(devicePixelRatio);
}

void DeleteFontLists()
{
    glDeleteLists(FirstCode, LastCode - FirstCode + 1);
}

}  // namespace zorbil
