// Making and printing level problems.
#include "maze/level_problem.h"

#include "core/shared_types.h"

LevelProblem problemAt(int32_t cell, std::string message) {
    return LevelProblem{cell / mazeColumns, cell % mazeColumns, std::move(message)};
}

LevelProblem problemOfLevel(std::string message) {
    return LevelProblem{-1, -1, std::move(message)};
}

std::string describeProblem(const std::string& fileName, const LevelProblem& problem) {
    std::string line = fileName + ": ";
    if (problem.row >= 0) {
        line += "row " + std::to_string(problem.row) + ", column " +
                std::to_string(problem.column) + ": ";
    }
    return line + problem.message;
}
