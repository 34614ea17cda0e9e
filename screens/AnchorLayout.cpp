// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/AnchorLayout.h"

#include <QWidget>

namespace zorbil {

namespace {

// One axis: start and length of a control along it.
void Stretch(int& start, int& length, bool nearAnchor, bool farAnchor, int grow)
{
    if (nearAnchor && farAnchor)
        length += grow;
    else if (farAnchor)
        start += grow;
    else if (!nearAnchor)
        start += grow / 2;
}

}  // namespace

QRect AnchoredRect(QRect design, Anchors anchors, QSize designParent, QSize parent)
{
    int x = design.x(), y = design.y(), w = design.width(), h = design.height();
    Stretch(x, w, anchors & AnchorLeft, anchors & AnchorRight, parent.width() - designParent.width());
    Stretch(y, h, anchors & AnchorTop, anchors & AnchorBottom, parent.height() - designParent.height());
    return QRect(x, y, qMax(0, w), qMax(0, h));
}

AnchorLayout::AnchorLayout(QWidget* parent, QSize designSize) : QLayout(parent), design_(designSize)
{
    setContentsMargins(0, 0, 0, 0);
}

AnchorLayout::~AnchorLayout()
{
    for (const Entry& e : entries_)
        delete e.item;
}

void AnchorLayout::Place(QWidget* widget, QRect design, Anchors anchors)
{
    addChildWidget(widget);
    entries_.append({new QWidgetItem(widget), design, anchors});
    invalidate();
}

QRect AnchorLayout::DesignRect(const QWidget* widget) const
{
    for (const Entry& e : entries_)
        if (e.item->widget() == widget)
            return e.design;
    return {};
}

void AnchorLayout::addItem(QLayoutItem* item)
{
    entries_.append({item, QRect(QPoint(0, 0), design_), AnchorsAll});
}

QLayoutItem* AnchorLayout::itemAt(int index) const
{
    return index >= 0 && index < entries_.size() ? entries_[index].item : nullptr;
}

QLayoutItem* AnchorLayout::takeAt(int index)
{
    if (index < 0 || index >= entries_.size())
        return nullptr;
    return entries_.takeAt(index).item;
}

int AnchorLayout::count() const
{
    return static_cast<int>(entries_.size());
}

QSize AnchorLayout::sizeHint() const
{
    return design_;
}

QSize AnchorLayout::minimumSize() const
{
    return {0, 0};
}

void AnchorLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    for (const Entry& e : entries_) {
        const QRect r = AnchoredRect(e.design, e.anchors, design_, rect.size()).translated(rect.topLeft());
        // Hidden controls are placed too, so they are right when shown again.
        if (QWidget* w = e.item->widget())
            w->setGeometry(r);
        else
            e.item->setGeometry(r);
    }
}

}  // namespace zorbil
