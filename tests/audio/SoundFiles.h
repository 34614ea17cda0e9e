// SPDX-License-Identifier: GPL-3.0-or-later
// Sound files of every format the game may be handed, written byte by byte
// so that a test (or a fuzzer's seed) can say exactly which field is wrong.
// Each returns the whole file.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace zorbil::test {

class Bytes {
public:
    Bytes& Text(const std::string& text)
    {
        bytes_ += text;
        return *this;
    }
    Bytes& Le(uint32_t value, int size)
    {
        for (int i = 0; i < size; ++i)
            bytes_ += static_cast<char>(value >> (8 * i));
        return *this;
    }
    Bytes& Be(uint64_t value, int size)
    {
        for (int i = size - 1; i >= 0; --i)
            bytes_ += static_cast<char>(value >> (8 * i));
        return *this;
    }
    Bytes& Zeros(std::size_t count)
    {
        bytes_.append(count, '\0');
        return *this;
    }
    const std::string& str() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }

private:
    std::string bytes_;
};

inline std::string Tone16(uint32_t samples, bool bigEndian)
{
    Bytes data;
    for (uint32_t i = 0; i < samples; ++i) {
        const auto s = static_cast<uint16_t>(static_cast<int16_t>(6000 * std::sin(i * 0.06)));
        bigEndian ? data.Be(s, 2) : data.Le(s, 2);
    }
    return data.str();
}

// "smpl": `declared` loops said, `present` loop records there.
inline std::string SamplerChunk(uint32_t declared, uint32_t present)
{
    Bytes chunk;
    chunk.Zeros(7 * 4).Le(declared, 4).Le(0, 4);
    for (uint32_t i = 0; i < present; ++i)
        chunk.Le(i, 4).Le(0, 4).Le(0, 4).Le(100, 4).Le(0, 4).Le(2, 4);  // forward, twice
    return Bytes().Text("smpl").Le(static_cast<uint32_t>(chunk.size()), 4).Text(chunk.str()).str();
}

// 16-bit PCM samples as a WAV file, other chunks before the data.
inline std::string WavOf(uint16_t channels, uint32_t rate, const std::string& data, const std::string& extraChunks = "")
{
    const uint16_t align = channels * 2;
    Bytes body;
    body.Text("WAVEfmt ").Le(16, 4).Le(1, 2).Le(channels, 2).Le(rate, 4).Le(rate * align, 4).Le(align, 2).Le(16, 2);
    body.Text(extraChunks).Text("data").Le(static_cast<uint32_t>(data.size()), 4).Text(data);
    return Bytes().Text("RIFF").Le(static_cast<uint32_t>(body.size()), 4).Text(body.str()).str();
}

inline std::string Wav(uint16_t channels, uint32_t frames, const std::string& extraChunks = "", uint32_t rate = 22050)
{
    return WavOf(channels, rate, Tone16(frames * (channels ? channels : 1), false), extraChunks);
}

// 16-bit AIFF at 22050 Hz holding `framesHeld` of the `framesSaid` frames.
inline std::string Aiff(uint16_t channels, uint32_t framesSaid, uint32_t framesHeld)
{
    Bytes comm;
    comm.Be(channels, 2).Be(framesSaid, 4).Be(16, 2);
    comm.Be(16383 + 14, 2).Be(static_cast<uint64_t>(22050.0 / 16384 * (1ULL << 63)), 8);  // 80-bit float
    const std::string data = Tone16(framesHeld * (channels ? channels : 1), true);
    Bytes body;
    body.Text("AIFFCOMM").Be(comm.size(), 4).Text(comm.str());
    body.Text("SSND").Be(8 + data.size(), 4).Be(0, 4).Be(0, 4).Text(data);
    return Bytes().Text("FORM").Be(body.size(), 4).Text(body.str()).str();
}

inline uint8_t Crc8(const std::string& bytes)
{
    uint8_t crc = 0;
    for (const char c : bytes) {
        crc ^= static_cast<uint8_t>(c);
        for (int i = 0; i < 8; ++i)
            crc = static_cast<uint8_t>(crc & 0x80 ? (crc << 1) ^ 0x07 : crc << 1);
    }
    return crc;
}

inline uint16_t Crc16(const std::string& bytes)
{
    uint16_t crc = 0;
    for (const char c : bytes) {
        crc ^= static_cast<uint16_t>(static_cast<uint8_t>(c) << 8);
        for (int i = 0; i < 8; ++i)
            crc = static_cast<uint16_t>(crc & 0x8000 ? (crc << 1) ^ 0x8005 : crc << 1);
    }
    return crc;
}

