// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameWindowTests.h"

#include <xcb/xcb.h>

#include <QGuiApplication>

#include "GameWindowFixture.h"

using namespace zorbil;
using zorbil::test::GameWindow;
using zorbil::test::PcxBuilder;
using zorbil::test::Screen;

namespace {

bool PausedWithItsScreen(GameWindow& w)
{
    return QTest::qWaitFor([&] { return GamePaused && w.Front() == Screen::Pause && !w.Stepping(); }, 10000);
}

// What a window manager does to a window: a new size, hints or not.
void ForceClientSize(QWidget& window, QSize size)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const uint32_t values[] = {uint32_t(size.width()), uint32_t(size.height())};
    xcb_configure_window(x11->connection(), xcb_window_t(window.winId()),
                         XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
    xcb_flush(x11->connection());
}

}  // namespace

void DesktopTest::EscRightAfterPlayPausesTheNewGame()
{
    GameWindow w;
    w.Open();
    w.Choose(true, true);
    // Keys as the window system delivers them: Alt+J through the
    // accelerators, then Esc 20 ms later, before the first frame.
    w.Alt(Qt::Key_J);
    QTest::qWait(20);
    w.Type(Qt::Key_Escape);
    QVERIFY(PausedWithItsScreen(w));
    QVERIFY(w.Stopped());
    w.Alt(Qt::Key_C);
    QVERIFY(!GamePaused && GameRunning);
    QVERIFY(w.Drawing());
}

void DesktopTest::LeavingTheWindowPausesAndContinueResumes()
{
    GameWindow w;
    w.Open();
    w.StartGame(9);
    QVERIFY(w.Drawing());
    // An arrow key just taken does not keep the game from pausing.
    w.Key(Qt::Key_Up);
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QVERIFY(PausedWithItsScreen(w));
    QVERIFY(w.OnScreen(Screen::Pause));
    QVERIFY(w.Stopped());

    // Back in the game window, the pause screen waits for the player.
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    QCOMPARE(w.Front(), Screen::Pause);
    w.Continue();
    QVERIFY(w.Drawing());
    QVERIFY(GameRunning && !GamePaused);

    // Leaving it while a screen is open changes nothing.
    QVERIFY(w.NextStep());
    w.Open(Screen::Scores);
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QVERIFY(!GamePaused);
    QCOMPARE(w.Screens(), QList{Screen::Scores});
}

void DesktopTest::ForcedResizeIsFilledByTheNextFrame()
{
    GameWindow w;
    // A picture of two halves: its left half on the left of the window, its
    // right half on the right, whatever the window's size.
    PcxBuilder halves(256, 256);
    std::vector<uint8_t> row(256, 40);
    std::fill(row.begin() + 128, row.end(), uint8_t(200));
    for (int y = 0; y < 256; ++y)
        halves.AddRow(row);
    w.game.write("/Textures/zebre.pcx", halves.Bytes());
    w.Open();
    ForceClientSize(*w.form, {800, 600});
    QTRY_COMPARE(w.form->size(), QSize(800, 600));
    w.Choose(true, true);
    w.ChoosePicture(2);
    w.Play();
    w.PutDonut({8, 10});
    QVERIFY(w.Drawing());
    QVERIFY(w.PictureLoaded());
    // Larger, then smaller than the client area the game started with.
    for (const QSize size : {QSize(1200, 900), QSize(500, 400)}) {
        ForceClientSize(*w.form, size);
        QTRY_COMPARE(w.form->size(), size);
        QVERIFY(w.Drawing());
        const int right = size.width() - 3, bottom = size.height() - 3;
        const QRgb topLeft = w.ScreenPixel({2, 2}), topRight = w.ScreenPixel({right, 2});
        QVERIFY(topLeft != topRight);
        QVERIFY((topLeft & 0xFFFFFF) != 0 && (topRight & 0xFFFFFF) != 0);
        QCOMPARE(w.ScreenPixel({2, bottom}), topLeft);
        QCOMPARE(w.ScreenPixel({right, bottom}), topRight);
    }
}
