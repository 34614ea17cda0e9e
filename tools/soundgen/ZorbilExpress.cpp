// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notation.h"
#include "Songs.h"

namespace soundgen {

namespace {

// Kept within the module's three octaves per instrument.
constexpr const char* VerseChords = "Dm Bb C Am Dm Bb C,A Dm";
constexpr const char* ChorusChords = "Gm Dm Bb C Gm Dm Bb,C Dm";
constexpr const char* VerseTune =
    "D5:2 F5:2 A5:4 F5:2 D5:2 A4:4 | Bb4:2 D5:2 F5:4 D5:2 Bb4:2 F5:4 | C5:2 E5:2 G5:4 E5:2 C5:2 G5:4 |"
    "A5:6 G5:2 E5:4 C#5:4 | D5:2 F5:2 A5:4 F5:4 A5:4 | Bb5:4 A5:2 G5:2 F5:4 D5:4 | E5:4 G5:4 E5:4 C#5:4 |"
    "D5:12 -:4";
constexpr const char* ChorusTune =
    "G5:4 Bb5:4 A5:4 G5:4 | F5:4 A5:4 D5:8 | D5:2 F5:2 Bb5:4 A5:4 F5:4 | G5:8 E5:4 C5:4 |"
    "G5:2 A5:2 Bb5:4 A5:2 G5:2 D5:4 | F5:4 E5:2 D5:2 A4:8 | Bb4:4 D5:4 C5:4 E5:4 | D5:12 -:4";

}  // namespace

Score ZorbilExpress()
{
    Score score;
    score.title = "Zorbil Express";
    score.bpm = 125;
    Track drums{Instrument::Drums, 0, 0.8f, 0.0f, {}};
    Track bass{Instrument::Bass, 38, 0.9f, -0.2f, {}};
    Track lead{Instrument::Lead, 80, 0.7f, 0.2f, {}};
    Track arp{Instrument::Pluck, 46, 0.5f, 0.5f, {}};

    double beat = 0;
    for (bool chorus : {false, false, true, false}) {
        const auto chords = Progression(chorus ? ChorusChords : VerseChords, beat);
        AppendShifted(lead.notes, Melody(chorus ? ChorusTune : VerseTune, 0, 0.8f), beat);
        AppendShifted(arp.notes, Arpeggio(chords, "0120", 4, 0.5f), 0);
        AppendShifted(bass.notes, BassLine(chords, "r.r.o.r.r.f.o.f.", 2), 0);
        AppendShifted(drums.notes, DrumBars("k.h.s.h.k.k.s.h.", 8), beat);
        beat += 32;
    }
    score.beats = beat;
    score.tracks = {drums, bass, lead, arp};
    return score;
}

}  // namespace soundgen
