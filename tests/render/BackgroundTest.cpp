// SPDX-License-Identifier: GPL-3.0-or-later
// The reload signal, LoadBackground and the picture on the background quad.
#include <QOpenGLContext>
#include <QSignalSpy>
#include <filesystem>

#include "PcxBuilder.h"
#include "SceneFixture.h"

namespace zorbil {
namespace {

using test::FieldPixel;
using test::PcxBuilder;
using test::PlainPicture;

namespace fs = std::filesystem;

// 64 x 64 in blocks of 4 x 4 texels: block (bx, by), by counted from the
// file's first row, has red 16 bx + 8 and green 16 by + 8.
std::string BlockPicture()
{
    PcxBuilder pcx(64, 64);
    for (int i = 0; i < 256; ++i)
        pcx.SetColor(i, uint8_t(16 * (i / 16) + 8), uint8_t(16 * (i % 16) + 8), 0);
    for (int row = 0; row < 64; ++row) {
        std::vector<uint8_t> line(64);
        for (int col = 0; col < 64; ++col)
            line[size_t(col)] = uint8_t(16 * (col / 4) + row / 4);
        pcx.AddRow(line);
    }
    return pcx.Bytes();
}

class Background : public test::SceneFixture {
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        fs::create_directory(folder.file("/Textures"));
        // Keep the snake and the donut in the bottom-left corner, out of the
        // way of the points looked at.
        Snake.Head = {1, 1};
        Snake.Length = 1;
        Donut = {2, 2};
    }

    std::string Picture(const std::string& name, const std::string& bytes)
    {
        folder.write("/Textures/" + name, bytes);
        return folder.file("/Textures/" + name);
    }

    bool SignalExists() const { return fs::exists(folder.file("/Data/Temp.dat")); }
};

TEST_F(Background, FirstRowAlongTheBottomStretchedPastTheView)
{
    texture = Picture("blocks.pcx", BlockPicture());
    Signal();
    const QImage image = Frame();
    EXPECT_FALSE(SignalExists());
    EXPECT_NE(renderer->Texture, 0u);

    // The quad spans 0..16 by 0..12 and the view 0.5..15.5 by 0.5..11.5:
    // block bx is centred at x = bx + 0.5 and block by at y = 0.75 by + 0.375,
    // so half a block (1/32 of the width) is cut at the left and right and
    // 1/24 of the height at the top and bottom.
    for (int bx = 1; bx <= 14; ++bx)
        for (int by = 1; by <= 14; ++by) {
            const double x = bx + 0.5, y = 0.75 * by + 0.375;
            if (x < 4 && y < 4)
                continue;  // the snake and the donut
            if (x > 12 && y > 10)
                continue;  // the score
            const QRgb pixel = image.pixel(FieldPixel(image, x, y));
            EXPECT_NEAR(qRed(pixel), 16 * bx + 8, 2) << bx << "," << by;
            EXPECT_NEAR(qGreen(pixel), 16 * by + 8, 2) << bx << "," << by;
        }
    // The view's edges show the outer blocks at their centres.
    EXPECT_NEAR(qRed(image.pixel(0, image.height() / 2)), 8, 3);
    EXPECT_NEAR(qRed(image.pixel(image.width() - 1, image.height() / 2)), 248, 3);

    // A frame without the signal keeps the texture.
    const GLuint name = renderer->Texture;
    Frame();
    EXPECT_EQ(renderer->Texture, name);
    EXPECT_EQ(selections, 1);
}

TEST_F(Background, EverySignalLoadsANewTextureAndLogsIt)
{
    texture = Picture("grey.pcx", PlainPicture(128, 128, 128));
    Signal();
    Frame();
    const GLuint first = renderer->Texture;
    Signal();
    Frame();
    EXPECT_NE(renderer->Texture, first);
    EXPECT_TRUE(glIsTexture(first));  // the earlier one lives on with its context
    EXPECT_EQ(selections, 2);
    EXPECT_TRUE(boxes.empty());

    // The first load moved the log into Data; the second load's lines were
    // dropped, as the log was gone by then.
    EXPECT_FALSE(fs::exists(folder.file("/log.txt")));
    const std::string log = folder.read("/Data/Log.txt");
    EXPECT_NE(log.find("Opening PCX file - \"" + texture + "\"\r\nTexture Loaded into memory\r\n"), std::string::npos);
    EXPECT_EQ(log.find("Opening PCX file", log.find("Texture Loaded")), std::string::npos);
}

TEST_F(Background, LogIsNotMovedOntoAnEarlierOne)
{
    folder.write("/Data/Log.txt", "earlier run\r\n");
    texture = Picture("grey.pcx", PlainPicture(128, 128, 128));
    Signal();
    Frame();
    EXPECT_EQ(folder.read("/Data/Log.txt"), "earlier run\r\n");
    EXPECT_NE(folder.read("/log.txt").find("Texture Loaded into memory"), std::string::npos);
}

TEST_F(Background, LoaderFailureGivesAPlainBackgroundWithoutABox)
{
    texture = Picture("bad.pcx", PcxBuilder(320, 200).Bytes());
    Signal();
    const QImage image = Frame();
    EXPECT_EQ(renderer->Texture, 0u);
    EXPECT_FALSE(SignalExists());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(image.pixel(FieldPixel(image, 8, 6)), qRgb(255, 255, 255));
    EXPECT_NE(folder.read("/Data/Log.txt").find("PCX file incorrect size (320,200)"), std::string::npos);
}

TEST_F(Background, NothingSelectedIsReportedOncePerLoadAndPlayGoesOn)
{
    // A game started with a music and no picture: TexList gives "".
    Signal();
    Frame();
    const QImage image = Frame();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], BackgroundErrorMessage);
    EXPECT_FALSE(SignalExists());
    EXPECT_EQ(image.pixel(FieldPixel(image, 8, 6)), qRgb(255, 255, 255));
    // Raised like any error: the log stays where it is.
    EXPECT_FALSE(fs::exists(folder.file("/Data/Log.txt")));

    // Each return into the game loads again, and says so again.
    renderer->FreeScene();
    renderer->SetupScene();
    Signal();
    Frame();
    Frame();
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(Background, RaisedErrorIsReportedOnce)
{
    texture = Picture("grey.pcx", PlainPicture(128, 128, 128));
    // Every write to the log fails (the disk is full), which the loader
    // raises; and this signal cannot be deleted.
    fs::remove(folder.file("/log.txt"));
    fs::create_symlink("/dev/full", folder.file("/log.txt"));
    fs::create_directories(folder.file("/Data/Temp.dat/stuck"));
    for (int i = 0; i < 5; ++i)
        Frame();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], BackgroundErrorMessage);
    EXPECT_EQ(selections, 1);
    EXPECT_EQ(renderer->Texture, 0u);

    // A new drawing state tries its signal again.
    renderer->FreeScene();
    renderer->SetupScene();
    Frame();
    EXPECT_EQ(boxes.size(), 2u);

    fs::remove(folder.file("/log.txt"));
    CreateLog(folder.str());
    fs::remove_all(folder.file("/Data/Temp.dat"));
    Signal();
    renderer->FreeScene();
    renderer->SetupScene();
    Frame();
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_NE(renderer->Texture, 0u);
    EXPECT_FALSE(SignalExists());
}

