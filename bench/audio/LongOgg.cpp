// SPDX-License-Identifier: GPL-3.0-or-later
#include "LongOgg.h"

#include "Songs.h"
#include "Synth.h"
#include "Writers.h"

void WriteFourMinuteOgg(const std::string& path)
{
    constexpr std::size_t Frames = 240u * soundgen::SampleRate;
    soundgen::RenderOptions options;
    options.peak = 0.45f;
    const soundgen::Stereo once = soundgen::Render(soundgen::StarryNight(), options);
    soundgen::Stereo piece;
    while (piece.Frames() < Frames) {
        piece.left.insert(piece.left.end(), once.left.begin(), once.left.end());
        piece.right.insert(piece.right.end(), once.right.begin(), once.right.end());
    }
    piece.Resize(Frames);
    soundgen::WriteOgg(path, piece, 0.3f);
}
