// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notation.h"

#include <cctype>
#include <stdexcept>
#include <string>

namespace soundgen {

namespace {

constexpr double Sixteenth = 0.25;

// Bar lines separate like blanks: they are only there for the reader.
bool Separator(char c)
{
    return c == '|' || std::isspace(static_cast<unsigned char>(c));
}

std::vector<std::string_view> Tokens(std::string_view text)
{
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && Separator(text[i]))
            ++i;
        std::size_t end = i;
        while (end < text.size() && !Separator(text[end]))
            ++end;
        if (end > i)
            tokens.push_back(text.substr(i, end - i));
        i = end;
    }
    return tokens;
}

int PitchClass(std::string_view name, std::size_t& used)
{
    static constexpr int Naturals[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.empty() || name[0] < 'A' || name[0] > 'G')
        throw std::invalid_argument("bad note name: " + std::string(name));
    int pc = Naturals[name[0] - 'A'];
    used = 1;
    if (name.size() > 1 && (name[1] == '#' || name[1] == 'b')) {
        pc += name[1] == '#' ? 1 : -1;
        used = 2;
    }
    return pc;
}

}  // namespace

int Pitch(std::string_view name)
{
    std::size_t used = 0;
    const int pc = PitchClass(name, used);
    const std::string_view octave = name.substr(used);
    if (octave.empty() || !std::isdigit(static_cast<unsigned char>(octave[0])))
        throw std::invalid_argument("bad octave: " + std::string(name));
    return 12 * (std::stoi(std::string(octave)) + 1) + pc;
}

std::vector<Note> Melody(std::string_view text, double beat, float velocity)
{
    std::vector<Note> notes;
    for (std::string_view token : Tokens(text)) {
        const std::size_t colon = token.find(':');
        if (colon == std::string_view::npos)
            throw std::invalid_argument("note without length: " + std::string(token));
        const double length = std::stoi(std::string(token.substr(colon + 1))) * Sixteenth;
        const std::string_view key = token.substr(0, colon);
        if (key != "-")
            notes.push_back({beat, length, Pitch(key), velocity});
        beat += length;
    }
    return notes;
}

std::vector<Chord> Progression(std::string_view text, double beat)
{
    std::vector<Chord> chords;
    for (std::string_view bar : Tokens(text)) {
        std::vector<std::string_view> names;
        for (std::size_t start = 0;;) {
            const std::size_t comma = bar.find(',', start);
            names.push_back(bar.substr(start, comma - start));
            if (comma == std::string_view::npos)
                break;
            start = comma + 1;
        }
        const double length = 4.0 / names.size();
        for (std::string_view name : names) {
            std::size_t used = 0;
            Chord chord;
            chord.root = 60 + PitchClass(name, used);
            const std::string_view quality = name.substr(used);
            if (quality.empty())
                chord.tones = {0, 4, 7};
            else if (quality == "m")
                chord.tones = {0, 3, 7};
            else if (quality == "7")
                chord.tones = {0, 4, 7, 10};
            else if (quality == "m7")
                chord.tones = {0, 3, 7, 10};
            else if (quality == "maj7")
                chord.tones = {0, 4, 7, 11};
            else if (quality == "sus4")
                chord.tones = {0, 5, 7};
            else
                throw std::invalid_argument("bad chord: " + std::string(name));
            chord.beat = beat;
            chord.length = length;
            chords.push_back(chord);
            beat += length;
        }
    }
    return chords;
}

std::vector<Note> BassLine(const std::vector<Chord>& chords, std::string_view rhythm, int octave)
{
    std::vector<Note> notes;
    for (const Chord& chord : chords) {
        const int root = chord.root + 12 * (octave - 4);
        const int steps = static_cast<int>(chord.length / Sixteenth);
        const std::size_t offset = static_cast<std::size_t>(chord.beat / Sixteenth) % rhythm.size();
        for (int s = 0; s < steps; ++s) {
            const char c = rhythm[(offset + s) % rhythm.size()];
            const double beat = chord.beat + s * Sixteenth;
            if (c == '.') {
                if (!notes.empty() && s > 0)
                    notes.back().length += Sixteenth;
                continue;
            }
            const int key = c == 'f' ? root + 7 : c == 'o' ? root + 12 : root;
            notes.push_back({beat, Sixteenth, key, c == 'r' ? 0.9f : 0.75f});
        }
    }
    return notes;
}

std::vector<Note> Arpeggio(const std::vector<Chord>& chords, std::string_view order, int octave, float velocity)
{
    std::vector<std::pair<std::size_t, int>> steps;  // tone index, octave shift
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(order[i])))
            continue;
        const bool up = i + 1 < order.size() && order[i + 1] == '+';
        steps.push_back({static_cast<std::size_t>(order[i] - '0'), up ? 12 : 0});
    }
    std::vector<Note> notes;
    for (const Chord& chord : chords) {
        const int root = chord.root + 12 * (octave - 4);
        const int count = static_cast<int>(chord.length / Sixteenth);
        for (int s = 0; s < count; ++s) {
            const auto [index, shift] = steps[s % steps.size()];
            const int tone = chord.tones[index % chord.tones.size()];
            notes.push_back({chord.beat + s * Sixteenth, Sixteenth, root + tone + shift, velocity});
        }
    }
    return notes;
}

std::vector<Note> Pads(const std::vector<Chord>& chords, int octave, float velocity)
{
    std::vector<Note> notes;
    for (const Chord& chord : chords)
        for (int tone : chord.tones)
            notes.push_back({chord.beat, chord.length, chord.root + 12 * (octave - 4) + tone, velocity});
    return notes;
}

std::vector<Note> DrumBars(std::string_view pattern, int bars, double beat)
{
    std::vector<Note> notes;
    for (int bar = 0; bar < bars; ++bar) {
        for (std::size_t s = 0; s < pattern.size(); ++s) {
            const double at = beat + bar * 4 + s * Sixteenth;
            switch (pattern[s]) {
            case 'k': notes.push_back({at, Sixteenth, Kick, 0.9f}); break;
            case 's': notes.push_back({at, Sixteenth, Snare, 0.8f}); break;
            case 'h': notes.push_back({at, Sixteenth, ClosedHat, 0.5f}); break;
            case 'o': notes.push_back({at, 2 * Sixteenth, OpenHat, 0.5f}); break;
            case 'x':
                notes.push_back({at, Sixteenth, Kick, 0.9f});
                notes.push_back({at, Sixteenth, ClosedHat, 0.5f});
                break;
            default: break;
            }
        }
    }
    return notes;
}

std::vector<Note> Transposed(std::vector<Note> notes, int semitones)
{
    for (Note& note : notes)
        note.pitch += semitones;
    return notes;
}

void AppendShifted(std::vector<Note>& to, const std::vector<Note>& notes, double beats)
{
    for (Note note : notes) {
        note.beat += beats;
        to.push_back(note);
    }
}

}  // namespace soundgen