TEST_F(Background, GameStoppedWhileTheErrorBoxIsOpen)
{
    // The box runs the event loop: a game step may end the game meanwhile,
    // which suspends the renderer and releases its drawing state before the
    // frame goes on.
    fs::remove(folder.file("/log.txt"));
    fs::create_symlink("/dev/full", folder.file("/log.txt"));
    Signal();
    renderer->FreeScene();
    TWRenderer* playing = nullptr;
    auto stopping = std::make_unique<TWRenderer>(
        *form, [] { return std::string("x.pcx"); },
        [&](const std::string&) {
            playing->Suspend();
            playing->FreeScene();
        });
    playing = stopping.get();
    stopping->SetupScene();
    QSignalSpy frames(form.get(), &TCGForm::frameSwapped);
    stopping->DrawScene();
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
    EXPECT_EQ(frames.count(), 0);
}

TEST_F(Background, ScoreIsDarkEdgedWhiteAtTheTopRight)
{
    // Wide enough for the whole text: it starts 13/15 across.
    renderer->FreeScene();
    form->resize(900, 660);
    renderer->SetupScene();
    texture = Picture("grey.pcx", PlainPicture(128, 128, 128));
    Signal();
    Score = 0;
    const QImage zero = Frame();
    Score = 1234;
    const QImage big = Frame();

    struct Ink {
        int white = 0, black = 0;
        double wx = 0, wy = 0, bx = 0, by = 0;
    };
    auto ink = [](const QImage& image, QRect area) {
        Ink k;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const int g = qGray(image.pixel(x, y));
                if (g > 240) {
                    ++k.white;
                    k.wx += x;
                    k.wy += y;
                } else if (g < 15) {
                    ++k.black;
                    k.bx += x;
                    k.by += y;
                }
            }
        if (k.white)
            k.wx /= k.white, k.wy /= k.white;
        if (k.black)
            k.bx /= k.black, k.by /= k.black;
        return k;
    };
    // The text starts at (5, 4) of the projection: 13/15 across, 1/11 down.
    const QRect corner(zero.width() * 13 / 15 - 4, 0, zero.width() * 2 / 15 + 4, zero.height() * 2 / 11);
    const Ink a = ink(zero, corner);
    ASSERT_GT(a.white, 30);
    ASSERT_GT(a.black, 10);
    // The black copy shows only where the white one, 0.025 lower and to the
    // left, leaves it: a thin edge up and to the right of the glyphs.
    EXPECT_GT(a.bx, a.wx);
    EXPECT_LT(a.by, a.wy);
    // "Score : 1234" has more ink than "Score : 0".
    EXPECT_GT(ink(big, corner).white, a.white + 20);
    // No ink anywhere else.
    const Ink rest = ink(zero, QRect(zero.width() / 3, 0, zero.width() / 3, zero.height() / 2));
    EXPECT_EQ(rest.white + rest.black, 0);
}

}  // namespace
}  // namespace zorbil
