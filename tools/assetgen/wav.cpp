// Writing 16-bit PCM WAV files.
#include "wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

constexpr int fadeSamples = sampleRate / 500; // 2 ms

void put16(std::ofstream& out, uint16_t v) {
    const char bytes[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, uint32_t v) {
    put16(out, static_cast<uint16_t>(v & 0xffff));
    put16(out, static_cast<uint16_t>(v >> 16));
}

} // namespace

void writeWav(Samples samples, const std::string& path, double peak) {
    double loudest = 0.0;
    for (double s : samples) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest <= 0.0) {
        throw std::runtime_error("silent sound for " + path);
    }
    const size_t n = samples.size();
    for (size_t i = 0; i < n; ++i) {
        double edge = std::min<double>({1.0, static_cast<double>(i) / fadeSamples,
                                        static_cast<double>(n - 1 - i) / fadeSamples});
        samples[i] *= peak / loudest * edge;
    }
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
    constexpr uint16_t channels = 1;
    constexpr uint16_t bits = 16;
    constexpr uint16_t pcm = 1;
    const auto dataBytes = static_cast<uint32_t>(n * sizeof(int16_t));
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, pcm);
    put16(out, channels);
    put32(out, sampleRate);
    put32(out, sampleRate * channels * bits / 8);
    put16(out, channels * bits / 8);
    put16(out, bits);
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : samples) {
        put16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(s * 32767.0))));
    }
}