// FLAC at 44.1 kHz, 16-bit, in blocks of 4096 frames whose subframes each
// hold one constant sample. STREAMINFO may say another channel count than
// the frames carry.
inline std::string Flac(int channelsSaid, int channelsHeld, int blocks)
{
    constexpr uint32_t Block = 4096;
    Bytes flac;
    flac.Text("fLaC").Be(0x80000022, 4);  // the last metadata block, STREAMINFO, 34 bytes
    flac.Be(Block, 2).Be(Block, 2).Be(0, 3).Be(0, 3);
    const uint64_t info = (44100ULL << 44) | (static_cast<uint64_t>(channelsSaid - 1) << 41) | (15ULL << 36) |
                          static_cast<uint64_t>(blocks) * Block;
    flac.Be(info, 8).Zeros(16);
    for (int n = 0; n < blocks; ++n) {
        Bytes header;
        header.Be(0xfff8, 2).Be(0xc9, 1).Be(static_cast<uint32_t>((channelsHeld - 1) << 4) | 0x08, 1).Be(n, 1);
        Bytes frame;
        frame.Text(header.str()).Be(Crc8(header.str()), 1);
        for (int c = 0; c < channelsHeld; ++c)
            frame.Be(0, 1).Be(1000, 2);  // CONSTANT subframe
        flac.Text(frame.str()).Be(Crc16(frame.str()), 2);
    }
    return flac.str();
}

// MPEG-1 layer III frames at 128 kbit/s and 44.1 kHz, silent: 26 ms each.
inline std::string Mp3Frames(int count)
{
    std::string frames;
    for (int i = 0; i < count; ++i)
        frames += Bytes().Be(0xfffb9000, 4).Zeros(413).str();
    return frames;
}

// An MP3 whose first frame (a Xing header) says it holds `framesSaid`
// frames, followed by `framesHeld`: two files joined with cat.
inline std::string Mp3SayingFrames(uint32_t framesSaid, int framesHeld)
{
    Bytes xing;
    xing.Be(0xfffb9000, 4).Zeros(32).Text("Xing").Be(1, 4).Be(framesSaid, 4);
    xing.Zeros(417 - xing.size());
    return xing.str() + Mp3Frames(framesHeld);
}

// An ID3v2.3 tag around one frame, with the sizes it claims.
inline std::string Id3Tag(uint32_t tagSize, const std::string& frameId, uint32_t frameSize, const std::string& body)
{
    auto syncSafe = [](uint32_t v) {
        return ((v & 0x7f) | ((v << 1) & 0x7f00) | ((v << 2) & 0x7f0000) | ((v << 3) & 0x7f000000));
    };
    return Bytes().Text("ID3").Be(0x0300, 2).Be(0, 1).Be(syncSafe(tagSize), 4).Text(frameId).Be(frameSize, 4)
        .Be(0, 2).Text(body).str();
}

// A standard MIDI file: the header, then each track as given.
inline std::string Midi(uint16_t format, uint16_t tracksSaid, uint16_t division, const std::string& tracks)
{
    return Bytes().Text("MThd").Be(6, 4).Be(format, 2).Be(tracksSaid, 2).Be(division, 2).Text(tracks).str();
}

inline std::string MidiTrack(const std::string& events, uint32_t lengthSaid)
{
    return Bytes().Text("MTrk").Be(lengthSaid, 4).Text(events).str();
}

inline std::string MidiTrack(const std::string& events)
{
    return MidiTrack(events, static_cast<uint32_t>(events.size()));
}

// One note of a quarter at 96 ticks a quarter, then the end of the track.
inline const std::string MidiNote("\x00\x90\x3c\x40\x60\x80\x3c\x40\x00\xff\x2f\x00", 12);

// Ogg pages carry a CRC: a file changed inside must have its pages summed
// again, or the container refuses it before the decoder sees anything.
inline void ResumOggPages(std::string& ogg)
{
    std::size_t page = 0;
    while (page + 27 <= ogg.size() && ogg.compare(page, 4, "OggS") == 0) {
        const auto segments = static_cast<uint8_t>(ogg[page + 26]);
        std::size_t length = 27 + segments;
        for (std::size_t s = 0; s < segments && page + 27 + s < ogg.size(); ++s)
            length += static_cast<uint8_t>(ogg[page + 27 + s]);
        if (page + length > ogg.size())
            return;
        ogg.replace(page + 22, 4, 4, '\0');
        uint32_t crc = 0;
        for (std::size_t i = page; i < page + length; ++i) {
            crc ^= static_cast<uint32_t>(static_cast<uint8_t>(ogg[i])) << 24;
            for (int b = 0; b < 8; ++b)
                crc = crc & 0x80000000 ? (crc << 1) ^ 0x04c11db7 : crc << 1;
        }
        ogg.replace(page + 22, 4, Bytes().Le(crc, 4).str());
        page += length;
    }
}

inline std::string Padded(const std::string& text, std::size_t size)
{
    std::string padded = text.substr(0, size);
    padded.resize(size, '\0');
    return padded;
}

// 64 bytes of a square wave, as 8-bit samples.
inline std::string SampleData(bool deltas, bool isSigned)
{
    std::string data;
    int previous = 0;
    for (int i = 0; i < 64; ++i) {
        const int value = (i / 8) % 2 ? 60 : -60;
        const int stored = deltas ? value - previous : value;
        previous = value;
        data += static_cast<char>(isSigned ? stored : stored + 128);
    }
    return data;
}

