// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded pictures: every name is there at its size, tiles keep to
// their colour counts and repeat without a seam, the transparent pictures
// are transparent where the screens rely on it.
#include <QColor>
#include <QImage>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>

#include "assets/Artwork.h"

namespace {

using zorbil::Artwork;

struct Expected {
    const char* Name;
    int Width;
    int Height;
};

const Expected AllPictures[] = {
    {"MenuTex", 64, 64},           {"PauseTex", 64, 64},           {"GameOverTex", 150, 150},
    {"ScoresTex", 64, 64},         {"OptionsTex", 64, 64},         {"AideTex", 64, 64},
    {"ImageGameOver", 240, 55},    {"ImagePause", 335, 55},        {"ImageScores", 245, 55},
    {"ImageOptions", 335, 55},     {"ImageAide", 450, 55},         {"ImagePrincipalDonut", 143, 158},
    {"ImagePrincipalZorbil", 305, 145}, {"AboutLogo", 150, 220},   {"ImageAboutZorbil", 435, 65},
    {"ImageZorbil", 433, 65},      {"OpenGLLogo", 70, 30},         {"SoundLogo", 85, 30},
    {"ImagePauseEn", 335, 55},     {"ImageScoresEn", 245, 55},     {"ImageOptionsEn", 335, 55},
    {"ImageAideEn", 450, 55},
};

QSet<QRgb> Colours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

int Alpha(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)); }

double Difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

TEST(Artwork, EveryPictureIsThereAtItsSizeAndShowsSomething)
{
    for (const Expected& e : AllPictures) {
        SCOPED_TRACE(e.Name);
        const QImage image = Artwork(e.Name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(e.Width, e.Height));
        EXPECT_GE(Colours(image).size(), 8) << "blank or nearly single-coloured";
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += Alpha(image, x, y) == 255;
        EXPECT_GT(opaque, image.width() * image.height() / 10);
    }
}

TEST(Artwork, UnknownOrMalformedNamesGiveNoPicture)
{
    for (const char* name : {"", "Nothing", "menutex ", "MenuTex.png", "../artwork/MenuTex", ":/artwork/MenuTex",
                             "artwork/MenuTex", "MenuTex/"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Artwork(name).isNull());
    }
}

TEST(Artwork, TilesAreOpaqueWithinTheirColourCountAndRepeatWithoutSeam)
{
    const struct {
        const char* Name;
        int MaxColours;
    } tiles[] = {{"MenuTex", 256}, {"PauseTex", 16},   {"GameOverTex", 16},
                 {"ScoresTex", 256}, {"OptionsTex", 256}, {"AideTex", 16}};
    for (const auto& t : tiles) {
        SCOPED_TRACE(t.Name);
        const QImage tile = Artwork(t.Name);
        const QSet<QRgb> colours = Colours(tile);
        EXPECT_LE(colours.size(), t.MaxColours);
        EXPECT_GE(colours.size(), 6);
        for (QRgb c : colours)
            ASSERT_EQ(qAlpha(c), 255);

        // Across the wrap-around edge the picture must change no more than
        // it does between neighbouring columns and rows inside.
        const int w = tile.width(), h = tile.height();
        double inside = 0, seam = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x + 1 < w; ++x)
                inside += Difference(tile.pixel(x, y), tile.pixel(x + 1, y));
            seam += Difference(tile.pixel(w - 1, y), tile.pixel(0, y));
        }
        EXPECT_LE(seam / h, 2.5 * inside / (h * (w - 1)) + 4) << "left and right edges do not meet";
        inside = 0, seam = 0;
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y + 1 < h; ++y)
                inside += Difference(tile.pixel(x, y), tile.pixel(x, y + 1));
            seam += Difference(tile.pixel(x, h - 1), tile.pixel(x, 0));
        }
        EXPECT_LE(seam / w, 2.5 * inside / (w * (h - 1)) + 4) << "top and bottom edges do not meet";
    }
}

TEST(Artwork, MenuDonutIsGreyWithItsSurroundAndHoleTransparent)
{
    const QImage donut = Artwork("ImagePrincipalDonut");
    const int w = donut.width(), h = donut.height();
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {w / 2, 0}, {0, h / 2}})
        EXPECT_EQ(Alpha(donut, x, y), 0) << x << "," << y;
    EXPECT_EQ(Alpha(donut, w / 2, h / 2), 0) << "the hole shows the wallpaper";

    int opaque = 0, grey = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QColor c = QColor::fromRgba(donut.pixel(x, y));
            if (c.alpha() < 255)
                continue;
            ++opaque;
            grey += std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) <= 16;
        }
    }
    EXPECT_GT(opaque, w * h / 4);
    EXPECT_GE(grey, opaque * 95 / 100);
}

TEST(Artwork, TitlesAreLetteringInTheirPanelsColoursOnATransparentGround)
{
    // Hue of each panel: #C8AFC8, maroon, green, #C0C000; the help panel is grey.
    const struct {
        const char* Name;
        int Hue;  // -1: a grey panel, so grey lettering
    } titles[] = {{"ImageGameOver", 300}, {"ImagePause", 0}, {"ImageScores", 120}, {"ImageOptions", 60},
                  {"ImageAide", -1}, {"ImagePauseEn", 0}, {"ImageScoresEn", 120}, {"ImageOptionsEn", 60},
                  {"ImageAideEn", -1}};
    for (const auto& t : titles) {
        SCOPED_TRACE(t.Name);
        const QImage title = Artwork(t.Name);
        const int w = title.width(), h = title.height();
        for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
            EXPECT_EQ(Alpha(title, x, y), 0);

        int opaque = 0;
        double sumX = 0, sumY = 0, saturation = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QColor c = QColor::fromRgba(title.pixel(x, y));
                if (c.alpha() < 255)
                    continue;
                ++opaque;
                saturation += c.hsvSaturationF();
                if (c.hsvSaturationF() > 0.3 && c.valueF() > 0.3) {
                    sumX += std::cos(c.hsvHueF() * 2 * M_PI);
                    sumY += std::sin(c.hsvHueF() * 2 * M_PI);
                }
            }
        }
        // Big letters cover a good part of the picture but not all of it.
        EXPECT_GT(opaque, w * h * 15 / 100);
        EXPECT_LT(opaque, w * h * 80 / 100);
        if (t.Hue < 0) {
            EXPECT_LT(saturation / opaque, 0.2);
        } else {
            double hue = std::atan2(sumY, sumX) * 180 / M_PI;
            hue = std::fmod(hue + 360, 360);
            const double off = std::min(std::fabs(hue - t.Hue), 360 - std::fabs(hue - t.Hue));
            EXPECT_LT(off, 30) << "mean hue " << hue;
        }
    }
}

TEST(Artwork, BannersAreOpaque)
{
    for (const char* name : {"ImageZorbil", "ImageAboutZorbil"}) {
        SCOPED_TRACE(name);
        const QImage banner = Artwork(name);
        for (QRgb c : Colours(banner))
            ASSERT_EQ(qAlpha(c), 255);
    }
}

}  // namespace
