// Writing a hash as text.
#include "core/fnv_hash.h"

#include <cstdio>

std::string hexHash(uint64_t hash) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}
