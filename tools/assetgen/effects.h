// The sound effects, synthesised.
#pragma once

#include <string>

// Writes every effect under the run directory `folder`, at the path the game loads it from.
void writeEffects(const std::string& folder);
