// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "Writers.h"

namespace soundgen {

namespace {

constexpr int TicksPerBeat = 480;
constexpr int DrumChannel = 9;

struct Event {
    long tick;
    int order;  // at the same tick: note-offs before note-ons
    std::vector<uint8_t> bytes;
};

class TrackBytes {
public:
    void Add(long delta, const std::vector<uint8_t>& event)
    {
        VarLength(static_cast<uint32_t>(delta));
        data_.insert(data_.end(), event.begin(), event.end());
    }
    void Meta(long delta, uint8_t type, const std::vector<uint8_t>& payload)
    {
        std::vector<uint8_t> event{0xFF, type};
        VarLength(static_cast<uint32_t>(payload.size()), event);
        event.insert(event.end(), payload.begin(), payload.end());
        Add(delta, event);
    }
    const std::vector<uint8_t>& Data() const { return data_; }

private:
    void VarLength(uint32_t value) { VarLength(value, data_); }
    static void VarLength(uint32_t value, std::vector<uint8_t>& to)
    {
        uint8_t groups[5];
        int count = 0;
        do {
            groups[count++] = value & 0x7F;
            value >>= 7;
        } while (value);
        while (count-- > 0)
            to.push_back(static_cast<uint8_t>(groups[count] | (count ? 0x80 : 0)));
    }
    std::vector<uint8_t> data_;
};

long Tick(double beats)
{
    return std::lround(beats * TicksPerBeat);
}

uint8_t Clamp7(double value)
{
    return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 127L));
}

std::vector<uint8_t> Text(const std::string& text)
{
    return {text.begin(), text.end()};
}

TrackBytes TempoTrack(const Score& score)
{
    TrackBytes track;
    track.Meta(0, 0x03, Text(score.title));
    const auto micros = static_cast<uint32_t>(std::lround(60'000'000.0 / score.bpm));
    track.Meta(0, 0x51, {uint8_t(micros >> 16), uint8_t(micros >> 8), uint8_t(micros)});
    track.Meta(0, 0x58, {4, 2, 24, 8});  // 4/4
    track.Meta(Tick(score.beats), 0x2F, {});
    return track;
}

TrackBytes NoteTrack(const Score& score, const Track& source, int channel)
{
    std::vector<Event> events;
    const auto status = [channel](int kind) { return static_cast<uint8_t>(kind | channel); };
    for (const Note& note : source.notes) {
        const auto key = static_cast<uint8_t>(note.pitch);
        events.push_back({Tick(note.beat), 1, {status(0x90), key, Clamp7(note.velocity * 127)}});
        events.push_back({Tick(note.beat + note.length), 0, {status(0x80), key, 0}});
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });

    TrackBytes track;
    if (channel != DrumChannel)
        track.Add(0, {status(0xC0), static_cast<uint8_t>(source.midiProgram)});
    track.Add(0, {status(0xB0), 7, Clamp7(127 * source.gain)});
    track.Add(0, {status(0xB0), 10, Clamp7(64 + 63 * source.pan)});
    track.Add(0, {status(0xB0), 91, 40});  // a little reverb
    long now = 0;
    for (const Event& event : events) {
        track.Add(event.tick - now, event.bytes);
        now = event.tick;
    }
    track.Meta(std::max(0L, Tick(score.beats) - now), 0x2F, {});
    return track;
}

void Put(std::ofstream& out, uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

void WriteMidi(const std::string& path, const Score& score)
{
    std::vector<TrackBytes> tracks{TempoTrack(score)};
    int channel = 0;
    for (const Track& track : score.tracks) {
        if (track.instrument == Instrument::Drums) {
            tracks.push_back(NoteTrack(score, track, DrumChannel));
            continue;
        }
        if (channel == DrumChannel)
            ++channel;
        if (channel > 15)
            throw std::runtime_error("too many tracks for MIDI");
        tracks.push_back(NoteTrack(score, track, channel++));
    }

    std::ofstream out(path, std::ios::binary);
    out.write("MThd", 4);
    Put(out, 6, 4);
    Put(out, 1, 2);
    Put(out, static_cast<uint32_t>(tracks.size()), 2);
    Put(out, TicksPerBeat, 2);
    for (const TrackBytes& track : tracks) {
        out.write("MTrk", 4);
        Put(out, static_cast<uint32_t>(track.Data().size()), 4);
        out.write(reinterpret_cast<const char*>(track.Data().data()), static_cast<std::streamsize>(track.Data().size()));
    }
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

}  // namespace soundgen
