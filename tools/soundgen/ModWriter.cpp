// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

#include "Instruments.h"
#include "Writers.h"

namespace soundgen {

namespace {

constexpr int Channels = 4;
constexpr int RowsPerPattern = 64;
constexpr double RowsPerBeat = 4;  // a row is a sixteenth at speed 6
constexpr double PalClock = 7093789.2;
constexpr double Pi = 3.14159265358979323846;

// Amiga periods, C-1 to B-3, finetune 0.
constexpr std::array<uint16_t, 36> Periods = {
    856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,  //
    428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,  //
    214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};
constexpr int NoteC2 = 12;
constexpr int NoteC3 = 24;

double RateAt(int note)
{
    return PalClock / (2.0 * Periods[note]);
}

struct Sample {
    std::string name;
    std::vector<int8_t> data;
    int volume = 64;
    bool loops = false;
    int baseKey = 60;      // MIDI key heard when played at C-2
    int decayPerRow = 0;   // volume slide down, per tick
};

std::vector<int8_t> ToBytes(const std::vector<float>& samples)
{
    std::vector<int8_t> bytes;
    for (float s : samples)
        bytes.push_back(static_cast<int8_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 127)));
    if (bytes.size() % 2)
        bytes.push_back(0);
    return bytes;
}

// A looping sample of whole cycles, tuned so that C-2 sounds `baseKey`,
// band-limited to its own sampling rate.
Sample Waveform(const std::string& name, int baseKey, int volume, int decay, double (*harmonic)(int))
{
    const double frequency = 440.0 * std::pow(2.0, (baseKey - 69) / 12.0);
    const int cycles = 16;
    std::size_t length = static_cast<std::size_t>(std::lround(RateAt(NoteC2) * cycles / frequency));
    length += length % 2;
    const int harmonics = std::max(1, static_cast<int>(0.45 * length / cycles));
    std::vector<float> wave(length);
    for (int h = 1; h <= harmonics; ++h)
        for (std::size_t i = 0; i < length; ++i)
            wave[i] += static_cast<float>(harmonic(h) * std::sin(2 * Pi * h * cycles * double(i) / length));
    const float peak = *std::max_element(wave.begin(), wave.end(), [](float a, float b) { return std::fabs(a) < std::fabs(b); });
    for (float& s : wave)
        s /= std::fabs(peak);
    return {name, ToBytes(wave), volume, true, baseKey, decay};
}

// A drum hit rendered by the synthesiser and resampled to the rate of C-3.
Sample DrumHit(const std::string& name, int key, int volume)
{
    std::vector<float> hit;
    RenderNote(Instrument::Drums, Note{0, 0.25, key, 1.0f}, 0, 99, hit);
    const float peak = std::fabs(*std::max_element(hit.begin(), hit.end(), [](float a, float b) {
        return std::fabs(a) < std::fabs(b);
    }));
    for (float& s : hit)
        s *= 0.95f / peak;
    const double step = double(SampleRate) / RateAt(NoteC3);
    std::vector<float> resampled{0, 0};  // a silent start: the player may idle on it
    for (double at = 0; at + 1 < hit.size(); at += step) {
        const auto i = static_cast<std::size_t>(at);
        resampled.push_back(hit[i] + static_cast<float>(at - i) * (hit[i + 1] - hit[i]));
    }
    return {name, ToBytes(resampled), volume, false, 0, 0};
}

double Square(int h) { return h % 2 ? 1.0 / h : 0.15 / h; }
double Saw(int h) { return 1.0 / h; }
double Triangle(int h) { return h % 2 ? ((h / 2) % 2 ? -1.0 : 1.0) / (h * h) : 0.0; }
double Chime(int h) { return h == 1 ? 1.0 : h == 2 ? 0.35 : h == 4 ? 0.2 : 0.0; }

