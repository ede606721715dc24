// The small synthesiser behind the effects: oscillators, envelopes, noise.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double twoPi = 2.0 * std::numbers::pi;

double waveAt(Wave wave, double phase) {
    double p = phase - std::floor(phase);
    switch (wave) {
    case Wave::Sine:
        return std::sin(twoPi * p);
    case Wave::Triangle:
        return 4.0 * std::abs(p - 0.5) - 1.0;
    case Wave::Square:
        // A square softened by a few harmonics only, so it buzzes without aliasing hiss.
        return (std::sin(twoPi * p) + std::sin(3 * twoPi * p) / 3 + std::sin(5 * twoPi * p) / 5) *
               0.9;
    case Wave::Saw:
        return (std::sin(twoPi * p) - std::sin(2 * twoPi * p) / 2 + std::sin(3 * twoPi * p) / 3 -
                std::sin(4 * twoPi * p) / 4) *
               0.6;
    }
    return 0.0;
}

size_t count(double seconds) {
    return static_cast<size_t>(seconds * sampleRate);
}
} // namespace

Samples silence(double seconds) {
    return Samples(count(seconds), 0.0);
}

Samples tone(double seconds, Wave wave, const Curve& pitch) {
    Samples s(count(seconds));
    double phase = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / sampleRate;
        s[i] = waveAt(wave, phase);
        phase += pitch(t) / sampleRate;
    }
    return s;
}

Samples noise(double seconds, const Curve& cutoff, unsigned seed) {
    Samples s(count(seconds));
    uint32_t state = seed * 2654435761u + 1u;
    double low = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        double white = (state >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
        double t = static_cast<double>(i) / sampleRate;
        double a = 1.0 - std::exp(-twoPi * cutoff(t) / sampleRate);
        low += a * (white - low);
        s[i] = low;
    }
    return s;
}

void shape(Samples& s, const Curve& gain) {
    for (size_t i = 0; i < s.size(); ++i) {
        s[i] *= gain(static_cast<double>(i) / sampleRate);
    }
}

void mixInto(Samples& dst, const Samples& src, double offset, double gain) {
    size_t start = count(offset);
    if (dst.size() < start + src.size()) {
        dst.resize(start + src.size(), 0.0);
    }
    for (size_t i = 0; i < src.size(); ++i) {
        dst[start + i] += gain * src[i];
    }
}

Curve pluck(double attack, double decay) {
    return [=](double t) { return t < attack ? t / attack : std::exp(-(t - attack) / decay); };
}

Curve glide(double a, double b, double seconds) {
    return [=](double t) { return a + (b - a) * std::min(1.0, t / seconds); };
}

double noteHz(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}
