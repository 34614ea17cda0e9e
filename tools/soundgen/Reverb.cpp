// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reverb.h"

#include <vector>

namespace soundgen {

namespace {

class Comb {
public:
    explicit Comb(int length) : buffer_(length) {}
    float Process(float in)
    {
        const float out = buffer_[at_];
        store_ = out * (1 - Damping) + store_ * Damping;
        buffer_[at_] = in + store_ * Feedback;
        at_ = (at_ + 1) % buffer_.size();
        return out;
    }

private:
    static constexpr float Feedback = 0.8f;
    static constexpr float Damping = 0.3f;
    std::vector<float> buffer_;
    std::size_t at_ = 0;
    float store_ = 0;
};

class AllPass {
public:
    explicit AllPass(int length) : buffer_(length) {}
    float Process(float in)
    {
        const float delayed = buffer_[at_];
        buffer_[at_] = in + delayed * 0.5f;
        at_ = (at_ + 1) % buffer_.size();
        return delayed - in;
    }

private:
    std::vector<float> buffer_;
    std::size_t at_ = 0;
};

void ReverbChannel(std::vector<float>& channel, const std::vector<float>& dry, int spread, float wet)
{
    // Mutually prime delays (in samples at 44.1 kHz) keep the echoes dense.
    Comb combs[] = {Comb(1116 + spread), Comb(1188 + spread), Comb(1277 + spread), Comb(1356 + spread)};
    AllPass allPasses[] = {AllPass(556 + spread), AllPass(441 + spread)};
    for (std::size_t i = 0; i < dry.size(); ++i) {
        float sum = 0;
        for (Comb& comb : combs)
            sum += comb.Process(dry[i] * 0.25f);
        for (AllPass& allPass : allPasses)
            sum = allPass.Process(sum);
        channel[i] += sum * wet;
    }
}

}  // namespace

void AddReverb(Stereo& sound, float wet)
{
    const std::vector<float> left = sound.left;
    const std::vector<float> right = sound.right;
    ReverbChannel(sound.left, left, 0, wet);
    ReverbChannel(sound.right, right, 23, wet);
}

}  // namespace soundgen