Sample InstrumentSample(Instrument instrument)
{
    switch (instrument) {
    case Instrument::Lead: return Waveform("lead", 60, 44, 0, Square);
    case Instrument::Bell: return Waveform("chime", 60, 40, 1, Chime);
    case Instrument::Pluck: return Waveform("pluck", 60, 34, 2, Triangle);
    case Instrument::Bass: return Waveform("bass", 48, 56, 1, Saw);
    case Instrument::Pad: return Waveform("pad", 60, 30, 0, Saw);
    case Instrument::Drums: break;
    }
    throw std::logic_error("drums have one sample per drum");
}

struct Cell {
    int sample = 0;
    int note = -1;
    int effect = 0;
    int parameter = 0;
};

using Rows = std::vector<std::array<Cell, Channels>>;

class ModuleBuilder {
public:
    explicit ModuleBuilder(const Score& score) : rows_(static_cast<std::size_t>(std::ceil(score.beats * RowsPerBeat)))
    {
        if (score.tracks.size() > Channels)
            throw std::runtime_error("a module has four channels");
        rows_.resize((rows_.size() + RowsPerPattern - 1) / RowsPerPattern * RowsPerPattern);
        for (std::size_t c = 0; c < score.tracks.size(); ++c)
            PlaceTrack(score.tracks[c], static_cast<int>(c));
        // Speed 6 makes a row a sixteenth when the tempo equals the beats per minute.
        rows_[0][0].effect = 0xF;
        rows_[0][0].parameter = std::clamp(static_cast<int>(std::lround(score.bpm)), 32, 255);
    }

    const Rows& RowsOfSong() const { return rows_; }
    const std::vector<Sample>& Samples() const { return samples_; }

private:
    int SampleFor(const std::string& key, const std::function<Sample()>& make)
    {
        auto found = sampleNumbers_.find(key);
        if (found != sampleNumbers_.end())
            return found->second;
        samples_.push_back(make());
        return sampleNumbers_[key] = static_cast<int>(samples_.size());
    }

    void PlaceTrack(const Track& track, int channel)
    {
        std::vector<Note> notes = track.notes;
        // One note a row: on a drum row the kick wins, then the snare.
        std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) {
            return a.beat != b.beat ? a.beat < b.beat : a.pitch < b.pitch;
        });
        for (std::size_t n = 0; n < notes.size(); ++n) {
            const Note& note = notes[n];
            const auto row = static_cast<std::size_t>(std::lround(note.beat * RowsPerBeat));
            if (row >= rows_.size() || rows_[row][channel].note >= 0)
                continue;
            Cell& cell = rows_[row][channel];
            if (track.instrument == Instrument::Drums) {
                cell.sample = DrumSample(note.pitch);
                cell.note = NoteC3;
                continue;
            }
            cell.sample = SampleFor(std::to_string(int(track.instrument)),
                                    [&] { return InstrumentSample(track.instrument); });
            const Sample& sample = samples_[cell.sample - 1];
            // Notes outside the three octaves of the period table move by octaves.
            int index = note.pitch - sample.baseKey + NoteC2;
            while (index < 0)
                index += 12;
            while (index >= int(Periods.size()))
                index -= 12;
            cell.note = index;
            const auto end = static_cast<std::size_t>(std::lround((note.beat + note.length) * RowsPerBeat));
            for (std::size_t r = row + 1; r < end && r < rows_.size(); ++r) {
                if (sample.decayPerRow) {
                    rows_[r][channel].effect = 0xA;
                    rows_[r][channel].parameter = sample.decayPerRow;
                }
            }
            const bool nextStartsAtEnd = n + 1 < notes.size() && std::lround(notes[n + 1].beat * RowsPerBeat) == long(end);
            if (end < rows_.size() && !nextStartsAtEnd) {
                rows_[end][channel].effect = 0xC;  // volume 0 ends the held note
                rows_[end][channel].parameter = 0;
            }
        }
    }

    int DrumSample(int key)
    {
        switch (key) {
        case Kick: return SampleFor("kick", [] { return DrumHit("kick", Kick, 64); });
        case Snare: return SampleFor("snare", [] { return DrumHit("snare", Snare, 48); });
        case OpenHat: return SampleFor("open hat", [] { return DrumHit("open hat", OpenHat, 28); });
        default: return SampleFor("hat", [] { return DrumHit("hat", ClosedHat, 28); });
        }
    }

    Rows rows_;
    std::vector<Sample> samples_;
    std::map<std::string, int> sampleNumbers_;
};

