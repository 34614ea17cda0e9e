// SPDX-License-Identifier: GPL-3.0-or-later
#include "Instruments.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "Audio.h"

namespace soundgen {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int TableSize = 2048;

double Frequency(int pitch)
{
    return 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
}

class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 1) {}
    float Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_ / 4294967295.0 * 2 - 1);
    }

private:
    uint32_t state_;
};

enum class Shape { Saw, Square };

// One cycle holding only the harmonics below Nyquist, so high notes do not
// alias. Tables are shared between notes with the same harmonic count.
const std::vector<float>& Table(Shape shape, int harmonics)
{
    static std::map<std::pair<Shape, int>, std::vector<float>> cache;
    auto& table = cache[{shape, harmonics}];
    if (table.empty()) {
        table.resize(TableSize);
        for (int h = 1; h <= harmonics; ++h) {
            if (shape == Shape::Square && h % 2 == 0)
                continue;
            const double amplitude = 1.0 / h;
            for (int i = 0; i < TableSize; ++i)
                table[i] += static_cast<float>(amplitude * std::sin(2 * Pi * h * i / TableSize));
        }
        const float peak = *std::max_element(table.begin(), table.end());
        for (float& s : table)
            s /= peak;
    }
    return table;
}

const std::vector<float>& TableFor(Shape shape, double frequency, int most)
{
    return Table(shape, std::clamp(static_cast<int>(SampleRate * 0.45 / frequency), 1, most));
}

// Phases run from 0 to 1 and wrap.
void Advance(double& phase, double step)
{
    phase += step;
    if (phase >= 1)
        phase -= 1;
}

float Lookup(const std::vector<float>& table, double phase)
{
    static_assert((TableSize & (TableSize - 1)) == 0);
    const double x = phase * TableSize;
    const int i = static_cast<int>(x);
    const float f = static_cast<float>(x - i);
    return table[i & (TableSize - 1)] + f * (table[(i + 1) & (TableSize - 1)] - table[i & (TableSize - 1)]);
}

// Chamberlin state-variable filter.
class Filter {
public:
    float LowPass(float in, double cutoff, float damping = 1.0f)
    {
        Step(in, cutoff, damping);
        return low_;
    }
    float BandPass(float in, double cutoff, float damping = 1.0f)
    {
        Step(in, cutoff, damping);
        return band_;
    }

private:
    void Step(float in, double cutoff, float damping)
    {
        // 2 sin(x) by its Taylor series: x stays below pi/6, where the
        // error is under a thousandth, and sin per sample is costly.
        const double x = Pi * std::min(cutoff, SampleRate / 6.0) / SampleRate;
        const float f = static_cast<float>(2 * x * (1 - x * x / 6));
        low_ += f * band_;
        // A tiny offset keeps the state out of denormal numbers, which are
        // very slow, while a note dies away.
        const float high = in + 1e-20f - low_ - damping * band_;
        band_ += f * high;
    }
    float low_ = 0;
    float band_ = 0;
};

struct Adsr {
    double attack, decay, sustain, release;

    double At(double t, double held) const
    {
        const double level = Held(std::min(t, held));
        if (t <= held)
            return level;
        return level * std::max(0.0, 1 - (t - held) / release);
    }

private:
    double Held(double t) const
    {
        if (t < attack)
            return t / attack;
        if (t < attack + decay)
            return 1 - (1 - sustain) * (t - attack) / decay;
        return sustain;
    }
};

void Lead(double f, double held, std::vector<float>& out)
{
    const Adsr env{0.01, 0.15, 0.75, ReleaseSeconds(Instrument::Lead)};
    const auto& square = TableFor(Shape::Square, f, 40);
    const auto& saw = TableFor(Shape::Saw, f * 1.003, 40);
    const auto& sine = Table(Shape::Saw, 1);
    Filter filter;
    double phase = 0, phase2 = 0.3, wobble = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / SampleRate;
        const double depth = std::min(1.0, std::max(0.0, t - 0.2) * 4) * 0.004;  // vibrato grows in
        Advance(wobble, 5.5 / SampleRate);
        const double fi = f * (1 + depth * Lookup(sine, wobble));
        Advance(phase, fi / SampleRate);
        Advance(phase2, fi * 1.003 / SampleRate);
        const double e = env.At(t, held);
        const float osc = 0.6f * Lookup(square, phase) + 0.4f * Lookup(saw, phase2);
        out[i] = static_cast<float>(filter.LowPass(osc, f * 3 + 1800 * e, 0.9f) * e);
    }
}

// Two-operator FM with an inharmonic modulator, as bells are.
void Bell(double f, double held, std::vector<float>& out)
{
    const auto& sine = Table(Shape::Saw, 1);
    const double perSample = 1.0 / SampleRate;
    const double indexDecay = std::exp(-6 * perSample), shimmerDecay = std::exp(-4 * perSample),
                 bodyDecay = std::exp(-2.5 * perSample), releaseDecay = std::exp(-3 * perSample);
    double index = 2.2, shimmer = 0.25, body = 1, release = 1;
    double carrier = 0, modulator = 0, octave = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) * perSample;
        Advance(carrier, f * perSample);
        Advance(modulator, 3.5 * f * perSample);
        Advance(octave, 2 * f * perSample);
        double phase = carrier + (index + 0.3) * Lookup(sine, modulator) / (2 * Pi);
        phase -= std::floor(phase);
        const double s = Lookup(sine, phase) + shimmer * Lookup(sine, octave);
        out[i] = static_cast<float>(s * body * release * std::min(1.0, t * 500));
        index *= indexDecay;
        shimmer *= shimmerDecay;
        body *= bodyDecay;
        if (t > held)
            release *= releaseDecay;
    }
}

