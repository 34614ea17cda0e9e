// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/SelectionRule.h"

#include <QCheckBox>
#include <QRadioButton>

namespace zorbil {

void OnSelected(QRadioButton* button, std::function<void()> handler)
{
    QObject::connect(button, &QRadioButton::toggled, button, [handler = std::move(handler)](bool selected) {
        if (selected)
            handler();
    });
}

void OnChanged(QCheckBox* box, std::function<void()> handler)
{
    QObject::connect(box, &QCheckBox::toggled, box, [handler = std::move(handler)](bool) { handler(); });
}

}  // namespace zorbil
