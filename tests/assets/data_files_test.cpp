// Checks the generated sounds in the run directory: every effect and tune exists, has the format
// the game relies on, and holds real content. The pictures need no such check: the regression
// demos' picture hashes pin every pixel the game shows of them.
#include "assets/asset_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string gameDir = TAMBERLO_GAME_DIR;

std::vector<uint8_t> fileBytes(const std::string& rel) {
    std::ifstream in(gameDir + "/" + rel, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool startsWith(const std::vector<uint8_t>& bytes, const std::string& magic) {
    return bytes.size() >= magic.size() &&
           std::equal(magic.begin(), magic.end(), bytes.begin(),
                      [](char m, uint8_t b) { return static_cast<uint8_t>(m) == b; });
}

uint32_t littleEndian(const std::vector<uint8_t>& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) {
        v = v << 8 | b[at + static_cast<size_t>(i)];
    }
    return v;
}

uint32_t bigEndian(const std::vector<uint8_t>& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) {
        v = v << 8 | b[at + static_cast<size_t>(i)];
    }
    return v;
}

} // namespace

TEST(DataFiles, EffectsAreAudible16BitPcmWithoutClicks) {
    for (const SoundEntry& sound : soundTable) {
        if (sound.kind != SoundKind::Effect) {
            continue;
        }
        const std::string rel = assetPath::soundFile(sound);
        const std::vector<uint8_t> b = fileBytes(rel);
        ASSERT_GT(b.size(), 44u) << rel;
        ASSERT_TRUE(startsWith(b, "RIFF")) << rel;
        ASSERT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << rel;
        EXPECT_EQ(littleEndian(b, 20, 2), 1u) << rel << " is not PCM";
        EXPECT_EQ(littleEndian(b, 24, 4), 44100u) << rel;
        EXPECT_EQ(littleEndian(b, 34, 2), 16u) << rel;
        ASSERT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data") << rel;
        const size_t samples = littleEndian(b, 40, 4) / 2;
        ASSERT_EQ(44 + samples * 2, b.size()) << rel;
        EXPECT_LT(samples / littleEndian(b, 22, 2), 2 * 44100u) << rel << " lasts 2 s or more";
        auto sample = [&](size_t i) {
            return std::abs(static_cast<int16_t>(littleEndian(b, 44 + i * 2, 2)));
        };
        int peak = 0;
        for (size_t i = 0; i < samples; ++i) {
            peak = std::max(peak, sample(i));
        }
        EXPECT_GT(peak, 8000) << rel << " is nearly silent";
        EXPECT_LT(peak, 32767) << rel << " clips";
        // It starts and ends at rest, so it does not click.
        EXPECT_LT(sample(0), 300) << rel;
        EXPECT_LT(sample(samples - 1), 300) << rel;
    }
}

// Walks every track of a Standard MIDI File: the notes it starts and how long it lasts. A level
// plays its track over and over, so each lasts at least 45 s before it repeats, and the levels
// get busier (more notes a second) from the first to the last.
TEST(DataFiles, TunesAreMidiWithNotesLastingLongEnoughAndLevelsGetBusier) {
    double previousLevelPace = 0;
    for (const SoundEntry& sound : soundTable) {
        if (sound.kind != SoundKind::Track) {
            continue;
        }
        const bool level = sound.index >= MusicLevel1 && sound.index <= MusicLevel5;
        const std::string rel = assetPath::soundFile(sound);
        const std::vector<uint8_t> b = fileBytes(rel);
        ASSERT_TRUE(startsWith(b, "MThd")) << rel;
        uint32_t tracks = 0, noteOns = 0, tempo = 500000, lastTick = 0;
        for (size_t at = 14; at + 8 <= b.size(); ++tracks) {
            ASSERT_TRUE(startsWith({b.begin() + static_cast<long>(at), b.end()}, "MTrk")) << rel;
            const size_t end = at + 8 + bigEndian(b, at + 4, 4);
            ASSERT_LE(end, b.size()) << rel;
            at += 8;
            auto varLen = [&] {
                uint32_t v = 0;
                for (uint8_t c = 0x80; (c & 0x80) != 0;) {
                    c = b[at++];
                    v = v << 7 | (c & 0x7f);
                }
                return v;
            };
            uint32_t tick = 0;
            for (uint8_t status = 0; at < end;) {
                tick += varLen();
                status = (b[at] & 0x80) != 0 ? b[at++] : status;
                if (status == 0xff) {
                    const uint8_t type = b[at++];
                    const uint32_t len = varLen();
                    tempo = type == 0x51 ? bigEndian(b, at, 3) : tempo;
                    at += len;
                } else if ((status & 0xe0) == 0xc0) { // program change and channel pressure
                    at += 1;
                } else {
                    noteOns += (status & 0xf0) == 0x90 && b[at + 1] > 0 ? 1 : 0;
                    at += 2;
                }
            }
            lastTick = std::max(lastTick, tick);
        }
        EXPECT_EQ(tracks, bigEndian(b, 10, 2)) << rel;
        EXPECT_GT(noteOns, 50u) << rel;
        const double seconds = lastTick / static_cast<double>(bigEndian(b, 12, 2)) * tempo / 1e6;
        EXPECT_GE(seconds, level ? 45.0 : 30.0) << rel;
        EXPECT_LE(seconds, 60.0) << rel;
        if (level) {
            const double pace = noteOns / seconds;
            EXPECT_GT(pace, previousLevelPace) << rel;
            previousLevelPace = pace;
            std::printf("%s: %.1f s, %.1f notes/s\n", rel.c_str(), seconds, pace);
        }
    }
}
