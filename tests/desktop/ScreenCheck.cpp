// SPDX-License-Identifier: GPL-3.0-or-later
// screen_check SCREENSHOT SCREEN: says from a picture of the whole screen
// whether SCREEN (menu, pause, over, scores, or game: the 3D picture) is what
// the player sees, and, for a screen with buttons at its bottom, that the
// lowest caption is whole and at its place above the bottom of the screen,
// so nothing of the window is cut off there. Prints what it measured; exit status 0 when it matches.
#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace {

struct Panel {
    QRgb color;  // the mean colour of its wallpaper, as players see it
    // Whether its lowest caption is a button anchored to the bottom.
    bool bottomButton;
};

const std::map<std::string, Panel> Panels = {
    {"menu", {qRgb(37, 119, 215), false}},
    {"pause", {qRgb(98, 5, 5), true}},
    {"over", {qRgb(201, 177, 201), true}},
    {"scores", {qRgb(1, 101, 8), true}},
};

// The bottom buttons' captions end 14 to 16 px above the bottom of a
// 1024-pixel window, whatever its frame; less means the window's bottom lies
// beyond the screen's.
constexpr double MinimumCaptionGap = 0.009;

double Distance(QRgb a, QRgb b)
{
    return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
}

QRgb Mean(const QImage& image, QRect r)
{
    double sum[3] = {};
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum[0] += qRed(p);
            sum[1] += qGreen(p);
            sum[2] += qBlue(p);
        }
    const double n = double(r.width()) * r.height();
    return qRgb(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n));
}

// The lowest row of the middle band that holds caption pixels (far from the
// wallpaper's colour); a row of one colour across the band is a frame's
// edge, not a caption. -1 when there is none.
int LowestCaptionRow(const QImage& image, QRgb wallpaper)
{
    const int left = image.width() * 35 / 100, right = image.width() * 65 / 100;
    for (int y = image.height() - 1; y >= image.height() * 3 / 4; --y) {
        int far = 0;
        for (int x = left; x < right; ++x)
            far += Distance(image.pixel(x, y), wallpaper) > 120;
        if (far >= 2 && far <= (right - left) * 6 / 10)
            return y;
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || (Panels.count(argv[2]) == 0 && std::string(argv[2]) != "game")) {
        std::fprintf(stderr, "usage: screen_check SCREENSHOT menu|pause|over|scores|game\n");
        return 2;
    }
    const QImage image = QImage(argv[1]).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const std::string expected = argv[2];
    const QRgb seen = Mean(image, QRect(image.width() / 4, image.height() * 3 / 10, image.width() / 2,
                                        image.height() * 2 / 5));
    std::string shown = "game";
    for (const auto& [name, panel] : Panels)
        if (Distance(seen, panel.color) < 45)
            shown = name;
    std::printf("screen shows %s (mean colour %d,%d,%d)", shown.c_str(), qRed(seen), qGreen(seen), qBlue(seen));
    if (shown != expected) {
        std::printf(", not %s\n", expected.c_str());
        return 1;
    }
    if (expected == "game" || !Panels.at(expected).bottomButton) {
        std::printf("\n");
        return 0;
    }
    const Panel& panel = Panels.at(expected);
    const int row = LowestCaptionRow(image, panel.color);
    if (row < 0) {
        std::printf("; no caption at the bottom of the screen: the bottom of the window is cut off\n");
        return 1;
    }
    const double gap = double(image.height() - 1 - row) / image.height();
    std::printf("; lowest caption ends %d px above the bottom of the screen (%.3f of its height)\n",
                image.height() - 1 - row, gap);
    if (gap < MinimumCaptionGap) {
        std::printf("the bottom of the window is cut off\n");
        return 1;
    }
    return 0;
}
