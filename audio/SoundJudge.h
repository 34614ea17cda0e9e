// SPDX-License-Identifier: GPL-3.0-or-later
// What the sound layer must know of a file before it opens it: whether the
// file has been played through without harm somewhere that may crash, and
// how long it really lasts (its header may lie).
#pragma once

#include <string>
#include <vector>

namespace zorbil {

struct SoundVerdict {
    bool safe = true;
    // Played to its end within the short-sound length: then, and only then,
    // it may be decoded whole into memory. Unmeasured, the header is trusted.
    bool measured = false;
    bool shortStream = false;
};

class SoundJudge {
public:
    virtual ~SoundJudge() = default;
    virtual SoundVerdict Judge(const std::string& path) = 0;
    // Asks for the files' verdicts ahead of need, without waiting for them;
    // a judge that decides on the spot has nothing to prepare.
    virtual void Foresee(const std::vector<std::string>&) {}
};

}  // namespace zorbil
