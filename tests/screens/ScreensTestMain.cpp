// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ScreensTests.h"
#include "shared/Title.h"
#include "support/RunQtTests.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(zorbil::ApplicationTitle);
    return zorbil::test::RunQtTests<OptionsPanelTest, HelpPanelTest>(argc, argv);
}
