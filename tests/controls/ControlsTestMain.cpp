// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ControlsTests.h"
#include "support/RunQtTests.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return zorbil::test::RunQtTests<WallpaperTest, LnkLabelTest>(argc, argv);
}
