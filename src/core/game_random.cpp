// The game's random numbers: 31 words of state, each draw the sum of two of them three apart.
#include "core/game_random.h"

namespace {

constexpr int stateWords = 31;
constexpr int separation = 3;
// Draws thrown away after seeding, so that nearby seeds give unrelated numbers.
constexpr int warmUpDraws = stateWords * 10;

struct Generator {
    uint32_t words[stateWords] = {};
    int front = separation;
    int rear = 0;
};

Generator generator;
bool seeded = false;

} // namespace

void seedGameRandom(uint32_t seed) {
    if (seed == 0) {
        seed = 1;
    }
    // The words are filled by the minimal standard generator (16807 times the word before,
    // modulo 2^31 - 1), worked out without overflowing 31 bits; the seed itself counts as signed.
    int32_t word = static_cast<int32_t>(seed);
    generator.words[0] = seed;
    for (int i = 1; i < stateWords; ++i) {
        const int64_t high = word / 127773;
        const int64_t low = word % 127773;
        word = static_cast<int32_t>(16807 * low - 2836 * high);
        if (word < 0) {
            word += gameRandomMax;
        }
        generator.words[i] = static_cast<uint32_t>(word);
    }
    generator.front = separation;
    generator.rear = 0;
    seeded = true;
    for (int i = 0; i < warmUpDraws; ++i) {
        gameRandom();
    }
}

int32_t gameRandom() {
    if (!seeded) {
        seedGameRandom(1);
    }
    uint32_t& sum = generator.words[generator.front];
    sum += generator.words[generator.rear];
    // The lowest bit is the least random: it is dropped.
    const auto drawn = static_cast<int32_t>(sum >> 1);
    generator.front = (generator.front + 1) % stateWords;
    generator.rear = (generator.rear + 1) % stateWords;
    return drawn;
}
