// SPDX-License-Identifier: GPL-3.0-or-later
// A compact text notation for writing tunes by hand, and the accompaniment
// patterns built from a chord progression.
#pragma once

#include <string_view>
#include <vector>

#include "Score.h"

namespace soundgen {

// "C5", "F#4", "Bb3" → MIDI key (C4 = 60). Throws on a bad name.
int Pitch(std::string_view name);

// A melody: notes "E5:6" (key and length in sixteenths), rests "-:4", and
// bar lines "|" that only help the reader. Starts at `beat`.
std::vector<Note> Melody(std::string_view text, double beat = 0, float velocity = 0.8f);

struct Chord {
    int root = 60;           // MIDI key of the root in octave 4
    std::vector<int> tones;  // semitones above the root, root included
    double beat = 0;
    double length = 4;
};

// One token a bar, e.g. "C Am F G7"; "F,G" splits a bar between two chords.
// Qualities: major, "m", "7", "m7", "maj7", "sus4".
std::vector<Chord> Progression(std::string_view text, double beat = 0);

// Bass line over the chords: a 16-step rhythm per bar where 'r' plays the
// root, 'f' the fifth, 'o' the octave and '.' holds the previous note.
std::vector<Note> BassLine(const std::vector<Chord>& chords, std::string_view rhythm, int octave = 2);

// Broken chords in sixteenths: the chord tones in `order` (indices into the
// tones, a '+' after an index raises it an octave) repeated over each chord.
std::vector<Note> Arpeggio(const std::vector<Chord>& chords, std::string_view order, int octave = 4,
                           float velocity = 0.6f);

// Held chords, one note per tone.
std::vector<Note> Pads(const std::vector<Chord>& chords, int octave = 4, float velocity = 0.5f);

// A one-bar drum pattern repeated `bars` times: 16 steps of 'k' kick,
// 's' snare, 'h' closed hat, 'o' open hat, 'x' kick and hat, '.' nothing.
std::vector<Note> DrumBars(std::string_view pattern, int bars, double beat = 0);

// The same notes, `semitones` higher.
std::vector<Note> Transposed(std::vector<Note> notes, int semitones);

// Adds `notes` shifted by `beats`.
void AppendShifted(std::vector<Note>& to, const std::vector<Note>& notes, double beats);

}  // namespace soundgen
