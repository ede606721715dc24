// The one hash of the game: 64-bit FNV-1a, for the game state, the level files, the demos'
// checksums and the replayed pictures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Every step is a bijection of the running value for a fixed byte, so two inputs of the same
// length that differ in exactly one byte always hash differently.
class Fnv64 {
  public:
    static constexpr uint64_t offsetBasis = 14695981039346656037ull;
    static constexpr uint64_t prime = 1099511628211ull;

    void add(const void* bytes, std::size_t count) {
        const auto* byte = static_cast<const unsigned char*>(bytes);
        for (std::size_t i = 0; i < count; ++i) {
            value = (value ^ byte[i]) * prime;
        }
    }
    void add(int64_t number) { add(&number, sizeof number); }

    uint64_t value = offsetBasis;
};

// 16 lower-case hex digits.
std::string hexHash(uint64_t hash);
