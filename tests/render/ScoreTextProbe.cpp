// SPDX-License-Identifier: GPL-3.0-or-later
// Draws one frame with a score over a grey picture and prints, in device
// pixels, the height of the white score text and how far its dark copy lies
// from it: "height H shadow DX DY". score-text-dpi.sh compares two screens.
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdio>

#include "PcxBuilder.h"
#include "RenderTestSupport.h"
#include "config/GameFolder.h"
#include "game/GameState.h"
#include "render/GLThread.h"
#include "render/mwGL.h"
#include "support/TempGameFolder.h"

using namespace zorbil;

namespace {

// The box of the pixels that pass, in the score's corner of the frame.
QRect Box(const QImage& frame, bool (*passes)(QRgb))
{
    QRect box;
    for (int y = 0; y < frame.height() / 4; ++y)
        for (int x = frame.width() / 2; x < frame.width(); ++x)
            if (passes(frame.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

int main()
{
    test::TestApp();
    test::TempGameFolder folder;
    ResetProgramState();
    Score = 7;
    SetGameFolder(folder.str());
    CreateLog(folder.str());
    // Grey, with the four white corners (out of view) that give the text
    // its colour.
    test::PcxBuilder grey(256, 256);
    grey.SetColor(1, 128, 128, 128);
    grey.SetColor(2, 255, 255, 255);
    for (int y = 0; y < 256; ++y) {
        std::vector<uint8_t> row(256, 1);
        if (y < 8 || y >= 248) {
            std::fill(row.begin(), row.begin() + 8, uint8_t(2));
            std::fill(row.end() - 8, row.end(), uint8_t(2));
        }
        grey.AddRow(row);
    }
    folder.write("/grey.pcx", grey.Bytes());
    folder.write("/Data/Temp.dat", "");

    TCGForm form;
    form.resize(640, 480);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    TWRenderer renderer(form, [&] { return folder.file("/grey.pcx"); }, [](const std::string&) {});
    renderer.SetupScene();
    renderer.DrawScene();

    const qreal ratio = form.DC()->devicePixelRatio();
    const int w = int(form.width() * ratio), h = int(form.height() * ratio);
    QImage frame(w, h, QImage::Format_RGBA8888);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, frame.bits());
    frame = frame.mirrored().convertToFormat(QImage::Format_RGB32);

    const QRect white = Box(frame, [](QRgb p) { return qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240; });
    const QRect black = Box(frame, [](QRgb p) { return qRed(p) < 16 && qGreen(p) < 16 && qBlue(p) < 16; });
    if (white.isEmpty() || black.isEmpty()) {
        std::fprintf(stderr, "no score text drawn\n");
        return 1;
    }
    // The dark copy shows at the upper right of the white one.
    std::printf("ratio %g height %d shadow %d %d\n", ratio, white.height(), black.right() - white.right(),
                white.top() - black.top());
    renderer.FreeScene();
    return 0;
}
