// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notation.h"
#include "Songs.h"

namespace soundgen {

Score DonutJingle()
{
    Score score;
    score.title = "Donut";
    score.bpm = 150;
    score.beats = 2;
    score.tracks = {{Instrument::Bell, 14, 0.8f, 0.0f, Melody("C6:1 E6:1 G6:1 C7:5", 0, 0.8f)},
                    {Instrument::Pluck, 24, 0.4f, 0.0f, Melody("G5:1 C6:1 E6:1 G6:5", 0, 0.6f)}};
    return score;
}

Score GameOverJingle()
{
    Score score;
    score.title = "Perdu";
    score.bpm = 140;
    score.beats = 6;
    score.tracks = {{Instrument::Lead, 57, 0.8f, 0.0f, Melody("G4:4 F#4:4 F4:4 E4:12", 0, 0.8f)},
                    {Instrument::Bass, 32, 0.6f, 0.0f, Melody("G2:4 F#2:4 F2:4 E2:12", 0, 0.8f)}};
    return score;
}

Score Repeated(const Score& score, double seconds)
{
    Score repeated = score;
    repeated.beats = 0;
    for (Track& track : repeated.tracks)
        track.notes.clear();
    while (repeated.Seconds() < seconds) {
        for (std::size_t t = 0; t < score.tracks.size(); ++t)
            AppendShifted(repeated.tracks[t].notes, score.tracks[t].notes, repeated.beats);
        repeated.beats += score.beats;
    }
    return repeated;
}

}  // namespace soundgen
