// SPDX-License-Identifier: GPL-3.0-or-later
#include "Synth.h"

#include <algorithm>
#include <cmath>

#include "Instruments.h"
#include "Reverb.h"

namespace soundgen {

namespace {

void MixTrack(const Track& track, const Score& score, double shiftBeats, Stereo& out)
{
    // Equal-power panning.
    const double angle = (track.pan + 1) * 3.14159265358979323846 / 4;
    const float toLeft = static_cast<float>(std::cos(angle)) * track.gain;
    const float toRight = static_cast<float>(std::sin(angle)) * track.gain;
    std::vector<float> note;
    uint32_t seed = 12345;
    for (const Note& n : track.notes) {
        RenderNote(track.instrument, n, n.length * score.SecondsPerBeat(), seed += 7919, note);
        const auto start = static_cast<std::size_t>((n.beat + shiftBeats) * score.SecondsPerBeat() * SampleRate);
        const std::size_t count = std::min(note.size(), out.Frames() > start ? out.Frames() - start : 0);
        for (std::size_t i = 0; i < count; ++i) {
            out.left[start + i] += note[i] * toLeft;
            out.right[start + i] += note[i] * toRight;
        }
    }
}

}  // namespace

Stereo Render(const Score& score, const RenderOptions& options)
{
    const auto length = static_cast<std::size_t>(score.Seconds() * SampleRate);
    Stereo out;
    if (options.loop) {
        // Render two rounds and keep the second: it starts with the tails of
        // the first round's last notes, so the loop has no seam.
        out.Resize(2 * length);
        for (const Track& track : score.tracks) {
            MixTrack(track, score, 0, out);
            MixTrack(track, score, score.beats, out);
        }
        AddReverb(out, options.reverb);
        out.left.erase(out.left.begin(), out.left.begin() + length);
        out.right.erase(out.right.begin(), out.right.begin() + length);
    } else {
        out.Resize(length + static_cast<std::size_t>(options.tailSeconds * SampleRate));
        for (const Track& track : score.tracks)
            MixTrack(track, score, 0, out);
        AddReverb(out, options.reverb);
        // Fade the last tenth of a second so the file ends on silence.
        const std::size_t fade = std::min<std::size_t>(out.Frames(), SampleRate / 10);
        for (std::size_t i = 0; i < fade; ++i) {
            const float g = float(i) / fade;
            out.left[out.Frames() - 1 - i] *= g;
            out.right[out.Frames() - 1 - i] *= g;
        }
    }
    out.Normalize(options.peak);
    return out;
}

}  // namespace soundgen
