// SPDX-License-Identifier: GPL-3.0-or-later
// A bright ring around the control that has the focus in its host, shown
// while a game controller drives the focus: from a television's distance a
// style's own focus mark is too thin to see. A key press or a mouse press
// of the player's hides it again, so the keyboard and the mouse see their
// windows as they always were.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <set>

class QPainter;

namespace zorbil {

// The ring itself, along the edge of box: a bright line over a dark one,
// seen on light and dark backgrounds alike.
void PaintFocusRing(QPainter& painter, const QRectF& box);

class FocusHalo : public QWidget {
    Q_OBJECT
public:
    explicit FocusHalo(QWidget* host);

    // A game controller moved or used the focus: the ring shows.
    void PadUsed();
    // The ring around control also takes in caption, its separate label.
    void Pair(QWidget* control, QWidget* caption);
    // A control that draws the ring itself.
    void LeaveAlone(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Follow();

    QWidget* host_;
    QPointer<QWidget> target_;
    std::map<QWidget*, QWidget*> captions_;
    std::set<QWidget*> alone_;
    bool driven_ = false;
};

}  // namespace zorbil
