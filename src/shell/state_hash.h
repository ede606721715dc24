// Fingerprints of what the game plays: the whole game state after a frame, and the level files
// a game was played on. Demos, tests and the autopilot compare games by them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// 64-bit FNV-1a. Every step is a bijection of the running value for a fixed byte, so two inputs
// of the same length that differ in exactly one byte always hash differently.
class Fnv64 {
  public:
    void add(const void* bytes, std::size_t count) {
        const auto* byte = static_cast<const unsigned char*>(bytes);
        for (std::size_t i = 0; i < count; ++i) {
            value = (value ^ byte[i]) * prime;
        }
    }
    void add(int64_t number) { add(&number, sizeof number); }

    uint64_t value = offsetBasis;

  private:
    static constexpr uint64_t offsetBasis = 14695981039346656037ull;
    static constexpr uint64_t prime = 1099511628211ull;
};

// A hash of the game state: the maze grid, the five actors (places, headings, states and
// timers, animation bookkeeping, the player's counters), the bombs, the level and frame
// counters and the bonus banner. Pointers and loaded pictures are left out, so two runs of the
// same build on the same input give the same value; any change of a rule that changes play
// changes it. It is no stored format: a new field in the hash changes every value.
uint64_t gameStateHash();

// A hash of the five level files as the game finds them in the working directory (a missing
// file counts as such), so a demo can tell whether it is replayed on the levels it was
// recorded on.
uint64_t levelFilesHash();

// 16 lower-case hex digits.
std::string hexHash(uint64_t hash);
