// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ScreensTests.h"
#include "support/RunQtTests.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Zorbil - Version 1.0");
    return zorbil::test::RunQtTests<OptionsPanelTest, HelpPanelTest, ScreensFitTest>(argc, argv);
}