void PutBig16(std::ofstream& out, unsigned value)
{
    out.put(static_cast<char>((value >> 8) & 0xFF));
    out.put(static_cast<char>(value & 0xFF));
}

void PutText(std::ofstream& out, const std::string& text, std::size_t size)
{
    std::string field = text.substr(0, size);
    field.resize(size, '\0');
    out.write(field.data(), static_cast<std::streamsize>(size));
}

std::vector<uint8_t> PatternBytes(const Rows& rows, std::size_t first)
{
    std::vector<uint8_t> bytes;
    for (std::size_t r = first; r < first + RowsPerPattern; ++r) {
        for (const Cell& cell : rows[r]) {
            const unsigned period = cell.note >= 0 ? Periods[cell.note] : 0;
            bytes.push_back(static_cast<uint8_t>((cell.sample & 0xF0) | (period >> 8)));
            bytes.push_back(static_cast<uint8_t>(period & 0xFF));
            bytes.push_back(static_cast<uint8_t>(((cell.sample & 0x0F) << 4) | cell.effect));
            bytes.push_back(static_cast<uint8_t>(cell.parameter));
        }
    }
    return bytes;
}

}  // namespace

void WriteModule(const std::string& path, const Score& score)
{
    const ModuleBuilder module(score);
    const Rows& rows = module.RowsOfSong();

    // Identical patterns are stored once.
    std::vector<std::vector<uint8_t>> patterns;
    std::vector<uint8_t> order;
    for (std::size_t first = 0; first < rows.size(); first += RowsPerPattern) {
        std::vector<uint8_t> bytes = PatternBytes(rows, first);
        auto same = std::find(patterns.begin(), patterns.end(), bytes);
        if (same == patterns.end()) {
            patterns.push_back(std::move(bytes));
            same = patterns.end() - 1;
        }
        order.push_back(static_cast<uint8_t>(same - patterns.begin()));
    }
    if (order.size() > 128 || patterns.size() > 64 || module.Samples().size() > 31)
        throw std::runtime_error("the song is too long for a module");

    std::ofstream out(path, std::ios::binary);
    PutText(out, score.title, 20);
    for (std::size_t s = 0; s < 31; ++s) {
        if (s >= module.Samples().size()) {
            PutText(out, "", 22);
            PutBig16(out, 0);
            out.put(0);
            out.put(0);
            PutBig16(out, 0);
            PutBig16(out, 1);
            continue;
        }
        const Sample& sample = module.Samples()[s];
        const unsigned words = static_cast<unsigned>(sample.data.size() / 2);
        PutText(out, sample.name, 22);
        PutBig16(out, words);
        out.put(0);  // finetune
        out.put(static_cast<char>(sample.volume));
        PutBig16(out, 0);
        PutBig16(out, sample.loops ? words : 1);
    }
    out.put(static_cast<char>(order.size()));
    out.put(127);
    std::vector<uint8_t> table(128, 0);
    std::copy(order.begin(), order.end(), table.begin());
    out.write(reinterpret_cast<const char*>(table.data()), 128);
    out.write("M.K.", 4);
    for (const auto& pattern : patterns)
        out.write(reinterpret_cast<const char*>(pattern.data()), static_cast<std::streamsize>(pattern.size()));
    for (const Sample& sample : module.Samples())
        out.write(reinterpret_cast<const char*>(sample.data.data()), static_cast<std::streamsize>(sample.data.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

}  // namespace soundgen
