// Writing and reading the mazes' share codes.
#include "maze/share_code.h"

#include "core/shared_types.h"
#include "maze/deflate.h"
#include "maze/map_convert.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr std::string_view versionPrefix = "T1.";
constexpr char joiner = '~';
constexpr std::string_view alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr size_t mapTextSize = mapLines * (mazeColumns + 1);

std::string base64url(std::string_view bytes) {
    std::string out;
    uint32_t bits = 0;
    int held = 0;
    for (const char byte : bytes) {
        bits = bits << 8 | static_cast<uint8_t>(byte);
        held += 8;
        while (held >= 6) {
            held -= 6;
            out += alphabet[(bits >> held) & 0x3f];
        }
    }
    if (held > 0) {
        out += alphabet[(bits << (6 - held)) & 0x3f];
    }
    return out;
}

// The bytes of base64url text without padding; false for a character outside the alphabet, a
// length no encoding gives, or bits left over that are not zero (so each code has one spelling).
bool fromBase64url(std::string_view text, std::string& bytes) {
    std::array<int, 256> value;
    value.fill(-1);
    for (size_t i = 0; i < alphabet.size(); ++i) {
        value[static_cast<uint8_t>(alphabet[i])] = static_cast<int>(i);
    }
    if (text.size() % 4 == 1) {
        return false;
    }
    uint32_t bits = 0;
    int held = 0;
    for (const char c : text) {
        const int sextet = value[static_cast<uint8_t>(c)];
        if (sextet < 0) {
            return false;
        }
        bits = bits << 6 | static_cast<uint32_t>(sextet);
        held += 6;
        if (held >= 8) {
            held -= 8;
            bytes += static_cast<char>((bits >> held) & 0xff);
        }
    }
    return (bits & ((1u << held) - 1)) == 0;
}

// What is wrong with the text as a map's shape, or "".
std::string mapShapeProblem(std::string_view text) {
    size_t lines = 0;
    for (size_t start = 0; start < text.size(); ++lines) {
        const size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            return "its last line has no end";
        }
        if (end - start != static_cast<size_t>(mazeColumns)) {
            return "line " + std::to_string(lines + 1) + " is not " + std::to_string(mazeColumns) +
                   " characters long";
        }
        start = end + 1;
    }
    return lines == static_cast<size_t>(mapLines)
               ? ""
               : "it holds " + std::to_string(lines) + " lines, not " + std::to_string(mapLines);
}

// One code's map text, or an empty text with the reason.
std::string readOne(std::string_view code, std::string& error) {
    if (code.substr(0, versionPrefix.size()) != versionPrefix) {
        const bool otherVersion = code.size() > 2 && code[0] == 'T' && code.find('.') < 8;
        error = otherVersion ? "a maze code of another version than T1 (a newer game's?)"
                             : "not a Tamberlo Adventure maze code";
        return {};
    }
    std::string packed;
    std::string text;
    if (!fromBase64url(code.substr(versionPrefix.size()), packed) ||
        !inflateRaw(packed, mapTextSize, text)) {
        error = "the code is damaged or cut short";
        return {};
    }
    if (const std::string problem = mapShapeProblem(text); !problem.empty()) {
        error = "not a maze map: " + problem;
        return {};
    }
    return text;
}

} // namespace

std::string mazeCode(std::string_view mapText) {
    return std::string(versionPrefix) + base64url(deflateRaw(mapText));
}

MazeCodes readMazeCodes(std::string_view codes) {
    const size_t first = codes.find_first_not_of(" \t\r\n");
    const size_t last = codes.find_last_not_of(" \t\r\n");
    codes = first == std::string_view::npos ? std::string_view()
                                            : codes.substr(first, last - first + 1);
    MazeCodes read;
    size_t number = 1;
    for (size_t start = 0;; ++number) {
        const size_t end = std::min(codes.find(joiner, start), codes.size());
        std::string error;
        std::string text = readOne(codes.substr(start, end - start), error);
        if (!error.empty()) {
            read.mapTexts.clear();
            read.error = "maze " + std::to_string(number) + ": " + error;
            return read;
        }
        read.mapTexts.push_back(std::move(text));
        if (end == codes.size()) {
            return read;
        }
        start = end + 1;
    }
}
