// SPDX-License-Identifier: GPL-3.0-or-later
// render_bench [seconds per frame-rate run, default 3] [PCX decodings, default 15]
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "RenderBench.h"
#include "support/TempGameFolder.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const double seconds = argc > 1 && std::atof(argv[1]) > 0 ? std::atof(argv[1]) : 3.0;
    const int decodings = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 15;
    zorbil::test::TempGameFolder folder;
    if (!zorbil::bench::FrameRates(folder.str(), seconds))
        return 1;
    zorbil::bench::PcxDecodeTimes(folder.str(), decodings);
    return 0;
}
