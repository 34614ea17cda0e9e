// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the four help pages, each with its place on its page.
#pragma once

#include <span>

namespace zorbil {

struct HelpText {
    const char* page;
    const char* name;
    int left;
    int top;
    int width;
    const char* text;  // French, marked in the context "HelpTexts"
};

std::span<const HelpText> HelpTexts();

}  // namespace zorbil
