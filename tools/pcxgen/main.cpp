// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the shipped background pictures into the folder given as argument.
#include <cstdio>
#include <string>

#include "Backgrounds.h"
#include "PcxWriter.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <Textures folder>\n", argv[0]);
        return 2;
    }
    for (const auto& background : zorbil::procgen::DrawBackgrounds()) {
        const std::string path = std::string(argv[1]) + "/" + background.FileName;
        if (!zorbil::procgen::WritePcx(path, background.Picture)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
