// SPDX-License-Identifier: GPL-3.0-or-later
// The role assistive technology reads for a widget of our own whose class
// says nothing to it (a spin button made of two arrows, a label that acts as
// a link). Its name is its accessible name, else its "text" property
// without the accelerator mark.
#pragma once

#include <QAccessible>

class QWidget;

namespace zorbil {

void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

}  // namespace zorbil
