// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notation.h"
#include "Songs.h"

namespace soundgen {

Score MenuTheme()
{
    Score score;
    score.title = "Zorbil - Menu";
    score.bpm = 100;
    score.beats = 16 * 4;
    const auto chords = Progression("C Am F G C Am F,G C   C Am F G C Am Dm,G C,G");
    const auto tune = Melody(
        "E5:6 D5:2 C5:4 G4:4 | A4:4 C5:4 E5:6 D5:2 | C5:4 A4:4 F5:6 E5:2 | D5:8 -:4 G4:4 |"
        "E5:6 F5:2 G5:4 E5:4 | A5:6 G5:2 E5:4 C5:4 | F5:4 A5:4 G5:4 B4:4 | C5:12 -:4 |"
        "G5:6 E5:2 C5:4 E5:4 | A5:4 G5:4 E5:6 C5:2 | F5:4 A5:4 C6:6 A5:2 | G5:8 -:4 D5:4 |"
        "E5:6 F5:2 G5:4 C6:4 | B5:2 A5:2 G5:4 E5:4 C5:4 | D5:4 F5:4 B4:4 D5:4 | C5:8 -:4 G4:4",
        0, 0.7f);
    score.tracks = {
        {Instrument::Lead, 80, 0.45f, 0.0f, tune},
        {Instrument::Pluck, 24, 0.3f, 0.35f, Arpeggio(chords, "0121", 4, 0.55f)},
        {Instrument::Pad, 89, 0.25f, -0.3f, Pads(chords, 4)},
        {Instrument::Bass, 33, 0.5f, 0.0f, BassLine(chords, "r.....r.f...r...")},
        {Instrument::Drums, 0, 0.3f, 0.0f, DrumBars("k.h.s.h.k.h.s.hh", 16)},
    };
    return score;
}

}  // namespace soundgen
