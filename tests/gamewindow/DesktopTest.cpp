// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopTest.h"

#include <xcb/xcb.h>

#include <QGuiApplication>

#include "GameWindowFixture.h"

using namespace zorbil;
using zorbil::test::GameWindow;
using zorbil::test::PcxBuilder;

namespace {

bool PausedWithItsScreen(GameWindow& w)
{
    return QTest::qWaitFor(
        [&] { return GamePaused && w.form->MenuPause->isVisible() && !w.form->tmrGame->isActive(); }, 3000);
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
    QTest::keyClick(w.form->windowHandle(), Qt::Key_J, Qt::AltModifier);
    QTest::qWait(20);
    QTest::keyClick(w.form->windowHandle(), Qt::Key_Escape);
    QVERIFY(PausedWithItsScreen(w));
    QVERIFY(w.Stopped());
    QTest::keyClick(w.form->windowHandle(), Qt::Key_C, Qt::AltModifier);
    QVERIFY(!GamePaused && GameRunning);
    QVERIFY(w.Drawing());
}

void DesktopTest::LeavingTheWindowPausesAndContinueResumes()
{
    GameWindow w;
    w.Open();
    w.form->MenuOptions->Speed->setValue(9);
    w.Play();
    Donut = {2, 2};
    QVERIFY(w.Drawing());
    // An arrow key just taken does not keep the game from pausing.
    w.Key(Qt::Key_Up);
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QVERIFY(PausedWithItsScreen(w));
    QVERIFY(w.OnScreen(w.form->MenuPause));
    QVERIFY(w.Stopped());
    const Cell head = Snake.Head;

    // Back in the game window, the pause screen waits for the player.
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    QVERIFY(w.form->MenuPause->isVisible());
    QCOMPARE(Snake.Head, head);
    QTest::mouseClick(w.form->MenuPause->MenuPauseContinuer, Qt::LeftButton);
    QVERIFY(w.Drawing());
    QVERIFY(GameRunning && !GamePaused);

    // Leaving it while a screen is open changes nothing.
    QTRY_VERIFY(TurnAllowed);  // the step after the arrow key has run
    w.Key(Qt::Key_F3);
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QVERIFY(!w.form->MenuPause->isVisible() && !GamePaused);
    QVERIFY(w.form->MenuScores->isVisible());
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
    w.form->MenuOptions->Speed->setValue(9);
    w.Choose(true, true);
    w.form->MenuOptions->TexList->setCurrentRow(2);
    QTest::mouseClick(w.form->MenuPrincipal->BtnJouer, Qt::LeftButton);
    Donut = {8, 10};
    QVERIFY(w.Drawing());
    QTRY_VERIFY(!w.Exists("/Data/Temp.dat"));
    // Larger, then smaller than the client area the game started with.
    for (const QSize size : {QSize(1200, 900), QSize(500, 400)}) {
        ForceClientSize(*w.form, size);
        QTRY_COMPARE(w.form->size(), size);
        const int frames = w.frames;
        QVERIFY(QTest::qWaitFor([&] { return w.frames > frames; }, 3000));
        const QImage screen = w.form->screen()->grabWindow(0).toImage();
        auto at = [&](int x, int y) { return screen.pixel(w.form->mapToGlobal(QPoint(x, y))) & 0xFFFFFF; };
        const int right = size.width() - 3, bottom = size.height() - 3;
        QVERIFY(at(2, 2) != at(right, 2));
        QVERIFY(at(2, 2) != 0 && at(right, 2) != 0);
        QCOMPARE(at(2, bottom), at(2, 2));
        QCOMPARE(at(right, bottom), at(right, 2));
    }
}
