// Reading the palette of named colours from art/palette.txt.
#include "palette.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

Palette Palette::load(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read palette " + path);
    }
    Palette p;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string name;
        std::string hex;
        if (!(words >> name) || name[0] == '#') {
            continue;
        }
        if (!(words >> hex) || hex.size() != 7 || hex[0] != '#') {
            throw std::runtime_error("bad palette line in " + path + ": " + line);
        }
        p.colours[name] = rgbFromHex(static_cast<uint32_t>(std::stoul(hex.substr(1), nullptr, 16)));
    }
    return p;
}

Rgb Palette::operator[](const std::string& name) const {
    auto it = colours.find(name);
    if (it == colours.end()) {
        throw std::runtime_error("palette has no colour " + name);
    }
    return it->second;
}
