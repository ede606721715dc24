// A fingerprint of the game state, to tell whether two runs of the same input ended alike.
#pragma once

#include <cstdint>

namespace autopilot {

// Hashes the level, the counters, the actors and every maze cell.
uint64_t playStateHash();

} // namespace autopilot
