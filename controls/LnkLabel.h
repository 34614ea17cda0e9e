// SPDX-License-Identifier: GPL-3.0-or-later
// A text label that behaves like a hyperlink: it takes one colour while the
// mouse is over it and another when the mouse leaves, a click opens Link with
// the desktop's default handler, and after a click the leave colour becomes
// the visited colour for the rest of the run.
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

namespace zorbil {

class TLnkLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Link MEMBER Link)
    Q_PROPERTY(QColor EnterFontColor MEMBER EnterFontColor)
    Q_PROPERTY(QColor LeaveFontColor MEMBER LeaveFontColor)
    Q_PROPERTY(QColor VisitedColor MEMBER VisitedColor)

public:
    explicit TLnkLabel(QWidget* parent = nullptr);

    QString Link;
    QColor EnterFontColor{Qt::black};
    QColor LeaveFontColor{Qt::black};
    QColor VisitedColor{Qt::black};

    QColor FontColor() const;
    void SetFontColor(const QColor& color);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Click();
};

}  // namespace zorbil
