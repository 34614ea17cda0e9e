// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notation.h"
#include "Songs.h"

namespace soundgen {

namespace {

constexpr const char* VerseChords = "G Em C D G Em Am,D G";
constexpr const char* BridgeChords = "C D Bm Em C D G,Em Am,D";
constexpr const char* VerseEnd = "B4:4 D5:4 G5:4 B5:4 | A5:4 G5:4 E5:8 | C5:4 E5:4 D5:4 F#5:4 | G5:12 -:4";
constexpr const char* VerseOne = "B4:4 D5:4 G5:6 F#5:2 | E5:4 G5:4 B4:8 | C5:4 E5:4 G5:4 E5:4 | F#5:8 D5:4 -:4";
constexpr const char* VerseTwo = "D5:4 G5:4 B5:6 A5:2 | G5:4 E5:4 B4:8 | C5:4 G5:4 E5:4 C5:4 | D5:8 A4:4 -:4";
constexpr const char* Bridge =
    "E5:4 G5:4 C6:8 | D5:4 F#5:4 A5:8 | B5:4 A5:4 F#5:4 D5:4 | E5:12 -:4 |"
    "C5:4 E5:4 G5:4 C6:4 | B5:4 A5:4 F#5:4 D5:4 | G5:4 B5:4 E5:8 | C5:4 A4:4 D5:4 F#5:4";

}  // namespace

Score SnakeBallad()
{
    Score score;
    score.title = "Balade du serpent";
    score.bpm = 96;
    Track flute{Instrument::Lead, 73, 1.0f, 0.1f, {}};      // Flute
    Track guitar{Instrument::Pluck, 24, 0.8f, 0.4f, {}};    // Acoustic guitar (nylon)
    Track strings{Instrument::Pad, 48, 0.6f, -0.4f, {}};    // String ensemble
    Track bass{Instrument::Bass, 32, 1.0f, 0.0f, {}};       // Acoustic bass
    Track drums{Instrument::Drums, 0, 0.8f, 0.0f, {}};

    double beat = 0;
    auto section = [&](const char* progression, const std::string& tune) {
        const auto chords = Progression(progression, beat);
        AppendShifted(flute.notes, Melody(tune, 0, 0.75f), beat);
        AppendShifted(guitar.notes, Arpeggio(chords, "0121", 3, 0.6f), 0);
        AppendShifted(strings.notes, Pads(chords, 4, 0.45f), 0);
        AppendShifted(bass.notes, BassLine(chords, "r.......f.......", 2), 0);
        AppendShifted(drums.notes, DrumBars("k.h.s.h.k.khs.h.", 8), beat);
        beat += 32;
    };
    section(VerseChords, std::string(VerseOne) + " | " + VerseEnd);
    section(VerseChords, std::string(VerseTwo) + " | " + VerseEnd);
    section(BridgeChords, Bridge);
    section(VerseChords, std::string(VerseOne) + " | " + VerseEnd);
    score.beats = beat;
    score.tracks = {flute, guitar, strings, bass, drums};
    return score;
}

}  // namespace soundgen
