// A level file's text through all of the game's checks, one after another.
#include "rules/playable.h"

#include "maze/level_text.h"
#include "rules/chase_check.h"
#include "rules/level_checks.h"

LevelProblems checkLevelText(std::string_view text) {
    // The game's own reader: every fault it finds in the text is a problem.
    const LevelText level = parseLevelText(text);
    LevelProblems problems;
    for (const LevelTextFault& fault : level.faults) {
        problems.push_back(fault.cell < 0 ? problemOfLevel(fault.message)
                                          : problemAt(fault.cell, fault.message));
    }
    if (problems.empty()) {
        problems = checkLevel(level.cells);
    }
    if (problems.empty()) {
        problems = checkChase(level.cells);
    }
    return problems;
}
