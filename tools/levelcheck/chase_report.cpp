#include "chase_report.h"

#include "chase_sim.h"
#include "shell/shared_types.h"
#include "maze_reach.h"

#include <algorithm>

namespace {

const char* enemyName(int32_t homeCode) {
    switch (homeCode) {
    case RedHome:
        return "red";
    case PurpleHome:
        return "purple";
    case BlueHome:
        return "blue";
    default:
        return "yellow";
    }
}

} // namespace

std::vector<ChaseCoverage> measureChase(const std::vector<int32_t>& cells) {
    const auto start = std::find(cells.begin(), cells.end(), PlayerStart);
    if (start == cells.end()) {
        return {};
    }
    const std::vector<bool> walkable =
        reachableFrom(cells, {static_cast<int32_t>(start - cells.begin())}, Walker::Player);
    std::vector<ChaseCoverage> report;
    for (const int32_t homeCode : {RedHome, PurpleHome, BlueHome, YellowHome}) {
        ChaseCoverage coverage;
        coverage.homeCode = homeCode;
        for (int32_t cell = 0; cell < mazeCells; ++cell) {
            if (!walkable[cell]) {
                continue;
            }
            ++coverage.places;
            if (framesToCatch(cells, homeCode, cell, chaseFrameLimit) >= 0) {
                ++coverage.caught;
            } else {
                coverage.missed.push_back(cell);
            }
        }
        report.push_back(coverage);
    }
    return report;
}

std::string describeCoverage(const ChaseCoverage& coverage) {
    std::string line = std::string(enemyName(coverage.homeCode)) +
                       " enemy catches a standing "
                       "player on " +
                       std::to_string(coverage.caught) + " of " + std::to_string(coverage.places) +
                       " cells";
    if (!coverage.missed.empty()) {
        line += "; not on";
        for (const int32_t cell : coverage.missed) {
            line += " (" + std::to_string(cell / mazeColumns) + "," +
                    std::to_string(cell % mazeColumns) + ")";
        }
    }
    return line;
}