// Karplus-Strong: a burst of noise circulating in a damped delay line.
void Pluck(double f, double held, uint32_t seed, std::vector<float>& out)
{
    const int period = std::max(2, static_cast<int>(std::lround(SampleRate / f - 0.5)));
    std::vector<float> line(period);
    Noise noise(seed);
    Filter soften;
    for (float& s : line)
        s = soften.LowPass(noise.Next(), 4000);
    const double releaseEnd = held + ReleaseSeconds(Instrument::Pluck);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::size_t at = i % period;
        const float next = line[(at + 1) % period];
        const float s = line[at];
        line[at] = 0.5f * (s + next) * 0.996f;
        const double t = double(i) / SampleRate;
        const double fade = t <= held ? 1.0 : std::max(0.0, (releaseEnd - t) / (releaseEnd - held));
        out[i] = static_cast<float>(s * fade);
    }
}

void Bass(double f, double held, std::vector<float>& out)
{
    const Adsr env{0.005, 0.2, 0.8, ReleaseSeconds(Instrument::Bass)};
    const auto& saw = TableFor(Shape::Saw, f, 24);
    const auto& sine = Table(Shape::Saw, 1);
    Filter filter;
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / SampleRate;
        Advance(phase, f / SampleRate);
        const float osc = 0.7f * Lookup(saw, phase) + 0.5f * Lookup(sine, phase);
        out[i] = static_cast<float>(filter.LowPass(osc, 250 + 1400 * std::exp(-t * 12)) * env.At(t, held));
    }
}

void Pad(double f, double held, std::vector<float>& out)
{
    const Adsr env{0.35, 0.5, 0.8, ReleaseSeconds(Instrument::Pad)};
    const double detune[] = {0.994, 1.0, 1.006};
    const std::vector<float>* tables[3];
    double phases[3] = {0.0, 0.37, 0.71};
    double sweep = 0;  // a slow movement of the filter
    for (int v = 0; v < 3; ++v)
        tables[v] = &TableFor(Shape::Saw, f * detune[v], 24);
    const auto& sine = Table(Shape::Saw, 1);
    Filter filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / SampleRate;
        float osc = 0;
        for (int v = 0; v < 3; ++v) {
            Advance(phases[v], f * detune[v] / SampleRate);
            osc += Lookup(*tables[v], phases[v]) / 3;
        }
        Advance(sweep, 0.3 / SampleRate);
        out[i] = static_cast<float>(filter.LowPass(osc, 1100 + 300 * Lookup(sine, sweep)) * env.At(t, held));
    }
}

void Drum(int key, uint32_t seed, std::vector<float>& out)
{
    Noise noise(seed);
    Filter filter, body;
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / SampleRate;
        double s = 0;
        switch (key) {
        case Kick:
            Advance(phase, (45 + 110 * std::exp(-t * 30)) / SampleRate);
            s = std::sin(2 * Pi * phase) * std::exp(-t * 7) + 0.3 * noise.Next() * std::exp(-t * 300);
            break;
        case Snare:
            s = 0.9 * filter.BandPass(noise.Next(), 1800, 0.7f) * std::exp(-t * 18) +
                0.6 * std::sin(2 * Pi * 185 * t) * std::exp(-t * 25);
            break;
        default: {
            const float n = noise.Next();
            const double decay = key == OpenHat ? 9 : 60;
            s = 0.5 * (n - body.LowPass(n, 6000)) * std::exp(-t * decay);
            break;
        }
        }
        out[i] = static_cast<float>(s);
    }
}

}  // namespace

double ReleaseSeconds(Instrument instrument)
{
    switch (instrument) {
    case Instrument::Lead: return 0.15;
    case Instrument::Bell: return 1.5;
    case Instrument::Pluck: return 0.3;
    case Instrument::Bass: return 0.08;
    case Instrument::Pad: return 1.0;
    case Instrument::Drums: return 0.5;
    }
    return 0;
}

void RenderNote(Instrument instrument, const Note& note, double seconds, uint32_t seed, std::vector<float>& out)
{
    const double held = instrument == Instrument::Drums ? 0 : seconds;
    out.assign(static_cast<std::size_t>((held + ReleaseSeconds(instrument)) * SampleRate), 0.0f);
    const double f = Frequency(note.pitch);
    switch (instrument) {
    case Instrument::Lead: Lead(f, held, out); break;
    case Instrument::Bell: Bell(f, held, out); break;
    case Instrument::Pluck: Pluck(f, held, seed, out); break;
    case Instrument::Bass: Bass(f, held, out); break;
    case Instrument::Pad: Pad(f, held, out); break;
    case Instrument::Drums: Drum(note.pitch, seed, out); break;
    }
    for (float& s : out)
        s *= note.velocity;
}

}  // namespace soundgen
