// levelcheck [--chase] FILE...: reports everything that makes a level file unplayable.
// With --chase it also tells, for each enemy, where a standing player would escape it.
// A level whose enemies the game's own movement does not bring to a standing player on two
// cells in three is refused too.
#include "maze/level_text.h"
#include "rules/chase_check.h"
#include "rules/playable.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

constexpr int exitPlayable = 0;
constexpr int exitUnplayable = 1;
constexpr int exitUsage = 2;

std::string baseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int main(int argc, char** argv) {
    bool chase = false;
    int first = 1;
    if (argc > 1 && std::string(argv[1]) == "--chase") {
        chase = true;
        first = 2;
    }
    if (first >= argc) {
        std::cerr << "usage: levelcheck [--chase] FILE...\n";
        return exitUsage;
    }
    int status = exitPlayable;
    for (int arg = first; arg < argc; ++arg) {
        const std::string path = argv[arg];
        std::ifstream file(path);
        if (!file) {
            std::cerr << "levelcheck: cannot read " << path << "\n";
            return exitUsage;
        }
        std::ostringstream text;
        text << file.rdbuf();
        const std::string name = baseName(path);
        const LevelProblems problems = checkLevelText(text.str());
        for (const LevelProblem& problem : problems) {
            std::cout << describeProblem(name, problem) << "\n";
        }
        if (!problems.empty()) {
            status = exitUnplayable;
        } else if (chase) {
            for (const ChaseCoverage& coverage : measureChase(parseLevelText(text.str()).cells)) {
                std::cout << name << ": " << describeCoverage(coverage) << "\n";
            }
        }
    }
    return status;
}
