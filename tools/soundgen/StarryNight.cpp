// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notation.h"
#include "Songs.h"

namespace soundgen {

namespace {

constexpr const char* VerseChords = "Am F C G Am F G Am";
constexpr const char* ChorusChords = "F G Em Am F G Esus4,E Am";
constexpr const char* VerseTune =
    "A4:4 C5:4 E5:8 | F5:4 E5:4 C5:8 | E5:4 G5:4 C6:4 B5:4 | D5:12 -:4 |"
    "A5:4 G5:4 E5:8 | F5:4 A5:4 C6:8 | B5:4 G5:4 D5:4 B4:4 | A4:12 -:4";
constexpr const char* ChorusTune =
    "C5:6 D5:2 F5:8 | D5:6 E5:2 G5:8 | E5:4 G5:4 B5:4 G5:4 | A5:12 -:4 |"
    "A5:4 G5:4 F5:4 C5:4 | B4:4 D5:4 G5:8 | A5:8 G#5:8 | A5:12 -:4";

}  // namespace

Score StarryNight()
{
    Score score;
    score.title = "Nuit etoilee";
    score.bpm = 84;
    Track bell{Instrument::Bell, 14, 0.5f, 0.15f, {}};
    Track lead{Instrument::Lead, 73, 0.3f, -0.15f, {}};
    Track pluck{Instrument::Pluck, 46, 0.3f, 0.4f, {}};
    Track pad{Instrument::Pad, 89, 0.3f, -0.4f, {}};
    Track bass{Instrument::Bass, 33, 0.5f, 0.0f, {}};
    Track drums{Instrument::Drums, 0, 0.3f, 0.0f, {}};

    double beat = 0;
    auto section = [&](const char* progression, const char* tune, bool second) {
        const auto chords = Progression(progression, beat);
        AppendShifted(bell.notes, Melody(tune, 0, 0.7f), beat);
        if (second) {
            AppendShifted(lead.notes, Transposed(Melody(tune, 0, 0.5f), -12), beat);  // doubled an octave below
            AppendShifted(drums.notes, DrumBars("k...s..hk.k.s...", 8), beat);
        }
        AppendShifted(pluck.notes, Arpeggio(chords, "0120+21", 4, 0.5f), 0);
        AppendShifted(pad.notes, Pads(chords, 4), 0);
        AppendShifted(bass.notes, BassLine(chords, "r.......f.....r."), 0);
        beat += 32;
    };

    const auto intro = Progression("Am F C G", 0);
    AppendShifted(pad.notes, Pads(intro, 4), 0);
    AppendShifted(pluck.notes, Arpeggio(intro, "0120+21", 4, 0.45f), 0);
    beat = 16;
    section(VerseChords, VerseTune, false);
    section(ChorusChords, ChorusTune, false);
    section(VerseChords, VerseTune, true);
    section(ChorusChords, ChorusTune, true);
    const auto outro = Progression("Am F Am Am", beat);
    AppendShifted(pad.notes, Pads(outro, 4), 0);
    AppendShifted(pluck.notes, Arpeggio(outro, "0120+21", 4, 0.4f), 0);
    AppendShifted(bell.notes, Melody("A5:16 | E5:16 | A4:32", 0, 0.6f), beat);
    score.beats = beat + 16;

    score.tracks = {bell, lead, pluck, pad, bass, drums};
    return score;
}

}  // namespace soundgen
