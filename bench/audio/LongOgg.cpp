// SPDX-License-Identifier: GPL-3.0-or-later
#include "LongOgg.h"

#include <vector>

#include "Songs.h"
#include "Synth.h"
#include "Writers.h"

void WriteLongOgg(const std::string& path, int seconds)
{
    const std::size_t frames = std::size_t(seconds) * soundgen::SampleRate;
    soundgen::RenderOptions options;
    options.peak = 0.45f;
    soundgen::Score score = soundgen::StarryNight();
    // A stream shorter than the piece needs only its first notes.
    const double beats = seconds / score.SecondsPerBeat();
    if (beats < score.beats) {
        score.beats = beats;
        for (soundgen::Track& track : score.tracks)
            std::erase_if(track.notes, [beats](const soundgen::Note& note) { return note.beat >= beats; });
    }
    const soundgen::Stereo once = soundgen::Render(score, options);
    soundgen::Stereo piece;
    while (piece.Frames() < frames) {
        piece.left.insert(piece.left.end(), once.left.begin(), once.left.end());
        piece.right.insert(piece.right.end(), once.right.begin(), once.right.end());
    }
    piece.Resize(frames);
    soundgen::WriteOgg(path, piece, 0.3f);
}
