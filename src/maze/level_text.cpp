// The level file reader. The game fills the maze from what the reader could take; the level
// checker refuses any file with a fault.
#include "maze/level_text.h"

#include "core/shared_types.h"

#include <cctype>
#include <charconv>

namespace {

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads one integer the way a formatted stream extraction does, from pos: white space, an
// optional sign, then digits up to the first other character. Returns false, leaving value
// alone, when there is no digit or the number does not fit in 32 bits.
bool extractInteger(std::string_view text, size_t& pos, int32_t& value) {
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    size_t end = pos;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) {
        ++end;
    }
    const size_t digitsStart = end;
    while (end < text.size() && isDigit(text[end])) {
        ++end;
    }
    if (end == digitsStart) {
        return false;
    }
    // from_chars takes a minus sign but not a plus sign.
    const size_t numberStart = text[pos] == '+' ? pos + 1 : pos;
    int32_t read = 0;
    const auto [stop, error] = std::from_chars(text.data() + numberStart, text.data() + end, read);
    if (error != std::errc() || stop != text.data() + end) {
        return false;
    }
    value = read;
    pos = end;
    return true;
}

std::vector<std::string_view> splitTokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && isBlank(text[pos])) {
            ++pos;
        }
        const size_t start = pos;
        while (pos < text.size() && !isBlank(text[pos])) {
            ++pos;
        }
        if (pos > start) {
            tokens.push_back(text.substr(start, pos - start));
        }
    }
    return tokens;
}

// What is wrong with one token, or an empty string when it is a sound value.
std::string tokenFault(std::string_view token) {
    size_t pos = 0;
    int32_t value = 0;
    if (extractInteger(token, pos, value) && pos == token.size()) {
        return {};
    }
    size_t digits = token.empty() || (token[0] != '+' && token[0] != '-') ? 0 : 1;
    const size_t first = digits;
    while (digits < token.size() && isDigit(token[digits])) {
        ++digits;
    }
    std::string quoted = "'";
    quoted.append(token).append("'");
    if (digits == token.size() && digits > first) {
        return quoted + " does not fit in 32 bits";
    }
    return quoted + " is not a decimal integer";
}

} // namespace

LevelText parseLevelText(std::string_view text) {
    LevelText level;
    size_t pos = 0;
    int32_t value = 0;
    while (static_cast<int32_t>(level.cells.size()) < mazeCells &&
           extractInteger(text, pos, value)) {
        level.cells.push_back(value);
    }
    const std::vector<std::string_view> tokens = splitTokens(text);
    for (size_t index = 0; index < tokens.size() && index < static_cast<size_t>(mazeCells);
         ++index) {
        std::string fault = tokenFault(tokens[index]);
        if (!fault.empty()) {
            level.faults.push_back({static_cast<int32_t>(index), std::move(fault)});
        }
    }
    const size_t count = tokens.size();
    const std::string holds = " numbers, a level holds " + std::to_string(mazeCells);
    if (count < static_cast<size_t>(mazeCells)) {
        level.faults.push_back({-1, "only " + std::to_string(count) + holds});
    } else if (count > static_cast<size_t>(mazeCells)) {
        level.faults.push_back({-1, std::to_string(count) + holds});
    }
    return level;
}
