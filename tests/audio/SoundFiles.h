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

inline std::string Wav(uint16_t channels, uint32_t frames, const std::string& extraChunks = "")
{
    const uint32_t rate = 22050;
    const uint16_t align = channels * 2;
    const std::string data = Tone16(frames * (channels ? channels : 1), false);
    Bytes body;
    body.Text("WAVEfmt ").Le(16, 4).Le(1, 2).Le(channels, 2).Le(rate, 4).Le(rate * align, 4).Le(align, 2).Le(16, 2);
    body.Text(extraChunks).Text("data").Le(static_cast<uint32_t>(data.size()), 4).Text(data);
    return Bytes().Text("RIFF").Le(static_cast<uint32_t>(body.size()), 4).Text(body.str()).str();
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

}  // namespace zorbil::test