// FastTracker 2: two channels, one pattern of 16 rows, one instrument.
inline std::string Xm()
{
    Bytes xm;
    xm.Text("Extended Module: ").Text(Padded("seed", 20)).Be(0x1a, 1).Text(Padded("zorbil", 20)).Le(0x0104, 2);
    xm.Le(276, 4).Le(1, 2).Le(0, 2).Le(2, 2).Le(1, 2).Le(1, 2).Le(1, 2).Le(6, 2).Le(125, 2).Zeros(256);
    Bytes rows;
    rows.Be(0x83, 1).Be(49, 1).Be(1, 1).Be(0x80, 1);  // C-4 of instrument 1, an empty channel
    for (int row = 1; row < 16; ++row)
        rows.Be(0x80, 1).Be(0x80, 1);
    xm.Le(9, 4).Le(0, 1).Le(16, 2).Le(static_cast<uint32_t>(rows.size()), 2).Text(rows.str());
    xm.Le(243, 4).Text(Padded("square", 22)).Le(0, 1).Le(1, 2).Le(40, 4).Zeros(96 + 48 + 48);
    xm.Le(1, 1).Le(1, 1).Zeros(6).Le(0, 1).Le(0, 1).Zeros(4).Le(0, 2).Zeros(2);
    xm.Le(64, 4).Le(0, 4).Le(0, 4).Le(64, 1).Le(0, 1).Le(0, 1).Le(128, 1).Le(0, 1).Le(0, 1).Text(Padded("", 22));
    return xm.str() + SampleData(true, true);
}

// Scream Tracker 3: one pattern of 64 rows, one sample; parts at 16-byte
// paragraphs.
inline std::string S3m()
{
    Bytes s3m;
    s3m.Text(Padded("seed", 28)).Be(0x1a, 1).Be(16, 1).Zeros(2);
    s3m.Le(2, 2).Le(1, 2).Le(1, 2).Le(0, 2).Le(0x1320, 2).Le(2, 2).Text("SCRM");
    s3m.Le(64, 1).Le(6, 1).Le(125, 1).Le(0xb0, 1).Le(0, 1).Le(0, 1).Zeros(8).Le(0, 2);
    s3m.Le(0, 1).Le(8, 1);
    for (int c = 2; c < 32; ++c)
        s3m.Le(255, 1);
    s3m.Le(0, 1).Le(255, 1);  // orders
    s3m.Le(7, 2).Le(12, 2);   // instrument at 0x70, pattern at 0xc0
    s3m.Zeros(0x70 - s3m.size());
    s3m.Le(1, 1).Text(Padded("square.raw", 12)).Le(0, 1).Le(0x11, 2);  // sample data at 0x110
    s3m.Le(64, 4).Le(0, 4).Le(0, 4).Le(64, 1).Le(0, 1).Le(0, 1).Le(0, 1).Le(8363, 4).Zeros(12);
    s3m.Text(Padded("square", 28)).Text("SCRS");
    Bytes rows;
    rows.Be(0x20, 1).Be(0x40, 1).Be(1, 1).Be(0, 1);  // C-4 of sample 1 on channel 0
    for (int row = 1; row < 64; ++row)
        rows.Be(0, 1);
    s3m.Zeros(0xc0 - s3m.size()).Le(static_cast<uint32_t>(rows.size() + 2), 2).Text(rows.str());
    s3m.Zeros(0x110 - s3m.size());
    return s3m.str() + SampleData(false, false);
}

// Impulse Tracker: samples without instruments, one pattern of 64 rows.
inline std::string It()
{
    Bytes it;
    it.Text("IMPM").Text(Padded("seed", 26)).Le(0x1004, 2).Le(2, 2).Le(0, 2).Le(1, 2).Le(1, 2);
    it.Le(0x0214, 2).Le(0x0200, 2).Le(1, 2).Le(0, 2).Le(128, 1).Le(48, 1).Le(6, 1).Le(125, 1).Le(128, 1).Le(0, 1);
    it.Le(0, 2).Le(0, 4).Zeros(4);
    for (int c = 0; c < 64; ++c)
        it.Le(32, 1);
    for (int c = 0; c < 64; ++c)
        it.Le(64, 1);
    it.Le(0, 1).Le(255, 1);  // orders
    const uint32_t sampleAt = 0xd0, patternAt = sampleAt + 80, dataAt = patternAt + 8 + 68;
    it.Le(sampleAt, 4).Le(patternAt, 4).Zeros(sampleAt - it.size());
    it.Text("IMPS").Text(Padded("square.raw", 12)).Le(0, 1).Le(64, 1).Le(1, 1).Le(64, 1).Text(Padded("square", 26));
    it.Le(1, 1).Le(0, 1).Le(64, 4).Le(0, 4).Le(0, 4).Le(8363, 4).Le(0, 4).Le(0, 4).Le(dataAt, 4).Zeros(4);
    it.Le(68, 2).Le(64, 2).Zeros(4).Le(0x81, 1).Le(0x03, 1).Le(60, 1).Le(1, 1).Le(0, 1);
    for (int row = 1; row < 64; ++row)
        it.Le(0, 1);
    return it.str() + SampleData(false, true);
}

}  // namespace zorbil::test
