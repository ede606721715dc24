// Writing mono 16-bit PCM WAV files from samples in the range -1..1.
#pragma once

#include <string>
#include <vector>

inline constexpr int sampleRate = 44100;
// The loudest sample of a sound at its fullest, with room left below clipping.
inline constexpr double fullPeak = 0.8;

using Samples = std::vector<double>;

// Scales the sound so its loudest sample reaches `peak`, fades the first and last
// milliseconds so it starts and stops without a click, and writes it.
void writeWav(Samples samples, const std::string& path, double peak = fullPeak);
