// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped backgrounds in a real frame: the snake, the donut and the
// score take the picture's corner tint, so the snake must come out in that
// light colour, not in the colour of the picture around it.
#include <filesystem>
#include <string>

#include "../render/SceneFixture.h"
#include "Backgrounds.h"

namespace zorbil {
namespace {

using procgen::Background;
using procgen::Rgb;
using test::FieldPixel;

class BackgroundsInPlay : public test::SceneFixture {};

TEST_F(BackgroundsInPlay, SnakeIsDrawnInThePicturesTint)
{
    for (const Background& b : procgen::DrawBackgrounds()) {
        SCOPED_TRACE(b.FileName);
        texture = std::string(ZORBIL_TEXTURES_DIR) + "/" + b.FileName;
        Signal();
        Snake.Head = {5, 6};
        Snake.Length = 1;
        Donut = {11, 6};
        SpinAngle = 0;
        const QImage frame = Frame();
        ASSERT_TRUE(boxes.empty());

        // The brightest pixel of the head, where the lights fall on it:
        // the tint at full light.
        const Rgb tint = b.Picture.Colours[procgen::TintIndex];
        const QPoint centre = FieldPixel(frame, 5, 6);
        const int reach = frame.width() / 15 / 2;
        QColor head(Qt::black);
        for (int y = centre.y() - reach; y <= centre.y() + reach; ++y)
            for (int x = centre.x() - reach; x <= centre.x() + reach; ++x)
                if (qGray(frame.pixel(x, y)) > qGray(head.rgb()))
                    head = QColor(frame.pixel(x, y));
        const double scale = std::max({head.red(), head.green(), head.blue()}) /
                             double(std::max({tint.R, tint.G, tint.B}));
        EXPECT_GT(scale, 0.85) << "head too dark";
        EXPECT_NEAR(head.red(), tint.R * scale, 40);
        EXPECT_NEAR(head.green(), tint.G * scale, 40);
        EXPECT_NEAR(head.blue(), tint.B * scale, 40);
    }
}

}  // namespace
}  // namespace zorbil
