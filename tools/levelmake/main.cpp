// levelmake MAP [LEVEL]: converts a level source map into a level file (or standard output).
// levelmake --code MAP...: prints the share code of the maps, joined by ~ in their order.
#include "maze/map_convert.h"
#include "maze/share_code.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int exitConverted = 0;
constexpr int exitRefused = 1;
constexpr int exitUsage = 2;

// A map file's lines, a carriage return before a line's end dropped; false when it cannot be
// read.
bool readMap(const char* path, std::vector<std::string>& lines) {
    std::ifstream source(path);
    if (!source) {
        return false;
    }
    for (std::string line; std::getline(source, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return source.eof();
}

// The maps' code: each map must convert, and goes into the code as its lines each ended by "\n".
int printCode(int argc, char** argv) {
    std::string codes;
    for (int arg = 2; arg < argc; ++arg) {
        std::vector<std::string> lines;
        const bool read = readMap(argv[arg], lines);
        std::string text;
        for (const std::string& line : lines) {
            text += line + "\n";
        }
        if (!read || !convertMap(lines).errors.empty()) {
            std::cerr << "levelmake: " << argv[arg] << " is no map that converts\n";
            return exitRefused;
        }
        codes += (codes.empty() ? "" : "~") + mazeCode(text);
    }
    std::cout << codes << "\n";
    return exitConverted;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "--code") {
        return printCode(argc, argv);
    }
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: levelmake MAP [LEVEL]\n       levelmake --code MAP...\n";
        return exitUsage;
    }
    std::vector<std::string> lines;
    if (!readMap(argv[1], lines)) {
        std::cerr << "levelmake: cannot read " << argv[1] << "\n";
        return exitUsage;
    }
    const MapConversion conversion = convertMap(lines);
    for (const std::string& error : conversion.errors) {
        std::cerr << argv[1] << ": " << error << "\n";
    }
    if (!conversion.errors.empty()) {
        return exitRefused;
    }
    const std::string text = formatLevel(conversion.cells);
    if (argc == 2) {
        std::cout << text;
        return exitConverted;
    }
    std::ofstream level(argv[2]);
    level << text;
    if (!level.flush()) {
        std::cerr << "levelmake: cannot write " << argv[2] << "\n";
        return exitUsage;
    }
    return exitConverted;
}
