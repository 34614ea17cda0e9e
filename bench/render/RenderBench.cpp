// SPDX-License-Identifier: GPL-3.0-or-later
// render_bench [seconds per frame-rate run, default 3]
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "RenderBench.h"
#include "support/TempGameFolder.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    zorbil::test::TempGameFolder folder;
    zorbil::bench::FrameRates(folder.str(), seconds > 0 ? seconds : 3.0);
    zorbil::bench::PcxDecodeTimes(folder.str(), 15);
    return 0;
}
