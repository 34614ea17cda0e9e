// SPDX-License-Identifier: GPL-3.0-or-later
// Real frames drawn by DrawScene and read back from the X server.
#include <cmath>
#include <filesystem>

#include "PcxBuilder.h"
#include "SceneFixture.h"

namespace zorbil {
namespace {

using test::FieldPixel;
using test::Gray;
using test::PlainPicture;

// Spread out so that every sphere and its shadow stand alone on the
// background: body cells (6, 3) and (6, 7) have an odd X + Y, (9, 3) and
// (9, 7) an even one.
void SpreadSnake()
{
    Snake.Head = {3, 3};
    Snake.Length = 5;
    Snake.Body[0] = {6, 3};
    Snake.Body[1] = {9, 3};
    Snake.Body[2] = {6, 7};
    Snake.Body[3] = {9, 7};
    Donut = {12, 8};
    SpinAngle = 0;
}

// Centre of what is not background blue (the spheres are grey to white)
// within one cell of (x, y).
QPointF SphereCentre(const QImage& image, double x, double y)
{
    const QPoint c = FieldPixel(image, x, y);
    const int reach = image.width() / 15;
    double sx = 0, sy = 0;
    int n = 0;
    for (int py = c.y() - reach; py <= c.y() + reach; ++py)
        for (int px = c.x() - reach; px <= c.x() + reach; ++px)
            if (qRed(image.pixel(px, py)) > 25) {
                sx += px;
                sy += py;
                ++n;
            }
    return n ? QPointF(sx / n, sy / n) : QPointF(-1000, -1000);
}

class Scene : public test::SceneFixture {
protected:
    // Loads the blue picture through the reload signal, as a game does.
    void BlueBackground()
    {
        std::filesystem::create_directory(folder.file("/Textures"));
        folder.write("/Textures/blue.pcx", PlainPicture(0, 0, 200));
        texture = folder.file("/Textures/blue.pcx");
        Signal();
    }
};

TEST_F(Scene, SpheresSitOnTheirCellsWithShadowsDownLeft)
{
    SpreadSnake();
    BlueBackground();
    const QImage image = Frame();
    const double cell = image.width() / 15.0;

    struct Sphere {
        Cell c;
        double reach;  // along the diagonal: out of the sphere, inside its shadow
    };
    const Sphere spheres[] = {{Snake.Head, 0.66}, {Snake.Body[0], 0.56}, {Snake.Body[1], 0.56},
                              {Snake.Body[2], 0.56}, {Snake.Body[3], 0.56}};
    for (const auto& [c, t] : spheres) {
        const QPoint expected = FieldPixel(image, c.X, c.Y);
        const QPointF centre = SphereCentre(image, c.X, c.Y);
        EXPECT_NEAR(centre.x(), expected.x(), 0.1 * cell) << c.X << "," << c.Y;
        EXPECT_NEAR(centre.y(), expected.y(), 0.1 * cell) << c.X << "," << c.Y;

        // Translucent black: darker than the background down-left of the
        // sphere, nothing up-right of it.
        const QRgb shadow = image.pixel(FieldPixel(image, c.X - t, c.Y - t));
        EXPECT_EQ(qRed(shadow), 0) << c.X << "," << c.Y;
        EXPECT_NEAR(qBlue(shadow), 200 * 0.4, 4) << c.X << "," << c.Y;
        EXPECT_EQ(image.pixel(FieldPixel(image, c.X + t, c.Y + t)), qRgb(0, 0, 200)) << c.X << "," << c.Y;
    }
    EXPECT_EQ(image.pixel(FieldPixel(image, 13, 3)), qRgb(0, 0, 200));
}

TEST_F(Scene, BodySpheresWobbleOppositeWaysOnNeighbouringCells)
{
    SpreadSnake();
    BlueBackground();
    QPointF at[4][2];  // SpinAngle 0, 90, 180, 270; cell (6,3) odd, (9,3) even
    for (int quarter = 0; quarter < 4; ++quarter) {
        SpinAngle = 90 * quarter;
        const QImage image = Frame();
        at[quarter][0] = SphereCentre(image, 6, 3);
        at[quarter][1] = SphereCentre(image, 9, 3);
    }
    const double shift = 2 * 600 / 15.0 / 15;  // twice 1/15 of a cell, in pixels

    // SpinAngle 0 against 180: odd X + Y moves right, even moves left.
    EXPECT_NEAR(at[0][0].x() - at[2][0].x(), shift, 1.5);
    EXPECT_NEAR(at[0][1].x() - at[2][1].x(), -shift, 1.5);
    EXPECT_NEAR(at[0][0].y() - at[2][0].y(), 0, 1.5);
    // 90 against 270: up and down instead (image rows grow downwards).
    EXPECT_NEAR(at[1][0].y() - at[3][0].y(), -shift, 1.5);
    EXPECT_NEAR(at[1][1].y() - at[3][1].y(), shift, 1.5);
    EXPECT_NEAR(at[1][0].x() - at[3][0].x(), 0, 1.5);
}

TEST_F(Scene, DonutWithItsShadow)
{
    SpreadSnake();
    const QImage image = Frame();
    // Flat to the viewer at SpinAngle 0: the tube's top is lit by ambient
    // only, the hole shows the background.
    EXPECT_LT(Gray(image, FieldPixel(image, 12.9, 8)), 100);
    EXPECT_LT(Gray(image, FieldPixel(image, 12, 8.9)), 100);
    EXPECT_GT(Gray(image, FieldPixel(image, 12, 8)), 240);
    // The flattened copy 0.2 down-left, past the donut's outer edge.
    const int shadow = Gray(image, FieldPixel(image, 10.5, 7.8));
    EXPECT_GT(shadow, 60);
    EXPECT_LT(shadow, 160);
    EXPECT_GT(Gray(image, FieldPixel(image, 13.5, 8.2)), 240);

    // Turned a quarter about (1, 1, 0): seen edge-on along that diagonal,
    // so a point of the flat ring off the diagonal is background now.
    SpinAngle = 90;
    const QImage turned = Frame();
    EXPECT_GT(Gray(turned, FieldPixel(turned, 12 + 0.65, 8 - 0.65)), 200);
}

}  // namespace
}  // namespace zorbil
