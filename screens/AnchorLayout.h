// SPDX-License-Identifier: GPL-3.0-or-later
// Places child widgets by their rectangle on a design-size parent and
// stretches them with the parent as their anchors say: a side anchored to the
// parent keeps its distance to that edge; a control anchored to neither side
// of an axis keeps its size and its place relative to the parent's centre.
#pragma once

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>

namespace zorbil {

enum Anchor : unsigned {
    AnchorLeft = 1,
    AnchorTop = 2,
    AnchorRight = 4,
    AnchorBottom = 8,
};
using Anchors = unsigned;
inline constexpr Anchors AnchorsLeftTop = AnchorLeft | AnchorTop;
inline constexpr Anchors AnchorsAll = AnchorLeft | AnchorTop | AnchorRight | AnchorBottom;

// The rectangle a control designed at `design` on a `designParent` parent
// takes on a parent of size `parent`.
QRect AnchoredRect(QRect design, Anchors anchors, QSize designParent, QSize parent);

class AnchorLayout : public QLayout {
public:
    AnchorLayout(QWidget* parent, QSize designSize);
    ~AnchorLayout() override;

    void Place(QWidget* widget, QRect design, Anchors anchors = AnchorsLeftTop);
    // Where a placed control sits on the design, or an empty rectangle.
    QRect DesignRect(const QWidget* widget) const;

    void addItem(QLayoutItem* item) override;  // fills the parent
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        QRect design;
        Anchors anchors;
    };
    QSize design_;
    QList<Entry> entries_;
};

}  // namespace zorbil
