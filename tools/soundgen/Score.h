// SPDX-License-Identifier: GPL-3.0-or-later
// A piece of music as notes on tracks, independent of how it is rendered:
// the synthesiser, the MIDI writer and the module writer all read it.
#pragma once

#include <string>
#include <vector>

namespace soundgen {

enum class Instrument { Lead, Bell, Pluck, Bass, Pad, Drums };

// General MIDI drum keys used by drum tracks.
inline constexpr int Kick = 36;
inline constexpr int Snare = 38;
inline constexpr int ClosedHat = 42;
inline constexpr int OpenHat = 46;

struct Note {
    double beat = 0;    // start, in quarter notes from the beginning
    double length = 1;  // in quarter notes
    int pitch = 60;     // MIDI key; for drums the GM drum key
    float velocity = 0.8f;
};

struct Track {
    Instrument instrument = Instrument::Lead;
    int midiProgram = 0;  // General MIDI program for the MIDI rendering
    float gain = 1;
    float pan = 0;  // -1 left .. 1 right
    std::vector<Note> notes;
};

struct Score {
    std::string title;
    double bpm = 120;
    double beats = 0;  // total length; the piece loops after this
    std::vector<Track> tracks;

    double SecondsPerBeat() const { return 60.0 / bpm; }
    double Seconds() const { return beats * SecondsPerBeat(); }
};

}  // namespace soundgen
