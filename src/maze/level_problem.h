// One thing that makes a level unplayable, and how it is printed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct LevelProblem {
    int32_t row = -1; // -1 when the problem belongs to no one cell
    int32_t column = -1;
    std::string message;
};

using LevelProblems = std::vector<LevelProblem>;

LevelProblem problemAt(int32_t cell, std::string message);
LevelProblem problemOfLevel(std::string message);

// "FILE: row R, column C: MESSAGE", or "FILE: MESSAGE" without a cell.
std::string describeProblem(const std::string& fileName, const LevelProblem& problem);
