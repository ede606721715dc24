// Fuzz target: any text through the game's level reader, and a text it reads as a sound level
// through levelcheck's checks and its chase with the game's own enemies.
#include "maze/level_text.h"
#include "rules/chase_check.h"
#include "rules/level_checks.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const LevelText level =
        parseLevelText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (level.faults.empty() && checkLevel(level.cells).empty()) {
        checkChase(level.cells);
    }
    return 0;
}
