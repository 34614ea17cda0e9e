// SPDX-License-Identifier: GPL-3.0-or-later
// The about page of the help screen: logo, name, credits and links.
#pragma once

#include <QWidget>

namespace zorbil {

void FillAboutPage(QWidget* page);

}  // namespace zorbil
