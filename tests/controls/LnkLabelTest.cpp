// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlsTests.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QTest>

#include "controls/LnkLabel.h"

using zorbil::TLnkLabel;

namespace {

void Enter(QWidget& w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w.mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(&w, &e);
}

void Leave(QWidget& w)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(&w, &e);
}

// The about page's link colours.
void AboutPageColours(TLnkLabel& l)
{
    l.setText("Pelmoro");
    l.resize(120, 20);
    l.SetFontColor(QColor(0, 0, 255));
    l.EnterFontColor = QColor(255, 0, 0);
    l.LeaveFontColor = QColor(0, 0, 255);
    l.VisitedColor = QColor(128, 0, 128);
}

}  // namespace

void LnkLabelTest::cleanup()
{
    QDesktopServices::unsetUrlHandler("mailto");
    opened.clear();
}

void LnkLabelTest::CreatedInCodeHasNoLinkAndBlackColours()
{
    TLnkLabel l;
    QVERIFY(l.Link.isEmpty());
    QCOMPARE(l.EnterFontColor, QColor(Qt::black));
    QCOMPARE(l.LeaveFontColor, QColor(Qt::black));
    QCOMPARE(l.VisitedColor, QColor(Qt::black));
}

void LnkLabelTest::ColoursThroughHoverLeaveClickLeave()
{
    QDesktopServices::setUrlHandler("mailto", this, "open");
    TLnkLabel l;
    AboutPageColours(l);
    l.Link = "mailto:someone@example.org";

    Enter(l);
    QCOMPARE(l.FontColor(), QColor(255, 0, 0));
    Leave(l);
    QCOMPARE(l.FontColor(), QColor(0, 0, 255));  // not visited: the stored colour again

    Enter(l);
    QTest::mouseClick(&l, Qt::LeftButton);
    QCOMPARE(l.FontColor(), QColor(255, 0, 0));  // the mouse is still over it
    QCOMPARE(opened, QStringList{"mailto:someone@example.org"});
    Leave(l);
    QCOMPARE(l.FontColor(), QColor(128, 0, 128));
    Enter(l);
    Leave(l);
    QCOMPARE(l.FontColor(), QColor(128, 0, 128));  // visited for the rest of the run
}

void LnkLabelTest::EveryClickOpensTheLink()
{
    QDesktopServices::setUrlHandler("mailto", this, "open");
    TLnkLabel l;
    AboutPageColours(l);
    l.Link = "mailto:a@example.org";
    QTest::mouseClick(&l, Qt::LeftButton);
    QTest::mouseClick(&l, Qt::LeftButton);
    QCOMPARE(opened.size(), 2);
    // A press that is released outside the label is no click.
    QTest::mousePress(&l, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&l, Qt::LeftButton, {}, QPoint(500, 5));
    QCOMPARE(opened.size(), 2);
    // Other buttons do not click either.
    QTest::mouseClick(&l, Qt::RightButton);
    QCOMPARE(opened.size(), 2);
}
