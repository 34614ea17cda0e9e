// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlsTests.h"

#include <QEvent>
#include <QTest>

#include "controls/MiraboWallpaper.h"

using zorbil::TMiraboWallpaper;

namespace {

// Every pixel of the tile differs, so a misplaced or stretched tile shows.
QImage NumberedTile(int w, int h)
{
    QImage tile(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            tile.setPixel(x, y, qRgb(x * 3, y * 3, 200));
    return tile;
}

QImage RenderOver(QWidget& w, QRgb background)
{
    QImage out(w.size(), QImage::Format_RGB32);
    out.fill(background);
    w.render(&out, QPoint(), QRegion(), QWidget::DrawChildren);
    return out;
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

}  // namespace

void WallpaperTest::TilesFromTopLeftCutAtEdges_data()
{
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QSize>("tileSize");
    QTest::newRow("640x480, 10 x 8 whole tiles") << QSize(640, 480) << QSize(64, 64);
    QTest::newRow("620x333, last column 44, last row 13") << QSize(620, 333) << QSize(64, 64);
    QTest::newRow("150 tile on 640x480") << QSize(640, 480) << QSize(150, 150);
}

void WallpaperTest::TilesFromTopLeftCutAtEdges()
{
    QFETCH(QSize, area);
    QFETCH(QSize, tileSize);
    const QImage tile = NumberedTile(tileSize.width(), tileSize.height());
    TMiraboWallpaper w;
    w.SetAlign(TMiraboWallpaper::TAlign::None);
    w.resize(area);
    w.SetImage(tile);
    const QImage out = RenderOver(w, qRgb(255, 0, 255));
    int wrong = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (out.pixel(x, y) != tile.pixel(x % tile.width(), y % tile.height()))
                ++wrong;
    QCOMPARE(wrong, 0);
}

void WallpaperTest::EmptyTilePaintsNothing()
{
    TMiraboWallpaper w;
    w.resize(200, 120);
    w.SetImage(NumberedTile(64, 64));
    w.SetImage(QImage());
    QVERIFY(w.Image().isNull());
    const QImage out = RenderOver(w, qRgb(255, 0, 255));
    QImage expected(out.size(), QImage::Format_RGB32);
    expected.fill(qRgb(255, 0, 255));
    QCOMPARE(out, expected);
}

void WallpaperTest::TransColorRepaintsOnlyOnChange()
{
    TMiraboWallpaper w;
    QCOMPARE(w.TransColor(), QColor(Qt::black));
    QImage tile = NumberedTile(64, 64);
    tile.setPixel(0, 63, qRgb(12, 34, 56));
    w.SetImage(tile);
    QCOMPARE(w.TransColor(), QColor(12, 34, 56));  // the lower-left pixel

    PaintCounter counter;
    w.installEventFilter(&counter);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_VERIFY(counter.paints > 0);
    QTest::qWait(50);
    const int before = counter.paints;
    w.SetTransColor(QColor(12, 34, 56));
    QTest::qWait(100);
    QCOMPARE(counter.paints, before);
    w.SetTransColor(QColor(Qt::red));
    QTRY_VERIFY(counter.paints > before);
    QCOMPARE(w.TransColor(), QColor(Qt::red));
}

void WallpaperTest::FillsItsParent()
{
    TMiraboWallpaper alone;
    QCOMPARE(alone.size(), QSize(100, 100));
    QCOMPARE(alone.Align(), TMiraboWallpaper::TAlign::Client);

    // A hidden widget hears of a resize only when it is shown.
    QWidget panel;
    panel.resize(640, 480);
    panel.show();
    TMiraboWallpaper child(&panel);
    QCOMPARE(child.geometry(), QRect(0, 0, 640, 480));
    panel.resize(800, 600);
    QCOMPARE(child.geometry(), QRect(0, 0, 800, 600));

    QWidget other;
    other.resize(300, 200);
    other.show();
    alone.setParent(&other);
    QCOMPARE(alone.geometry(), QRect(0, 0, 300, 200));
    other.resize(320, 240);
    QCOMPARE(alone.geometry(), QRect(0, 0, 320, 240));

    // A freely placed wallpaper (the help pages) keeps its own rectangle.
    child.SetAlign(TMiraboWallpaper::TAlign::None);
    child.setGeometry(8, 8, 620, 333);
    panel.resize(1024, 768);
    QCOMPARE(child.geometry(), QRect(8, 8, 620, 333));
    alone.setParent(nullptr);
}
