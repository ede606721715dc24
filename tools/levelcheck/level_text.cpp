#include "level_text.h"

#include "shell/shared_types.h"

#include <cctype>
#include <charconv>

namespace {

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
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

// An empty message means the token is a valid value.
std::string readToken(std::string_view token, int32_t& value) {
    std::string_view digits = token;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1); // from_chars takes a minus sign but not a plus sign
        if (!digits.empty() && digits.front() == '-') {
            return "'" + std::string(token) + "' is not a decimal integer";
        }
    }
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (error == std::errc::result_out_of_range && stop == end) {
        return "'" + std::string(token) + "' does not fit in 32 bits";
    }
    if (error != std::errc() || stop != end) {
        return "'" + std::string(token) + "' is not a decimal integer";
    }
    return {};
}

} // namespace

LevelText parseLevelText(std::string_view text) {
    LevelText level;
    const std::vector<std::string_view> tokens = splitTokens(text);
    for (size_t index = 0; index < tokens.size() && index < mazeCells; ++index) {
        int32_t value = 0;
        const std::string fault = readToken(tokens[index], value);
        if (fault.empty()) {
            level.cells.push_back(value);
        } else {
            level.problems.push_back(problemAt(static_cast<int32_t>(index), fault));
        }
    }
    const size_t count = tokens.size();
    if (count < static_cast<size_t>(mazeCells)) {
        level.problems.push_back(problemOfLevel("only " + std::to_string(count) +
                                                " numbers, a level holds " +
                                                std::to_string(mazeCells)));
    } else if (count > static_cast<size_t>(mazeCells)) {
        level.problems.push_back(problemOfLevel(std::to_string(count) + " numbers, a level holds " +
                                                std::to_string(mazeCells)));
    }
    if (!level.problems.empty()) {
        level.cells.clear();
    }
    return level;
}
