// Fuzz target: any text through the share code reader. What it accepts must be maps of 18 lines
// of 25 characters, whose own codes read back to the same maps.
#include "maze/share_code.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const MazeCodes read = readMazeCodes(std::string(reinterpret_cast<const char*>(data), size));
    if (read.error.empty() == read.mapTexts.empty()) {
        std::abort();
    }
    for (const std::string& text : read.mapTexts) {
        if (text.size() != 18 * 26 || readMazeCodes(mazeCode(text)).mapTexts.at(0) != text) {
            std::abort();
        }
    }
    return 0;
}
