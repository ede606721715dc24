// The text of the controls page.
#include "page_text.h"

#include <fstream>
#include <stdexcept>

std::string trimmedText(const std::string& s) {
    size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return "";
    }
    size_t last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::string filledText(const std::string& text, const std::map<std::string, int>& numbers) {
    std::string filled;
    size_t from = 0;
    for (size_t open = text.find('{'); open != std::string::npos; open = text.find('{', from)) {
        const size_t close = text.find('}', open);
        if (close == std::string::npos) {
            throw std::runtime_error("screen text \"" + text + "\": a { without its }");
        }
        const std::string name = text.substr(open + 1, close - open - 1);
        const auto number = numbers.find(name);
        if (number == numbers.end()) {
            throw std::runtime_error("screen text \"" + text + "\": no number named " + name);
        }
        filled += text.substr(from, open - from) + std::to_string(number->second);
        from = close + 1;
    }
    return filled + text.substr(from);
}

PageText loadPageText(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    PageText text;
    std::string section;
    std::string line;
    while (std::getline(in, line)) {
        line = trimmedText(line);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            text[section];
            continue;
        }
        if (section.empty()) {
            throw std::runtime_error(path + ": text before the first [section]");
        }
        size_t bar = line.find('|');
        if (bar == std::string::npos) {
            text[section].emplace_back(line, "");
        } else {
            text[section].emplace_back(trimmedText(line.substr(0, bar)),
                                       trimmedText(line.substr(bar + 1)));
        }
    }
    return text;
}
